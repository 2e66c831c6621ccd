#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One schema of a server with its table count and size, identified by name.
struct MysqlDatabase {
    QString name;
    qint64 tables = 0;
    quint64 bytes = 0;

    bool operator==(const MysqlDatabase&) const = default;
};

// What one probe of a server found.
struct ServerInfo {
    QString version;
    quint64 maxAllowedPacket = 0;
    bool logBin = false;
    quint64 bufferPoolBytes = 0;
    QList<MysqlDatabase> databases;
    // The client program that answered inside the container: "mysql", or "mariadb" in
    // images that have no `mysql` command. Imports use the same one.
    QString clientProgram = QStringLiteral("mysql");
    // The client has a sandbox mode (--sandbox) in which it refuses the commands it would
    // otherwise run itself, such as `\!` shell commands written into a dump.
    bool clientSandbox = false;
    // utf8mb4 collations the server has, and the accounts the login may see ("user@host").
    QStringList collations{};
    QStringList accounts{};
    // The login's grants as SHOW GRANTS prints them, one statement each.
    QStringList grants{};
    QString sqlMode{};  // global: what a new session starts with
    // The tables of each database but the server's own, so a confirmation can name those a
    // dump replaces; the probe reads at most 100,000 in all.
    QHash<QString, QSet<QString>> tableNames{};
    // Their sizes on disk (data and indexes), by database and table, as far as the server counts them.
    QHash<QString, QHash<QString, quint64>> tableBytes{};

    bool isMariadb() const { return version.contains(QLatin1String("MariaDB"), Qt::CaseInsensitive); }
    // "MariaDB 10.11.6-MariaDB…" or "MySQL 8.0.36": product names, never translated.
    QString productAndVersion() const {
        return (isMariadb() ? QStringLiteral("MariaDB ") : QStringLiteral("MySQL ")) + version;
    }

    bool operator==(const ServerInfo&) const = default;
};
