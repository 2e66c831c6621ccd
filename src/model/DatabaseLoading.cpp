#include <QPointer>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "dump/DatabaseChoice.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"
#include "model/PersistedKeys.h"

void AppModel::clearServer() {
    assign(databases_, QList<MysqlDatabase>(), Field::databases);
    assign(serverInfo_, std::optional<ServerInfo>(), Field::serverInfo);
}

void AppModel::chooseDatabaseAutomatically(const std::optional<QString>& dumpPath) {
    const auto choice = DatabaseChoice::preferred(databases_, dumpPath, PersistedKeys::text("lastDatabase"));
    assign(selectedDatabase_, choice, Field::selectedDatabase);
}

QCoro::Task<> AppModel::loadDatabases() { return probeServer(true); }

QCoro::Task<> AppModel::probeServer(bool reportFailure) {
    QPointer<AppModel> self(this);
    const auto container = selectedContainer();
    if (!container || !container->isMysql || !container->running) {
        clearServer();
        co_return;
    }
    const auto password = effectivePassword(*container);
    if (!password) {
        clearServer();
        co_return;
    }
    assign(isLoadingDatabases_, true, Field::isLoadingDatabases);
    const QString user = effectiveUser(*container);
    const QString name = container->name;

    const QString id = container->id;
    // An error belongs to its container: one that is no longer selected shows nothing.
    const auto fail = [this, id, reportFailure](const QString& message) {
        if (selectedContainerID_ != id) return;
        if (!reportFailure) {
            assign(isLoadingDatabases_, false, Field::isLoadingDatabases);
            return;
        }
        assign(errorMessage_, std::optional<QString>(message), Field::errorMessage);
        clearServer();
        assign(isLoadingDatabases_, false, Field::isLoadingDatabases);
    };
    const auto tools = locateTools();
    if (!tools.value) {
        fail(tools.error);
        co_return;
    }
    const DockerClient client = *tools.value;

    auto probeJob = runInBackground(
        [client, name, user, password = *password] { return client.fetchServerInfo(name, user, password); });
    const auto probe = co_await probeJob;
    if (!self) co_return;
    if (!probe.value) {
        fail(probe.error);
        co_return;
    }
    const auto now = selectedContainer();
    if (!now || now->name != name) {
        assign(isLoadingDatabases_, false, Field::isLoadingDatabases);
        co_return;
    }
    // The login worked: a login error of this container is over; a failed import's is not.
    if (!(phase_.kind() == Phase::Kind::failed && errorMessage_ == phase_.message())) dismissError();
    assign(serverInfo_, std::optional<ServerInfo>(*probe.value), Field::serverInfo);
    assign(databases_, probe.value->databases, Field::databases);
    if (databasePinned_) {
        // The server lists schemas by their tables; one created here stays chosen while empty.
        const bool stillThere =
            std::any_of(databases_.begin(), databases_.end(),
                        [&](const MysqlDatabase& d) { return selectedDatabase_ && d.name == *selectedDatabase_; }) ||
            (selectedDatabase_ && createdDatabases_.contains(id + QLatin1Char('/') + *selectedDatabase_));
        if (selectedDatabase_ && !stillThere) {
            assign(selectedDatabase_, std::optional<QString>(), Field::selectedDatabase);
            assign(databasePinned_, false, Field::databasePinned);
        }
    } else if (const auto chosen = PersistedKeys::text("lastDatabase");
               chosen && PersistedKeys::text("lastDatabaseContainer") == name &&
               std::any_of(databases_.begin(), databases_.end(),
                           [&](const MysqlDatabase& d) { return d.name == *chosen; })) {
        // The user's own choice on this container, from before: a proposal never overrides it.
        assign(selectedDatabase_, chosen, Field::selectedDatabase);
        assign(databasePinned_, true, Field::databasePinned);
    } else {
        chooseDatabaseAutomatically(dumpURL_);
    }
    assign(isLoadingDatabases_, false, Field::isLoadingDatabases);
}

void AppModel::pinDatabase(const QString& name) {
    assign(databasePinned_, true, Field::databasePinned);
    assign(selectedDatabase_, std::optional<QString>(name), Field::selectedDatabase);
    PersistedKeys::setText("lastDatabase", name);
    if (const auto container = selectedContainer()) PersistedKeys::setText("lastDatabaseContainer", container->name);
}

QCoro::Task<bool> AppModel::createDatabase(QString name, QString collation) {
    QPointer<AppModel> self(this);
    const auto container = selectedContainer();
    const auto password = container ? effectivePassword(*container) : std::nullopt;
    if (!container || !container->running || !password) co_return false;
    const auto tools = locateTools();
    if (!tools.value) {
        assign(errorMessage_, std::optional<QString>(tools.error), Field::errorMessage);
        co_return false;
    }
    const DockerClient client = *tools.value;
    const QString containerName = container->name;
    const QString user = effectiveUser(*container);
    const QString program = serverInfo_ ? serverInfo_->clientProgram : QStringLiteral("mysql");
    auto creation = runInBackground([client, containerName, program, user, password = *password, name, collation] {
        client.createDatabase(containerName, program, user, password, name, collation);
        return true;
    });
    const auto created = co_await creation;
    if (!self) co_return false;
    if (!created.value) {
        assign(errorMessage_, std::optional<QString>(created.error), Field::errorMessage);
        co_return false;
    }
    // The list shows schemas with tables; the new one is chosen all the same.
    createdDatabases_.insert(container->id + QLatin1Char('/') + name);
    pinDatabase(name);
    co_return true;
}
