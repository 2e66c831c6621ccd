#pragma once

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

#include "docker/DockerContainer.h"
#include "docker/Engine.h"
#include "docker/ServerInfo.h"

// The exit status and captured output of one finished command.
struct CommandResult {
    int status = 0;
    QByteArray stdoutBytes;
    QByteArray stderrBytes;
    bool timedOut = false;  // stopped because it did not end in time
    bool operator==(const CommandResult&) const = default;
};

// The locations of the engine client (docker or podman) and gzip, with the engine it drives
// and the endpoint it talks to. Located anew for every top-level operation and passed by
// copy; never changed after creation.
struct DockerClient {
    QString docker;
    QString gzip;
    EngineKind engine = EngineKind::docker;
    QString endpoint{};  // empty: the engine's local default

    // The first executable of $TARNWELL_DOCKER, /usr/local/bin/docker, /usr/bin/docker,
    // /snap/bin/docker, /usr/bin/podman, /usr/local/bin/podman (no PATH search) that drives
    // the preferred engine, and /usr/bin/gzip. Throws DockerError.
    static DockerClient resolve();
    static DockerClient resolve(const QStringList& dockerCandidates, const QString& gzipPath,
                                EnginePreference preference = EnginePreference::found);
    static QStringList dockerCandidates();
    // Whether one of those candidates drives Podman.
    static bool podmanFound();

    // The engine the user chose, for every later resolve() in this process.
    static void setPreference(EnginePreference preference);
    static EnginePreference preference();

    // What `<executable> --version` says it is; when it does not say, Podman for a file named
    // podman*, else Docker. Remembered per file for the life of the process.
    static EngineKind identify(const QString& executable);

    // Our own environment with the docker directories in front of PATH.
    static QProcessEnvironment processEnvironment();
    static QProcessEnvironment processEnvironment(QProcessEnvironment base);

    // A metadata command (info, ps, inspect, the probe) that has not ended by then is stopped:
    // a hung engine must not hold the window or quitting. $TARNWELL_DOCKER_TIMEOUT (seconds)
    // changes it, for engines at the end of a slow link.
    static int metadataLimitMs();

    // Runs a metadata command to its end, draining both output pipes while it runs. A
    // non-zero status is returned, not thrown; a launch failure throws Process::LaunchError,
    // a command stopped after kMetadataLimitMs throws DockerError.
    CommandResult run(const QString& executable, const QStringList& arguments) const;
    // With a time limit (milliseconds, -1 for none), a command still running then is stopped.
    static CommandResult run(const QString& executable, const QStringList& arguments,
                             const QProcessEnvironment& environment, int limitMs = -1);
    // The same for a metadata command: stopped and thrown as DockerError after the limit.
    static CommandResult runBounded(const QString& executable, const QStringList& arguments,
                                    const QProcessEnvironment& environment, int limitMs = metadataLimitMs(),
                                    EngineKind engine = EngineKind::docker);

    // Every container of the engine, in `ps` order. Throws DockerError or Process::LaunchError.
    QList<DockerContainer> listContainers() const;

    // Version, settings and databases of the server in a container, through the `mysql`
    // client, or `mariadb` where the container has only that. Throws DockerError or
    // Process::LaunchError.
    ServerInfo fetchServerInfo(const QString& containerName, const QString& user, const QString& password) const;

    // Creates an empty utf8mb4 database with the import's login; the collation when given,
    // else the server's default. Throws DockerError with the server's words, or
    // Process::LaunchError.
    void createDatabase(const QString& containerName, const QString& clientProgram, const QString& user,
                        const QString& password, const QString& name, const QString& collation) const;

    // The rows a table holds now; nothing when there is no such table. Throws DockerError with
    // the server's words, or Process::LaunchError.
    std::optional<qint64> countRows(const QString& containerName, const QString& clientProgram, const QString& user,
                                    const QString& password, const QString& database, const QString& table) const;
    // `start` for a stopped container, `unpause` for a paused one; returns once the engine
    // says it runs. Throws DockerError with the engine's words, or Process::LaunchError.
    void wakeContainer(const QString& containerName, bool paused) const;

    // The bytes as trimmed UTF-8, or the fallback when they are not UTF-8 or only white space.
    static QString text(const QByteArray& bytes, const QString& fallback);

    // The bytes decoded as UTF-8, untrimmed; the empty text when they are not UTF-8.
    static QString utf8(const QByteArray& bytes);

    bool operator==(const DockerClient&) const = default;
};
