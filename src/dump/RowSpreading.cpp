#include "dump/RowSpreading.h"

#include <QList>

#include "sql/RowLiterals.h"

namespace {

using SqlTokens::Token;

// Whether the statement changes, renames or removes tables: ALTER, RENAME, DROP or TRUNCATE,
// except ALTER TABLE … DISABLE or ENABLE KEYS, which change no row.
bool changesTables(QByteArrayView text, SqlTokens::Quoting quoting) {
    const QList<Token> tokens = SqlTokens::codeTokens(text, 4096, quoting);
    if (tokens.isEmpty()) return false;
    const bool alter = SqlTokens::isKeyword(text, tokens[0], "ALTER");
    if (!alter && !SqlTokens::isKeyword(text, tokens[0], "RENAME") && !SqlTokens::isKeyword(text, tokens[0], "DROP") &&
        !SqlTokens::isKeyword(text, tokens[0], "TRUNCATE"))
        return false;
    // ALTER TABLE `t` DISABLE KEYS, with or without its delimiter.
    const bool keys = alter && (tokens.size() == 5 || tokens.size() == 6) &&
                      SqlTokens::isKeyword(text, tokens[1], "TABLE") &&
                      (SqlTokens::isKeyword(text, tokens[3], "DISABLE") ||
                       SqlTokens::isKeyword(text, tokens[3], "ENABLE")) &&
                      SqlTokens::isKeyword(text, tokens[4], "KEYS");
    return !keys;
}

}  // namespace

void RowSpreading::note(const StatementFacts::Facts& facts, QByteArrayView statement, SqlTokens::Quoting quoting) {
    using Kind = StatementFacts::Kind;
    switch (facts.kind) {
    case Kind::use:
    case Kind::createDatabase:
    case Kind::dropDatabase:
        // Tables are known by name within one database.
        created_.clear();
        return;
    case Kind::createTable:
        if (!facts.qualifier.isEmpty()) return;
        created_.insert(facts.table, {TableShape::of(statement, facts.table, quoting), routines_});
        return;
    case Kind::createRoutine: ++routines_; return;
    default: break;
    }
    // A DROP before a CREATE forgets nothing that matters; after the rows, nothing is needed.
    if (changesTables(statement, quoting)) created_.clear();
}

bool RowSpreading::maySpread(const QByteArray& table, QByteArrayView insert, SqlTokens::Quoting quoting) const {
    if (off_) return false;
    const auto found = created_.constFind(table);
    if (found == created_.cend()) return false;
    const TableShape::Shape& shape = found->shape;
    if (!shape.readable || shape.ifNotExists || !shape.transactional || shape.referencesItself) return false;
    if (found->routinesBefore != routines_) return false;
    return RowLiterals::onlyLiterals(insert, quoting, shape.countedColumn);
}
