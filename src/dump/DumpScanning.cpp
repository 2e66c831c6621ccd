#include "dump/DumpScanning.h"

#include "sql/SqlClientCommands.h"
#include "sql/SqlModeTracking.h"
#include "sql/SqlStream.h"
#include "sql/SqlTokens.h"
#include "sql/StatementFacts.h"
#include "sql/TableMentions.h"

namespace DumpScanning {
namespace {

// A hostile dump may name millions of things: each list keeps the first kMostNames, and
// looks them up in a set, so a scan stays linear in the dump's size.
constexpr qsizetype kMostNames = 100000;

void addOnce(QList<QByteArray>& list, QSet<QByteArray>& seen, const QByteArray& item) {
    if (item.isEmpty() || list.size() >= kMostNames || seen.contains(item)) return;
    seen.insert(item);
    list.append(item);
}

bool startsWithDrop(QByteArrayView statement) {
    const QList<SqlTokens::Token> tokens = SqlTokens::codeTokens(statement, 256);
    if (tokens.isEmpty()) return false;
    const QByteArrayView word = statement.sliced(tokens.first().begin, tokens.first().end - tokens.first().begin);
    return word.compare("DROP", Qt::CaseInsensitive) == 0;
}

}  // namespace

QByteArrayView withoutDelimiter(QByteArrayView statement, QByteArrayView delimiter) {
    return statement.endsWith(delimiter) ? statement.first(statement.size() - delimiter.size()) : statement;
}

DumpScan scan(QByteArrayView text, bool complete) {
    Scanner scanner;
    scanner.feed(text);
    return scanner.finish(complete);
}

void Scanner::feed(QByteArrayView chunk) {
    if (start_.size() < kStartBytes) start_ += chunk.first(std::min<qsizetype>(chunk.size(), kStartBytes - start_.size()));
    chunk_ = chunk;
    chunkAt_ = fed_;
    fed_ += chunk.size();
    lexer_.feed(chunk, [this](const SqlStream::Piece& piece) { onPiece(piece); });
    keepUnfinished();
    chunk_ = {};
}

DumpScan Scanner::finish(bool complete) {
    if (complete) {
        chunkAt_ = fed_;
        lexer_.finish([this](const SqlStream::Piece& piece) { onPiece(piece); });
    }
    result_.scannedBytes = fed_;
    result_.complete = complete;
    result_.sandboxLine = StatementFacts::sandboxLineAt(start_) > 0;
    return result_;
}

// What the next pieces may start with: the bytes from the last whole piece on, of which a long
// statement keeps only its first kStatementHead bytes, so a dump of any size scans in little memory.
void Scanner::keepUnfinished() {
    const qint64 done = lexer_.lastCompleteEnd();
    if (done >= chunkAt_) {
        pending_ = chunk_.sliced(std::min<qint64>(done - chunkAt_, chunk_.size())).toByteArray();
        pendingAt_ = done;
        return;
    }
    if (done > pendingAt_) {
        pending_.remove(0, std::min<qint64>(done - pendingAt_, pending_.size()));
        pendingAt_ = done;
    }
    const bool contiguous = pendingAt_ + pending_.size() == chunkAt_;
    if (contiguous && pending_.size() < kStatementHead)
        pending_ += chunk_.first(std::min<qsizetype>(chunk_.size(), kStatementHead - pending_.size()));
}

// Up to kStatementHead bytes of the stream from `from`, as far as they are still held.
QByteArray Scanner::head(qint64 from, qint64 to) const {
    to = std::min(to, from + kStatementHead);
    QByteArray bytes;
    const qint64 pendingEnd = pendingAt_ + pending_.size();
    if (from >= pendingAt_ && from < pendingEnd) {
        bytes = pending_.mid(from - pendingAt_, std::min(to, pendingEnd) - from);
        if (pendingEnd != chunkAt_) return bytes;
        from = pendingEnd;
    }
    if (from >= chunkAt_ && from < to && from < chunkAt_ + chunk_.size())
        bytes += chunk_.sliced(from - chunkAt_, std::min(to, chunkAt_ + chunk_.size()) - from);
    return bytes;
}

void Scanner::onPiece(const SqlStream::Piece& piece) {
    // A statement cut off by the end of the head says nothing reliable.
    if (piece.kind == SqlStream::PieceKind::trailing) return;
    const QByteArray body = head(piece.textBegin, piece.end);
    if (piece.kind == SqlStream::PieceKind::clientCommand && !SqlStream::isHarmlessCommand(piece.commandName)) {
        if (result_.clientCommands.size() < kMostNames)
            result_.clientCommands.append({piece.firstLine, QString::fromUtf8(body).simplified().left(80)});
        return;
    }
    if (piece.nested ||
        (piece.kind != SqlStream::PieceKind::statement && piece.kind != SqlStream::PieceKind::clientCommand))
        return;
    const StatementFacts::Facts facts = StatementFacts::of(body, sqlMode_.quoting());
    using Kind = StatementFacts::Kind;
    QByteArray table = facts.kind == Kind::createTable || facts.kind == Kind::insert ? facts.table : QByteArray();
    if (facts.kind == Kind::other) {
        sqlMode_.note(withoutDelimiter(body, lexer_.delimiter()));
        lexer_.setBackslashEscapes(sqlMode_.quoting().backslashEscapes);
        if (startsWithDrop(body)) {
            for (const QByteArray& dropped : TableMentions::changed(body, sqlMode_.quoting()))
                addOnce(result_.droppedTables, seen_[0], dropped);
        }
    }
    if (facts.kind == Kind::use || facts.kind == Kind::createDatabase) addOnce(result_.databases, seen_[1], facts.database);
    // A dump may name its database only where it qualifies a table.
    if (!facts.qualifier.isEmpty()) addOnce(result_.databases, seen_[1], facts.qualifier);
    if (facts.kind == Kind::createTable) {
        ++result_.tables;
        addOnce(result_.tableNames, created_, facts.table);
    }
    if (facts.kind == Kind::createRoutine && !created_.isEmpty()) {
        TableMentions::Dependent object = TableMentions::dependentOn(body, created_, sqlMode_.quoting());
        if (!object.kind.isEmpty() && !object.tables.isEmpty() && result_.dependents.size() < kMostNames)
            result_.dependents.append(std::move(object));
    }
    const QList<QByteArray> changed =
        facts.kind == Kind::insert ? QList<QByteArray>{facts.table} : TableMentions::changed(body, sqlMode_.quoting());
    for (const QByteArray& name : changed) {
        if (name.isEmpty() || (result_.tableSpans.size() >= kMostNames && !result_.tableSpans.contains(name))) continue;
        auto span = result_.tableSpans.find(name);
        if (span == result_.tableSpans.end())
            span = result_.tableSpans.insert(name, {piece.end, piece.end, facts.kind == Kind::other && startsWithDrop(body)});
        span->lastEnd = piece.end;
    }
    // What each table's statements weigh: its structure and its rows.
    if (!table.isEmpty() && (result_.tableBytes.size() < kMostNames || result_.tableBytes.contains(table)))
        result_.tableBytes[table] += piece.end - piece.begin;
    if (facts.kind == Kind::gtidPurged && result_.gtidLine == 0) result_.gtidLine = piece.firstLine;
    if (facts.kind == Kind::binlogSwitch && result_.binlogSwitchLine == 0) result_.binlogSwitchLine = piece.firstLine;
    if (facts.encryptionClause && result_.encryptionLine == 0) result_.encryptionLine = piece.firstLine;
    for (const QByteArray& definer : facts.definers) addOnce(result_.definers, seen_[2], definer);
    if (facts.mysqlCollation) {
        for (const SqlTokens::Token& token : SqlTokens::codeTokens(body)) {
            const QByteArrayView word = QByteArrayView(body).sliced(token.begin, token.end - token.begin);
            if (token.kind == SqlTokens::Kind::word && StatementFacts::isMysqlCollation(word))
                addOnce(result_.mysqlCollations, seen_[3], word.toByteArray().toLower());
        }
    }
}

}  // namespace DumpScanning
