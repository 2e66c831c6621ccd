#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

#include "sql/SqlCommandMatcher.h"

// Cuts a stream of SQL text where the mysql/mariadb command-line client cuts it: into the statements it
// sends to the server and the commands it runs itself. Fed in chunks split anywhere; keeps a few bytes
// of state, never a statement.
//
// The client's rules, not the server's: /*! */ and /*M! */ comments are code, so a delimiter inside one
// ends the statement; "--" starts a comment only before whitespace; a backslash and a character outside
// strings and comments is a client command wherever it stands. Strings take backslash escapes, as they do
// unless the server runs with NO_BACKSLASH_ESCAPES.
namespace SqlStream {

enum class PieceKind {
    statement,        // sent to the server
    clientCommand,    // run by the client: system, source, use, ...
    unknownCommand,   // a backslash and a character the client has no command for: it stops with an error
    delimiterChange,  // DELIMITER or \d
    trailing,         // what finish() finds after the last whole piece: an unterminated statement, or blanks
};

struct Piece {
    PieceKind kind = PieceKind::statement;
    // Byte offsets in the whole stream. The pieces that are not nested follow each other without gaps:
    // whitespace and comments before a statement belong to it.
    qint64 begin = 0;
    qint64 textBegin = 0;  // first byte that is neither whitespace nor comment; end when there is none
    qint64 end = 0;        // past the delimiter, or the line feed (not included) that ends a command line
    qint64 firstLine = 1;  // line of textBegin, counted from 1 in line feeds
    // A backslash command inside a statement: the client runs it on the spot and the statement goes on
    // around it. It is reported when it ends, before the statement that holds it.
    bool nested = false;
    QByteArray commandName;  // clientCommand and delimiterChange: the command's long form
    QByteArray delimiter;    // delimiterChange: the delimiter in force after it (unchanged when refused)

    friend bool operator==(const Piece&, const Piece&) = default;
};

using PieceHandler = std::function<void(const Piece&)>;

class Lexer {
public:
    Lexer();

    // Reports the pieces these bytes complete. One that ends in the last few bytes of a chunk may wait for
    // the next chunk, when only the bytes after it can tell where it ends.
    void feed(const char* data, qsizetype size, const PieceHandler& onPiece);
    void feed(QByteArrayView bytes, const PieceHandler& onPiece) { feed(bytes.data(), bytes.size(), onPiece); }
    // The input is over: reports the rest as a command it completes, or as trailing.
    void finish(const PieceHandler& onPiece);

    // Everything before this offset is whole pieces.
    qint64 lastCompleteEnd() const { return lastCompleteEnd_; }
    // Whether the bytes after lastCompleteEnd() hold more than whitespace and comments, or may, until the
    // next bytes tell.
    bool insideStatement() const;
    QByteArrayView delimiter() const { return {delimiter_.data(), delimiterLength_}; }
    // Where a backslash command begins that has not ended yet; -1 when there is none.
    qint64 pendingCommandBegin() const { return command_ ? commandBegin_ : -1; }
    // The server's NO_BACKSLASH_ESCAPES, which the client follows in strings from the next statement on.
    void setBackslashEscapes(bool on) { backslashEscapes_ = on; }

    // The first line of the statement not yet complete, once its text has begun.
    std::optional<qint64> pendingStatementLine() const {
        return hasText_ ? std::optional<qint64>(firstLine_) : std::nullopt;
    }

private:
    enum class Mode : quint8 {
        code,
        singleQuoted,
        doubleQuoted,
        backticked,
        blockComment,
        lineComment,
        commandArgument,    // of a backslash command, up to the delimiter or the line end
        delimiterArgument,  // of \d
        commandLine,        // the rest of a DELIMITER line
    };

    const char* run(const char* p, const char* end, bool final);
    const char* scanBody(const char* p, const char* end);
    const char* step(const char* p, const char* end, const char* limit, bool final);
    const char* stepCode(const char* p, const char* end, const char* limit, bool final);
    const char* stepQuoted(const char* p, const char* end, const char* limit, bool final);
    const char* stepBlockComment(const char* p, const char* end, const char* limit, bool final);
    const char* stepCommandArgument(const char* p, const char* end, const char* limit, bool final);
    const char* stepDelimiterArgument(const char* p, const char* limit);
    const char* backslash(const char* p, const char* end, bool final);

    void startText(const char* p);
    void endStatement(const char* end, bool byDelimiter);
    void endCommandLine(qint64 end);
    void startBackslashCommand(const ClientCommand* command, const char* p);
    void endBackslashCommand(qint64 end);
    void emitCommand(PieceKind kind, const ClientCommand* command, qint64 begin, qint64 line, qint64 end, bool nested);
    void emitWhole(Piece& piece);
    void startPiece(qint64 begin);
    void applyDelimiterCommand(Piece& piece, QByteArrayView argument);
    void setDelimiter(QByteArrayView delimiter);

    qint64 offsetOf(const char* p) const { return bufferOffset_ + (p - buffer_); }
    qint64 lineAt(const char* p);

    std::array<char, kMaxDelimiterLength> delimiter_{};
    qsizetype delimiterLength_ = 0;
    // Bytes that may change the state in code, and inside /*! */, where */ matters too.
    std::array<bool, 256> codeStops_{};
    std::array<bool, 256> versionedStops_{};

    Mode mode_ = Mode::code;
    bool versioned_ = false;
    bool backslashEscapes_ = true;

    // The piece in progress.
    qint64 pieceBegin_ = 0;
    bool hasText_ = false;
    qint64 textBegin_ = 0;
    qint64 firstLine_ = 1;
    bool lineClean_ = true;  // only whitespace since the last line feed, in a piece without text yet
    CommandMatcher matcher_;
    quint64 wholePieces_ = 0;

    // A backslash command that reads an argument.
    const ClientCommand* command_ = nullptr;
    qint64 commandBegin_ = 0;
    qint64 commandLine_ = 0;
    bool commandNested_ = false;
    std::array<char, 64> argument_{};
    qsizetype argumentLength_ = 0;

    // Where the bytes being lexed sit in the stream.
    const char* buffer_ = nullptr;
    qint64 bufferOffset_ = 0;
    qint64 fed_ = 0;
    qint64 linesCountedTo_ = 0;
    qint64 line_ = 1;
    qint64 lastCompleteEnd_ = 0;
    const PieceHandler* onPiece_ = nullptr;

    // Bytes at the end of a chunk that need the next ones to be read: at most a delimiter's length.
    static constexpr qsizetype kCarryCapacity = 16;
    std::array<char, kCarryCapacity> carry_{};
    qsizetype carryLength_ = 0;
};

}  // namespace SqlStream
