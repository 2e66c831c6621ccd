#include "sql/SqlCommandMatcher.h"

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
    case Word::afterCarriageReturn: ruleOut(); break;
    case Word::matched: readArgument(c); break;
    case Word::none:
    case Word::ruledOut: break;
    }
    if (word_ == Word::ruledOut) return;
    if (recentLength_ == qsizetype(recent_.size())) {
        std::memmove(recent_.data(), recent_.data() + 1, recent_.size() - 1);
        --recentLength_;
    }
    recent_[recentLength_++] = c;
    const QByteArrayView recent(recent_.data(), recentLength_);
    if (((!delimiter.isEmpty() && recent.endsWith(delimiter)) || recent.endsWith("\\g")) &&
        !(word_ == Word::matched && isDelimiterCommand(command_))) {
        ruleOut();
    }
}

void CommandMatcher::readArgument(char c) {
    switch (argumentState_) {
    case Argument::none:
        if (isSpace(c)) return;
        if (!command_->takesArgument) {
            ruleOut();
            return;
        }
        if (c == '\'' || c == '"' || c == '`') {
            quote_ = c;
            argumentState_ = Argument::quoted;
        } else {
            argumentState_ = Argument::plain;
        }
        break;
    case Argument::quoted:
        if (c == quote_) {
            argumentState_ = Argument::afterQuote;
        } else {
            if (c == '\\' && quote_ != '`') argumentState_ = Argument::afterBackslash;
            ++quotedLength_;
        }
        break;
    case Argument::afterBackslash:
        argumentState_ = Argument::quoted;
        ++quotedLength_;
        break;
    case Argument::afterQuote:
        // A doubled quote stands for one.
        if (c == quote_) {
            argumentState_ = Argument::quoted;
            ++quotedLength_;
        } else {
            argumentState_ = Argument::closed;
        }
        break;
    case Argument::plain:
    case Argument::closed: break;
    }
    if (isDelimiterCommand(command_) && argumentLength_ < qsizetype(argument_.size())) {
        argument_[argumentLength_++] = c;
    }
}

bool CommandMatcher::fits() const {
    switch (argumentState_) {
    case Argument::none:
    case Argument::plain: return true;
    case Argument::afterQuote:
    case Argument::closed: return quotedLength_ > 0;
    case Argument::quoted:
    case Argument::afterBackslash: break;
    }
    return false;
}

void CommandMatcher::endWord() {
    command_ = clientCommandNamed(QByteArrayView(name_.data(), nameLength_));
    if (command_) {
        word_ = Word::matched;
    } else {
        ruleOut();
    }
}

void CommandMatcher::ruleOut() {
    word_ = Word::ruledOut;
    line_ = false;
}

const ClientCommand* CommandMatcher::commandLine() {
    const bool lineEndedWord = word_ == Word::collecting || word_ == Word::afterCarriageReturn;
    if (lineEndedWord) endWord();
    line_ = false;
    if (word_ == Word::matched && fits()) return command_;
    // A word that ran to the line end holds that line feed for the reading at the delimiter.
    if (lineEndedWord) ruleOut();
    return nullptr;
}

const ClientCommand* CommandMatcher::commandStatement() {
    if (word_ == Word::collecting) endWord();
    return word_ == Word::matched && fits() ? command_ : nullptr;
}

}  // namespace SqlStream
