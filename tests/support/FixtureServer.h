#pragma once

#include <QString>
#include <QStringList>

#include "docker/DockerClient.h"
#include "import/ImportRequest.h"

// A server in a fixture container, reached as root with the password in MYSQL_PWD only.
struct FixtureServer {
    QString container;
    QString password;
    DockerClient client = DockerClient::resolve();

    CommandResult exec(const QStringList& command) const;
    // Runs SQL as root; answers without column names, trimmed.
    QString sql(const QString& statements) const;
    // Row count and checksum of every table, without the database name.
    QString fingerprint(const QString& database) const;
    // An import into the database as root, with the default sessions for rows.
    ImportRequest request(const QString& file, const QString& database) const;
};
