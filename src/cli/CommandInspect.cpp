#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/Terminal.h"
#include "l10n/ByteFormatting.h"

namespace Commands {

QCoro::Task<int> inspect(const CliArguments::Parsed& arguments) {
    ModelSession session;
    AppModel& model = session.model();
    if (!CommandSupport::applyLogin(model, arguments)) co_return ExitStatus::refused;
    const auto path = CommandSupport::dumpPath(arguments);
    if (!path) co_return ExitStatus::refused;

    auto inspection = session.takeDump(*path);
    if (!co_await inspection) {
        Terminal::err(model.errorMessage().value_or(QString()));
        co_return ExitStatus::failed;
    }
    const auto container = arguments.value("--container");
    if (container) {
        // The proposal needs the container's databases; the dump is inspected again
        // by the refresh, as in the window.
        auto opening = CommandSupport::openContainer(session, *container);
        if (const int status = co_await opening; status != ExitStatus::success) co_return status;
    }
    if (!CommandSupport::applyFixChoices(model, arguments)) co_return ExitStatus::refused;
    // A dump longer than its head is read to its end, for all its tables and their sizes.
    auto reading = session.until([&model] { return model.dumpReadBytes() < 0; });
    co_await reading;
    const DumpPreview preview = model.dumpPreview().value_or(DumpPreview{});
    const QString none(QChar(0x2014));

    if (arguments.has("--json")) {
        QJsonObject object{{"file", *path},
                           {"bytes", preview.byteCount},
                           {"compressed", preview.compressed},
                           {"containsDropTable", preview.containsDropTable},
                           {"database", preview.mentionedDatabase ? QJsonValue(*preview.mentionedDatabase)
                                                                  : QJsonValue(QJsonValue::Null)}};
        object.insert("compression", preview.compressionName.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                                       : QJsonValue(preview.compressionName));
        object.insert("preflight", QJsonArray::fromStringList(model.preflight()));
        QJsonArray tables;
        for (const QByteArray& table : preview.scan.tableNames) tables.append(QString::fromUtf8(table));
        object.insert("tables", tables);
        QJsonObject sizes;
        for (auto size = preview.scan.tableBytes.cbegin(); size != preview.scan.tableBytes.cend(); ++size)
            sizes.insert(QString::fromUtf8(size.key()), size.value());
        object.insert("tableBytes", sizes);
        object.insert("tablesComplete", preview.scan.complete);
        if (container) {
            object.insert("container", *container);
            object.insert("proposedDatabase", model.selectedDatabase() ? QJsonValue(*model.selectedDatabase())
                                                                       : QJsonValue(QJsonValue::Null));
        }
        Terminal::write(STDOUT_FILENO, QJsonDocument(object).toJson(QJsonDocument::Indented));
        co_return ExitStatus::success;
    }

    QList<QPair<QString, QString>> pairs = {
        {QStringLiteral("File"), *path},
        {QStringLiteral("Size"), ByteFormatting::bytes(preview.byteCount)},
        {QStringLiteral("Compression"), preview.compressed ? preview.compressionName : QStringLiteral("SQL")},
        {QStringLiteral("DROP TABLE"), preview.containsDropTable ? QStringLiteral("yes") : QStringLiteral("no")},
        {QStringLiteral("Database in dump"), preview.mentionedDatabase.value_or(none)},
    };
    if (container) pairs.append({QStringLiteral("Proposed database"), model.selectedDatabase().value_or(none)});
    QStringList tables;
    for (const QByteArray& table : preview.scan.tableNames)
        tables << QString::fromUtf8(table) + QStringLiteral(" (") + ByteFormatting::bytes(preview.scan.tableBytes.value(table)) +
                      QStringLiteral(")");
    // Past the part read (a damaged file), the dump may create more.
    if (!preview.scan.complete) tables << QStringLiteral("…");
    pairs.append({QStringLiteral("Tables"), tables.isEmpty() ? none : tables.join(QStringLiteral(", "))});
    CommandSupport::printPairs(pairs);
    for (const QString& line : model.preflight())
        Terminal::write(STDOUT_FILENO, (QStringLiteral("  ") + line + u'\n').toUtf8());
    co_return ExitStatus::success;
}

}  // namespace Commands
