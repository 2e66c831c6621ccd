#include "sql/RowCount.h"

namespace RowCount {
namespace {

bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
           (c & 0x80);
}

bool sameWord(QByteArrayView word, QByteArrayView upper) {
    if (word.size() != upper.size()) return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if ((word[i] & ~0x20) != upper[i]) return false;
    return true;
}

// The end of what starts at `at` and runs to its closing quote, or the end of the text.
qsizetype afterQuoted(QByteArrayView text, qsizetype at, bool escapes) {
    const char quote = text[at];
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (escapes && text[i] == '\\') {
            ++i;
        } else if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return text.size();
}

// Past a comment starting at `at`, or `at` itself when none starts there.
qsizetype afterComment(QByteArrayView text, qsizetype at) {
    const char c = text[at];
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    const bool dashes = c == '-' && next == '-' &&
                        (at + 2 >= text.size() || text[at + 2] == ' ' || text[at + 2] == '\t' ||
                         text[at + 2] == '\n' || text[at + 2] == '\r');
    if (c == '#' || dashes) {
        const qsizetype end = text.indexOf('\n', at);
        return end < 0 ? text.size() : end + 1;
    }
    if (c == '/' && next == '*') {
        const qsizetype end = text.indexOf("*/", at + 2);
        return end < 0 ? text.size() : end + 2;
    }
    return at;
}

}  // namespace

qint64 rowsOfInsert(QByteArrayView text, SqlTokens::Quoting quoting) {
    bool inValues = false;
    int depth = 0;
    qint64 rows = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\'' || c == '"' || c == '`') {
            const bool identifier = c == '`' || (c == '"' && quoting.ansiQuotes);
            i = afterQuoted(text, i, !identifier && quoting.backslashEscapes);
            continue;
        }
        if (const qsizetype past = afterComment(text, i); past != i) {
            i = past;
            continue;
        }
        if (c == '(') {
            if (depth == 0 && inValues) ++rows;
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0 && isWordByte(c)) {
            const qsizetype begin = i;
            while (i < text.size() && isWordByte(text[i])) ++i;
            const QByteArrayView word = text.sliced(begin, i - begin);
            // What follows the tuples (ON DUPLICATE KEY UPDATE a = VALUES(a)) adds none.
            if (inValues) return rows;
            if (sameWord(word, "VALUES") || sameWord(word, "VALUE")) inValues = true;
            else if (sameWord(word, "SELECT") || sameWord(word, "TABLE") || sameWord(word, "WITH")) return 0;
            else if (sameWord(word, "SET")) return 1;
            continue;
        }
        ++i;
    }
    return rows;
}

}  // namespace RowCount
