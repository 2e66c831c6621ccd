#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// A copy of a target's tables, saved before an import replaced them, and what undoing that
// import takes: putting the tables back and removing those the import made.
struct TableCopy {
    QString path;  // the compressed copy (.sql.zst); its description lies beside it
    QString container;
    QString database;
    QString importedDump;  // the dump whose import came after the copy
    QDateTime created;     // UTC
    QStringList tables;    // saved, sorted
    QStringList removes;   // made by the import, not there before it, sorted
    qint64 bytes = 0;      // of the compressed file

    // When it was saved, in local time to the minute, as every text about it shows it.
    QString savedAt() const { return created.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

    bool operator==(const TableCopy&) const = default;
};

namespace TableCopies {

// The description beside the copy; 64-bit numbers as text, so none loses digits.
QByteArray toJson(const TableCopy& copy);
// Nothing for text that is not such a description.
std::optional<TableCopy> fromJson(const QByteArray& text);

}  // namespace TableCopies
