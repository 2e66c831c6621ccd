#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include "sql/SqlModeTracking.h"
#include "sql/SqlStream.h"
#include "sql/TableMentions.h"

// What the head of a dump shows before it is imported: the databases it writes to, the commands it
// asks the client to run, the constructs only one server family knows, the accounts it names.
struct DumpScan {
    struct Command {
        qint64 line = 0;
        QString text;  // as written, shortened
        friend bool operator==(const Command&, const Command&) = default;
    };

    QList<QByteArray> databases;    // of USE, CREATE DATABASE and qualified tables, first mention first
    QList<Command> clientCommands;  // only those that reach beyond the client
    qint64 gtidLine = 0;            // SET GTID_PURGED; 0 when absent
    qint64 encryptionLine = 0;      // DEFAULT ENCRYPTION; 0 when absent
    qint64 binlogSwitchLine = 0;    // SET SQL_LOG_BIN; 0 when absent
    QList<QByteArray> mysqlCollations;
    bool sandboxLine = false;    // starts with the line that turns on MariaDB's sandbox
    QList<QByteArray> definers;  // "user@host"
    int tables = 0;              // CREATE TABLE statements
    QList<QByteArray> tableNames;  // of CREATE TABLE, in order, each once
    QList<QByteArray> droppedTables;  // of DROP TABLE, in order, each once
    QHash<QByteArray, qint64> tableBytes;  // bytes of the statements that create or fill each table
    // Where the statements that change each table lie: the end of the first and of the last, and
    // whether the first drops it, so that everything after starts from nothing.
    struct TableSpan {
        qint64 firstEnd = 0;
        qint64 lastEnd = 0;
        bool droppedFirst = false;
        bool operator==(const TableSpan&) const = default;
    };
    QHash<QByteArray, TableSpan> tableSpans;
    // Views, triggers and routines that name tables the dump created before them.
    QList<TableMentions::Dependent> dependents;
    qint64 scannedBytes = 0;
    bool complete = false;  // the whole dump was scanned

    bool operator==(const DumpScan&) const = default;
};

namespace DumpScanning {

// The head of a dump, or all of it.
DumpScan scan(QByteArrayView text, bool complete);

// The same for a dump fed in chunks of any size, holding only what an unfinished statement needs.
class Scanner {
public:
    void feed(QByteArrayView chunk);
    // complete: the dump ended here, so a last statement without its delimiter counts too.
    DumpScan finish(bool complete);

private:
    // Facts come from a statement's first bytes; the rest of a long one is not kept.
    static constexpr qint64 kStatementHead = 65536;
    static constexpr qsizetype kStartBytes = 256;

    void onPiece(const SqlStream::Piece& piece);
    void keepUnfinished();
    QByteArray head(qint64 from, qint64 to) const;

    SqlStream::Lexer lexer_;
    // The dump's own sql_mode decides how its strings split; the server's is not known yet.
    SqlModeTracker sqlMode_;
    DumpScan result_;
    QSet<QByteArray> created_;  // result_.tableNames, for looking up
    QSet<QByteArray> seen_[4];  // the same for dropped tables, databases, definers, collations
    QByteArray start_;
    QByteArray pending_;  // stream bytes from pendingAt_ on
    qint64 pendingAt_ = 0;
    QByteArrayView chunk_;  // the chunk being fed, from stream offset chunkAt_
    qint64 chunkAt_ = 0;
    qint64 fed_ = 0;
};

// A statement as the lexer reports it, without the delimiter that ends it.
QByteArrayView withoutDelimiter(QByteArrayView statement, QByteArrayView delimiter);

}  // namespace DumpScanning
