#include "sql/SqlStream.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace SqlStream {

namespace {

// The client's own reading of whitespace.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

qint64 countLineFeeds(const char* from, const char* to) {
    qint64 count = 0;
    while (from < to) {
        const void* feed = std::memchr(from, '\n', size_t(to - from));
        if (!feed) break;
        ++count;
        from = static_cast<const char*>(feed) + 1;
    }
    return count;
}

const char* findByte(const char* from, const char* to, char byte) {
    return static_cast<const char*>(std::memchr(from, byte, size_t(to - from)));
}

// The closing quote or a backslash: most of a dump is strings, so sixteen bytes at a time.
const char* findQuoteOrBackslash(const char* from, const char* to, char quote) {
#ifdef __SSE2__
    const __m128i quotes = _mm_set1_epi8(quote);
    const __m128i backslashes = _mm_set1_epi8('\\');
    for (; to - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, quotes), _mm_cmpeq_epi8(bytes, backslashes)));
        if (hits) return from + __builtin_ctz(unsigned(hits));
    }
#endif
    while (from < to && *from != quote && *from != '\\') ++from;
    return from;
}

// Bytes of a new chunk lexed together with the carried ones: more than any look-ahead needs.
constexpr qsizetype kJoinedBytes = 64;

}  // namespace

Lexer::Lexer() { setDelimiter(";"); }

void Lexer::setDelimiter(QByteArrayView delimiter) {
    delimiterLength_ = std::min(delimiter.size(), kMaxDelimiterLength);
    std::memcpy(delimiter_.data(), delimiter.data(), size_t(delimiterLength_));
    codeStops_.fill(false);
    for (const char c : {'\\', '\'', '"', '`', '#', '-', '/'}) codeStops_[uchar(c)] = true;
    codeStops_[uchar(delimiter_[0])] = true;
    versionedStops_ = codeStops_;
    versionedStops_[uchar('*')] = true;
}

bool Lexer::insideStatement() const {
    return hasText_ || mode_ == Mode::commandArgument || mode_ == Mode::delimiterArgument || carryLength_ > 0;
}

void Lexer::feed(const char* data, qsizetype size, const PieceHandler& onPiece) {
    if (size <= 0) return;
    onPiece_ = &onPiece;
    const char* from = data;
    if (carryLength_ > 0) {
        std::array<char, kCarryCapacity + kJoinedBytes> joined;
        const qsizetype taken = std::min(size, kJoinedBytes);
        std::memcpy(joined.data(), carry_.data(), size_t(carryLength_));
        std::memcpy(joined.data() + carryLength_, data, size_t(taken));
        const qsizetype joinedLength = carryLength_ + taken;
        buffer_ = joined.data();
        bufferOffset_ = fed_ - carryLength_;
        const qsizetype used = run(joined.data(), joined.data() + joinedLength, false) - joined.data();
        if (used < carryLength_) {
            // Only a chunk shorter than the look-ahead leaves carried bytes unread.
            Q_ASSERT(taken == size);
            carryLength_ = joinedLength - used;
            Q_ASSERT(carryLength_ <= kCarryCapacity);
            std::memcpy(carry_.data(), joined.data() + used, size_t(carryLength_));
            fed_ += size;
            return;
        }
        from = data + (used - carryLength_);
        carryLength_ = 0;
    }
    buffer_ = data;
    bufferOffset_ = fed_;
    const char* stop = run(from, data + size, false);
    carryLength_ = data + size - stop;
    Q_ASSERT(carryLength_ <= kCarryCapacity);
    std::memcpy(carry_.data(), stop, size_t(carryLength_));
    fed_ += size;
}

void Lexer::finish(const PieceHandler& onPiece) {
    onPiece_ = &onPiece;
    std::array<char, kCarryCapacity> rest = carry_;
    const qsizetype restLength = carryLength_;
    carryLength_ = 0;
    buffer_ = rest.data();
    bufferOffset_ = fed_ - restLength;
    const char* end = run(rest.data(), rest.data() + restLength, true);
    if (mode_ == Mode::commandArgument || mode_ == Mode::delimiterArgument) endBackslashCommand(fed_);
    // The client reads the last line the same, line feed or not.
    if (hasText_ && matcher_.lineMayBeCommand()) endCommandLine(fed_);
    if (pieceBegin_ < fed_) {
        Piece piece;
        piece.kind = PieceKind::trailing;
        piece.begin = pieceBegin_;
        piece.textBegin = hasText_ ? textBegin_ : fed_;
        piece.end = fed_;
        piece.firstLine = hasText_ ? firstLine_ : lineAt(end);
        startPiece(fed_);
        onPiece(piece);
    }
}

const char* Lexer::run(const char* p, const char* end, bool final) {
    while (p < end) {
        if (hasText_) {
            if (*p == '\n' && matcher_.lineMayBeCommand()) endCommandLine(offsetOf(p));
            if (hasText_ && !matcher_.watching()) {
                p = scanBody(p, end);
                if (p == end) break;
            }
        }
        // While the start of a piece is being read, one byte or token at a time.
        const bool watched = hasText_ ? matcher_.watching() : mode_ == Mode::code;
        const quint64 wholePieces = wholePieces_;
        const char* next = step(p, end, watched ? p + 1 : end, final);
        if (!next) break;
        if (watched && hasText_ && wholePieces == wholePieces_) {
            matcher_.observe(p, next, delimiter());
            if (matcher_.wantsWholeLine()) mode_ = Mode::commandLine;
        }
        p = next;
    }
    lineAt(p);
    return p;
}

// The bulk of a dump: code and the strings in it, in a statement whose start is read. Stops at the end, or
// at a byte that step() has to take.
const char* Lexer::scanBody(const char* p, const char* end) {
    const bool* stops = (versioned_ ? versionedStops_ : codeStops_).data();
    for (;;) {
        switch (mode_) {
        case Mode::code: {
            while (p < end && !stops[uchar(*p)]) ++p;
            if (p == end || *p == delimiter_[0]) return p;
            if (*p == '\'') {
                mode_ = Mode::singleQuoted;
            } else if (*p == '"') {
                mode_ = Mode::doubleQuoted;
            } else if (*p == '`') {
                mode_ = Mode::backticked;
            } else {
                return p;
            }
            ++p;
            break;
        }
        case Mode::singleQuoted:
        case Mode::doubleQuoted: {
            const char quote = mode_ == Mode::singleQuoted ? '\'' : '"';
            if (!backslashEscapes_) {
                const char* closing = findByte(p, end, quote);
                if (!closing) return end;
                mode_ = Mode::code;
                p = closing + 1;
                break;
            }
            for (;;) {
                p = findQuoteOrBackslash(p, end, quote);
                if (p == end) return p;
                if (*p == quote) break;
                if (end - p < 2) return p;
                p += 2;
            }
            mode_ = Mode::code;
            ++p;
            break;
        }
        case Mode::backticked: {
            const char* quote = findByte(p, end, '`');
            if (!quote) return end;
            mode_ = Mode::code;
            p = quote + 1;
            break;
        }
        default: return p;
        }
    }
}

// Each step reads from p, which is before end, and returns where the next one starts: past at least one
// byte, or at p itself after a change of mode; null when it cannot tell without the bytes after end.
// It skips ordinary bytes only up to limit.
const char* Lexer::step(const char* p, const char* end, const char* limit, bool final) {
    switch (mode_) {
    case Mode::code: return stepCode(p, end, limit, final);
    case Mode::singleQuoted:
    case Mode::doubleQuoted:
    case Mode::backticked: return stepQuoted(p, end, limit, final);
    case Mode::blockComment: return stepBlockComment(p, end, limit, final);
    case Mode::lineComment:
        if (const char* feed = findByte(p, limit, '\n')) {
            mode_ = Mode::code;
            if (!hasText_) lineClean_ = true;
            return feed + 1;
        }
        return limit;
    case Mode::commandArgument: return stepCommandArgument(p, end, limit, final);
    case Mode::delimiterArgument: return stepDelimiterArgument(p, limit);
    case Mode::commandLine: {
        // run() ends the line at its line feed.
        const char* feed = findByte(p, limit, '\n');
        Q_ASSERT(feed != p);
        return feed ? feed : limit;
    }
    }
    return nullptr;
}

const char* Lexer::stepCode(const char* p, const char* end, const char* limit, bool final) {
    const char* const start = p;
    if (hasText_) {
        const bool* stops = (versioned_ ? versionedStops_ : codeStops_).data();
        while (p < limit && !stops[uchar(*p)]) ++p;
        if (p == limit) return p;
    }
    const auto needMore = [&]() -> const char* { return p == start ? nullptr : p; };
    const auto startComment = [&](qsizetype length, Mode mode) {
        if (!hasText_) lineClean_ = false;
        mode_ = mode;
        return p + length;
    };
    const auto startCode = [&](qsizetype length, Mode mode) {
        if (!hasText_) startText(p);
        mode_ = mode;
        return p + length;
    };
    const qsizetype available = end - p;
    const char c = *p;
    if (!hasText_ && isSpace(c)) {
        if (c == '\n') lineClean_ = true;
        return p + 1;
    }
    if (c == '\\') {
        const char* next = backslash(p, end, final);
        return next ? next : needMore();
    }
    // The client looks for the delimiter before comments: a delimiter such as "//" wins over them.
    if (c == delimiter_[0]) {
        const qsizetype compared = std::min(available, delimiterLength_);
        if (std::memcmp(p, delimiter_.data(), size_t(compared)) == 0) {
            if (compared == delimiterLength_) {
                // Read before ending the statement, which may set another delimiter.
                const char* after = p + compared;
                if (!hasText_) startText(p);
                endStatement(after, true);
                return after;
            }
            if (!final) return needMore();
        }
    }
    switch (c) {
    case '#': return startComment(1, Mode::lineComment);
    case '-':
        // "--" starts a comment only before whitespace or the line end.
        if (available < 3 && !final) return needMore();
        if (available >= 2 && p[1] == '-' && (available == 2 || isSpace(p[2]))) {
            return startComment(2, Mode::lineComment);
        }
        break;
    case '/':
        if (available < 4 && !final) return needMore();
        if (available >= 2 && p[1] == '*') {
            // The client reads /*! and /*M! comments as code: a delimiter inside them ends the statement.
            if (available >= 3 && p[2] == '!') {
                versioned_ = true;
                return startCode(3, Mode::code);
            }
            if (available >= 4 && p[2] == 'M' && p[3] == '!') {
                versioned_ = true;
                return startCode(4, Mode::code);
            }
            return startComment(2, Mode::blockComment);
        }
        break;
    case '*':
        if (!versioned_) break;
        if (available < 2 && !final) return needMore();
        if (available >= 2 && p[1] == '/') {
            versioned_ = false;
            return p + 2;
        }
        break;
    case '\'': return startCode(1, Mode::singleQuoted);
    case '"': return startCode(1, Mode::doubleQuoted);
    case '`': return startCode(1, Mode::backticked);
    default: break;
    }
    return startCode(1, Mode::code);
}

const char* Lexer::stepQuoted(const char* p, const char* end, const char* limit, bool final) {
    if (mode_ == Mode::backticked) {
        // No escapes between backticks, only a doubled backtick, which reads as closing and opening again.
        const char* quote = findByte(p, limit, '`');
        if (!quote) return limit;
        mode_ = Mode::code;
        return quote + 1;
    }
    const char* const start = p;
    const char quote = mode_ == Mode::singleQuoted ? '\'' : '"';
    while (p < limit) {
        const char c = *p;
        if (c == quote) {
            mode_ = Mode::code;
            return p + 1;
        }
        if (c == '\\' && backslashEscapes_) {
            if (end - p < 2) return final ? end : (p == start ? nullptr : p);
            // An escaped line feed is left to the next step, so that run() sees every line end.
            p += p[1] == '\n' ? 1 : 2;
            continue;
        }
        ++p;
    }
    return p;
}

const char* Lexer::stepBlockComment(const char* p, const char* end, const char* limit, bool final) {
    const char* const start = p;
    while (p < limit) {
        const char* star = findByte(p, limit, '*');
        if (!star) return limit;
        p = star;
        if (end - p < 2) return final ? end : (p == start ? nullptr : p);
        if (p[1] == '/') {
            mode_ = Mode::code;
            return p + 2;
        }
        ++p;
    }
    return p;
}

// The argument runs to the delimiter, taken with it, or to the line end; inside /*! */ to the */ instead.
const char* Lexer::stepCommandArgument(const char* p, const char* end, const char* limit, bool final) {
    const char* const start = p;
    for (; p < limit; ++p) {
        const char c = *p;
        if (c == '\n') {
            endBackslashCommand(offsetOf(p));
            return p;
        }
        if (versioned_) {
            if (c != '*') continue;
            if (end - p < 2) {
                if (!final) return p == start ? nullptr : p;
                continue;
            }
            if (p[1] == '/') {
                endBackslashCommand(offsetOf(p));
                return p;
            }
        } else if (c == delimiter_[0]) {
            const qsizetype compared = std::min(qsizetype(end - p), delimiterLength_);
            if (std::memcmp(p, delimiter_.data(), size_t(compared)) != 0) continue;
            if (compared == delimiterLength_) {
                endBackslashCommand(offsetOf(p + compared));
                return p + compared;
            }
            if (!final) return p == start ? nullptr : p;
        }
    }
    return p;
}

// \d reads one word, or a quoted string, on its line.
const char* Lexer::stepDelimiterArgument(const char* p, const char* limit) {
    for (; p < limit; ++p) {
        const char c = *p;
        if (c == '\n') {
            endBackslashCommand(offsetOf(p));
            return p;
        }
        if (argumentLength_ == 0 && isSpace(c)) continue;
        const char first = argumentLength_ > 0 ? argument_[0] : c;
        const bool quoted = first == '\'' || first == '"' || first == '`';
        if (!quoted && c == ' ') {
            endBackslashCommand(offsetOf(p));
            return p;
        }
        const bool closes = quoted && argumentLength_ > 0 && c == first;
        if (argumentLength_ < qsizetype(argument_.size())) argument_[argumentLength_++] = c;
        if (closes) {
            endBackslashCommand(offsetOf(p + 1));
            return p + 1;
        }
    }
    return p;
}

// A backslash outside strings and comments: the client takes it and the next character as one of its own
// commands, except \N (NULL) and a backslash at the line end.
const char* Lexer::backslash(const char* p, const char* end, bool final) {
    const qsizetype available = end - p;
    if (available < 3 && !final) return nullptr;
    if (available < 2 || p[1] == '\n' || (p[1] == '\r' && (available < 3 || p[2] == '\n')) || p[1] == 'N') {
        if (!hasText_) startText(p);
        return p + (available >= 2 && p[1] == 'N' ? 2 : 1);
    }
    const ClientCommand* command = clientCommandWithShortForm(p[1]);
    const char* after = p + 2;
    if (!command) {
        emitCommand(PieceKind::unknownCommand, nullptr, offsetOf(p), lineAt(p), offsetOf(after), hasText_);
        return after;
    }
    switch (command->shortForm) {
    case 'g':
    case 'G':
        if (!hasText_) startText(p);
        endStatement(after, false);
        return after;
    case 'c': {
        // The client drops the statement so far: all of it ends as this command.
        const bool hadText = hasText_;
        if (!hadText) startText(p);
        emitCommand(PieceKind::clientCommand, command, textBegin_, firstLine_, offsetOf(after), false);
        return after;
    }
    default: break;
    }
    if (command->takesArgument) {
        startBackslashCommand(command, p);
        return after;
    }
    emitCommand(PieceKind::clientCommand, command, offsetOf(p), lineAt(p), offsetOf(after), hasText_);
    return after;
}

void Lexer::startText(const char* p) {
    hasText_ = true;
    textBegin_ = offsetOf(p);
    firstLine_ = lineAt(p);
    matcher_.start(*p, lineClean_);
}

void Lexer::endStatement(const char* end, bool byDelimiter) {
    Piece piece;
    piece.begin = pieceBegin_;
    piece.textBegin = textBegin_;
    piece.end = offsetOf(end);
    piece.firstLine = firstLine_;
    if (byDelimiter) {
        if (const ClientCommand* command = matcher_.commandStatement()) {
            piece.kind = PieceKind::clientCommand;
            piece.commandName = command->name;
            if (isDelimiterCommand(command)) applyDelimiterCommand(piece, matcher_.argument());
        }
    }
    emitWhole(piece);
}

void Lexer::endCommandLine(qint64 end) {
    const ClientCommand* command = matcher_.commandLine();
    if (!command) {
        // A DELIMITER line whose argument the client cannot read is text of a statement after all.
        if (mode_ == Mode::commandLine) mode_ = Mode::code;
        return;
    }
    Piece piece;
    piece.kind = PieceKind::clientCommand;
    piece.begin = pieceBegin_;
    piece.textBegin = textBegin_;
    piece.end = end;
    piece.firstLine = firstLine_;
    piece.commandName = command->name;
    if (isDelimiterCommand(command)) applyDelimiterCommand(piece, matcher_.argument());
    emitWhole(piece);
}

void Lexer::startBackslashCommand(const ClientCommand* command, const char* p) {
    command_ = command;
    commandBegin_ = offsetOf(p);
    commandLine_ = lineAt(p);
    commandNested_ = hasText_;
    argumentLength_ = 0;
    mode_ = isDelimiterCommand(command) ? Mode::delimiterArgument : Mode::commandArgument;
}

void Lexer::endBackslashCommand(qint64 end) {
    mode_ = Mode::code;
    emitCommand(PieceKind::clientCommand, command_, commandBegin_, commandLine_, end, commandNested_);
}

void Lexer::emitCommand(PieceKind kind, const ClientCommand* command, qint64 begin, qint64 line, qint64 end,
                        bool nested) {
    Piece piece;
    piece.kind = kind;
    piece.begin = nested ? begin : pieceBegin_;
    piece.textBegin = begin;
    piece.end = end;
    piece.firstLine = line;
    piece.nested = nested;
    if (command) piece.commandName = command->name;
    if (isDelimiterCommand(command)) applyDelimiterCommand(piece, QByteArrayView(argument_.data(), argumentLength_));
    if (nested) {
        (*onPiece_)(piece);
    } else {
        emitWhole(piece);
    }
}

void Lexer::emitWhole(Piece& piece) {
    lastCompleteEnd_ = piece.end;
    startPiece(piece.end);
    ++wholePieces_;
    (*onPiece_)(piece);
}

void Lexer::startPiece(qint64 begin) {
    pieceBegin_ = begin;
    hasText_ = false;
    lineClean_ = false;
    mode_ = Mode::code;
    versioned_ = false;
    command_ = nullptr;
    matcher_.reset();
}

void Lexer::applyDelimiterCommand(Piece& piece, QByteArrayView argument) {
    piece.kind = PieceKind::delimiterChange;
    const QByteArray delimiter = delimiterFromArgument(argument);
    if (!delimiter.isEmpty()) setDelimiter(delimiter);
    piece.delimiter = QByteArray(delimiter_.data(), delimiterLength_);
}

qint64 Lexer::lineAt(const char* p) {
    const char* counted = buffer_ + (linesCountedTo_ - bufferOffset_);
    Q_ASSERT(counted >= buffer_ && counted <= p);
    line_ += countLineFeeds(counted, p);
    linesCountedTo_ = offsetOf(p);
    return line_;
}

}  // namespace SqlStream
