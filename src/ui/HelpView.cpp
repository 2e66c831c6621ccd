#include "ui/HelpView.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "l10n/L10n.h"

namespace {

QString page(const QString& code) {
    QFile file(QStringLiteral(":/help/%1.md").arg(code));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

QString HelpView::helpText(const QString& code) {
    if (const QString own = page(code); !own.isEmpty()) return own;
    return L10n::render(QStringLiteral("helpInEnglish")) + QStringLiteral("\n\n") + page(QStringLiteral("en"));
}

HelpView::HelpView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(L10n::render(QStringLiteral("help")));
    resize(640, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    browser_->setMarkdown(helpText(L10n::currentCode()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

HelpView* HelpView::open(QWidget* parent) {
    auto* view = parent->findChild<HelpView*>(QString(), Qt::FindDirectChildrenOnly);
    if (!view) {
        view = new HelpView(parent);
        view->setAttribute(Qt::WA_DeleteOnClose);
    }
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}
