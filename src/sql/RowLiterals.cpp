#include "sql/RowLiterals.h"

namespace RowLiterals {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isWordByte(char c) { return isLetter(c) || isDigit(c) || c == '_' || c == '$' || (c & 0x80); }

class Reader {
public:
    Reader(QByteArrayView text, SqlTokens::Quoting quoting) : text_(text), quoting_(quoting) {}

    bool atEnd() const { return p_ >= text_.size(); }
    qsizetype position() const { return p_; }
    char peek() const { return atEnd() ? '\0' : text_[p_]; }
    void skipSpace() {
        while (!atEnd() && isSpace(text_[p_])) ++p_;
    }
    bool take(char c) {
        skipSpace();
        if (peek() != c) return false;
        ++p_;
        return true;
    }
    // A keyword in any letter case, as a whole word.
    bool takeWord(QByteArrayView upper) {
        skipSpace();
        if (p_ + upper.size() > text_.size()) return false;
        for (qsizetype i = 0; i < upper.size(); ++i)
            if ((text_[p_ + i] & ~0x20) != upper[i]) return false;
        if (p_ + upper.size() < text_.size() && isWordByte(text_[p_ + upper.size()])) return false;
        p_ += upper.size();
        return true;
    }
    bool skipQuoted(char quote, bool escapes) {
        ++p_;
        while (p_ < text_.size()) {
            const char c = text_[p_++];
            if (escapes && c == '\\') {
                ++p_;
            } else if (c == quote) {
                if (peek() != quote) return true;
                ++p_;
            }
        }
        return false;
    }
    // A column list of `names`.
    bool skipColumns() {
        for (;;) {
            skipSpace();
            if (peek() == '`' ? !skipQuoted('`', false) : !skipWord()) return false;
            if (take(')')) return true;
            if (!take(',')) return false;
        }
    }
    bool skipWord() {
        const qsizetype begin = p_;
        while (!atEnd() && isWordByte(text_[p_])) ++p_;
        return p_ > begin;
    }

    enum class Value { none, counted, uncounted };
    // One literal; `uncounted` when it would make an AUTO_INCREMENT column count.
    Value value() {
        skipSpace();
        const char c = peek();
        const bool stringQuote = c == '\'' || (c == '"' && !quoting_.ansiQuotes);
        if (stringQuote) return skipQuoted(c, quoting_.backslashEscapes) ? Value::uncounted : Value::none;
        if (c == '_') {  // a character set introducer before a string
            skipWord();
            skipSpace();
            const char quote = peek();
            if (quote != '\'' && (quote != '"' || quoting_.ansiQuotes)) return Value::none;
            return skipQuoted(quote, quoting_.backslashEscapes) ? Value::uncounted : Value::none;
        }
        if ((c == 'x' || c == 'X' || c == 'b' || c == 'B') && p_ + 1 < text_.size() && text_[p_ + 1] == '\'') {
            ++p_;
            return skipQuoted('\'', false) ? Value::uncounted : Value::none;
        }
        if (takeWord("NULL")) return Value::uncounted;
        return number();
    }

private:
    Value number() {
        bool nonZero = false;
        if (peek() == '-' || peek() == '+') ++p_;
        if (peek() == '0' && p_ + 1 < text_.size() && (text_[p_ + 1] == 'x' || text_[p_ + 1] == 'b')) {
            const qsizetype begin = p_;
            p_ += 2;
            skipWord();
            return p_ > begin + 2 ? Value::uncounted : Value::none;
        }
        const qsizetype begin = p_;
        while (!atEnd() && (isDigit(peek()) || peek() == '.')) nonZero |= text_[p_++] > '0';
        if (p_ == begin) return Value::none;
        if (peek() == 'e' || peek() == 'E') {
            ++p_;
            if (peek() == '-' || peek() == '+') ++p_;
            const qsizetype exponent = p_;
            while (isDigit(peek())) ++p_;
            if (p_ == exponent) return Value::none;
        }
        if (!atEnd() && isWordByte(peek())) return Value::none;
        return nonZero ? Value::counted : Value::uncounted;
    }

    QByteArrayView text_;
    SqlTokens::Quoting quoting_;
    qsizetype p_ = 0;
};

}  // namespace

bool onlyLiterals(QByteArrayView statement, SqlTokens::Quoting quoting, int countedColumn) {
    Reader read(statement, quoting);
    if (!read.takeWord("INSERT") || !read.takeWord("INTO")) return false;
    read.skipSpace();
    if (read.peek() != '`' || !read.skipQuoted('`', false)) return false;
    if (read.take('(')) {
        if (countedColumn >= 0 || !read.skipColumns()) return false;
    }
    if (!read.takeWord("VALUES") && !read.takeWord("VALUE")) return false;
    do {
        if (!read.take('(')) return false;
        int column = 0;
        do {
            const Reader::Value value = read.value();
            if (value == Reader::Value::none) return false;
            if (column == countedColumn && value != Reader::Value::counted) return false;
            ++column;
        } while (read.take(','));
        if (!read.take(')')) return false;
    } while (read.take(','));
    // Only the delimiter may follow: no ON DUPLICATE KEY, no comment.
    read.skipSpace();
    for (qsizetype at = read.position(); at < statement.size(); ++at) {
        const char c = statement[at];
        if (isWordByte(c) || c == '\'' || c == '"' || c == '`' || c == '(' || c == '/' || c == '#' || c == '-')
            return false;
    }
    return true;
}

}  // namespace RowLiterals
