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
    // A reading ahead ends at its next chunk; nobody is told, the model is going.
    if (readingStop_) readingStop_->store(true);
    importPool_.waitForDone();
}

void AppModel::clearOutcome() {
    if (phase_.kind() == Phase::Kind::idle || phase_.isRunning()) return;
    if (errorMessage_ && phase_.kind() == Phase::Kind::failed && *errorMessage_ == phase_.message()) dismissError();
    assign(phase_, Phase::idle(), Field::phase);
}

std::optional<QString> AppModel::lastDumpFolder() const {
    const auto stored = PersistedKeys::path("dumpBookmark");
    if (!stored) return std::nullopt;
    const QString folder = QFileInfo(*stored).absolutePath();
    if (!QFileInfo(folder).isDir()) return std::nullopt;
    return folder;
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
    if (chosen != selectedContainerID_) clearOutcome();
    assign(selectedContainerID_, chosen, Field::selectedContainerID);
}

QString AppModel::loginUser() const {
    const auto container = selectedContainer();
    return container ? effectiveUser(*container) : QString();
}

QString AppModel::effectiveUser(const DockerContainer& container) const {
    const QString typed = userOverride_.trimmed();
    return typed.isEmpty() ? container.rootUser : typed;
}

std::optional<QString> AppModel::effectivePassword(const DockerContainer& container) const {
    if (passwordGiven_ || !passwordOverride_.isEmpty()) return passwordOverride_;
    return container.rootPassword;
}
