// Every container of the engine: Docker's answer to `info`, `ps -a`, then `inspect` in
// batches, merged into one record per container.
#include <QHash>

#include <unistd.h>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/DockerParse.h"
#include "l10n/L10n.h"

namespace {

// Bounds both the argument list and the number of inspect runs.
constexpr qsizetype kInspectBatch = 20;
constexpr qsizetype kShortIdLength = 12;

// Root's password from the file the container's environment names, read inside the running
// container; the path is an argument of its own, so no shell ever sees it. Kept in memory only.
std::optional<QString> passwordInContainer(const DockerClient& client, const DockerContainer& container,
                                           const QString& path) {
    if (!container.running || path.isEmpty()) return std::nullopt;
    try {
        const CommandResult read = client.run(
            client.docker, {QStringLiteral("exec"), container.id, QStringLiteral("cat"), QStringLiteral("--"), path});
        if (read.status != 0) return std::nullopt;
        return DockerParse::passwordFromFile(read.stdoutBytes);
    } catch (const std::exception&) {
        // A container that stopped or hung meanwhile simply offers no password.
        return std::nullopt;
    }
}

DockerContainer merge(const PsEntry& entry, const ParsedInspect* inspect, const DockerContainer& place) {
    DockerContainer container = place;
    container.id = entry.id;
    container.name = entry.name;
    container.image = !entry.image.isEmpty() ? entry.image : inspect ? inspect->image : QString();
    container.status = !entry.status.isEmpty() ? entry.status : inspect ? inspect->status : QString();
    container.state = entry.state;
    container.running = entry.state == QLatin1String("running");
    container.ports = DockerParse::displayPorts(entry.ports);
    const QStringList env = inspect ? inspect->env : QStringList();
    container.isMysql = DockerParse::isMysql(container.image, env, inspect ? inspect->command : QStringList());
    container.isMariadb =
        container.isMysql && DockerParse::isMariadb(container.image, env, inspect ? inspect->command : QStringList());
    if (inspect) {
        const DockerParse::EnvLogin login = DockerParse::envLogin(env);
        container.rootUser = login.user;
        container.rootPassword = login.password;
        container.volumeSummary = inspect->volumeSummary;
        container.startedAt = inspect->startedAt;
        container.finishedAt = inspect->finishedAt;
        container.exitCode = inspect->exitCode;
    }
    return container;
}

}  // namespace

QList<DockerContainer> DockerClient::listContainers() const {
    const bool podman = engine == EngineKind::podman;
    // Podman has no daemon to ask first, and its `info` inspects the whole host (most of a
    // second); a failing `ps` says the same.
    if (!podman) {
        const CommandResult info =
            run(docker, {QStringLiteral("info"), QStringLiteral("--format"), QStringLiteral("{{.ServerVersion}}")});
        if (info.status != 0) {
            const DockerError failure = DockerError::dockerNotRunning(utf8(info.stderrBytes), engine);
            // Someone kept from Docker may well run containers of their own with Podman.
            const bool podmanToo = preference() == EnginePreference::found && podmanFound();
            throw podmanToo ? failure.withPodmanToo() : failure;
        }
    }

    const CommandResult ps = run(
        docker, {QStringLiteral("ps"), QStringLiteral("-a"), QStringLiteral("--format"), QStringLiteral("{{json .}}")});
    if (ps.status != 0) {
        if (podman) throw DockerError::dockerNotRunning(utf8(ps.stderrBytes), engine);
        throw DockerError::commandFailed(text(ps.stderrBytes, L10n::render(QStringLiteral("dockerPsFailed"))));
    }

    const QList<PsEntry> entries = DockerParse::parsePsOutput(utf8(ps.stdoutBytes));
    if (entries.isEmpty()) return {};

    DockerContainer place;
    place.engine = engine;
    place.endpoint = endpoint;
    // A local Podman run by a user other than root keeps that user's own containers.
    place.rootless = podman && endpoint.isEmpty() && ::geteuid() != 0;

    QStringList ids;
    for (const PsEntry& entry : entries) ids.append(entry.id);

    // ps may print the short identifier, inspect always the full one.
    QHash<QString, ParsedInspect> index;
    for (const QList<QString>& batch : DockerParse::chunked(ids, kInspectBatch)) {
        const CommandResult inspect = run(docker, QStringList{QStringLiteral("inspect")} + batch);
        // A failed batch (say, a container removed since ps) leaves its containers without
        // inspect data; the listing goes on.
        if (inspect.status != 0) continue;
        for (const ParsedInspect& record : DockerParse::parseInspectList(inspect.stdoutBytes)) {
            index.insert(record.id, record);
            if (record.id.size() >= kShortIdLength) index.insert(record.id.left(kShortIdLength), record);
        }
    }

    QList<DockerContainer> containers;
    containers.reserve(entries.size());
    for (const PsEntry& entry : entries) {
        const auto found = index.constFind(entry.id);
        DockerContainer container = merge(entry, found != index.constEnd() ? &*found : nullptr, place);
        if (found != index.constEnd() && !container.rootPassword) {
            const QString file = DockerParse::envLogin(found->env).passwordFile;
            container.rootPassword = passwordInContainer(*this, container, file);
        }
        containers.append(std::move(container));
    }
    return containers;
}
