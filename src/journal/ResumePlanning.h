#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

#include "dump/DumpFixing.h"
#include "dump/DumpScanning.h"
#include "journal/ImportJournal.h"

// How an import that stopped continues: which statements run again, which table counts on from
// its last commit and which starts over, or why it cannot continue. Texts in the user's language.
namespace ResumePlanning {

// Why this dump cannot continue that journal's import, before the server is asked anything;
// nothing when it may.
std::optional<QString> mismatch(const ImportJournal& journal, const QString& dumpPath,
                                const std::optional<DumpIdentity>& dumpNow);

// The table whose rows the server must count first: the kept point's, when the dump's
// statements about it go on past that point.
std::optional<QString> tableToCount(const ImportJournal& journal, const DumpScan& scan);

struct Plan {
    DumpFixes::Resume resume;
    QString refusal;         // empty: it may continue
    QStringList steps;       // for the log: where it continues, what counts on, what starts over
    QStringList tablesLeft;  // the tables with statements past the kept point, in the dump's order
};

// serverTables: the target's tables now. counted: the rows of tableToCount's table now, nothing
// when it is not there.
Plan plan(const ImportJournal& journal, const DumpScan& scan, const QSet<QString>& serverTables,
          std::optional<qint64> counted);

}  // namespace ResumePlanning
