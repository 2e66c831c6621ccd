#include "ui/PreflightSection.h"

#include <QLabel>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

PreflightSection::PreflightSection(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("preflightSection"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("preflightTitle"));
    findings_ = new QLabel(this);
    findings_->setObjectName(QStringLiteral("preflightFindings"));
    findings_->setWordWrap(true);
    findings_->setTextFormat(Qt::PlainText);
    findings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Style::makeSecondary(findings_, Style::caption(), true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(title_);
    layout->addWidget(findings_);
    onFields(model_, this,
             {AppModel::Field::dumpPreview, AppModel::Field::serverInfo, AppModel::Field::selectedDatabase,
              AppModel::Field::fixChoices},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { render(); });
    render();
}

void PreflightSection::render() {
    const QStringList lines = model_.preflight();
    setVisible(!lines.isEmpty());
    title_->setText(L10n::render(QStringLiteral("preflight")));
    QStringList bulleted;
    for (const QString& line : lines) bulleted << QStringLiteral("• ") + line;
    findings_->setText(bulleted.join(u'\n'));
}
