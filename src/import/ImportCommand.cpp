#include "import/ImportCommand.h"

#include <QRegularExpression>

#include "account/AccountSql.h"

namespace ImportCommand {
namespace {

constexpr quint64 kPacketFloor = 67108864;
constexpr quint64 kMebibyte = 1048576;
const QString kPasswordVariable = QStringLiteral("MYSQL_PWD");
const QString kMaskedPassword = QStringLiteral("MYSQL_PWD=***");
const QString kSessionTag = QStringLiteral("tarnwell-session ");

QStringList checkStatements(const ImportRequest& request, SessionPart part) {
    QStringList statements;
    if (request.disableUniqueChecks) statements << QStringLiteral("SET SESSION unique_checks=0");
    if (request.disableForeignKeyChecks) statements << QStringLiteral("SET SESSION foreign_key_checks=0");
    // Rows go in batches, each committed by the stream.
    const bool batches = part == SessionPart::rows || request.fixes.batchStatements > 0;
    if (batches) statements << QStringLiteral("SET SESSION autocommit=0");
    return statements;
}

QString sessionUser(const ImportRequest& request) {
    return request.account.isSet() ? request.account.user : request.user;
}

QStringList oneStatement(const ImportRequest& request, const QString& user, const QString& sql) {
    return {QStringLiteral("exec"),    QStringLiteral("-e"),
            kPasswordVariable,         request.containerName,
            request.clientProgram,     QStringLiteral("-u") + user,
            QStringLiteral("--batch"), QStringLiteral("--skip-column-names"),
            QStringLiteral("-e"),      sql};
}

}  // namespace

QString packetArgument(quint64 bytes) {
    const quint64 value = bytes <= kPacketFloor ? kPacketFloor : bytes;
    if (value % kMebibyte == 0) return QStringLiteral("--max-allowed-packet=%1M").arg(value / kMebibyte);
    return QStringLiteral("--max-allowed-packet=%1").arg(value);
}

QString sessionStatements(const ImportRequest& request, SessionPart part) {
    QStringList statements = checkStatements(request, part);
    // Without binary logging on the server the option has nothing to disable.
    if (request.disableBinlog && request.serverLogBin) statements << QStringLiteral("SET SESSION sql_log_bin=0");
    if (statements.isEmpty()) return {};
    return statements.join(QStringLiteral("; ")) + QLatin1Char(';');
}

MysqlInvocation invocation(const ImportRequest& request, const QString& dockerPath, SessionPart part) {
    MysqlInvocation result;
    result.arguments << QStringLiteral("exec") << QStringLiteral("-i") << QStringLiteral("-e") << kPasswordVariable
                     << request.containerName << request.clientProgram << QStringLiteral("-u") + sessionUser(request)
                     << QStringLiteral("--batch");
    // A dump is data, often from a stranger. In binary mode every client, MySQL's since 5.6.3 and
    // every MariaDB one, refuses the commands it would run itself (a shell, an editor, a file,
    // another server) and keeps only DELIMITER and \C; the sandbox refuses them again where
    // the client has one. LOAD DATA LOCAL would read any file of the container (its environment
    // holds the password) into a table.
    result.arguments << QStringLiteral("--binary-mode") << QStringLiteral("--local-infile=0");
    if (request.fixes.clientHasSandbox) result.arguments << QStringLiteral("--sandbox");
    // The session id must arrive while the client waits for more input; after its session
    // was ended on purpose, the client must not open another.
    result.arguments << QStringLiteral("--unbuffered") << QStringLiteral("--skip-reconnect")
                     << QStringLiteral("--default-character-set=utf8mb4") << packetArgument(request.maxAllowedPacket);
    if (request.account.isSet()) {
        // Binary logging is switched off by the account's first role, not by the user's choice.
        QStringList statements{AccountSql::sessionStart(request.account, request.database.toUtf8())};
        statements << checkStatements(request, part);
        result.arguments << QStringLiteral("--init-command=") + statements.join(QStringLiteral("; "));
    } else {
        const QString statements = sessionStatements(request, part);
        if (!statements.isEmpty()) result.arguments << QStringLiteral("--init-command=") + statements;
        result.arguments << QStringLiteral("--database=") + request.database;
    }

    QStringList shown{dockerPath};
    for (qsizetype i = 0; i < result.arguments.size(); ++i) {
        const QString& argument = result.arguments.at(i);
        // The fourth entry names the variable that carries the password.
        const bool passwordEntry = i == 3 || argument.startsWith(kPasswordVariable + QLatin1Char('='));
        shown << (passwordEntry ? kMaskedPassword : argument);
    }
    result.display = shown.join(QLatin1Char(' '));
    return result;
}

QByteArray sessionQuery() {
    return "SELECT CONCAT('" + kSessionTag.toLatin1() + "', CONNECTION_ID()) AS tarnwell_session;\n";
}

std::optional<qint64> sessionId(const QString& line) {
    if (!line.startsWith(kSessionTag)) return std::nullopt;
    bool ok = false;
    const qint64 id = QStringView(line).mid(kSessionTag.size()).trimmed().toLongLong(&ok);
    if (!ok || id <= 0) return std::nullopt;
    return id;
}

QStringList controlArguments(const ImportRequest& request, const QString& sql) {
    return oneStatement(request, sessionUser(request), sql);
}

QStringList loginArguments(const ImportRequest& request, const QString& sql) {
    return oneStatement(request, request.user, sql);
}

QString inDumpLines(const QString& clientLine, const std::function<qint64(qint64)>& toDump) {
    static const QRegularExpression atLine(QStringLiteral("^(ERROR(?: [^:]*?)? at line )(\\d+)"));
    const QRegularExpressionMatch match = atLine.match(clientLine);
    if (!match.hasMatch()) return clientLine;
    const qint64 line = match.captured(2).toLongLong();
    const qint64 inDump = toDump ? toDump(line) : line - 1;
    if (inDump < 1) return clientLine;
    return match.captured(1) + QString::number(inDump) + clientLine.mid(match.capturedEnd(2));
}

QString killStatement(qint64 sessionId) { return QStringLiteral("KILL CONNECTION %1").arg(sessionId); }

QString sessionAliveStatement(qint64 sessionId) {
    return QStringLiteral("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = %1").arg(sessionId);
}

QProcessEnvironment clientEnvironment(const ImportRequest& request, QProcessEnvironment base) {
    base.insert(kPasswordVariable, request.account.isSet() ? request.account.password : request.password);
    return base;
}

QProcessEnvironment loginEnvironment(const ImportRequest& request, QProcessEnvironment base) {
    base.insert(kPasswordVariable, request.password);
    return base;
}

QString shellLine(const QStringList& arguments) {
    QStringList quoted;
    for (QString argument : arguments) {
        argument.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        quoted << u'\'' + argument + u'\'';
    }
    return quoted.join(QLatin1Char(' '));
}

}  // namespace ImportCommand
