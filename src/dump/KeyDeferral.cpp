#include "dump/KeyDeferral.h"

#include <QList>

#include "dump/DumpFixing.h"
#include "sql/TableShape.h"

namespace KeyDeferral {
namespace {

using SqlTokens::Kind;
using SqlTokens::Token;
using SqlTokens::isSymbol;


}  // namespace

std::optional<Deferred> deferred(QByteArrayView text, const QByteArray& table, SqlTokens::Quoting quoting) {
    const TableShape::Shape shape = TableShape::of(text, table, quoting);
    if (!shape.readable || !shape.transactional || shape.ifNotExists) return std::nullopt;
    const QList<Token> tokens = SqlTokens::split(text, -1, quoting);
    // The column list: from the first "(" after the name to its ")".
    qsizetype at = 0;
    while (at < tokens.size() && !isSymbol(text, tokens[at], '(')) ++at;
    if (at >= tokens.size()) return std::nullopt;
    const qsizetype open = at;
    struct Element {
        qsizetype comma = -1;  // the comma before it, in the text
        qsizetype begin = -1;
        qsizetype end = -1;
        bool key = false;
    };
    QList<Element> elements;
    Element current;
    current.comma = tokens[open].begin;
    int depth = 0;
    for (at = open; at < tokens.size(); ++at) {
        const Token& token = tokens[at];
        if (token.kind == Kind::comment || token.kind == Kind::versionOpen || token.kind == Kind::versionClose) {
            if (depth > 0) return std::nullopt;
            continue;
        }
        if (token.kind == Kind::word && (SqlTokens::isKeyword(text, token, "REFERENCES") ||
                                         SqlTokens::isKeyword(text, token, "FOREIGN")))
            return std::nullopt;
        if (isSymbol(text, token, '(')) {
            if (++depth == 1) continue;
        } else if (isSymbol(text, token, ')')) {
            if (--depth == 0) {
                elements << current;
                break;
            }
        } else if (depth == 1 && isSymbol(text, token, ',')) {
            elements << current;
            current = Element{token.begin, -1, -1, false};
            continue;
        }
        if (token.kind == Kind::whitespace || depth == 0) continue;
        if (current.begin < 0) {
            current.begin = token.begin;
            current.key = token.kind == Kind::word &&
                          (SqlTokens::isKeyword(text, token, "KEY") || SqlTokens::isKeyword(text, token, "INDEX"));
        }
        current.end = token.end;
    }
    if (depth != 0) return std::nullopt;
    // Up to the rest: the first element keeps its place, so a key there stays.
    Deferred result{text.toByteArray(), "ALTER TABLE " + DumpFixing::quotedName(table)};
    bool any = false;
    for (qsizetype i = 1; i < elements.size(); ++i) {
        const Element& element = elements[i];
        if (!element.key || element.end < 0) continue;
        QByteArray definition = text.sliced(element.begin, element.end - element.begin).toByteArray();
        definition.replace('\n', ' ').replace('\r', ' ');
        result.addKeys += (any ? ", ADD " : " ADD ") + definition;
        any = true;
        for (qsizetype p = element.comma; p < element.end; ++p)
            if (result.createTable[p] != '\n') result.createTable[p] = ' ';
    }
    if (!any) return std::nullopt;
    return result;
}

}  // namespace KeyDeferral
