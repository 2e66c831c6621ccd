#include "model/AppModel.h"

#include <QFileInfo>

#include "import/ImportRunner.h"
#include "model/ContainerOrder.h"
#include "model/PersistedKeys.h"

AppModel::AppModel(QObject* parent) : QObject(parent) {
    importPool_.setMaxThreadCount(1);
    importPool_.setExpiryTimeout(-1);
    // The last dump comes back when its path still names a file; it is inspected by the
    // first refresh, not here.
    if (const auto stored = PersistedKeys::path("dumpBookmark")) {
        if (QFileInfo(*stored).isFile()) dumpURL_ = *stored;
    }
}

AppModel::~AppModel() {
    // A running import must not outlive the model unnoticed: it ends in its safe order,
    // which its own time limits bound.
    if (runner_) runner_->cancel();
    importPool_.waitForDone();
}

QList<DockerContainer> AppModel::visibleContainers() const {
    return ContainerOrder::visible(containers_, showStopped_);
}

std::optional<DockerContainer> AppModel::selectedContainer() const {
    if (!selectedContainerID_) return std::nullopt;
    for (const DockerContainer& container : containers_) {
        if (container.id == *selectedContainerID_) return container;
    }
    return std::nullopt;
}

void AppModel::applySelection() {
    const auto chosen =
        ContainerOrder::choose(visibleContainers(), selectedContainerID_, PersistedKeys::text("lastContainerName"));
    assign(selectedContainerID_, chosen, Field::selectedContainerID);
}

QString AppModel::effectiveUser(const DockerContainer& container) const {
    const QString typed = userOverride_.trimmed();
    return typed.isEmpty() ? container.rootUser : typed;
}

std::optional<QString> AppModel::effectivePassword(const DockerContainer& container) const {
    if (passwordGiven_ || !passwordOverride_.isEmpty()) return passwordOverride_;
    return container.rootPassword;
}
