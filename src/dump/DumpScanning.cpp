#include "dump/DumpScanning.h"

#include "sql/SqlClientCommands.h"
#include "sql/SqlModeTracking.h"
#include "sql/SqlStream.h"
#include "sql/SqlTokens.h"
#include "sql/StatementFacts.h"
#include "sql/TableMentions.h"

namespace DumpScanning {
namespace {

void addOnce(QList<QByteArray>& list, const QByteArray& item) {
    if (!item.isEmpty() && !list.contains(item)) list.append(item);
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
    DumpScan result;
    result.scannedBytes = text.size();
    result.complete = complete;
    result.sandboxLine = StatementFacts::sandboxLineAt(text) > 0;
    SqlStream::Lexer lexer;
    // The dump's own sql_mode decides how its strings split; the server's is not known yet.
    SqlModeTracker sqlMode;
    const auto onPiece = [&](const SqlStream::Piece& piece) {
        // A statement cut off by the end of the head says nothing reliable.
        if (piece.kind == SqlStream::PieceKind::trailing) return;
        const QByteArrayView body = text.sliced(piece.textBegin, piece.end - piece.textBegin);
        if (piece.kind == SqlStream::PieceKind::clientCommand && !SqlStream::isHarmlessCommand(piece.commandName)) {
            result.clientCommands.append({piece.firstLine, QString::fromUtf8(body).simplified().left(80)});
            return;
        }
        if (piece.nested ||
            (piece.kind != SqlStream::PieceKind::statement && piece.kind != SqlStream::PieceKind::clientCommand))
            return;
        const StatementFacts::Facts facts = StatementFacts::of(body, sqlMode.quoting());
        using Kind = StatementFacts::Kind;
        if (facts.kind == Kind::other) {
            sqlMode.note(withoutDelimiter(body, lexer.delimiter()));
            lexer.setBackslashEscapes(sqlMode.quoting().backslashEscapes);
            if (startsWithDrop(body))
                for (const QByteArray& table : TableMentions::changed(body, sqlMode.quoting()))
                    addOnce(result.droppedTables, table);
        }
        if (facts.kind == Kind::use || facts.kind == Kind::createDatabase) addOnce(result.databases, facts.database);
        // A dump may name its database only where it qualifies a table.
        if (!facts.qualifier.isEmpty()) addOnce(result.databases, facts.qualifier);
        if (facts.kind == Kind::createTable) {
            ++result.tables;
            addOnce(result.tableNames, facts.table);
        }
        if (facts.kind == Kind::gtidPurged && result.gtidLine == 0) result.gtidLine = piece.firstLine;
        if (facts.kind == Kind::binlogSwitch && result.binlogSwitchLine == 0) result.binlogSwitchLine = piece.firstLine;
        if (facts.encryptionClause && result.encryptionLine == 0) result.encryptionLine = piece.firstLine;
        for (const QByteArray& definer : facts.definers) addOnce(result.definers, definer);
        if (facts.mysqlCollation) {
            for (const SqlTokens::Token& token : SqlTokens::codeTokens(body)) {
                const QByteArrayView word = body.sliced(token.begin, token.end - token.begin);
                if (token.kind == SqlTokens::Kind::word && StatementFacts::isMysqlCollation(word))
                    addOnce(result.mysqlCollations, word.toByteArray().toLower());
            }
        }
    };
    lexer.feed(text, onPiece);
    if (complete) lexer.finish(onPiece);
    return result;
}

}  // namespace DumpScanning
