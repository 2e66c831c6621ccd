#include "import/SqlCommandMatcher.h"

#include <cstring>

namespace SqlStream {

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isNameByte(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '?'; }

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

void CommandMatcher::start(char first, bool atLineStart) {
    reset();
    word_ = isNameByte(first) ? Word::collecting : Word::ruledOut;
    line_ = atLineStart && word_ == Word::collecting;
}

void CommandMatcher::observe(const char* from, const char* to, QByteArrayView delimiter) {
    for (; from < to && watching(); ++from) take(*from, delimiter);
}

void CommandMatcher::take(char c, QByteArrayView delimiter) {
    switch (word_) {
    case Word::collecting:
        if (isNameByte(c)) {
            // Most statements are told apart at their first letter or two.
            if (nameLength_ == qsizetype(name_.size())) {
                ruleOut();
            } else {
                name_[nameLength_++] = lowerCase(c);
                if (!startsClientCommandName(QByteArrayView(name_.data(), nameLength_))) ruleOut();
            }
        } else if (c == ' ' || c == '\t') {
            endWord();
        } else if (c == '\r') {
            // Only a line feed may follow: commandLine() is asked before that line feed arrives here.
            word_ = Word::afterCarriageReturn;
        } else {
            ruleOut();
        }
        break;
    case Word::afterCarriageReturn:
        ruleOut();
        break;
    case Word::matched:
        if (!hasArgument_ && !isSpace(c)) {
            hasArgument_ = true;
            if (!command_->takesArgument) ruleOut();
        }
        if (hasArgument_ && isDelimiterCommand(command_) && argumentLength_ < qsizetype(argument_.size())) {
            argument_[argumentLength_++] = c;
        }
        break;
    case Word::none:
    case Word::ruledOut:
        break;
    }
    if (!line_) return;
    if (recentLength_ == qsizetype(recent_.size())) {
        std::memmove(recent_.data(), recent_.data() + 1, recent_.size() - 1);
        --recentLength_;
    }
    recent_[recentLength_++] = c;
    const QByteArrayView recent(recent_.data(), recentLength_);
    if ((!delimiter.isEmpty() && recent.endsWith(delimiter)) || recent.endsWith("\\g")) {
        lineHasTerminator_ = true;
        if (word_ == Word::matched && !isDelimiterCommand(command_)) line_ = false;
    }
}

void CommandMatcher::endWord() {
    command_ = clientCommandNamed(QByteArrayView(name_.data(), nameLength_));
    if (!command_) {
        ruleOut();
        return;
    }
    word_ = Word::matched;
    if (lineHasTerminator_ && !isDelimiterCommand(command_)) line_ = false;
}

void CommandMatcher::ruleOut() {
    word_ = Word::ruledOut;
    line_ = false;
}

const ClientCommand* CommandMatcher::commandLine() {
    // The client reads a DELIMITER line whole; any other command line must hold neither the delimiter nor \g.
    const bool lineEndedWord = word_ == Word::collecting || word_ == Word::afterCarriageReturn;
    if (lineEndedWord) endWord();
    const bool fits = word_ == Word::matched &&
                      (isDelimiterCommand(command_) ||
                       (!lineHasTerminator_ && (command_->takesArgument || !hasArgument_)));
    line_ = false;
    if (fits) return command_;
    // A word that ran to the line end holds that line feed for the delimiter's reading.
    if (lineEndedWord) ruleOut();
    return nullptr;
}

const ClientCommand* CommandMatcher::commandStatement() {
    if (word_ == Word::collecting) endWord();
    if (word_ != Word::matched || (hasArgument_ && !command_->takesArgument)) return nullptr;
    return command_;
}

}  // namespace SqlStream
