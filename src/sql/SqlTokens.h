#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Splits the text of one statement into the tokens a server reads. The body of a /*! */ or /*M! */
// comment is code, so its opening and closing marks are tokens of their own and what lies between
// them is split like any code.
namespace SqlTokens {

enum class Kind { word, quotedIdentifier, string, comment, versionOpen, versionClose, whitespace, symbol };

struct Token {
    Kind kind = Kind::symbol;
    qsizetype begin = 0;
    qsizetype end = 0;

    bool isCode() const {
        return kind == Kind::word || kind == Kind::quotedIdentifier || kind == Kind::string || kind == Kind::symbol;
    }
    friend bool operator==(const Token&, const Token&) = default;
};

// How the server reads quotes, which its sql_mode decides: NO_BACKSLASH_ESCAPES makes a backslash in a
// string a plain character, ANSI_QUOTES makes "x" a name.
struct Quoting {
    bool backslashEscapes = true;
    bool ansiQuotes = false;
    friend bool operator==(const Quoting&, const Quoting&) = default;
};

// Tokens that start within the first `limit` bytes (all of them when limit < 0). A string or comment
// left open runs to the end of the text.
QList<Token> split(QByteArrayView text, qsizetype limit = -1, Quoting quoting = {});

// Only the tokens a server reads as code: no whitespace, comments or version marks.
QList<Token> codeTokens(QByteArrayView text, qsizetype limit = -1, Quoting quoting = {});

// A name as written: a word as is, a `quoted` identifier without its quotes and with doubled
// backticks made single, a quoted string likewise.
QByteArray nameOf(QByteArrayView text, const Token& token, Quoting quoting = {});
// Whether the token is the one-character symbol.
bool isSymbol(QByteArrayView text, const Token& token, char symbol);
// Whether a word token equals the keyword, in any letter case.
bool isKeyword(QByteArrayView text, const Token& token, QByteArrayView upperCaseKeyword);

}  // namespace SqlTokens
