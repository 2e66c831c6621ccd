#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

#include "sql/SqlClientCommands.h"

namespace SqlStream {

// Tells from the bytes of a statement whether the client runs it itself, as a long-form command.
// The client looks in two places: a line of its own that starts a statement, and a whole statement when it
// reaches the delimiter. Either way the first word (up to a space or tab) must name a command, any further
// text must be an argument the command takes and can read (a quoted one closed and not empty), and the text
// must hold neither the delimiter (inside a string, say) nor \g; DELIMITER itself may hold the delimiter.
class CommandMatcher {
public:
    // At the statement's first byte that is neither whitespace nor comment.
    void start(char first, bool atLineStart);
    void reset() { *this = CommandMatcher(); }

    // The statement's raw bytes in order, the first one included, up to its delimiter (not included).
    void observe(const char* from, const char* to, QByteArrayView delimiter);

    // Whether observe() can still change the outcome.
    bool watching() const {
        switch (word_) {
        case Word::collecting:
        case Word::afterCarriageReturn: return true;
        case Word::matched:
            // The delimiter may turn up inside a string anywhere; DELIMITER needs only its argument.
            return !isDelimiterCommand(command_) || line_ || argumentLength_ < qsizetype(argument_.size()) ||
                   !argumentRead();
        case Word::none:
        case Word::ruledOut: break;
        }
        return false;
    }
    // Whether the statement's first line could still be a command line: ask commandLine() at its end.
    bool lineMayBeCommand() const { return line_; }
    // A DELIMITER line: the rest of the line is its argument, delimiter or not.
    bool wantsWholeLine() const { return line_ && word_ == Word::matched && isDelimiterCommand(command_); }

    // At the end of the first line (a line feed or the end of input): the command that line is, if any.
    const ClientCommand* commandLine();
    // At the delimiter that ends the statement: the command the statement is, if any.
    const ClientCommand* commandStatement();
    // The first bytes of the argument, for DELIMITER.
    QByteArrayView argument() const { return {argument_.data(), argumentLength_}; }

private:
    enum class Word : quint8 { none, collecting, afterCarriageReturn, matched, ruledOut };
    // How far the client's reading of the argument has got: a plain word, or a quoted string.
    enum class Argument : quint8 { none, plain, quoted, afterBackslash, afterQuote, closed };

    void take(char c, QByteArrayView delimiter);
    void readArgument(char c);
    bool argumentRead() const {
        return argumentState_ != Argument::quoted && argumentState_ != Argument::afterBackslash;
    }
    bool fits() const;
    void endWord();
    void ruleOut();

    Word word_ = Word::none;
    std::array<char, 24> name_{};
    qsizetype nameLength_ = 0;
    const ClientCommand* command_ = nullptr;

    Argument argumentState_ = Argument::none;
    char quote_ = 0;
    qsizetype quotedLength_ = 0;
    std::array<char, 64> argument_{};
    qsizetype argumentLength_ = 0;

    bool line_ = false;
    // The latest bytes, to find the delimiter or \g in the text.
    std::array<char, 16> recent_{};
    qsizetype recentLength_ = 0;
};

}  // namespace SqlStream
