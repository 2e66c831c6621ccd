#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

#include "backup/TableCopy.h"

// The saved copies: $XDG_DATA_HOME/Tarnwell/backups (~/.local/share/Tarnwell/backups), a folder
// only its owner may enter. Each copy is a .sql.zst file with a .json description beside it,
// written last, so a copy that did not finish is never listed.
namespace CopyStore {

QString folder();

// Makes the folder, owner only. False when it cannot be made.
bool prepareFolder();

// A new file name in the folder for a copy of this target's tables, unused so far.
QString newCopyPath(const QString& container, const QString& database, const QDateTime& now);

// Writes the description beside the copy, whole, then renamed into place.
bool record(const TableCopy& copy);

// Every listed copy whose file is there, newest first.
QList<TableCopy> list();

// The newest copy for this container and database.
std::optional<TableCopy> latest(const QString& container, const QString& database);

// Removes a copy and its description. Only files in the folder are touched.
void remove(const TableCopy& copy);

// Removes copies older than that many days, and files of copies that never finished; answers
// how many copies went.
int prune(int keepDays, const QDateTime& now);

}  // namespace CopyStore
