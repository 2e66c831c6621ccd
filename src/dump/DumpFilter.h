#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "dump/DumpFixing.h"
#include "dump/KeptPoint.h"
#include "dump/RowSpreading.h"
#include "dump/StatementHistory.h"
#include "dump/TableBoard.h"
#include "sql/SqlModeTracking.h"
#include "sql/SqlStream.h"

// The dump on its way from the file (or the decompressor) to the client, statement by statement:
// fixes what the fixes allow, stops before what must not run, and remembers what it sent so that an
// error can be shown with its statement. Keeps at most a few megabytes, never a whole dump.
class DumpFilter {
public:
    // Takes bytes for the client; false when writing must stop (a cancel, a client gone).
    using Sink = std::function<bool(QByteArrayView)>;
    using LogHandler = std::function<void(const QString&)>;

    enum class Result { goOn, sinkStopped, refused };

    // A statement longer than this goes through unchanged as it arrives.
    static constexpr qsizetype kHoldBytes = 8 << 20;

    DumpFilter(DumpFixes fixes, LogHandler onLog, int expectedTables = 0);

    // Where the output goes when rows are spread over several sessions. The sink's bytes go to the
    // session that runs the dump in order until switchTo(true); from then on they are rows, in
    // batches of fixes.batchStatements statements or batchBytes bytes, each closed by endBatch()
    // with its number among all batches (batchEnd's), until switchTo(false). The first session
    // still gets its own batches committed by the stream, the last one before each switchTo(true). sessionSetting()
    // hands on each statement, without its delimiter, that every session repeats before its next rows. Each call comes
    // once everything before it went to the sink; false stops the stream, as the sink's false does. LOCK TABLES and
    // UNLOCK TABLES are left out: one session's lock would stop the others.
    struct Lanes {
        std::function<bool(bool rows)> switchTo;
        std::function<bool(qint64 number)> endBatch;
        std::function<void(QByteArrayView statement)> sessionSetting;
        int rowSessions = 1;
    };
    void spreadRows(Lanes lanes) { lanes_ = std::move(lanes); }

    Result feed(QByteArrayView chunk, const Sink& sink);
    // The input is over: sends what is left.
    Result finish(const Sink& sink);

    // Why the stream stopped before a client command or an unconfirmed database, in the user's language.
    const QString& refusal() const { return refusal_; }
    // The table being loaded, its number in order of appearance, and the tables the dump is known to hold.
    const QString& currentTable() const { return currentTable_; }
    int tableNumber() const { return tableNumber_; }
    int expectedTables() const { return expectedTables_; }
    // The dump's tables and how far each has come; `expect` lists those known before they come.
    const QList<TableLoad>& tables() const { return board_.tables(); }
    void expectTables(const QList<QString>& names);
    const StatementHistory& history() const { return history_; }
    // Where batch `number` (from 1) ended: its last statement, and its table's rows by then.
    using BatchEnd = KeptPoint;
    std::optional<BatchEnd> batchEnd(qint64 number) const;

    // Whether what went out so far ends where a statement ended: nothing of one is missing.
    bool sentOnlyWholeStatements() const { return !passingLongStatement_ && sent_ <= wholeEnd_; }

private:
    Result lex(QByteArrayView chunk, const Sink& sink);
    Result handle(const SqlStream::Piece& piece, const Sink& sink);
    Result handlePiece(const SqlStream::Piece& piece, const Sink& sink);
    Result handleCommand(const SqlStream::Piece& piece);
    Result handleDelimiter(const SqlStream::Piece& piece, const Sink& sink);
    // The offset of the first NUL byte in [begin, end).
    std::optional<qint64> firstNul(qint64 begin, qint64 end);
    Result refuseNul(qint64 line);
    Result handleStatement(const SqlStream::Piece& piece, const Sink& sink);
    // Whether what the dump writes into this database by name goes to the chosen one instead.
    bool needsRedirect(const QByteArray& database) const;
    bool checkDatabase(const QByteArray& database, qint64 line);
    void noteTable(const QByteArray& table, bool qualified);
    void logChanges(const QList<DumpFixing::Change>& changes, qint64 line);
    Result refuse(const QString& text);
    QByteArrayView bytes(qint64 begin, qint64 end);
    bool sendRaw(qint64 upTo, const Sink& sink);
    bool send(QByteArrayView bytes, qint64 inputEnd, const Sink& sink);
    bool flush(const Sink& sink);
    bool write(QByteArrayView bytes, const Sink& sink);
    bool sendBlanks(const Sink& sink);
    Result keepRest(const Sink& sink);
    // The stream itself commits batches in the session that runs the dump in order.
    bool batching() const { return fixes_.batchStatements > 0; }
    bool toLane(bool rows, const Sink& sink);
    bool endRowsBatch(const Sink& sink);
    bool spreads(QByteArrayView insert, const SqlStream::Piece& piece) const;
    void noteForLanes(const StatementFacts::Facts& facts, QByteArrayView sent);
    // The keys put off for the table whose rows are loading, once a statement may need them.
    bool addPendingKeys(const Sink& sink);
    bool keepsKeysPending(const StatementFacts::Facts& facts, QByteArrayView text) const;
    // rowsOnly: the statement waits for its batch's commit; anything else ends the batch.
    bool afterStatement(const SqlStream::Piece& piece, qint64 size, bool rowsOnly, const Sink& sink);
    // Whether an import that continues leaves out this statement, which ran before it stopped.
    bool skipsOnResume(QByteArrayView text) const;
    void addRows(qint64 bytes, qint64 rows);
    KeptPoint keptHere() const;
    bool commitBatch(const Sink& sink);
    // Whether the choice of tables leaves the statement out; says so in the log, once per table.
    bool leavesOut(const StatementFacts::Facts& facts, QByteArrayView text, qint64 line);
    bool sendBlanked(qint64 upTo, const Sink& sink);

    DumpFixes fixes_;
    LogHandler onLog_;
    SqlStream::Lexer lexer_;
    SqlModeTracker sqlMode_;

    // Input bytes not yet sent: [heldStart_, chunkStart_) in held_, the rest in the current chunk.
    QByteArray held_;
    qint64 heldStart_ = 0;
    QByteArrayView chunk_;
    qint64 chunkStart_ = 0;
    qint64 sent_ = 0;     // input offset up to which the output is decided
    qint64 flushed_ = 0;  // input offset up to which it went to the sink; the rest goes unchanged
    static constexpr qint64 kFlushBytes = 1 << 20;
    qint64 wholeEnd_ = 0;   // end of the last whole piece handled
    char lastSent_ = '\n';  // the byte before sent_, as it went out
    QByteArray scratch_;
    // A statement too long to hold: sent as it comes, unchanged.
    bool passingLongStatement_ = false;
    // The dump's first bytes, while they may still be the sandbox line.
    QByteArray head_;
    bool headDecided_ = false;

    QString refusal_;
    QString currentTable_;
    QByteArray currentTableBytes_;
    QByteArray insertPrefix_;  // "INSERT INTO `table`" of the current table; empty when not plain
    int tableIndex_ = -1;
    TableBoard board_;
    QSet<QByteArray> leftOutTables_;  // met in the dump so far, each said once in the log
    bool blankingLongStatement_ = false;
    QSet<QByteArray> tablesSeen_;
    int tableNumber_ = 0;
    int expectedTables_ = 0;
    QSet<QString> loggedChanges_;
    qint64 outputBytes_ = 0;
    StatementHistory history_;

    int batchStatements_ = 0;
    qint64 batchBytes_ = 0;
    qint64 batchLastLine_ = 0;
    qint64 batchLastEnd_ = 0;
    QHash<QByteArray, qint64> rowsSent_;  // by table, from the resumed count for a table that continues
    QList<BatchEnd> batchEnds_;
    bool trailingOpen_ = false;  // an unterminated last statement went out

    std::optional<Lanes> lanes_;
    bool inRows_ = false;
    qsizetype runStart_ = 0;  // batches before the rows now loading
    RowSpreading spreading_;
    QByteArray keysTable_;  // the table whose secondary keys wait for its rows
    QByteArray pendingKeys_;
};
