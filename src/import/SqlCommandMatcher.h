#pragma once

#include "import/SqlClientCommands.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

namespace SqlStream {

// Tells from the first bytes of a statement whether the client runs it itself, as a long-form command.
// The client takes a command in two places: a whole line of its own, when the line starts a statement and
// holds no delimiter; or a whole statement that ends in the delimiter. Either way its first word (up to a
// space or tab) names the command, and any further text must be an argument the command takes.
class CommandMatcher {
public:
    // At the statement's first byte that is neither whitespace nor comment.
    void start(char first, bool atLineStart);
    void reset() { *this = CommandMatcher(); }

    // The statement's raw bytes in order, the first one included, up to its delimiter (not included).
    void observe(const char* from, const char* to, QByteArrayView delimiter);

    // Whether observe() can still change the outcome.
    bool watching() const {
        return word_ == Word::collecting || word_ == Word::afterCarriageReturn ||
               (word_ == Word::matched &&
                (line_ || !hasArgument_ ||
                 (isDelimiterCommand(command_) && argumentLength_ < qsizetype(argument_.size()))));
    }
    // Whether the statement's first line could still be a command line: ask commandLine() at its end.
    bool lineMayBeCommand() const { return line_; }
    // A DELIMITER line: the rest of the line is its argument, whatever it holds.
    bool wantsWholeLine() const { return line_ && word_ == Word::matched && isDelimiterCommand(command_); }

    // At the end of the first line (a line feed or the end of input): the command that line is, if any.
    const ClientCommand* commandLine();
    // At the delimiter that ends the statement: the command the statement is, if any.
    const ClientCommand* commandStatement();
    // The first bytes of the argument, for DELIMITER.
    QByteArrayView argument() const { return {argument_.data(), argumentLength_}; }

private:
    enum class Word : quint8 { none, collecting, afterCarriageReturn, matched, ruledOut };

    void take(char c, QByteArrayView delimiter);
    void endWord();
    void ruleOut();

    Word word_ = Word::none;
    std::array<char, 24> name_{};
    qsizetype nameLength_ = 0;
    const ClientCommand* command_ = nullptr;
    bool hasArgument_ = false;
    std::array<char, 64> argument_{};
    qsizetype argumentLength_ = 0;
    // The first line, while it may be a command line: its latest bytes, to find the delimiter or \g in it.
    bool line_ = false;
    bool lineHasTerminator_ = false;
    std::array<char, 16> recent_{};
    qsizetype recentLength_ = 0;
};

}  // namespace SqlStream
