#include "ui/Symbols.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStringList>

#include <utility>

// The bundled drawings sit in a static library; registering them keeps them linked in.
static int registerSymbols() {
    Q_INIT_RESOURCE(ui);
    return 0;
}
[[maybe_unused]] static const int symbolsRegistered = registerSymbols();

namespace Symbols {
namespace {

struct Choice {
    QStringList themeNames;
    const char* drawing;  // under :/symbols/
};

Choice choiceFor(Symbol symbol) {
    switch (symbol) {
    case Symbol::settings:
        return {{"emblem-system-symbolic", "preferences-system-symbolic", "configure", "preferences-system"},
                "settings"};
    case Symbol::refresh: return {{"view-refresh", "view-refresh-symbolic"}, "refresh"};
    case Symbol::warning: return {{"dialog-warning-symbolic", "dialog-warning"}, "warning"};
    case Symbol::close: return {{"window-close-symbolic", "window-close"}, "close"};
    case Symbol::success: return {{"emblem-ok-symbolic", "emblem-ok", "dialog-ok"}, "success"};
    case Symbol::stopped: return {{"process-stop-symbolic", "process-stop"}, "stopped"};
    case Symbol::noContainer: return {{"package-x-generic-symbolic", "package-x-generic"}, "container"};
    case Symbol::database:
        return {{"drive-multidisk-symbolic", "network-server-symbolic", "drive-harddisk"}, "database"};
    case Symbol::menu: return {{"open-menu-symbolic", "application-menu-symbolic", "application-menu"}, "menu"};
    case Symbol::add: return {{"list-add-symbolic", "list-add"}, "add"};
    }
    return {{}, "menu"};
}

QPixmap fill(QPixmap pixmap, const QColor& color) {
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    return pixmap;
}

QIcon drawing(Symbol symbol) {
    return QIcon(QStringLiteral(":/symbols/%1.svg").arg(QLatin1String(choiceFor(symbol).drawing)));
}

// The icon, and whether it is a one-colour symbolic one that may be tinted.
std::pair<QIcon, bool> resolve(Symbol symbol) {
    for (const QString& name : choiceFor(symbol).themeNames) {
        if (QIcon::hasThemeIcon(name)) return {QIcon::fromTheme(name), name.endsWith(QLatin1String("-symbolic"))};
    }
    return {QIcon(), true};
}

}  // namespace

// A one-colour icon in the palette's text colour, so that a dark palette gets light symbols.
static QIcon inTextColour(const QIcon& source) {
    const QPalette palette = QApplication::palette();
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48}) {
        const QPixmap shape = source.pixmap(side, side);
        icon.addPixmap(fill(shape, palette.color(QPalette::Active, QPalette::WindowText)), QIcon::Normal);
        icon.addPixmap(fill(shape, palette.color(QPalette::Disabled, QPalette::WindowText)), QIcon::Disabled);
    }
    return icon;
}

QIcon bundled(Symbol symbol) { return inTextColour(drawing(symbol)); }

QIcon icon(Symbol symbol) {
    const auto [theme, symbolic] = resolve(symbol);
    if (theme.isNull()) return bundled(symbol);
    // Themes draw symbolic icons dark and leave recolouring to the toolkit, which Qt does not do.
    return symbolic ? inTextColour(theme) : theme;
}

QPixmap tinted(Symbol symbol, int side, const QColor& color) {
    const auto [theme, symbolic] = resolve(symbol);
    const QIcon source = theme.isNull() ? drawing(symbol) : theme;
    QPixmap pixmap = source.pixmap(side, side);
    if (!symbolic) return pixmap;  // coloured icons keep their own colours
    return fill(pixmap, color);
}

}  // namespace Symbols
