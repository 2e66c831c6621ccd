#include "ui/AboutBox.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "l10n/L10n.h"
#include "ui/BundledDocuments.h"

namespace AboutBox {

QString text(const QString& engine) {
    QString html =
        QStringLiteral("<p><b>Tarnwell</b><br>%1</p><p>%2</p>")
            .arg(L10n::render(QStringLiteral("aboutVersion"), {QStringLiteral(TARNWELL_VERSION)}).toHtmlEscaped(),
                 L10n::render(QStringLiteral("aboutLicence"), {QStringLiteral("MIT")}).toHtmlEscaped());
    if (!engine.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(L10n::render(QStringLiteral("aboutEngine"), {engine}).toHtmlEscaped());
    const QUrl site = BundledDocuments::website();
    if (site.isValid()) {
        const QString shown = site.isLocalFile() ? site.toLocalFile() : site.toString();
        html +=
            QStringLiteral("<p><a href=\"%1\">%2</a></p>").arg(site.toString().toHtmlEscaped(), shown.toHtmlEscaped());
    }
    return html;
}

QMessageBox* open(QWidget* parent, const QString& engine) {
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(L10n::render(QStringLiteral("aboutMenu")));
    box->setTextFormat(Qt::RichText);
    box->setText(text(engine));
    box->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box->setStandardButtons(QMessageBox::Close);
    box->open();
    return box;
}

}  // namespace AboutBox
