#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "docker/ServerInfo.h"
#include "dump/DumpScanning.h"
#include "dump/TableChoice.h"

// Which of the target's tables a copy before an import must hold, so that undoing the import
// puts the target back as it was.
namespace CopyPlanning {

struct Plan {
    QStringList tables;          // of the target, which the import may change
    QStringList removes;         // the import makes them; they were not there before
    quint64 serverBytes = 0;     // the saved tables' size on the server
    bool wholeDatabase = false;  // the dump was not read to its end: every table is saved

    bool isEmpty() const { return tables.isEmpty() && removes.isEmpty(); }
    bool operator==(const Plan&) const = default;
};

// Read to its end, the dump names every table it writes; only those the choice keeps count.
// Otherwise every table of the target is saved, since any may be written past the part read.
Plan plan(const DumpScan& scan, const ServerInfo& server, const QString& database, const TableChoice& choice);

// Saved unless asked otherwise when the tables are smaller than the limit.
bool onByDefault(const Plan& plan, quint64 limitBytes);

// What undo runs after the saved tables: the tables the import made go.
QByteArray epilogue(const QStringList& removes);

// The server's dump program beside its client: `mariadb-dump` beside `mariadb`, else `mysqldump`.
QString dumpProgram(const QString& clientProgram);

}  // namespace CopyPlanning
