#include "ui/ProgressSection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "import/ProgressText.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"
#include "ui/OutcomePanel.h"
#include "ui/Style.h"
#include "ui/TableLoadList.h"
#include "ui/TabularText.h"

namespace {
constexpr int kBarSteps = 10000;
}

ProgressSection::ProgressSection(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("progressSection"));
    running_ = new QWidget(this);
    bar_ = new QProgressBar(running_);
    bar_->setObjectName(QStringLiteral("importProgress"));
    bar_->setRange(0, kBarSteps);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(8);
    line_ = new TabularLabel(running_);
    line_->setObjectName(QStringLiteral("progressLine"));
    line_->setFont(Style::callout());
    Style::setTextColor(line_, Style::secondary(line_));
    auto* runningLayout = new QVBoxLayout(running_);
    runningLayout->setContentsMargins(0, 0, 0, 0);
    runningLayout->setSpacing(6);
    runningLayout->addWidget(bar_);
    runningLayout->addWidget(line_);

    outcome_ = new OutcomePanel(model_, this);
    connect(outcome_, &OutcomePanel::showLogRequested, this, &ProgressSection::showLogRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(running_);
    layout->addWidget(outcome_);
    tables_ = new TableLoadList(this);
    layout->addWidget(tables_);

    // The panel tells what the database holds once the server has been read again.
    onFields(model_, this,
             {AppModel::Field::phase, AppModel::Field::databases, AppModel::Field::isLoadingDatabases,
              AppModel::Field::runner, AppModel::Field::serverInfo, AppModel::Field::selectedDatabase,
              AppModel::Field::dumpURL, AppModel::Field::passwordOverride},
             [this] { render(); });
    onLanguageChange(settings, this, [this] {
        tables_->retranslate();
        render();
    });
    render();
}

void ProgressSection::render() {
    const AppModel::Phase& phase = model_.phase();
    using Kind = AppModel::Phase::Kind;
    running_->setVisible(phase.kind() == Kind::running);
    outcome_->setVisible(phase.kind() == Kind::success || phase.kind() == Kind::cancelled ||
                         phase.kind() == Kind::failed);
    setVisible(!running_->isHidden() || !outcome_->isHidden());
    tables_->showTables(phase.kind() == Kind::idle ? QList<TableLoad>() : phase.tables());
    if (!outcome_->isHidden()) outcome_->render();
    if (phase.kind() == Kind::running) {
        bar_->setValue(int(ProgressText::fraction(phase.progress()) * kBarSteps));
        line_->setText(ProgressText::line(phase.progress()));
    }
}
