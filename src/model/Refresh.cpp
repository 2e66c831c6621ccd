#include <QPointer>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"
#include "l10n/L10n.h"
#include "model/PersistedKeys.h"

QCoro::Task<> AppModel::refresh() {
    QPointer<AppModel> self(this);
    assign(isLoading_, true, Field::isLoading);
    assign(errorMessage_, std::optional<QString>(), Field::errorMessage);

    const auto tools = locateTools();
    if (!tools.value) {
        assign(errorMessage_, std::optional<QString>(tools.error), Field::errorMessage);
        assign(isLoading_, false, Field::isLoading);
        co_return;
    }
    const DockerClient client = *tools.value;
    assign(engine_, client.engine, Field::engine);

    // Tasks are named before awaiting: g++ 12 destroys temporaries of a co_await
    // expression twice.
    auto listingJob = runInBackground([client] { return client.listContainers(); });
    const auto listing = co_await listingJob;
    if (!self) co_return;
    if (!listing.value) {
        assign(errorMessage_, std::optional<QString>(listing.error), Field::errorMessage);
        assign(isLoading_, false, Field::isLoading);
        co_return;
    }
    assign(containers_, *listing.value, Field::containers);

    const auto before = selectedContainerID_;
    applySelection();
    if (selectedContainerID_ != before) assign(databasePinned_, false, Field::databasePinned);

    if (const auto container = selectedContainer(); container && container->isMysql) {
        auto loading = loadDatabases();
        co_await loading;
        if (!self) co_return;
    }
    if (dumpURL_) {
        auto inspection = inspectDump(*dumpURL_);
        co_await inspection;
        if (!self) co_return;
    }
    assign(isLoading_, false, Field::isLoading);
}

void AppModel::selectContainer(const std::optional<QString>& id) {
    if (!id || id == selectedContainerID_) return;
    // A typed login belongs to its container; kept for the session, in memory only. A login
    // given for the whole run (the terminal's, which names one container) stays.
    if (!loginForRun_) {
        if (selectedContainerID_) typedLogins_.insert(*selectedContainerID_, {userOverride_, passwordOverride_});
        const TypedLogin login = typedLogins_.value(*id);
        assign(userOverride_, login.user, Field::userOverride);
        assign(passwordOverride_, login.password, Field::passwordOverride);
    }
    dismissError();  // the other container's error is not this one's
    clearOutcome();
    assign(selectedContainerID_, id, Field::selectedContainerID);
    assign(databasePinned_, false, Field::databasePinned);
    clearServer();
    assign(selectedDatabase_, std::optional<QString>(), Field::selectedDatabase);
    if (const auto container = selectedContainer()) PersistedKeys::setText("lastContainerName", container->name);
    loadDatabases();  // runs on by itself; the click does not wait for the probe
}

QCoro::Task<bool> AppModel::wakeSelectedContainer() {
    QPointer<AppModel> self(this);
    const auto container = selectedContainer();
    if (!container || container->running) co_return false;
    const auto tools = locateTools();
    if (!tools.value) {
        assign(errorMessage_, std::optional<QString>(tools.error), Field::errorMessage);
        co_return false;
    }
    const DockerClient client = *tools.value;
    const QString name = container->name;
    const bool paused = container->state == QLatin1String("paused");
    auto waking = runInBackground([client, name, paused] {
        client.wakeContainer(name, paused);
        return true;
    });
    const auto woken = co_await waking;
    if (!self) co_return false;
    if (!woken.value) {
        assign(errorMessage_, std::optional<QString>(L10n::render(QStringLiteral("containerNotStarted"), {name, woken.error})),
               Field::errorMessage);
        co_return false;
    }
    // Listed again, then its server is read: the page fills in as after a click.
    auto listing = refresh();
    co_await listing;
    co_return self != nullptr;
}
