#include "sql/TableMentions.h"

namespace TableMentions {
namespace {

using SqlTokens::Token;

bool isName(const Token& token) {
    return token.kind == SqlTokens::Kind::word || token.kind == SqlTokens::Kind::quotedIdentifier;
}

class Reader {
public:
    Reader(QByteArrayView text, SqlTokens::Quoting quoting)
        : text_(text), quoting_(quoting), tokens_(SqlTokens::codeTokens(text, 4096, quoting)) {}

    bool atEnd() const { return at_ >= tokens_.size(); }
    bool keyword(QByteArrayView upper) {
        if (atEnd() || !SqlTokens::isKeyword(text_, tokens_[at_], upper)) return false;
        ++at_;
        return true;
    }
    void skipKeywords(std::initializer_list<QByteArrayView> words) {
        for (bool moved = true; moved;) {
            moved = false;
            for (QByteArrayView word : words) moved = moved || keyword(word);
        }
    }
    // A name, qualified or not: the last part.
    bool name(QByteArray* table) {
        if (atEnd() || !isName(tokens_[at_])) return false;
        *table = SqlTokens::nameOf(text_, tokens_[at_++], quoting_);
        while (at_ + 1 < tokens_.size() && SqlTokens::isSymbol(text_, tokens_[at_], '.') && isName(tokens_[at_ + 1])) {
            *table = SqlTokens::nameOf(text_, tokens_[at_ + 1], quoting_);
            at_ += 2;
        }
        return true;
    }
    bool symbol(char c) {
        if (atEnd() || !SqlTokens::isSymbol(text_, tokens_[at_], c)) return false;
        ++at_;
        return true;
    }
    // Names separated by commas, each perhaps followed by words up to the next comma.
    QList<QByteArray> nameList(bool skipWordsAfter) {
        QList<QByteArray> names;
        QByteArray table;
        while (name(&table)) {
            names << table;
            while (skipWordsAfter && !atEnd() && !symbol(',') && tokens_[at_].kind == SqlTokens::Kind::word) ++at_;
            if (!skipWordsAfter && !symbol(',')) break;
            if (skipWordsAfter && (atEnd() || !isName(tokens_[at_]))) break;
        }
        return names;
    }
    // Moves past the first occurrence of the keyword.
    bool skipTo(QByteArrayView upper) {
        while (!atEnd()) {
            if (keyword(upper)) return true;
            ++at_;
        }
        return false;
    }

private:
    QByteArrayView text_;
    SqlTokens::Quoting quoting_;
    QList<Token> tokens_;
    qsizetype at_ = 0;
};

}  // namespace

QList<QByteArray> changed(QByteArrayView statement, SqlTokens::Quoting quoting) {
    Reader read(statement, quoting);
    QByteArray table;
    if (read.keyword("INSERT") || read.keyword("REPLACE")) {
        read.skipKeywords({"LOW_PRIORITY", "DELAYED", "HIGH_PRIORITY", "IGNORE", "INTO"});
        if (read.name(&table)) return {table};
    } else if (read.keyword("DROP")) {
        read.skipKeywords({"TEMPORARY"});
        if (read.keyword("TABLE") || read.keyword("TABLES")) {
            read.skipKeywords({"IF", "EXISTS"});
            return read.nameList(false);
        }
    } else if (read.keyword("CREATE")) {
        read.skipKeywords({"OR", "REPLACE", "TEMPORARY"});
        if (read.keyword("TABLE")) {
            read.skipKeywords({"IF", "NOT", "EXISTS"});
            if (read.name(&table)) return {table};
        } else if (read.skipTo("TRIGGER")) {
            // CREATE [DEFINER = …] TRIGGER [IF NOT EXISTS] name BEFORE|AFTER event ON table
            if (read.skipTo("ON") && read.name(&table)) return {table};
        }
    } else if (read.keyword("ALTER")) {
        read.skipKeywords({"ONLINE", "IGNORE"});
        if (read.keyword("TABLE")) {
            read.skipKeywords({"IF", "EXISTS"});
            if (read.name(&table)) return {table};
        }
    } else if (read.keyword("TRUNCATE")) {
        read.skipKeywords({"TABLE"});
        if (read.name(&table)) return {table};
    } else if (read.keyword("RENAME")) {
        if (read.keyword("TABLE") || read.keyword("TABLES")) {
            QList<QByteArray> names;
            while (read.name(&table)) {
                names << table;
                if (!read.keyword("TO") || !read.name(&table)) break;
                names << table;
                if (!read.symbol(',')) break;
            }
            return names;
        }
    } else if (read.keyword("LOCK")) {
        if (read.keyword("TABLES") || read.keyword("TABLE")) return read.nameList(true);
    } else if (read.keyword("DELETE")) {
        read.skipKeywords({"LOW_PRIORITY", "QUICK", "IGNORE", "FROM"});
        if (read.name(&table)) return {table};
    } else if (read.keyword("UPDATE")) {
        read.skipKeywords({"LOW_PRIORITY", "IGNORE"});
        if (read.name(&table)) return {table};
    }
    return {};
}

Dependent dependentOn(QByteArrayView statement, const QSet<QByteArray>& names, SqlTokens::Quoting quoting) {
    Dependent object;
    const QList<Token> tokens = SqlTokens::codeTokens(statement, -1, quoting);
    if (tokens.isEmpty() || !SqlTokens::isKeyword(statement, tokens[0], "CREATE")) return {};
    enum class Step { kind, ownName, body } step = Step::kind;
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (!isName(token)) continue;
        if (step == Step::kind) {
            // The first kind word decides: a procedure may hold the word VIEW in its body.
            for (const char* kind : {"VIEW", "TRIGGER", "PROCEDURE", "FUNCTION", "EVENT"}) {
                if (!SqlTokens::isKeyword(statement, token, kind)) continue;
                object.kind = QByteArray(kind).toLower();
                step = Step::ownName;
                break;
            }
            continue;
        }
        if (step == Step::ownName) {
            if (SqlTokens::isKeyword(statement, token, "IF") || SqlTokens::isKeyword(statement, token, "NOT") ||
                SqlTokens::isKeyword(statement, token, "EXISTS"))
                continue;
            step = Step::body;
            // `db`.`name`: the name is the part after the dot.
            if (i + 2 < tokens.size() && SqlTokens::isSymbol(statement, tokens[i + 1], '.') && isName(tokens[i + 2]))
                i += 2;
            object.name = SqlTokens::nameOf(statement, tokens[i], quoting);
            continue;
        }
        const QByteArray name = SqlTokens::nameOf(statement, token, quoting);
        if (names.contains(name) && name != object.name && !object.tables.contains(name)) object.tables << name;
    }
    return object;
}

QByteArray namedIn(QByteArrayView statement, const QSet<QByteArray>& names, SqlTokens::Quoting quoting) {
    const Dependent object = dependentOn(statement, names, quoting);
    const bool skippable = object.kind == "view" || object.kind == "trigger";
    return skippable && !object.tables.isEmpty() ? object.tables.first() : QByteArray();
}

}  // namespace TableMentions
