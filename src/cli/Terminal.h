#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Standard streams of tarnwell-cli. Writes go straight to the descriptors, unbuffered, as
// UTF-8; write errors (a closed terminal, a gone reader) are ignored.
namespace Terminal {

bool isTerminal(int fd);

// The width of the terminal on fd in columns, or 0 when it is not known.
int columns(int fd);

void write(int fd, const QByteArray& bytes);

// One line on standard output or standard error.
void out(const QString& line);
void err(const QString& line);

// One line from standard input without its line end; nothing at the end of input. With
// hidden, a terminal does not echo what is typed (for passwords).
std::optional<QString> readLine(bool hidden);

}  // namespace Terminal
