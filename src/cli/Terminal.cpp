#include "cli/Terminal.h"

#include <cerrno>
#include <csignal>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace Terminal {

namespace {

struct termios savedMode;

// Ctrl-C while the echo is off must not leave the terminal silent.
void restoreAndDie(int signalNumber) {
    ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

}  // namespace

bool isTerminal(int fd) { return ::isatty(fd) == 1; }

int columns(int fd) {
    struct winsize size {};
    if (::ioctl(fd, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

void write(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return;
        }
        data += written;
        left -= written;
    }
}

void out(const QString& line) { write(STDOUT_FILENO, line.toUtf8() + '\n'); }

void err(const QString& line) { write(STDERR_FILENO, line.toUtf8() + '\n'); }

std::optional<QString> readLine(bool hidden) {
    const bool silence = hidden && isTerminal(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &savedMode) == 0;
    struct sigaction previousInt {
    }, previousTerm{};
    if (silence) {
        struct sigaction restore {};
        restore.sa_handler = restoreAndDie;
        sigemptyset(&restore.sa_mask);
        ::sigaction(SIGINT, &restore, &previousInt);
        ::sigaction(SIGTERM, &restore, &previousTerm);
        struct termios quiet = savedMode;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }

    // Byte by byte, so nothing after the line is taken from the stream.
    QByteArray line;
    bool ended = false;
    for (;;) {
        char byte = 0;
        const ssize_t count = ::read(STDIN_FILENO, &byte, 1);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            ended = true;
            break;
        }
        if (byte == '\n') break;
        line += byte;
    }

    if (silence) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
        ::sigaction(SIGINT, &previousInt, nullptr);
        ::sigaction(SIGTERM, &previousTerm, nullptr);
        write(STDERR_FILENO, "\n");  // the swallowed Enter
    }
    if (ended && line.isEmpty()) return std::nullopt;
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}

}  // namespace Terminal
