#include "ui/TargetProposal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dump/DatabaseChoice.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/Style.h"

TargetProposal::TargetProposal(AppModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("targetProposal"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("proposalNote"));
    note_->setWordWrap(true);
    Style::makeSecondary(note_, Style::caption(), true);
    create_ = new QPushButton(this);
    create_->setObjectName(QStringLiteral("newDatabaseFromDump"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(note_, 1);
    layout->addWidget(create_, 0, Qt::AlignVCenter);
    // Created with the server's default collation, and chosen: the user's own choice from then on.
    connect(create_, &QPushButton::clicked, this, [this] {
        if (!freshName_.isEmpty()) model_.createDatabase(freshName_, QString());
    });
}

void TargetProposal::render() {
    const auto& selected = model_.selectedDatabase();
    const auto& dump = model_.dumpURL();
    qint64 tables = 0;
    for (const MysqlDatabase& database : model_.databases())
        if (selected && database.name == *selected) tables = database.tables;
    const bool offer = selected && dump && !model_.databasePinned() && tables > 0 && !model_.phase().isRunning() &&
                       !model_.isLoadingDatabases();
    setVisible(offer);
    if (!offer) return;
    freshName_ = DatabaseChoice::freshName(*dump, model_.databases());
    note_->setText(L10n::renderCount(QStringLiteral("proposedHolds"), tables));
    create_->setText(L10n::render(QStringLiteral("newDatabaseNamed"), {freshName_}));
}
