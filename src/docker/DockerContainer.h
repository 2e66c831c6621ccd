#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

#include "docker/Engine.h"

// One local container as the model and the views see it, identified by id.
struct DockerContainer {
    QString id;
    QString name;
    QString image;
    QString status;  // the engine's own words, in English
    bool running = false;
    QString ports;
    bool isMysql = false;
    bool isMariadb = false;  // of the MySQL family, a MariaDB server
    QString rootUser = QStringLiteral("root");
    std::optional<QString> rootPassword;
    QString volumeSummary;
    QString state;         // lower case, e.g. "running", "exited"
    QDateTime startedAt;   // invalid when never started or unknown
    QDateTime finishedAt;  // invalid while running or unknown
    int exitCode = 0;
    // Where it lives: the engine, its endpoint when not the local default, and whether the
    // engine runs as the user (rootless Podman).
    EngineKind engine = EngineKind::docker;
    QString endpoint;
    bool rootless = false;

    bool operator==(const DockerContainer&) const = default;
};
