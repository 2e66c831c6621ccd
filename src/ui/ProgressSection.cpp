#include "ui/ProgressSection.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "import/ProgressText.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"
#include "ui/Symbols.h"
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

    outcome_ = new QWidget(this);
    outcomeIcon_ = new QLabel(outcome_);
    outcomeText_ = new QLabel(outcome_);
    outcomeText_->setObjectName(QStringLiteral("outcomeText"));
    outcomeText_->setWordWrap(true);
    outcomeText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outcomeFile_ = new QLabel(outcome_);
    outcomeFile_->setObjectName(QStringLiteral("outcomeFile"));
    Style::makeSecondary(outcomeFile_, Style::caption(), true);
    outcomeFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* outcomeLines = new QVBoxLayout;
    outcomeLines->setSpacing(2);
    outcomeLines->addWidget(outcomeText_);
    outcomeLines->addWidget(outcomeFile_);
    auto* outcomeLayout = new QHBoxLayout(outcome_);
    outcomeLayout->setContentsMargins(0, 0, 0, 0);
    outcomeLayout->setSpacing(6);
    outcomeLayout->addWidget(outcomeIcon_, 0, Qt::AlignTop);
    outcomeLayout->addLayout(outcomeLines, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(running_);
    layout->addWidget(outcome_);
    tables_ = new TableLoadList(this);
    layout->addWidget(tables_);

    onFields(model_, this, {AppModel::Field::phase}, [this] { render(); });
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
    const int side = QFontMetrics(outcomeText_->font()).height() + 2;
    // Whatever the dump on screen is now, the outcome says which file it is about.
    outcomeFile_->setText(L10n::render(QStringLiteral("outcomeAbout"),
                                       {QFileInfo(model_.importDump()).fileName(), model_.importDatabase()}));
    switch (phase.kind()) {
    case Kind::running:
        bar_->setValue(int(ProgressText::fraction(phase.progress()) * kBarSteps));
        line_->setText(ProgressText::line(phase.progress()));
        break;
    case Kind::success:
        outcomeIcon_->setPixmap(Symbols::tinted(Symbols::Symbol::success, side, Style::green()));
        outcomeText_->setText(L10n::render(QStringLiteral("importDone"), {ByteFormatting::duration(phase.seconds())}));
        Style::setTextColor(outcomeText_, Style::green());
        break;
    case Kind::cancelled:
        outcomeIcon_->setPixmap(Symbols::tinted(Symbols::Symbol::stopped, side, Style::secondary(this)));
        // Whatever ran before the cancel stays: the user must know the target is not as it was.
        outcomeText_->setText(L10n::render(QStringLiteral("cancelledPartial"), {model_.importDatabase()}));
        Style::setTextColor(outcomeText_, Style::secondary(this));
        break;
    case Kind::failed:
        // The cause and its details are at the top of the page; this line says where to look.
        outcomeIcon_->setPixmap(Symbols::tinted(Symbols::Symbol::warning, side, Style::orange()));
        outcomeText_->setText(L10n::render(QStringLiteral("importFailed"), {model_.importDatabase()}));
        Style::setTextColor(outcomeText_, palette().color(QPalette::WindowText));
        break;
    default: break;
    }
}
