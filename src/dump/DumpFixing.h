#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

#include "dump/TableChoice.h"
#include "sql/StatementFacts.h"

// What the stream may change in a dump on its way to the client, and what it needs to know of the
// target for that. Every fix leaves text inside strings alone and keeps every line break, so the
// client's line numbers stay the dump's.
struct DumpFixes {
    // Stop before a command the client would run itself (a shell, a file, another server), for a
    // client without a sandbox mode.
    bool guardClientCommands = true;
    // The client in the container has a sandbox mode (--sandbox), and runs in it.
    bool clientHasSandbox = false;
    // The server and its client have been read; before that, nothing is said about the client.
    bool serverKnown = false;

    // Send what the dump writes into its one database to the chosen one instead.
    bool redirectDatabase = true;
    QByteArray dumpDatabase;    // the one database the dump names; empty when none or several
    QByteArray chosenDatabase;  // the target the user confirmed
    // Databases the confirmation named; a switch to any other stops the import. Empty: no check.
    QSet<QByteArray> confirmedDatabases;

    // Rows go in batches: the session runs with autocommit off, and the stream commits after this many
    // statements or bytes, then has the client print `batchTag` and the batch's number, so the run
    // knows what is kept. 0 statements: every statement commits by itself, as through a plain pipe.
    int batchStatements = 0;
    qint64 batchBytes = 1 << 20;
    QByteArray batchTag;
    // The secondary keys of tables the dump creates are added once their rows are in.
    bool deferKeys = false;
    // Tables left out: every statement that changes one is skipped, and so are views and
    // triggers that name one.
    TableChoice tables;

    // Continuing an import that stopped: what ends at or before `keptEnd` (an offset in the dump's
    // text) ran and was kept, so of it only what sets the session is sent again, and what changes
    // a table of `replayed`, which starts over. The rows of `continued` count on from
    // `continuedRows`. keptEnd 0: a whole import.
    struct Resume {
        qint64 keptEnd = 0;
        QSet<QByteArray> replayed;
        QByteArray continued;
        qint64 continuedRows = 0;
        bool operator==(const Resume&) const = default;
    };
    Resume resume;

    // The server's global sql_mode, which the import's session starts with.
    QByteArray serverSqlMode;

    // MySQL dumps into MariaDB: drop GTID_PURGED and DEFAULT ENCRYPTION, map 0900 collations.
    bool mysqlToMariadb = false;
    bool serverIsMariadb = false;  // the target, whatever the switch says
    QStringList serverCollations;  // utf8mb4 collations the target has; empty when unknown

    // MariaDB dumps into a MySQL client: drop the first line that turns on a sandbox it lacks.
    bool dropSandboxLine = false;

    // Whether the server holds the import to the confirmed databases, and why not.
    enum class Confinement { account, loginMayNot, serverHasNoRoles, turnedOff };
    Confinement confinement = Confinement::account;
    // Under a temporary account, what the dump creates belongs to this role: every DEFINER, and
    // every stored object created without one, becomes CURRENT_ROLE, and SQL_LOG_BIN switches,
    // which the account may not make, are left out. Empty: the import runs as the login.
    QByteArray ownerRole;

    // DEFINER accounts missing on the target become CURRENT_USER, when the import runs as the login.
    bool rewriteDefiners = false;
    QSet<QByteArray> serverAccounts;  // "user@host"; empty when unknown, then nothing is rewritten

    bool operator==(const DumpFixes&) const = default;
};

namespace DumpFixing {

// The collation of the target that comes closest to a MySQL 0900 collation; the name itself when
// the target has it or nothing is known of the target.
QByteArray closestCollation(QByteArrayView mysqlName, const QStringList& serverCollations);

// Whether a DEFINER account is missing on the target.
bool isMissingAccount(const QByteArray& account, const DumpFixes& fixes);

// One change made to a statement, for the log.
struct Change {
    enum class Kind {
        gtidDropped,
        encryptionDropped,
        collationMapped,
        definerRewritten,
        definerToRole,
        binlogSwitchDropped,
        databaseRedirected,
        dropDatabaseSkipped
    };
    Kind kind;
    QString from;  // the name replaced, when there is one
    QString to;
    friend bool operator==(const Change&, const Change&) = default;
};

// The statement as the client should get it, or nothing when it goes unchanged. A dropped
// statement becomes its line breaks.
std::optional<QByteArray> rewrite(QByteArrayView statement, const StatementFacts::Facts& facts, const DumpFixes& fixes,
                                  QList<Change>* changes);

// The statement quoted as one identifier for the client: backticks doubled.
QByteArray quotedName(const QByteArray& name);

}  // namespace DumpFixing
