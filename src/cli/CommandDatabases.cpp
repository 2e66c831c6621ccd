#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>
#include <unistd.h>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/Terminal.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

namespace Commands {

namespace {

// JSON numbers are doubles; sizes past 2^53 lose digits, which no real server reaches.
qint64 clamped(quint64 value) { return qint64(std::min<quint64>(value, quint64(std::numeric_limits<qint64>::max()))); }

QString tablesText(const MysqlDatabase& database) {
    const bool system = database.name == "mysql" || database.name == "sys";
    return L10n::renderCount(system ? QStringLiteral("systemTables") : QStringLiteral("tables"), database.tables);
}

}  // namespace

QCoro::Task<int> databases(const CliArguments::Parsed& arguments) {
    ModelSession session;
    AppModel& model = session.model();
    const QString name = arguments.operands.value(0);
    auto opening = CommandSupport::openWithLogin(session, arguments);
    if (const int status = co_await opening; status != ExitStatus::success) co_return status;
    const ServerInfo server = *model.serverInfo();

    if (arguments.has("--json")) {
        QJsonArray list;
        for (const MysqlDatabase& database : model.databases()) {
            list.append(
                QJsonObject{{"name", database.name}, {"tables", database.tables}, {"bytes", clamped(database.bytes)}});
        }
        const QJsonObject object{{"container", name},
                                 {"version", server.version},
                                 {"maxAllowedPacket", clamped(server.maxAllowedPacket)},
                                 {"binaryLog", server.logBin},
                                 {"bufferPoolBytes", clamped(server.bufferPoolBytes)},
                                 {"databases", list}};
        Terminal::write(STDOUT_FILENO, QJsonDocument(object).toJson(QJsonDocument::Indented));
        co_return ExitStatus::success;
    }

    CommandSupport::printPairs({
        {QStringLiteral("Version"), server.version},
        {QStringLiteral("Packet size"), ByteFormatting::bytes(server.maxAllowedPacket)},
        {QStringLiteral("Binary log"), server.logBin ? QStringLiteral("on") : QStringLiteral("off")},
        {QStringLiteral("Buffer pool"), ByteFormatting::bytes(server.bufferPoolBytes)},
    });
    Terminal::out(QString());
    if (model.databases().isEmpty()) Terminal::out(L10n::render(QStringLiteral("noDatabases")));
    QList<QStringList> rows;
    for (const MysqlDatabase& database : model.databases()) {
        rows.append({database.name, tablesText(database), ByteFormatting::bytes(database.bytes)});
    }
    CommandSupport::printTable(rows);
    co_return ExitStatus::success;
}

}  // namespace Commands
