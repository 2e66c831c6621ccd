#include "backup/CopyPlanning.h"

#include <QSet>

#include "docker/SqlText.h"

namespace CopyPlanning {

Plan plan(const DumpScan& scan, const ServerInfo& server, const QString& database, const TableChoice& choice) {
    const QSet<QString> existing = server.tableNames.value(database);
    const QHash<QString, quint64> sizes = server.tableBytes.value(database);
    QSet<QString> written;
    for (const QByteArray& name : scan.tableNames)
        if (choice.keeps(name)) written.insert(QString::fromUtf8(name));
    for (const QByteArray& name : scan.droppedTables)
        if (choice.keeps(name)) written.insert(QString::fromUtf8(name));
    for (auto span = scan.tableSpans.cbegin(); span != scan.tableSpans.cend(); ++span)
        if (choice.keeps(span.key())) written.insert(QString::fromUtf8(span.key()));

    Plan result;
    result.wholeDatabase = !scan.complete;
    for (const QString& table : existing)
        if (result.wholeDatabase || written.contains(table)) {
            result.tables << table;
            result.serverBytes += sizes.value(table);
        }
    for (const QByteArray& name : scan.tableNames) {
        const QString table = QString::fromUtf8(name);
        if (choice.keeps(name) && !existing.contains(table)) result.removes << table;
    }
    result.tables.sort();
    result.removes.sort();
    return result;
}

bool onByDefault(const Plan& plan, quint64 limitBytes) { return !plan.isEmpty() && plan.serverBytes < limitBytes; }

QByteArray epilogue(const QStringList& removes) {
    if (removes.isEmpty()) return {};
    // The dump's own ending has put the session's checks back; a table the import made may be
    // referred to by another.
    QByteArray text = "\n-- Tables the import made, not there before it\nSET FOREIGN_KEY_CHECKS=0;\n";
    for (const QString& table : removes)
        text += "DROP TABLE IF EXISTS " + SqlText::quotedIdentifier(table).toUtf8() + ";\n";
    return text;
}

QString dumpProgram(const QString& clientProgram) {
    return clientProgram == QLatin1String("mariadb") ? QStringLiteral("mariadb-dump") : QStringLiteral("mysqldump");
}

}  // namespace CopyPlanning
