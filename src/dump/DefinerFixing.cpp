#include "dump/DefinerFixing.h"

#include "sql/StatementFacts.h"

namespace DefinerFixing {
namespace {

using SqlTokens::Kind;
using SqlTokens::Token;
using SqlTokens::isSymbol;

constexpr QByteArrayView kCurrentRole = "CURRENT_ROLE";


bool isKeyword(QByteArrayView text, const QList<Token>& tokens, qsizetype i, QByteArrayView upper) {
    return i < tokens.size() && SqlTokens::isKeyword(text, tokens[i], upper);
}

// Where a CREATE of a stored object without DEFINER takes one: before SQL SECURITY, AGGREGATE
// or the object's keyword. Nothing when the statement creates no such object or has a DEFINER.
std::optional<qsizetype> missingDefinerAt(QByteArrayView text, const QList<Token>& tokens) {
    qsizetype i = 0;
    if (!isKeyword(text, tokens, i++, "CREATE")) return std::nullopt;
    if (isKeyword(text, tokens, i, "OR") && isKeyword(text, tokens, i + 1, "REPLACE")) i += 2;
    if (isKeyword(text, tokens, i, "ALGORITHM")) {
        i += 1;
        if (i < tokens.size() && isSymbol(text, tokens[i], '=')) ++i;
        ++i;
    }
    if (isKeyword(text, tokens, i, "DEFINER") || i >= tokens.size()) return std::nullopt;
    const qsizetype at = i;
    if (isKeyword(text, tokens, i, "SQL") && isKeyword(text, tokens, i + 1, "SECURITY")) i += 3;
    if (isKeyword(text, tokens, i, "AGGREGATE")) ++i;
    for (const QByteArrayView object : {"VIEW", "TRIGGER", "PROCEDURE", "FUNCTION", "EVENT", "PACKAGE"})
        if (isKeyword(text, tokens, i, object)) return tokens[at].begin;
    return std::nullopt;
}

}  // namespace

QList<Replacement> toCurrentRole(QByteArrayView statement, const QList<Token>& tokens) {
    QList<Replacement> replacements;
    if (const auto at = missingDefinerAt(statement, tokens))
        replacements.append({*at, *at, "DEFINER=" + kCurrentRole.toByteArray() + ' ', "CURRENT_USER"});
    for (qsizetype i = 0; i + 2 < tokens.size(); ++i) {
        if (!SqlTokens::isKeyword(statement, tokens[i], "DEFINER") || !isSymbol(statement, tokens[i + 1], '='))
            continue;
        const qsizetype user = i + 2;
        if (SqlTokens::isKeyword(statement, tokens[user], "CURRENT_USER")) {
            qsizetype last = user;
            if (user + 2 < tokens.size() && isSymbol(statement, tokens[user + 1], '(') &&
                isSymbol(statement, tokens[user + 2], ')'))
                last = user + 2;
            replacements.append({tokens[user].begin, tokens[last].end, kCurrentRole.toByteArray(), "CURRENT_USER"});
        } else if (const auto account = StatementFacts::accountAt(statement, tokens, user)) {
            replacements.append({account->begin, account->end, kCurrentRole.toByteArray(), account->name});
        }
    }
    return replacements;
}

}  // namespace DefinerFixing
