#include "ui/HelpView.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "l10n/L10n.h"

namespace {
const QStringList kUsageSections = {QStringLiteral("Using Tarnwell"), QStringLiteral("Settings"),
                                    QStringLiteral("From a terminal")};
}

QString HelpView::usageText(const QString& readme) {
    QStringList kept;
    bool keeping = false;
    for (const QString& line : readme.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## "))) keeping = kUsageSections.contains(line.mid(3).trimmed());
        if (keeping) kept << line;
    }
    return kept.join(QLatin1Char('\n'));
}

HelpView::HelpView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(L10n::render(QStringLiteral("help")));
    resize(640, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    QFile readme(QStringLiteral(":/help/README.md"));
    if (readme.open(QIODevice::ReadOnly)) browser_->setMarkdown(usageText(QString::fromUtf8(readme.readAll())));
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
