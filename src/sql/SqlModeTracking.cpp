#include "sql/SqlModeTracking.h"

#include <QList>

namespace {

using SqlTokens::Kind;
using SqlTokens::Token;
using SqlTokens::isSymbol;


QByteArray lowerWord(QByteArrayView text, const Token& token) {
    return text.sliced(token.begin, token.end - token.begin).toByteArray().toLower();
}

// What one `target = value` assigns to.
struct Target {
    enum class Kind { other, sessionSqlMode, userVariable } kind = Kind::other;
    QByteArray variable;  // userVariable: its name, lower case
};

Target targetOf(QByteArrayView text, const QList<Token>& tokens) {
    Target target;
    QList<QByteArray> words;
    for (const Token& token : tokens) {
        if (token.kind == Kind::word || token.kind == Kind::quotedIdentifier || token.kind == Kind::string)
            words << SqlTokens::nameOf(text, token).toLower();
        else if (!isSymbol(text, token, '.'))
            return target;
    }
    if (words.isEmpty()) return target;
    if (words.size() == 1 && words[0].startsWith('@') && !words[0].startsWith("@@") && words[0].size() > 1) {
        target.kind = Target::Kind::userVariable;
        target.variable = words[0].mid(1);
        return target;
    }
    if (words.size() == 2 && words[0] == "@") {
        target.kind = Target::Kind::userVariable;
        target.variable = words[1];
        return target;
    }
    // sql_mode, @@sql_mode, SESSION sql_mode, @@SESSION.sql_mode, LOCAL …; GLOBAL leaves the session alone.
    const QByteArray last = words.last();
    if (last != "sql_mode" && last != "@@sql_mode") return target;
    const QByteArray scope = words.size() > 1 ? words[words.size() - 2] : QByteArray();
    if (scope.isEmpty() || scope == "session" || scope == "local" || scope == "@@session" || scope == "@@local")
        target.kind = Target::Kind::sessionSqlMode;
    return target;
}

bool readsSqlMode(QByteArrayView text, const QList<Token>& value) {
    QByteArray written;
    for (const Token& token : value) written += lowerWord(text, token);
    return written == "@@sql_mode" || written == "@@session.sql_mode" || written == "@@local.sql_mode";
}

}  // namespace

SqlModeTracker::SqlModeTracker(QByteArrayView initialMode) {
    initial_.quoting = quotingOf(initialMode);
    current_ = initial_;
}

SqlTokens::Quoting SqlModeTracker::quotingOf(QByteArrayView mode) {
    SqlTokens::Quoting quoting;
    for (const QByteArray& flag : mode.toByteArray().toUpper().split(',')) {
        const QByteArray name = flag.trimmed();
        if (name == "NO_BACKSLASH_ESCAPES") quoting.backslashEscapes = false;
        if (name == "ANSI_QUOTES" || name == "ANSI") quoting.ansiQuotes = true;
    }
    return quoting;
}

void SqlModeTracker::note(QByteArrayView statement) {
    const QList<Token> tokens = SqlTokens::codeTokens(statement, -1, current_.quoting);
    if (tokens.isEmpty() || !SqlTokens::isKeyword(statement, tokens[0], "SET")) return;
    // One assignment after another, separated by commas outside parentheses.
    qsizetype at = 1;
    while (at < tokens.size()) {
        qsizetype equals = at;
        while (equals < tokens.size() && !isSymbol(statement, tokens[equals], '=') &&
               !isSymbol(statement, tokens[equals], ','))
            ++equals;
        if (equals >= tokens.size() || !isSymbol(statement, tokens[equals], '=')) {
            at = equals + 1;
            continue;
        }
        qsizetype targetEnd = equals;
        if (targetEnd > at && isSymbol(statement, tokens[targetEnd - 1], ':')) --targetEnd;  // :=
        qsizetype valueEnd = equals + 1;
        for (int depth = 0; valueEnd < tokens.size(); ++valueEnd) {
            if (isSymbol(statement, tokens[valueEnd], '(')) ++depth;
            if (isSymbol(statement, tokens[valueEnd], ')')) --depth;
            if (depth <= 0 && isSymbol(statement, tokens[valueEnd], ',')) break;
        }
        const Target target = targetOf(statement, tokens.mid(at, targetEnd - at));
        const QList<Token> value = tokens.mid(equals + 1, valueEnd - equals - 1);
        if (target.kind == Target::Kind::userVariable) {
            if (readsSqlMode(statement, value))
                saved_.insert(target.variable, current_);
            else
                saved_.remove(target.variable);
        } else if (target.kind == Target::Kind::sessionSqlMode) {
            State next;
            next.known = false;
            if (value.size() == 1 && value[0].kind == Kind::string) {
                next.known = true;
                next.quoting = quotingOf(SqlTokens::nameOf(statement, value[0], current_.quoting));
            } else if (value.size() == 1 && SqlTokens::isKeyword(statement, value[0], "DEFAULT")) {
                next = initial_;
            } else if (value.size() == 1 && value[0].kind == Kind::word) {
                const QByteArray word = lowerWord(statement, value[0]);
                if (word.startsWith('@') && !word.startsWith("@@")) next = saved_.value(word.mid(1), next);
            }
            // A value the server reads later still changes the mode the statements after it see.
            if (!next.known) next.quoting = current_.quoting;
            current_ = next;
        }
        at = valueEnd + 1;
    }
}
