#include "dump/DumpFilter.h"

#include "dump/DumpScanning.h"
#include "dump/KeyDeferral.h"
#include "l10n/L10n.h"
#include "sql/RowCount.h"
#include "sql/SessionSettings.h"
#include "sql/SqlClientCommands.h"
#include "sql/SqlTokens.h"
#include "sql/TableMentions.h"

namespace {

using SqlStream::Piece;
using SqlStream::PieceKind;

// The statement's text with every byte but its line breaks made blank: it runs nothing, and the
// lines keep their numbers.
QByteArray blanked(QByteArrayView text) {
    QByteArray blank(text.size(), ' ');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == '\n') blank[i] = '\n';
    return blank;
}

// Only the statement's line breaks: what a statement already run sends when an import continues.
QByteArray lineBreaks(QByteArrayView text) { return QByteArray(text.count('\n'), '\n'); }

// Rows added, changed or removed: these wait for their batch's commit. Anything else (a table
// made or dropped, a lock, a routine) commits by itself on the server.
bool changesRows(QByteArrayView text, SqlTokens::Quoting quoting) {
    const QList<SqlTokens::Token> head = SqlTokens::codeTokens(text, 4096, quoting);
    if (head.isEmpty()) return false;
    for (const char* word : {"INSERT", "REPLACE", "UPDATE", "DELETE"})
        if (SqlTokens::isKeyword(text, head[0], word)) return true;
    return false;
}

// SET of anything but a global variable, a password or a role: the session's own settings and
// variables, which cost nothing to make again.
bool setsTheSession(QByteArrayView text, SqlTokens::Quoting quoting) {
    // Past the comments a dump puts before its first statement.
    const QList<SqlTokens::Token> head = SqlTokens::codeTokens(text, 4096, quoting);
    if (head.size() < 2 || !SqlTokens::isKeyword(text, head[0], "SET")) return false;
    for (const char* word : {"PASSWORD", "ROLE", "DEFAULT", "STATEMENT", "TRANSACTION"})
        if (SqlTokens::isKeyword(text, head[1], word)) return false;
    return !text.first(qMin<qsizetype>(text.size(), head[1].end + 16)).toByteArray().toUpper().contains("GLOBAL");
}

bool isUnlockTables(QByteArrayView text, SqlTokens::Quoting quoting) {
    const QList<SqlTokens::Token> head = SqlTokens::codeTokens(text, 64, quoting);
    return head.size() >= 2 && SqlTokens::isKeyword(text, head[0], "UNLOCK") &&
           SqlTokens::isKeyword(text, head[1], "TABLES");
}

}  // namespace

DumpFilter::DumpFilter(DumpFixes fixes, LogHandler onLog, int expectedTables)
    : fixes_(std::move(fixes)), onLog_(std::move(onLog)), expectedTables_(expectedTables) {
    sqlMode_ = SqlModeTracker(fixes_.serverSqlMode);
    lexer_.setBackslashEscapes(sqlMode_.quoting().backslashEscapes);
    if (!fixes_.resume.continued.isEmpty()) rowsSent_[fixes_.resume.continued] = fixes_.resume.continuedRows;
}

QByteArrayView DumpFilter::bytes(qint64 begin, qint64 end) {
    if (begin >= chunkStart_) return chunk_.sliced(begin - chunkStart_, end - begin);
    if (end <= chunkStart_) return QByteArrayView(held_).sliced(begin - heldStart_, end - begin);
    scratch_.clear();
    scratch_.append(QByteArrayView(held_).sliced(begin - heldStart_));
    scratch_.append(chunk_.first(end - chunkStart_));
    return scratch_;
}

bool DumpFilter::write(QByteArrayView data, const Sink& sink) {
    if (data.isEmpty()) return true;
    history_.recordBytes(data);
    return sink(data);
}

// Bytes that replace the input up to `inputEnd`.
bool DumpFilter::send(QByteArrayView data, qint64 inputEnd, const Sink& sink) {
    if (!flush(sink)) return false;
    if (!data.isEmpty()) lastSent_ = data.back();
    outputBytes_ += data.size();
    sent_ = flushed_ = inputEnd;
    return write(data, sink);
}

// The input bytes from sent_ up to the offset go out as they are, with the next flush: many
// small statements make one write.
bool DumpFilter::sendRaw(qint64 upTo, const Sink& sink) {
    if (upTo <= sent_) return true;
    lastSent_ = bytes(upTo - 1, upTo)[0];
    outputBytes_ += upTo - sent_;
    sent_ = upTo;
    return sent_ - flushed_ < kFlushBytes || flush(sink);
}

// Left out, with its line breaks kept so the lines keep their numbers.
bool DumpFilter::sendBlanked(qint64 upTo, const Sink& sink) {
    if (upTo <= sent_) return true;
    return send(blanked(bytes(sent_, upTo)), upTo, sink);
}

bool DumpFilter::leavesOut(const StatementFacts::Facts& facts, QByteArrayView text, qint64 line) {
    const SqlTokens::Quoting quoting = sqlMode_.quoting();
    for (const QByteArray& table : TableMentions::changed(text, quoting)) {
        if (fixes_.tables.keeps(table)) continue;
        // Said once per table, at its first statement.
        if (!leftOutTables_.contains(table)) {
            leftOutTables_.insert(table);
            if (onLog_) onLog_(L10n::render(QStringLiteral("tableLeftOut"), {line, QString::fromUtf8(table)}));
        }
        return true;
    }
    if (facts.kind != StatementFacts::Kind::createRoutine) return false;
    const QSet<QByteArray> names = leftOutTables_ + fixes_.tables.except;
    const QByteArray named = TableMentions::namedIn(text, names, quoting);
    // A view over a table left out would fail, and so would a trigger that writes into one.
    if (named.isEmpty()) return false;
    if (onLog_) onLog_(L10n::render(QStringLiteral("objectLeftOut"), {line, QString::fromUtf8(named)}));
    return true;
}

bool DumpFilter::flush(const Sink& sink) {
    if (flushed_ < chunkStart_ && flushed_ < sent_) {
        const qint64 heldEnd = qMin(sent_, chunkStart_);
        if (!write(QByteArrayView(held_).sliced(flushed_ - heldStart_, heldEnd - flushed_), sink)) return false;
        flushed_ = heldEnd;
    }
    if (sent_ > flushed_) {
        if (!write(chunk_.sliced(flushed_ - chunkStart_, sent_ - flushed_), sink)) return false;
        flushed_ = sent_;
    }
    return true;
}

DumpFilter::Result DumpFilter::refuse(const QString& text) {
    refusal_ = text;
    if (onLog_) onLog_(text);
    return Result::refused;
}

void DumpFilter::logChanges(const QList<DumpFixing::Change>& changes, qint64 line) {
    using Kind = DumpFixing::Change::Kind;
    for (const DumpFixing::Change& change : changes) {
        // The same change in every table would flood the log: each is written once.
        const QString key = QString::number(int(change.kind)) + u'\n' + change.from + u'\n' + change.to;
        if (loggedChanges_.contains(key)) continue;
        loggedChanges_.insert(key);
        QString text;
        switch (change.kind) {
        case Kind::gtidDropped: text = L10n::render(QStringLiteral("fixGtid"), {line}); break;
        case Kind::encryptionDropped: text = L10n::render(QStringLiteral("fixEncryption"), {line}); break;
        case Kind::collationMapped:
            text = L10n::render(QStringLiteral("fixCollation"), {line, change.from, change.to});
            break;
        case Kind::definerRewritten: text = L10n::render(QStringLiteral("fixDefiner"), {line, change.from}); break;
        case Kind::definerToRole:
            text = L10n::render(QStringLiteral("fixDefinerRole"), {line, change.from, change.to});
            break;
        case Kind::binlogSwitchDropped: text = L10n::render(QStringLiteral("fixBinlogSwitch"), {line}); break;
        case Kind::databaseRedirected:
            text = L10n::render(QStringLiteral("fixRedirect"), {line, change.from, change.to});
            break;
        case Kind::dropDatabaseSkipped:
            text = L10n::render(QStringLiteral("fixDropDatabase"), {line, change.from});
            break;
        }
        if (onLog_) onLog_(text);
    }
}

void DumpFilter::expectTables(const QList<QString>& names) {
    for (const QString& name : names)
        if (fixes_.tables.keeps(name.toUtf8())) board_.expect({name});
}

bool DumpFilter::needsRedirect(const QByteArray& database) const {
    return fixes_.redirectDatabase && !database.isEmpty() && database == fixes_.dumpDatabase &&
           !fixes_.chosenDatabase.isEmpty() && fixes_.chosenDatabase != database;
}

bool DumpFilter::checkDatabase(const QByteArray& database, qint64 line) {
    if (fixes_.confirmedDatabases.isEmpty()) return true;
    const QByteArray& lands = needsRedirect(database) ? fixes_.chosenDatabase : database;
    if (fixes_.confirmedDatabases.contains(lands)) return true;
    refuse(L10n::render(QStringLiteral("databaseNotConfirmed"), {line, QString::fromUtf8(database)}));
    return false;
}

void DumpFilter::noteTable(const QByteArray& table, bool qualified) {
    if (table.isEmpty() || table == currentTableBytes_) return;
    currentTableBytes_ = table;
    currentTable_ = QString::fromUtf8(table);
    tableIndex_ = history_.addTable(currentTable_);
    // A plain name without backticks in it: the INSERTs that follow can be recognised by their start.
    insertPrefix_ =
        qualified || table.contains('`') || !fixes_.tables.keeps(table) ? QByteArray() : "INSERT INTO `" + table + '`';
    if (!tablesSeen_.contains(table)) {
        tablesSeen_.insert(table);
        ++tableNumber_;
    }
}

DumpFilter::Result DumpFilter::handleCommand(const Piece& piece) {
    const QByteArray name = piece.commandName;
    if (name != "use") spreading_.noteClientCommand();
    if (fixes_.guardClientCommands && !fixes_.clientHasSandbox && !SqlStream::isHarmlessCommand(name)) {
        const QString shown = QString::fromUtf8(bytes(piece.textBegin, piece.end)).simplified().left(80);
        return refuse(L10n::render(QStringLiteral("clientCommandRefused"), {piece.firstLine, shown}));
    }
    return Result::goOn;
}

// The client runs in binary mode, which knows DELIMITER only in its long form and only at the
// start of a line: `\d` there becomes DELIMITER, anywhere else the import stops before it.
DumpFilter::Result DumpFilter::handleDelimiter(const Piece& piece, const Sink& sink) {
    const QByteArrayView text = bytes(piece.textBegin, piece.end);
    if (!piece.nested && !toLane(false, sink)) return Result::sinkStopped;
    if (!text.startsWith("\\d")) return piece.nested || sendRaw(piece.end, sink) ? Result::goOn : Result::sinkStopped;
    const char before = piece.textBegin == 0           ? '\n'
                        : piece.textBegin - 1 >= sent_ ? bytes(piece.textBegin - 1, piece.textBegin)[0]
                        : piece.textBegin == sent_     ? lastSent_
                                                       : ' ';
    const bool startsLine = !piece.nested && before == '\n';
    if (!startsLine) {
        const QString shown = QString::fromUtf8(text).simplified().left(80);
        return refuse(L10n::render(QStringLiteral("shortDelimiterRefused"), {piece.firstLine, shown}));
    }
    if (!sendRaw(piece.textBegin, sink)) return Result::sinkStopped;
    // The client reads the argument of both forms alike.
    return send("DELIMITER " + text.sliced(2).toByteArray(), piece.end, sink) ? Result::goOn : Result::sinkStopped;
}

DumpFilter::Result DumpFilter::handleStatement(const Piece& piece, const Sink& sink) {
    if (passingLongStatement_) {
        passingLongStatement_ = false;
        if (blankingLongStatement_) {
            blankingLongStatement_ = false;
            return sendBlanked(piece.end, sink) ? Result::goOn : Result::sinkStopped;
        }
        const qint64 begin = outputBytes_;
        if (!sendRaw(piece.end, sink)) return Result::sinkStopped;
        history_.recordStatement(piece.firstLine, begin, outputBytes_, tableIndex_);
        board_.add(outputBytes_ - begin, 0);
        return afterStatement(piece, outputBytes_ - begin, false, sink) ? Result::goOn : Result::sinkStopped;
    }
    const QByteArrayView text = bytes(piece.textBegin, piece.end);
    // Where the dump made the quoting unknowable, a statement that reads differently with and without
    // NO_BACKSLASH_ESCAPES or ANSI_QUOTES may be cut elsewhere by the client, or name elsewhere.
    if (!sqlMode_.isKnown() && (text.contains('\\') || text.contains('"')))
        return refuse(L10n::render(QStringLiteral("sqlModeUnknown"), {piece.firstLine}));
    if (piece.end <= fixes_.resume.keptEnd && skipsOnResume(text)) {
        if (!sendRaw(piece.textBegin, sink)) return Result::sinkStopped;
        return send(lineBreaks(text), piece.end, sink) ? Result::goOn : Result::sinkStopped;
    }
    // The bulk of a dump: one INSERT after another into the same table, nothing to look at.
    if (!insertPrefix_.isEmpty() && text.size() > insertPrefix_.size() && text.startsWith(insertPrefix_) &&
        (text[insertPrefix_.size()] == ' ' || text[insertPrefix_.size()] == '(')) {
        if (!sendRaw(piece.textBegin, sink)) return Result::sinkStopped;
        if (!toLane(spreads(text, piece), sink)) return Result::sinkStopped;
        const qint64 begin = outputBytes_;
        if (!sendRaw(piece.end, sink)) return Result::sinkStopped;
        history_.recordStatement(piece.firstLine, begin, outputBytes_, tableIndex_);
        addRows(outputBytes_ - begin, RowCount::rowsOfInsert(text, sqlMode_.quoting()));
        return afterStatement(piece, outputBytes_ - begin, true, sink) ? Result::goOn : Result::sinkStopped;
    }
    const StatementFacts::Facts facts = StatementFacts::of(text, sqlMode_.quoting());
    using Kind = StatementFacts::Kind;
    if ((facts.kind == Kind::use || facts.kind == Kind::createDatabase) &&
        !checkDatabase(facts.database, piece.firstLine))
        return Result::refused;
    // A table named with its database writes there whatever USE said.
    if (!facts.qualifier.isEmpty() && !checkDatabase(facts.qualifier, piece.firstLine)) return Result::refused;
    // A USE whose name cannot be read here may still switch the database for the server (the
    // name after a long comment, on a later line): nobody confirmed where it leads.
    if (facts.kind != Kind::use && !fixes_.confirmedDatabases.isEmpty()) {
        const QList<SqlTokens::Token> head = SqlTokens::codeTokens(text, 1);
        if (!head.isEmpty() && SqlTokens::isKeyword(text, head[0], "USE"))
            return refuse(L10n::render(QStringLiteral("databaseNotConfirmed"),
                                       {piece.firstLine, QString::fromUtf8(text).simplified().left(80)}));
    }
    noteTable(facts.table, !facts.qualifier.isEmpty());
    if (fixes_.tables.isSet() && leavesOut(facts, text, piece.firstLine)) {
        if (!sendRaw(piece.textBegin, sink)) return Result::sinkStopped;
        return send(blanked(text), piece.end, sink) ? Result::goOn : Result::sinkStopped;
    }

    QList<DumpFixing::Change> changes;
    std::optional<QByteArray> rewritten = DumpFixing::rewrite(text, facts, fixes_, &changes);
    if (lanes_ && (facts.kind == Kind::lockTables || isUnlockTables(text, sqlMode_.quoting()))) {
        rewritten = blanked(text);
        if (!loggedChanges_.contains(QStringLiteral("lockTables"))) {
            loggedChanges_.insert(QStringLiteral("lockTables"));
            if (onLog_) onLog_(L10n::render(QStringLiteral("fixLockTables"), {piece.firstLine}));
        }
    }
    if (!changes.isEmpty()) logChanges(changes, piece.firstLine);
    if (!sendRaw(piece.textBegin, sink)) return Result::sinkStopped;
    if (!toLane(false, sink)) return Result::sinkStopped;
    if (!currentTable_.isEmpty()) board_.enter(currentTable_);
    if (!keepsKeysPending(facts, text) && !addPendingKeys(sink)) return Result::sinkStopped;
    if (fixes_.deferKeys && facts.kind == Kind::createTable && facts.qualifier.isEmpty()) {
        if (const auto deferred =
                KeyDeferral::deferred(rewritten ? QByteArrayView(*rewritten) : text, facts.table, sqlMode_.quoting())) {
            rewritten = deferred->createTable;
            keysTable_ = facts.table;
            pendingKeys_ = deferred->addKeys;
            if (!loggedChanges_.contains(QStringLiteral("keysLater"))) {
                loggedChanges_.insert(QStringLiteral("keysLater"));
                if (onLog_) onLog_(L10n::render(QStringLiteral("fixKeysLater"), {piece.firstLine}));
            }
        }
    }
    const qint64 begin = outputBytes_;
    if (rewritten) {
        if (!send(*rewritten, piece.end, sink)) return Result::sinkStopped;
    } else if (!sendRaw(piece.end, sink)) {
        return Result::sinkStopped;
    }
    history_.recordStatement(piece.firstLine, begin, outputBytes_, tableIndex_);
    addRows(outputBytes_ - begin, facts.kind == Kind::insert ? RowCount::rowsOfInsert(text, sqlMode_.quoting()) : 0);
    if (lanes_) noteForLanes(facts, rewritten ? QByteArrayView(*rewritten) : text);
    if (facts.kind == Kind::other) {
        sqlMode_.note(
            DumpScanning::withoutDelimiter(rewritten ? QByteArrayView(*rewritten) : text, lexer_.delimiter()));
        lexer_.setBackslashEscapes(sqlMode_.quoting().backslashEscapes);
    }
    const QByteArrayView sentText = rewritten ? QByteArrayView(*rewritten) : text;
    const bool rowsOnly = changesRows(sentText, sqlMode_.quoting()) ||
                          SessionSettings::isSessionSetting(DumpScanning::withoutDelimiter(sentText, lexer_.delimiter()),
                                                            sqlMode_.quoting());
    return afterStatement(piece, outputBytes_ - begin, rowsOnly, sink) ? Result::goOn : Result::sinkStopped;
}

bool DumpFilter::skipsOnResume(QByteArrayView text) const {
    // MariaDB's dumps begin with the sandbox line, which the client reads as part of the first
    // statement: that statement is the SET after it.
    if (const qsizetype sandbox = StatementFacts::sandboxLineAt(text)) text = text.sliced(sandbox);
    const StatementFacts::Facts facts = StatementFacts::of(text, sqlMode_.quoting());
    using Kind = StatementFacts::Kind;
    // The session is set up again as the dump set it: its database, its settings.
    if (facts.kind == Kind::use || facts.kind == Kind::binlogSwitch) return false;
    // Every session SET, also those that save a setting in a variable the dump restores later.
    if (facts.kind == Kind::other && setsTheSession(text, sqlMode_.quoting())) return false;
    if (fixes_.resume.replayed.isEmpty()) return true;
    const QList<QByteArray> changed = facts.kind == Kind::insert ? QList<QByteArray>{facts.table}
                                                                 : TableMentions::changed(text, sqlMode_.quoting());
    for (const QByteArray& table : changed)
        if (fixes_.resume.replayed.contains(table)) return false;
    return true;
}

void DumpFilter::addRows(qint64 bytes, qint64 rows) {
    board_.add(bytes, rows);
    if (rows > 0 && !currentTableBytes_.isEmpty()) rowsSent_[currentTableBytes_] += rows;
}

bool DumpFilter::afterStatement(const Piece& piece, qint64 size, bool rowsOnly, const Sink& sink) {
    // The client runs an unterminated statement only at the end of its input; a command takes
    // the rest of its line: nothing may follow either on the same line.
    if (piece.kind == PieceKind::trailing) trailingOpen_ = true;
    if (inRows_) {
        ++batchStatements_;
        batchBytes_ += size;
        batchLastLine_ = piece.firstLine;
        batchLastEnd_ = piece.end;
        if (batchStatements_ < fixes_.batchStatements && batchBytes_ < fixes_.batchBytes) return true;
        return endRowsBatch(sink);
    }
    if (!batching()) return true;
    if (piece.kind != PieceKind::statement) return true;
    ++batchStatements_;
    batchBytes_ += size;
    batchLastLine_ = piece.firstLine;
    batchLastEnd_ = piece.end;
    // A statement that commits by itself ends the batch there, so that what is kept is known to
    // the statement: an import that continues never makes a table or a trigger twice.
    if (rowsOnly && batchStatements_ < fixes_.batchStatements && batchBytes_ < fixes_.batchBytes) return true;
    return commitBatch(sink);
}

// COMMIT on the statement's own line, so line numbers stay the dump's, then the marker the client
// prints once the commit is through.
bool DumpFilter::commitBatch(const Sink& sink) {
    // Rows end with their sessions' commits; the first session then has no batch open.
    if (inRows_) return toLane(false, sink);
    if (!batching() || batchStatements_ == 0) return true;
    batchEnds_.append(keptHere());
    batchStatements_ = 0;
    batchBytes_ = 0;
    const QByteArray delimiter = lexer_.delimiter().toByteArray();
    const QByteArray text = " COMMIT " + delimiter + " SELECT '" + fixes_.batchTag + ' ' +
                            QByteArray::number(batchEnds_.size()) + "' AS tarnwell_batch " + delimiter;
    return send(text, sent_, sink);
}

bool DumpFilter::endRowsBatch(const Sink& sink) {
    if (batchStatements_ == 0) return true;
    if (!flush(sink)) return false;
    batchEnds_.append(keptHere());
    batchStatements_ = 0;
    batchBytes_ = 0;
    return lanes_->endBatch(batchEnds_.size());
}

bool DumpFilter::toLane(bool rows, const Sink& sink) {
    if (!lanes_ || rows == inRows_) return true;
    // What the first session did so far is committed before rows go elsewhere.
    if (rows && !commitBatch(sink)) return false;
    if (!flush(sink)) return false;
    if (inRows_ && !endRowsBatch(sink)) return false;
    inRows_ = rows;
    if (rows) {
        runStart_ = batchEnds_.size();
        board_.loadingIn(lanes_->rowSessions);
        return lanes_->switchTo(true);
    }
    // Every batch of the run is committed once the switch returns.
    if (!lanes_->switchTo(false)) return false;
    board_.loadingIn(1);
    if (batchEnds_.size() > runStart_ && onLog_)
        onLog_(L10n::render(QStringLiteral("tableRowsDone"),
                            {batchEnds_.back().table, qint64(batchEnds_.size() - runStart_)}));
    return true;
}

bool DumpFilter::keepsKeysPending(const StatementFacts::Facts& facts, QByteArrayView text) const {
    using Kind = StatementFacts::Kind;
    if (pendingKeys_.isEmpty()) return true;
    if ((facts.kind == Kind::insert || facts.kind == Kind::lockTables) && facts.table == keysTable_) return true;
    if (isUnlockTables(text, sqlMode_.quoting())) return true;
    // ALTER TABLE `t` DISABLE KEYS and ENABLE KEYS around the rows change nothing here.
    const QList<SqlTokens::Token> head = SqlTokens::codeTokens(text, 256, sqlMode_.quoting());
    return head.size() >= 5 && SqlTokens::isKeyword(text, head[0], "ALTER") &&
           SqlTokens::isKeyword(text, head[1], "TABLE") &&
           SqlTokens::nameOf(text, head[2], sqlMode_.quoting()) == keysTable_ &&
           (SqlTokens::isKeyword(text, head[3], "DISABLE") || SqlTokens::isKeyword(text, head[3], "ENABLE")) &&
           SqlTokens::isKeyword(text, head[4], "KEYS");
}

// On the line of what follows, so the lines keep their numbers; every row is committed by now.
bool DumpFilter::addPendingKeys(const Sink& sink) {
    if (pendingKeys_.isEmpty()) return true;
    const QByteArray text = pendingKeys_ + ' ' + lexer_.delimiter().toByteArray() + ' ';
    pendingKeys_.clear();
    keysTable_.clear();
    return send(text, sent_, sink);
}

// A whole statement of the current table's rows, literals only, into a table made just before.
bool DumpFilter::spreads(QByteArrayView insert, const Piece& piece) const {
    return lanes_ && piece.kind == PieceKind::statement && !piece.nested &&
           spreading_.maySpread(currentTableBytes_, insert, sqlMode_.quoting());
}

void DumpFilter::noteForLanes(const StatementFacts::Facts& facts, QByteArrayView sent) {
    using Kind = StatementFacts::Kind;
    spreading_.note(facts, sent, sqlMode_.quoting());
    if (facts.kind == Kind::use) {
        const QByteArray& lands = needsRedirect(facts.database) ? fixes_.chosenDatabase : facts.database;
        spreading_.noteSessionSetting();
        lanes_->sessionSetting("USE " + DumpFixing::quotedName(lands));
        return;
    }
    if (facts.kind != Kind::other && facts.kind != Kind::binlogSwitch) return;
    const QByteArrayView statement = DumpScanning::withoutDelimiter(sent, lexer_.delimiter());
    if (!SessionSettings::isSessionSetting(statement, sqlMode_.quoting())) return;
    spreading_.noteSessionSetting();
    lanes_->sessionSetting(statement);
}

KeptPoint DumpFilter::keptHere() const {
    return {batchLastEnd_, batchLastLine_, currentTable_, rowsSent_.value(currentTableBytes_)};
}

std::optional<DumpFilter::BatchEnd> DumpFilter::batchEnd(qint64 number) const {
    if (number < 1 || number > batchEnds_.size()) return std::nullopt;
    return batchEnds_.at(number - 1);
}

// No SQL text holds a NUL byte. The client in binary mode would pass it on (a NUL before a
// statement even makes it an empty one), where without binary mode it refused the line: a
// binary file taken for a dump must not end as a finished import.
std::optional<qint64> DumpFilter::firstNul(qint64 begin, qint64 end) {
    if (end <= begin) return std::nullopt;
    const qsizetype at = bytes(begin, end).indexOf('\0');
    return at < 0 ? std::nullopt : std::optional<qint64>(begin + at);
}

DumpFilter::Result DumpFilter::refuseNul(qint64 line) {
    return refuse(L10n::render(QStringLiteral("nulByteRefused"), {qMax<qint64>(line, 1)}));
}

DumpFilter::Result DumpFilter::handle(const Piece& piece, const Sink& sink) {
    // Bytes before sent_ went out already, as part of a statement too long to hold.
    const std::optional<qint64> nul =
        piece.nested || passingLongStatement_ ? std::nullopt : firstNul(qMax(piece.begin, sent_), piece.end);
    qint64 nulAt = piece.firstLine;
    if (nul && *nul > piece.textBegin && piece.textBegin >= sent_) nulAt += bytes(piece.textBegin, *nul).count('\n');
    const Result result = nul ? refuseNul(nulAt) : handlePiece(piece, sink);
    if (result == Result::goOn && !piece.nested) wholeEnd_ = piece.end;
    // What came before a refusal is whole statements: the client may have all of them.
    if (result == Result::refused && !passingLongStatement_ && (!sendRaw(wholeEnd_, sink) || !sendBlanks(sink)))
        return Result::sinkStopped;
    // The whole statements before it are kept, as without batches.
    if (result == Result::refused && !passingLongStatement_ && !commitBatch(sink)) return Result::sinkStopped;
    // A table whose rows stop here still gets its keys.
    if (result == Result::refused && !passingLongStatement_ && !addPendingKeys(sink)) return Result::sinkStopped;
    if (result == Result::refused && !flush(sink)) return Result::sinkStopped;
    return result;
}

DumpFilter::Result DumpFilter::handlePiece(const Piece& piece, const Sink& sink) {
    // A command inside a statement goes out with the statement, when that is whole.
    if (piece.nested && piece.kind == PieceKind::delimiterChange) return handleDelimiter(piece, sink);
    if (piece.nested) return piece.kind == PieceKind::clientCommand ? handleCommand(piece) : Result::goOn;
    switch (piece.kind) {
    case PieceKind::clientCommand:
        if (piece.nested) return handleCommand(piece);
        if (const Result result = handleCommand(piece); result != Result::goOn) return result;
        // USE is the client's command; what it names is still the database written to.
        return handleStatement(piece, sink);
    case PieceKind::statement: return handleStatement(piece, sink);
    // The client runs an unterminated statement at the end of its input: it is one like the others.
    case PieceKind::trailing:
        return piece.textBegin < piece.end ? handleStatement(piece, sink)
                                           : (sendRaw(piece.end, sink) ? Result::goOn : Result::sinkStopped);
    case PieceKind::delimiterChange: return handleDelimiter(piece, sink);
    case PieceKind::unknownCommand:
        return toLane(false, sink) && sendRaw(piece.end, sink) ? Result::goOn : Result::sinkStopped;
    }
    return Result::goOn;
}

// The line break after a statement lets the client run it now; blanks run nothing.
bool DumpFilter::sendBlanks(const Sink& sink) {
    if (sent_ != wholeEnd_ || passingLongStatement_) return true;
    const qint64 available = chunkStart_ + chunk_.size();
    qint64 blankEnd = sent_;
    while (blankEnd < available) {
        const char c = blankEnd >= chunkStart_ ? chunk_[blankEnd - chunkStart_] : held_[blankEnd - heldStart_];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
        ++blankEnd;
    }
    if (!sendRaw(blankEnd, sink)) return false;
    wholeEnd_ = sent_;
    return true;
}

DumpFilter::Result DumpFilter::keepRest(const Sink& sink) {
    const qint64 chunkEnd = chunkStart_ + chunk_.size();
    // The pieces handled are out; what follows belongs to a piece not yet reported.
    if (!sendRaw(wholeEnd_, sink)) return Result::sinkStopped;
    if (!sendBlanks(sink)) return Result::sinkStopped;
    if (chunkEnd - sent_ > kHoldBytes) {
        if (!passingLongStatement_) {
            if (!sqlMode_.isKnown()) {
                refuse(L10n::render(QStringLiteral("sqlModeUnknown"), {lexer_.pendingStatementLine().value_or(0)}));
                return flush(sink) ? Result::refused : Result::sinkStopped;
            }
            // Too long to hold: it goes as it comes, but never a client command's first byte.
            const StatementFacts::Facts facts =
                StatementFacts::of(bytes(sent_, sent_ + qMin<qint64>(chunkEnd - sent_, 65536)));
            // Nor into a database by name that the redirect would have replaced: it cannot be
            // rewritten on the way, and it must not land where the user did not confirm.
            if (needsRedirect(facts.qualifier)) {
                refuse(L10n::render(QStringLiteral("longStatementNotRedirected"),
                                    {lexer_.pendingStatementLine().value_or(0), QString::fromUtf8(facts.qualifier),
                                     QString::fromUtf8(fixes_.chosenDatabase)}));
                return flush(sink) ? Result::refused : Result::sinkStopped;
            }
            if (!facts.qualifier.isEmpty() &&
                !checkDatabase(facts.qualifier, lexer_.pendingStatementLine().value_or(0)))
                return flush(sink) ? Result::refused : Result::sinkStopped;
            noteTable(facts.table, !facts.qualifier.isEmpty());
            if (!toLane(false, sink)) return Result::sinkStopped;
            const QByteArrayView head = bytes(sent_, sent_ + qMin<qint64>(chunkEnd - sent_, 65536));
            // A statement that starts before the kept end ends there too.
            blankingLongStatement_ =
                (sent_ < fixes_.resume.keptEnd && skipsOnResume(head)) ||
                (fixes_.tables.isSet() && leavesOut(facts, head, lexer_.pendingStatementLine().value_or(0)));
            if (!currentTable_.isEmpty() && !blankingLongStatement_) board_.enter(currentTable_);
            passingLongStatement_ = true;
        }
        qint64 safeEnd = chunkEnd - 16;
        if (const qint64 command = lexer_.pendingCommandBegin(); command >= 0) safeEnd = qMin(safeEnd, command - 1);
        if (blankingLongStatement_ ? !sendBlanked(safeEnd, sink) : !sendRaw(safeEnd, sink)) return Result::sinkStopped;
    }
    if (!flush(sink)) return Result::sinkStopped;
    // Keep [sent_, chunkEnd) for the next chunk.
    if (sent_ >= chunkStart_) {
        held_ = chunk_.sliced(sent_ - chunkStart_).toByteArray();
    } else {
        held_.remove(0, sent_ - heldStart_);
        held_.append(chunk_);
    }
    heldStart_ = sent_;
    chunkStart_ = chunkEnd;
    chunk_ = {};
    return Result::goOn;
}

DumpFilter::Result DumpFilter::feed(QByteArrayView chunk, const Sink& sink) {
    if (fixes_.dropSandboxLine && !headDecided_) {
        // The dump's first bytes decide; a line that arrives in pieces waits for the rest.
        head_.append(chunk);
        if (StatementFacts::maybeSandboxLine(head_)) return Result::goOn;
        headDecided_ = true;
        if (const qsizetype length = StatementFacts::sandboxLineAt(head_)) {
            // Blanked, not cut: the lines keep their numbers.
            head_.replace(0, length, QByteArray(length, ' '));
            if (onLog_) onLog_(L10n::render(QStringLiteral("fixSandboxLine")));
        }
        return lex(head_, sink);
    }
    return lex(chunk, sink);
}

DumpFilter::Result DumpFilter::lex(QByteArrayView chunk, const Sink& sink) {
    chunk_ = chunk;
    // Each piece is handled as the lexer finds it: a statement may change how the next ones split.
    Result result = Result::goOn;
    lexer_.feed(chunk_, [&](const Piece& piece) {
        if (result == Result::goOn) result = handle(piece, sink);
    });
    if (result != Result::goOn) return result;
    return keepRest(sink);
}

DumpFilter::Result DumpFilter::finish(const Sink& sink) {
    if (fixes_.dropSandboxLine && !headDecided_) {
        headDecided_ = true;
        if (const Result result = lex(head_, sink); result != Result::goOn) return result;
    }
    Result result = Result::goOn;
    lexer_.finish([&](const Piece& piece) {
        if (result == Result::goOn) result = handle(piece, sink);
    });
    if (result != Result::goOn) return result;
    const qint64 end = chunkStart_ + chunk_.size();
    if (!sendRaw(end, sink) || !flush(sink)) return Result::sinkStopped;
    if (!toLane(false, sink)) return Result::sinkStopped;
    // After an unterminated last statement, the keys need a delimiter of their own first.
    if (!pendingKeys_.isEmpty()) {
        if (!send((trailingOpen_ ? lexer_.delimiter().toByteArray() : QByteArray()) + '\n', end, sink))
            return Result::sinkStopped;
        trailingOpen_ = false;
    }
    if (!addPendingKeys(sink) || !flush(sink)) return Result::sinkStopped;
    if (!batching()) return Result::goOn;
    // The session ends with its input: what is not committed by then is undone.
    const QByteArray delimiter = lexer_.delimiter().toByteArray();
    return send((trailingOpen_ ? delimiter : QByteArray()) + "\nCOMMIT " + delimiter + '\n', end, sink)
               ? Result::goOn
               : Result::sinkStopped;
}
