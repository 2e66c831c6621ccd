#include "sql/SqlClientCommands.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace SqlStream {

namespace {

constexpr std::array kCommands{
    ClientCommand{"?", '?', true},
    ClientCommand{"charset", 'C', true},
    ClientCommand{"clear", 'c', false},
    ClientCommand{"connect", 'r', true},
    ClientCommand{"delimiter", 'd', true},
    ClientCommand{"edit", 'e', false},
    ClientCommand{"ego", 'G', false},
    // Before "exit": \q reads as quit.
    ClientCommand{"quit", 'q', false},
    ClientCommand{"exit", 'q', false},
    ClientCommand{"go", 'g', false},
    ClientCommand{"help", 'h', true},
    ClientCommand{"nopager", 'n', false},
    ClientCommand{"notee", 't', false},
    ClientCommand{"nowarning", 'w', false},
    ClientCommand{"pager", 'P', true},
    ClientCommand{"print", 'p', false},
    ClientCommand{"prompt", 'R', true},
    ClientCommand{"rehash", '#', false},
    ClientCommand{"sandbox", '-', false},
    ClientCommand{"source", '.', true},
    ClientCommand{"status", 's', false},
    ClientCommand{"system", '!', true},
    ClientCommand{"tee", 'T', true},
    ClientCommand{"use", 'u', true},
    ClientCommand{"warnings", 'W', false},
    // MySQL's client only.
    ClientCommand{"query_attributes", 0, true},
    ClientCommand{"resetconnection", 'x', false},
    ClientCommand{"ssl_session_data_print", 0, true},
};

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

const ClientCommand* clientCommandNamed(QByteArrayView lowerCaseName) {
    for (const ClientCommand& command : kCommands) {
        if (lowerCaseName == QByteArrayView(command.name)) return &command;
    }
    return nullptr;
}

const ClientCommand* clientCommandWithShortForm(char shortForm) {
    if (shortForm == 0) return nullptr;
    for (const ClientCommand& command : kCommands) {
        if (command.shortForm == shortForm) return &command;
    }
    return nullptr;
}

bool startsClientCommandName(QByteArrayView lowerCasePrefix) {
    // Asked at the start of every statement: compared in place, without a call per name.
    for (const ClientCommand& command : kCommands) {
        qsizetype same = 0;
        while (same < lowerCasePrefix.size() && command.name[same] == lowerCasePrefix[same]) ++same;
        if (same == lowerCasePrefix.size()) return true;
    }
    return false;
}

bool isDelimiterCommand(const ClientCommand* command) {
    return command && std::strcmp(command->name, "delimiter") == 0;
}

QByteArray delimiterFromArgument(QByteArrayView argument) {
    // The client reads lines without their carriage return.
    if (argument.endsWith('\r')) argument.chop(1);
    qsizetype at = 0;
    while (at < argument.size() && isSpace(argument[at])) ++at;
    char quote = 0;
    if (at < argument.size() && (argument[at] == '\'' || argument[at] == '"' || argument[at] == '`')) {
        quote = argument[at++];
    }
    QByteArray delimiter;
    for (; at < argument.size(); ++at) {
        const char c = argument[at];
        if (c == '\\' && at + 1 < argument.size()) {
            delimiter += argument[++at];
        } else if (quote && c == quote && at + 1 < argument.size() && argument[at + 1] == quote) {
            delimiter += quote;
            ++at;
        } else if (c == (quote ? quote : ' ')) {
            break;
        } else {
            delimiter += c;
        }
    }
    if (delimiter.contains('\\')) return {};
    return delimiter.left(kMaxDelimiterLength);
}

bool isHarmlessCommand(QByteArrayView name) {
    static constexpr std::array<QByteArrayView, 17> harmless{
        "use",    "delimiter", "charset", "go", "ego",    "print",  "warnings",        "nowarning",       "clear",
        "status", "sandbox",   "help",    "?",  "rehash", "prompt", "resetconnection", "query_attributes"};
    return std::find(harmless.begin(), harmless.end(), name) != harmless.end();
}

}  // namespace SqlStream
