#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "import/ImportRequest.h"

// The docker argument vector of an import and its printable form.
struct MysqlInvocation {
    QStringList arguments;  // without the executable
    QString display;        // executable and arguments joined by spaces, password masked

    bool operator==(const MysqlInvocation&) const = default;
};

namespace ImportCommand {

// Which statements of the dump a session runs: the dump in its order (in batches when the stream
// commits them), or rows spread to it (always in batches).
enum class SessionPart { inOrder, rows };

// "--max-allowed-packet=" with at least 64 MiB, in mebibytes ("512M") when whole.
QString packetArgument(quint64 bytes);

// The statements the client runs on connecting ("SET SESSION …;") that the user chose, or empty.
QString sessionStatements(const ImportRequest& request, SessionPart part = SessionPart::inOrder);

// `docker exec -i -e MYSQL_PWD <container> mysql … --database=<name>`, as the session's
// account. The password is not among the arguments: "-e MYSQL_PWD" makes docker forward it
// from its own environment. The database is glued to its option, so no name can be read as an
// option of its own. A temporary account takes its role and database in its first statements
// instead, since it may enter the database only under its role.
MysqlInvocation invocation(const ImportRequest& request, const QString& dockerPath,
                           SessionPart part = SessionPart::inOrder);

// The first statement of every import, before any dump byte: it makes the client print its
// session's connection id, so the session can be ended on the server if the import ends early.
QByteArray sessionQuery();

// The connection id in a line of the client's output, when the line is sessionQuery's answer.
std::optional<qint64> sessionId(const QString& line);

// `docker exec -e MYSQL_PWD <container> mysql … -e <sql>`: one statement in a session of its
// own, as the import session's account (which may end its own sessions), answering without
// column names. Its password is clientEnvironment's.
QStringList controlArguments(const ImportRequest& request, const QString& sql);
// The same as the user's login, which makes and removes temporary accounts; its password is
// loginEnvironment's.
QStringList loginArguments(const ImportRequest& request, const QString& sql);

// A line of the client's error output with "at line N" counted in the dump's own lines: the
// client counts the session query as line 1. `toDump`, when given, maps a client's line instead.
QString inDumpLines(const QString& clientLine, const std::function<qint64(qint64)>& toDump = {});

QString killStatement(qint64 sessionId);
// Answers 1 while the session still exists, 0 once it is gone.
QString sessionAliveStatement(qint64 sessionId);

// The environment of the docker child: the base with MYSQL_PWD set to the session account's
// password, also when it is empty, so an inherited value never leaks in.
QProcessEnvironment clientEnvironment(const ImportRequest& request, QProcessEnvironment base);
QProcessEnvironment loginEnvironment(const ImportRequest& request, QProcessEnvironment base);

// The arguments as one line for `sh -c`, each quoted.
QString shellLine(const QStringList& arguments);

}  // namespace ImportCommand
