#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/Terminal.h"
#include "docker/ContainerStatus.h"
#include "docker/DockerClient.h"
#include "docker/Engine.h"
#include "l10n/L10n.h"

namespace Commands {

QCoro::Task<int> containers(const CliArguments::Parsed& arguments) {
    ModelSession session;
    AppModel& model = session.model();
    auto listing = session.listContainers();
    if (!co_await listing) {
        Terminal::err(model.errorMessage().value_or(QString()));
        co_return ExitStatus::unreachable;
    }
    model.setShowStopped(arguments.has("--all"));
    const QList<DockerContainer> shown = model.visibleContainers();

    if (arguments.has("--json")) {
        // Never the root password: it stays in the container's environment.
        QJsonArray list;
        for (const DockerContainer& container : shown) {
            list.append(QJsonObject{{"name", container.name},
                                    {"id", container.id},
                                    {"running", container.running},
                                    {"mysql", container.isMysql},
                                    {"image", container.image},
                                    {"status", container.status},
                                    {"ports", container.ports},
                                    {"engine", Engine::productName(container.engine).toLower()},
                                    {"endpoint", container.endpoint}});
        }
        Terminal::write(STDOUT_FILENO, QJsonDocument(list).toJson(QJsonDocument::Indented));
        co_return ExitStatus::success;
    }

    // Named before the table, so nobody takes a remote engine's containers for local ones.
    // The listing just resolved the same client; rootless is what its containers say.
    const DockerClient client = DockerClient::resolve();
    const bool rootless = !model.containers().isEmpty() && model.containers().first().rootless;
    Terminal::err(
        L10n::render(QStringLiteral("engineLine"), {Engine::describe(client.engine, rootless, client.endpoint)}));
    if (shown.isEmpty()) Terminal::err(L10n::render(QStringLiteral("noContainers")));
    QList<QStringList> rows;
    for (const DockerContainer& container : shown) {
        const QString state = ContainerStatus::stateKey(container);
        const QString kind = container.isMysql ? QStringLiteral("MySQL") : L10n::render(QStringLiteral("noMySQL"));
        rows.append({container.name, L10n::render(state), kind, container.image, container.ports});
    }
    CommandSupport::printTable(rows);
    co_return ExitStatus::success;
}

}  // namespace Commands
