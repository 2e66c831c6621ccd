#include "import/ImportCommand.h"

namespace ImportCommand {
namespace {

constexpr quint64 kPacketFloor = 67108864;
constexpr quint64 kMebibyte = 1048576;
const QString kPasswordVariable = QStringLiteral("MYSQL_PWD");
const QString kMaskedPassword = QStringLiteral("MYSQL_PWD=***");

}  // namespace

QString packetArgument(quint64 bytes) {
    const quint64 value = bytes <= kPacketFloor ? kPacketFloor : bytes;
    if (value % kMebibyte == 0)
        return QStringLiteral("--max-allowed-packet=%1M").arg(value / kMebibyte);
    return QStringLiteral("--max-allowed-packet=%1").arg(value);
}

QString sessionStatements(const ImportRequest& request) {
    QStringList statements;
    if (request.disableUniqueChecks) statements << QStringLiteral("SET SESSION unique_checks=0");
    if (request.disableForeignKeyChecks) statements << QStringLiteral("SET SESSION foreign_key_checks=0");
    // Without binary logging on the server the option has nothing to disable.
    if (request.disableBinlog && request.serverLogBin) statements << QStringLiteral("SET SESSION sql_log_bin=0");
    if (statements.isEmpty()) return {};
    return statements.join(QStringLiteral("; ")) + QLatin1Char(';');
}

MysqlInvocation invocation(const ImportRequest& request, const QString& dockerPath) {
    MysqlInvocation result;
    result.arguments << QStringLiteral("exec") << QStringLiteral("-i") << QStringLiteral("-e") << kPasswordVariable
                     << request.containerName << request.clientProgram << QStringLiteral("-u") + request.user
                     << QStringLiteral("--batch") << QStringLiteral("--default-character-set=utf8mb4")
                     << packetArgument(request.maxAllowedPacket);
    const QString statements = sessionStatements(request);
    if (!statements.isEmpty()) result.arguments << QStringLiteral("--init-command=") + statements;
    result.arguments << request.database;

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

QProcessEnvironment clientEnvironment(const ImportRequest& request, QProcessEnvironment base) {
    base.insert(kPasswordVariable, request.password);
    return base;
}

}  // namespace ImportCommand
