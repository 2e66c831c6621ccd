#include "sql/TableShape.h"

#include <QList>

namespace TableShape {
namespace {

using SqlTokens::Kind;
using SqlTokens::Token;
using SqlTokens::isSymbol;


// Words that start a key or constraint of the table rather than a column.
bool startsKey(QByteArrayView text, const Token& token) {
    if (token.kind != Kind::word) return false;
    for (const QByteArrayView word : {"PRIMARY", "KEY", "INDEX", "UNIQUE", "CONSTRAINT", "FOREIGN", "FULLTEXT",
                                      "SPATIAL", "CHECK", "PERIOD", "VECTOR"})
        if (SqlTokens::isKeyword(text, token, word)) return true;
    return false;
}

}  // namespace

Shape of(QByteArrayView text, const QByteArray& table, SqlTokens::Quoting quoting) {
    Shape shape;
    const QList<Token> tokens = SqlTokens::codeTokens(text, -1, quoting);
    qsizetype at = 0;
    auto keyword = [&](QByteArrayView word) {
        if (at < tokens.size() && SqlTokens::isKeyword(text, tokens[at], word)) {
            ++at;
            return true;
        }
        return false;
    };
    if (!keyword("CREATE")) return shape;
    if (keyword("OR")) keyword("REPLACE");
    if (!keyword("TABLE")) return shape;
    if (keyword("IF")) {
        shape.ifNotExists = true;
        keyword("NOT");
        keyword("EXISTS");
    }
    if (at >= tokens.size() || SqlTokens::nameOf(text, tokens[at], quoting) != table) return shape;
    ++at;
    if (at >= tokens.size() || !isSymbol(text, tokens[at], '(')) return shape;
    ++at;

    int depth = 1;
    int column = 0;
    bool elementStart = true;
    bool inColumn = false;
    bool afterReferences = false;
    for (; at < tokens.size() && depth > 0; ++at) {
        const Token& token = tokens[at];
        if (isSymbol(text, token, '(')) {
            ++depth;
        } else if (isSymbol(text, token, ')')) {
            --depth;
        } else if (depth == 1 && isSymbol(text, token, ',')) {
            if (inColumn) ++column;
            elementStart = true;
            continue;
        } else if (elementStart) {
            inColumn = !startsKey(text, token);
        } else if (afterReferences) {
            if (SqlTokens::nameOf(text, token, quoting) == table) shape.referencesItself = true;
            afterReferences = false;
        } else if (SqlTokens::isKeyword(text, token, "REFERENCES")) {
            afterReferences = true;
        } else if (inColumn && SqlTokens::isKeyword(text, token, "AUTO_INCREMENT")) {
            shape.countedColumn = column;
        }
        elementStart = false;
    }
    if (depth != 0) return shape;
    shape.readable = true;
    // The table's options, after its columns.
    for (; at + 1 < tokens.size(); ++at) {
        if (!SqlTokens::isKeyword(text, tokens[at], "ENGINE")) continue;
        qsizetype value = at + 1;
        if (value < tokens.size() && isSymbol(text, tokens[value], '=')) ++value;
        if (value < tokens.size() && SqlTokens::isKeyword(text, tokens[value], "INNODB")) shape.transactional = true;
    }
    return shape;
}

}  // namespace TableShape
