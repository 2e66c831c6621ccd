#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The commands that the mysql/mariadb command-line client runs itself instead of sending them to the server.
namespace SqlStream {

struct ClientCommand {
    const char* name;  // long form, lower case; the client accepts it in any case
    char shortForm;    // the character after a backslash; 0 when there is none
    bool takesArgument;
};

// The client keeps at most this many bytes of a delimiter.
constexpr qsizetype kMaxDelimiterLength = 15;

// MariaDB's and MySQL's commands together: a dump is judged the same whichever client reads it.
const ClientCommand* clientCommandNamed(QByteArrayView lowerCaseName);
const ClientCommand* clientCommandWithShortForm(char shortForm);
// Whether some command's long form starts so.
bool startsClientCommandName(QByteArrayView lowerCasePrefix);

bool isDelimiterCommand(const ClientCommand* command);
// Whether the command only changes how the client reads or shows its input: no programs, files or
// other servers.
bool isHarmlessCommand(QByteArrayView name);

// What the client reads from the text after `delimiter` or `\d`: the first word, or a quoted string.
// Empty when the client refuses it (nothing there, or a backslash in it).
QByteArray delimiterFromArgument(QByteArrayView argument);

}  // namespace SqlStream
