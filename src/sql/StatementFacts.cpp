#include "sql/StatementFacts.h"

#include "sql/SqlTokens.h"

namespace StatementFacts {
namespace {

using TokenKind = SqlTokens::Kind;
using SqlTokens::Token;

bool isName(const Token& token) { return token.kind == TokenKind::word || token.kind == TokenKind::quotedIdentifier; }

using SqlTokens::isSymbol;

// Reads code tokens from a position, skipping optional keywords.
class Reader {
public:
    Reader(QByteArrayView text, const QList<Token>& tokens, SqlTokens::Quoting quoting)
        : text_(text), tokens_(tokens), quoting_(quoting) {}

    bool keyword(QByteArrayView upper) {
        if (at_ < tokens_.size() && SqlTokens::isKeyword(text_, tokens_[at_], upper)) {
            ++at_;
            return true;
        }
        return false;
    }
    void skipKeywords(std::initializer_list<QByteArrayView> optional) {
        for (bool skipped = true; skipped;) {
            skipped = false;
            for (const QByteArrayView word : optional) skipped = skipped || keyword(word);
        }
    }
    // A possibly qualified name: the last part, and the first when there are two.
    bool name(QByteArray* qualifier, QByteArray* last) {
        if (at_ >= tokens_.size() || !isName(tokens_[at_])) return false;
        QByteArray first = SqlTokens::nameOf(text_, tokens_[at_++], quoting_);
        if (at_ + 1 < tokens_.size() && isSymbol(text_, tokens_[at_], '.') && isName(tokens_[at_ + 1])) {
            if (qualifier) *qualifier = first;
            *last = SqlTokens::nameOf(text_, tokens_[at_ + 1], quoting_);
            at_ += 2;
            return true;
        }
        *last = first;
        return true;
    }

private:
    QByteArrayView text_;
    const QList<Token>& tokens_;
    SqlTokens::Quoting quoting_;
    qsizetype at_ = 0;
};

void readDefiners(QByteArrayView text, const QList<Token>& tokens, Facts& facts) {
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (!SqlTokens::isKeyword(text, tokens[i], "DEFINER") || !isSymbol(text, tokens[i + 1], '=')) continue;
        facts.definerClause = true;
        if (const auto account = accountAt(text, tokens, i + 2)) facts.definers.append(account->name);
    }
}

}  // namespace

std::optional<Account> accountAt(QByteArrayView text, const QList<SqlTokens::Token>& tokens, qsizetype user) {
    if (user >= tokens.size() || SqlTokens::isKeyword(text, tokens[user], "CURRENT_USER")) return std::nullopt;
    const Token& first = tokens[user];
    const QByteArray userText = SqlTokens::nameOf(text, first);
    // u@h as one word, or the user, then "@host" or "@" and the host.
    if (first.kind == TokenKind::word && userText.contains('@')) return Account{first.begin, first.end, userText};
    if (user + 1 >= tokens.size() || tokens[user + 1].kind != TokenKind::word) return std::nullopt;
    const QByteArray at = SqlTokens::nameOf(text, tokens[user + 1]);
    if (at == "@" && user + 2 < tokens.size())
        return Account{first.begin, tokens[user + 2].end, userText + '@' + SqlTokens::nameOf(text, tokens[user + 2])};
    if (at.startsWith('@') && at.size() > 1) return Account{first.begin, tokens[user + 1].end, userText + at};
    return std::nullopt;
}

bool isMysqlCollation(QByteArrayView name) {
    const QByteArray lower = name.toByteArray().toLower();
    return lower.startsWith("utf8mb4_") && lower.contains("_0900_");
}

Facts of(QByteArrayView statement, SqlTokens::Quoting quoting) {
    Facts facts;
    facts.quoting = quoting;
    // INSERTs are the bulk of a dump: their first bytes say all that matters here.
    const QList<Token> head = SqlTokens::codeTokens(statement, 64, quoting);
    if (head.isEmpty()) return facts;
    const bool insert =
        SqlTokens::isKeyword(statement, head[0], "INSERT") || SqlTokens::isKeyword(statement, head[0], "REPLACE");
    const QList<Token> tokens = SqlTokens::codeTokens(statement, insert ? kInsertHead : -1, quoting);
    Reader read(statement, tokens, quoting);
    if (insert) {
        read.skipKeywords({"INSERT", "REPLACE", "IGNORE", "LOW_PRIORITY", "DELAYED", "HIGH_PRIORITY", "INTO"});
        if (read.name(&facts.qualifier, &facts.table)) facts.kind = Kind::insert;
        return facts;
    }
    for (const Token& token : tokens) {
        if (token.kind != TokenKind::word) continue;
        const QByteArrayView word = statement.sliced(token.begin, token.end - token.begin);
        if (word.size() > 12 && isMysqlCollation(word)) facts.mysqlCollation = true;
    }
    readDefiners(statement, tokens, facts);
    if (read.keyword("USE")) {
        if (read.name(nullptr, &facts.database)) facts.kind = Kind::use;
    } else if (read.keyword("SET")) {
        // SET @@GLOBAL.GTID_PURGED, SET @@GTID_PURGED or SET GLOBAL gtid_purged; the same forms of
        // SQL_LOG_BIN, but not a user variable (@name) that keeps its value.
        read.skipKeywords({"GLOBAL", "SESSION", "LOCAL"});
        QByteArray qualifier;
        QByteArray variable;
        if (read.name(&qualifier, &variable)) {
            const QByteArray upper = variable.toUpper();
            const QByteArray first = qualifier.isEmpty() ? variable : qualifier;
            const bool userVariable = first.startsWith('@') && !first.startsWith("@@");
            if (upper.endsWith("GTID_PURGED"))
                facts.kind = Kind::gtidPurged;
            else if (!userVariable && (upper == "SQL_LOG_BIN" || upper == "@@SQL_LOG_BIN"))
                facts.kind = Kind::binlogSwitch;
        }
    } else if (read.keyword("LOCK")) {
        read.skipKeywords({"TABLES", "TABLE"});
        if (read.name(&facts.qualifier, &facts.table)) facts.kind = Kind::lockTables;
    } else if (read.keyword("DROP")) {
        if (read.keyword("DATABASE") || read.keyword("SCHEMA")) {
            read.skipKeywords({"IF", "EXISTS"});
            if (read.name(nullptr, &facts.database)) facts.kind = Kind::dropDatabase;
        }
    } else if (read.keyword("ALTER")) {
        if (read.keyword("DATABASE") || read.keyword("SCHEMA")) {
            if (read.name(nullptr, &facts.database)) facts.kind = Kind::alterDatabase;
        }
    } else if (read.keyword("CREATE")) {
        read.skipKeywords({"OR", "REPLACE", "TEMPORARY"});
        if (read.keyword("DATABASE") || read.keyword("SCHEMA")) {
            read.skipKeywords({"IF", "NOT", "EXISTS"});
            if (read.name(nullptr, &facts.database)) facts.kind = Kind::createDatabase;
        } else if (read.keyword("TABLE")) {
            read.skipKeywords({"IF", "NOT", "EXISTS"});
            if (read.name(&facts.qualifier, &facts.table)) facts.kind = Kind::createTable;
        } else {
            facts.kind = Kind::createRoutine;
        }
    }
    if (facts.kind == Kind::createDatabase || facts.kind == Kind::alterDatabase) {
        for (const Token& token : tokens)
            if (SqlTokens::isKeyword(statement, token, "ENCRYPTION")) facts.encryptionClause = true;
    }
    return facts;
}

qsizetype sandboxLineAt(QByteArrayView text) {
    if (text.startsWith(kSandboxLine)) return kSandboxLine.size();
    if (text.startsWith(kOlderSandboxLine)) return kOlderSandboxLine.size();
    return 0;
}

bool maybeSandboxLine(QByteArrayView text) {
    return (text.size() < kSandboxLine.size() && kSandboxLine.startsWith(text)) ||
           (text.size() < kOlderSandboxLine.size() && kOlderSandboxLine.startsWith(text));
}

}  // namespace StatementFacts
