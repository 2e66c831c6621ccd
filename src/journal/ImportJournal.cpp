#include "journal/ImportJournal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kVersion = 1;

QJsonArray array(const QStringList& names) { return QJsonArray::fromStringList(names); }

QStringList names(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& name : value.toArray()) list << name.toString();
    return list;
}

}  // namespace

namespace ImportJournals {

QByteArray toJson(const ImportJournal& journal) {
    // Offsets and counts go as text: JSON numbers are doubles, exact only to 2^53.
    const QJsonObject object{
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("dumpPath"), journal.dumpPath},
        {QStringLiteral("dumpSize"), QString::number(journal.dump.size)},
        {QStringLiteral("dumpModifiedNs"), QString::number(journal.dump.modifiedNs)},
        {QStringLiteral("dumpHeadHash"), QString::fromLatin1(journal.dump.headHash)},
        {QStringLiteral("container"), journal.container},
        {QStringLiteral("database"), journal.database},
        {QStringLiteral("onlyTables"), array(journal.onlyTables)},
        {QStringLiteral("exceptTables"), array(journal.exceptTables)},
        {QStringLiteral("keptEnd"), QString::number(journal.kept.end)},
        {QStringLiteral("keptLine"), QString::number(journal.kept.line)},
        {QStringLiteral("keptTable"), journal.kept.table},
        {QStringLiteral("keptTableRows"), QString::number(journal.kept.tableRows)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<ImportJournal> fromJson(QByteArrayView text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("version")).toInt() != kVersion) return std::nullopt;
    bool allNumbers = true;
    const auto number = [&](const char* key) {
        bool ok = false;
        const qint64 value = object.value(QLatin1String(key)).toString().toLongLong(&ok);
        allNumbers &= ok && value >= 0;
        return value;
    };
    ImportJournal journal;
    journal.dumpPath = object.value(QStringLiteral("dumpPath")).toString();
    journal.dump.size = number("dumpSize");
    journal.dump.modifiedNs = number("dumpModifiedNs");
    journal.dump.headHash = object.value(QStringLiteral("dumpHeadHash")).toString().toLatin1();
    journal.container = object.value(QStringLiteral("container")).toString();
    journal.database = object.value(QStringLiteral("database")).toString();
    journal.onlyTables = names(object.value(QStringLiteral("onlyTables")));
    journal.exceptTables = names(object.value(QStringLiteral("exceptTables")));
    journal.kept.end = number("keptEnd");
    journal.kept.line = number("keptLine");
    journal.kept.table = object.value(QStringLiteral("keptTable")).toString();
    journal.kept.tableRows = number("keptTableRows");
    if (!allNumbers || journal.dumpPath.isEmpty() || journal.container.isEmpty() || journal.database.isEmpty())
        return std::nullopt;
    return journal;
}

}  // namespace ImportJournals
