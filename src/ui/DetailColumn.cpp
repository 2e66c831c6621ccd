#include "ui/DetailColumn.h"

#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ContainerHeader.h"
#include "ui/ImportDetail.h"
#include "ui/ModelBinding.h"
#include "ui/Placeholder.h"

DetailColumn::DetailColumn(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QStackedWidget(parent), model_(model) {
    setObjectName(QStringLiteral("detailColumn"));
    noContainer_ = new Placeholder(Symbols::Symbol::noContainer, this);
    noContainer_->setObjectName(QStringLiteral("noContainerPlaceholder"));

    notMysqlPage_ = new QWidget(this);
    notMysqlPage_->setObjectName(QStringLiteral("notMysqlPage"));
    notMysqlHeader_ = new ContainerHeader(notMysqlPage_);
    notMysql_ = new Placeholder(Symbols::Symbol::database, notMysqlPage_);
    notMysql_->setObjectName(QStringLiteral("notMysqlPlaceholder"));
    auto* layout = new QVBoxLayout(notMysqlPage_);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    layout->addWidget(notMysqlHeader_);
    layout->addWidget(notMysql_, 1);

    importDetail_ = new ImportDetail(model_, settings, this);
    addWidget(noContainer_);
    addWidget(notMysqlPage_);
    addWidget(importDetail_);

    onFields(model_, this, {AppModel::Field::containers, AppModel::Field::selectedContainerID, AppModel::Field::engine},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { render(); });
    render();
}

void DetailColumn::render() {
    const auto container = model_.selectedContainer();
    if (!container) {
        const QString hint =
            model_.engine() == EngineKind::podman ? QStringLiteral("startPodman") : QStringLiteral("startDocker");
        noContainer_->setTexts(L10n::render(QStringLiteral("noContainer")), L10n::render(hint));
        setCurrentWidget(noContainer_);
    } else if (!container->isMysql) {
        // Server information may still belong to another container: leave it out here.
        notMysqlHeader_->describe(*container, std::nullopt);
        notMysql_->setTexts(L10n::render(QStringLiteral("noMySQL")),
                            L10n::render(QStringLiteral("notMySQL"), {container->name, container->image}));
        setCurrentWidget(notMysqlPage_);
    } else {
        setCurrentWidget(importDetail_);
    }
}
