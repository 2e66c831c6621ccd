#include "sql/SqlTokens.h"

namespace SqlTokens {
namespace {

bool isWordByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
           c == '@' || c >= 0x80;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Past the closing quote; doubled quotes stay inside, and so does what a backslash escapes.
qsizetype endOfQuoted(QByteArrayView text, qsizetype at, bool escapes) {
    const char quote = text[at];
    qsizetype p = at + 1;
    while (p < text.size()) {
        const char c = text[p];
        if (escapes && c == '\\') {
            p += 2;
            continue;
        }
        if (c == quote) {
            if (p + 1 < text.size() && text[p + 1] == quote) {
                p += 2;
                continue;
            }
            return p + 1;
        }
        ++p;
    }
    return text.size();
}

// The length of "/*!12345" or "/*M!123456" at `at`, or 0 when no version mark starts there.
qsizetype versionMarkLength(QByteArrayView text, qsizetype at) {
    qsizetype p = at + 2;
    if (p < text.size() && text[p] == 'M') ++p;
    if (p >= text.size() || text[p] != '!') return 0;
    ++p;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p;
    return p - at;
}

}  // namespace

QList<Token> split(QByteArrayView text, qsizetype limit, Quoting quoting) {
    QList<Token> tokens;
    const qsizetype stop = limit < 0 ? text.size() : qMin(limit, text.size());
    bool versioned = false;
    qsizetype p = 0;
    while (p < stop) {
        const char c = text[p];
        const qsizetype begin = p;
        Kind kind = Kind::symbol;
        if (isSpace(c)) {
            while (p < text.size() && isSpace(text[p])) ++p;
            kind = Kind::whitespace;
        } else if (c == '\'' || (c == '"' && !quoting.ansiQuotes)) {
            p = endOfQuoted(text, p, quoting.backslashEscapes);
            kind = Kind::string;
        } else if (c == '`' || c == '"') {
            p = endOfQuoted(text, p, false);
            kind = Kind::quotedIdentifier;
        } else if (c == '/' && p + 1 < text.size() && text[p + 1] == '*') {
            if (const qsizetype mark = versionMarkLength(text, p); mark > 0 && !versioned) {
                p += mark;
                versioned = true;
                kind = Kind::versionOpen;
            } else {
                const qsizetype close = text.indexOf("*/", p + 2);
                p = close < 0 ? text.size() : close + 2;
                kind = Kind::comment;
            }
        } else if (versioned && c == '*' && p + 1 < text.size() && text[p + 1] == '/') {
            p += 2;
            versioned = false;
            kind = Kind::versionClose;
        } else if (c == '#' || (c == '-' && p + 2 < text.size() && text[p + 1] == '-' && isSpace(text[p + 2]))) {
            const qsizetype lineEnd = text.indexOf('\n', p);
            p = lineEnd < 0 ? text.size() : lineEnd;
            kind = Kind::comment;
        } else if (isWordByte(static_cast<unsigned char>(c))) {
            while (p < text.size() && isWordByte(static_cast<unsigned char>(text[p]))) ++p;
            kind = Kind::word;
        } else {
            ++p;
        }
        tokens.append({kind, begin, p});
    }
    return tokens;
}

bool isSymbol(QByteArrayView text, const Token& token, char symbol) {
    return token.kind == Kind::symbol && text[token.begin] == symbol;
}

QList<Token> codeTokens(QByteArrayView text, qsizetype limit, Quoting quoting) {
    QList<Token> code;
    for (const Token& token : split(text, limit, quoting))
        if (token.isCode()) code.append(token);
    return code;
}

QByteArray nameOf(QByteArrayView text, const Token& token, Quoting quoting) {
    const QByteArrayView raw = text.sliced(token.begin, token.end - token.begin);
    if (token.kind != Kind::quotedIdentifier && token.kind != Kind::string) return raw.toByteArray();
    if (raw.size() < 2) return {};
    const char quote = raw[0];
    QByteArray name;
    const QByteArrayView inner = raw.sliced(1, raw.size() - (raw.endsWith(quote) ? 2 : 1));
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == quote && i + 1 < inner.size() && inner[i + 1] == quote)
            ++i;
        else if (token.kind == Kind::string && quoting.backslashEscapes && inner[i] == '\\' && i + 1 < inner.size())
            ++i;
        name += inner[i];
    }
    return name;
}

bool isKeyword(QByteArrayView text, const Token& token, QByteArrayView upperCaseKeyword) {
    if (token.kind != Kind::word || token.end - token.begin != upperCaseKeyword.size()) return false;
    for (qsizetype i = 0; i < upperCaseKeyword.size(); ++i) {
        char c = text[token.begin + i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c != upperCaseKeyword[i]) return false;
    }
    return true;
}

}  // namespace SqlTokens
