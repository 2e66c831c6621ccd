#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "docker/ServerInfo.h"
#include "dump/DumpFixing.h"
#include "dump/DumpScanning.h"

// Which of the stream's guards and fixes the user wants; all on unless turned off.
struct FixChoices {
    bool guardClientCommands = true;
    bool redirectDatabase = true;
    bool mysqlToMariadb = true;
    bool rewriteDefiners = true;
    // Import as a temporary account that the server holds to the confirmed databases.
    bool importAccount = true;
    // Statements per committed batch of rows; 0 commits each statement by itself.
    int commitEvery = kDefaultCommitEvery;
    static constexpr int kDefaultCommitEvery = 1000;
    // Sessions that load rows at once; 1 runs the whole dump in one session.
    int jobs = defaultJobs();
    static constexpr int kMostJobs = 8;
    // One per core, at most 4: past that the server's log and the one reader limit more than cores.
    static int defaultJobs();
    // The dump's tables to load.
    TableChoice tables;

    bool operator==(const FixChoices&) const = default;
};

namespace DumpFixPlan {

// What the stream will do for this dump into this server and database.
DumpFixes plan(const DumpScan& scan, const ServerInfo& server, const FixChoices& choices,
               const QString& chosenDatabase);

// The pre-flight: one line per finding, saying what will happen about it, in the user's language.
QStringList findings(const DumpScan& scan, const DumpFixes& fixes);

// The one line that says the server will not hold the import to its databases, and why;
// nothing when it will.
std::optional<QString> unconfinedLine(const DumpFixes& fixes);

// The tables of the database that the dump drops (and so replaces), sorted.
QStringList replacedTables(const DumpScan& scan, const ServerInfo& server, const QString& database);

// Databases beyond the chosen one that the dump will write to, for the confirmation.
QStringList otherDatabases(const DumpFixes& fixes);

}  // namespace DumpFixPlan
