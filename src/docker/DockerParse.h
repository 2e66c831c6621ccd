#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "docker/ServerInfo.h"

// One line of `docker ps --format {{json .}}`.
struct PsEntry {
    QString id;  // as ps prints it, possibly the 12-character short form; never empty
    QString name;
    QString image;
    QString state;  // lower case, e.g. "running", "exited"
    QString status;
    QString ports;  // raw, e.g. "0.0.0.0:4308->3306/tcp, [::]:4308->3306/tcp"

    bool operator==(const PsEntry&) const = default;
};

// One container object of `docker inspect`.
struct ParsedInspect {
    QString id;  // full identifier; never empty
    QString name;
    QString image;
    bool running = false;
    QString status;
    QStringList env;
    QStringList command;
    QString volumeSummary;
    QDateTime startedAt{};  // invalid when the engine gives none or its zero time
    QDateTime finishedAt{};
    int exitCode = 0;

    bool operator==(const ParsedInspect&) const = default;
};

// Pure readers of what the docker and mysql clients print. None of them throws: input they
// cannot read gives no record, an empty list or an empty text.
namespace DockerParse {

using ::ParsedInspect;
using ::PsEntry;

// The non-empty lines of a text, cut at LF, CR, CRLF, VT, FF, U+0085, U+2028 and U+2029.
QStringList splitLines(const QString& text);

// The non-empty records of `docker ps` output, one per line feed (a CR before it dropped). JSON
// keeps its line feeds escaped, but not U+0085 or U+2028, which a label may hold.
QStringList splitRecords(const QString& text);

std::optional<PsEntry> parsePsLine(const QString& line);
// One container record of either engine: Docker's texts, or Podman's `Names` list, `Ports`
// objects and `Id`.
std::optional<PsEntry> parsePsObject(const QJsonObject& object);
// All records of `ps -a --format {{json .}}`: Docker's one object per line, or the one
// JSON array Podman prints.
QList<PsEntry> parsePsOutput(const QString& text);

// Podman's published ports ({host_ip, host_port, container_port, range, protocol}) in
// Docker's words, "127.0.0.1:4308->3306/tcp, …"; a text is taken as it is.
QString portsText(const QJsonValue& ports);

// A JSON array of container objects, or one object; anything else gives an empty list.
QList<ParsedInspect> parseInspectList(const QByteArray& bytes);
std::optional<ParsedInspect> parseInspectObject(const QJsonObject& object);

// An RFC 3339 time of the engine ("2024-05-01T10:20:30.123456789Z"), in UTC; invalid for
// anything else and for the zero time the engine writes for "never".
QDateTime engineTime(const QString& text);

// The labels of the mounts that hold server data, joined with ", ".
QString volumeSummary(const QList<QJsonObject>& mounts);

// "localhost:<port>" for each distinct published host port, or the trimmed raw text when
// nothing is published.
QString displayPorts(const QString& raw);

// Whether the image, command or environment variable names show a MySQL-family server.
bool isMysql(const QString& image, const QStringList& env, const QStringList& command);
// Of those, whether it is a MariaDB server, which the window calls by its own name.
bool isMariadb(const QString& image, const QStringList& env, const QStringList& command);

// The value of the first "key=value" entry; nothing when no entry has the key.
std::optional<QString> envValue(const QStringList& env, const QString& key);

// The login a container's environment gives, as the official MySQL and MariaDB images read it.
struct EnvLogin {
    QString user = QStringLiteral("root");
    std::optional<QString> password;  // empty text: the account has no password
    QString passwordFile;             // root's password is in this file inside the container
};
// Root's password; else the file inside the container that holds it; else root without one
// when an empty root password is allowed; else, when root's password is random or unset, the
// user the image created with its password.
EnvLogin envLogin(const QStringList& env);
// A password file's content as the images read it: trailing line feeds are not part of it.
// Nothing when no password is left.
std::optional<QString> passwordFromFile(const QByteArray& content);

// The META and DB rows of the server probe; nothing without a complete META row.
std::optional<ServerInfo> parseMysqlOutput(const QString& text);

// User schemas before "mysql" and "sys", larger first, then by name in the user's
// collation, case-insensitively; stable.
QList<MysqlDatabase> sortedDatabases(QList<MysqlDatabase> databases);

// Consecutive slices of `size` elements, the last one shorter; a size below 1 gives the
// whole list as one slice. An empty list gives no slice.
template <typename T>
QList<QList<T>> chunked(const QList<T>& list, qsizetype size) {
    QList<QList<T>> slices;
    if (list.isEmpty()) return slices;
    if (size < 1) {
        slices.append(list);
        return slices;
    }
    for (qsizetype start = 0; start < list.size(); start += size) slices.append(list.mid(start, size));
    return slices;
}

}  // namespace DockerParse
