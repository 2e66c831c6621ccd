#include "ui/Symbols.h"

#include <QApplication>
#include <QPainter>
#include <QStringList>

#include <utility>
#include <QStyle>

namespace Symbols {
namespace {

struct Choice {
    QStringList themeNames;
    QStyle::StandardPixmap fallback;
};

Choice choiceFor(Symbol symbol) {
    switch (symbol) {
    case Symbol::settings:
        return {{"emblem-system-symbolic", "preferences-system-symbolic", "configure", "preferences-system"},
                QStyle::SP_FileDialogDetailedView};
    case Symbol::refresh: return {{"view-refresh", "view-refresh-symbolic"}, QStyle::SP_BrowserReload};
    case Symbol::warning: return {{"dialog-warning-symbolic", "dialog-warning"}, QStyle::SP_MessageBoxWarning};
    case Symbol::close: return {{"window-close-symbolic", "window-close"}, QStyle::SP_TitleBarCloseButton};
    case Symbol::success: return {{"emblem-ok-symbolic", "emblem-ok", "dialog-ok"}, QStyle::SP_DialogApplyButton};
    case Symbol::stopped: return {{"process-stop-symbolic", "process-stop"}, QStyle::SP_BrowserStop};
    case Symbol::noContainer:
        return {{"package-x-generic-symbolic", "package-x-generic"}, QStyle::SP_DirIcon};
    case Symbol::database:
        return {{"drive-multidisk-symbolic", "network-server-symbolic", "drive-harddisk"}, QStyle::SP_DriveHDIcon};
    }
    return {{}, QStyle::SP_CustomBase};
}

// The icon, and whether it is a one-colour symbolic one that may be tinted.
std::pair<QIcon, bool> resolve(Symbol symbol) {
    const Choice choice = choiceFor(symbol);
    for (const QString& name : choice.themeNames) {
        if (QIcon::hasThemeIcon(name)) return {QIcon::fromTheme(name), name.endsWith(QLatin1String("-symbolic"))};
    }
    return {QApplication::style()->standardIcon(choice.fallback), false};
}

}  // namespace

QIcon icon(Symbol symbol) { return resolve(symbol).first; }

QPixmap tinted(Symbol symbol, int side, const QColor& color) {
    const auto [source, symbolic] = resolve(symbol);
    QPixmap pixmap = source.pixmap(side, side);
    if (!symbolic) return pixmap;  // coloured icons keep their own colours
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    return pixmap;
}

}  // namespace Symbols
