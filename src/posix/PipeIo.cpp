#include "posix/PipeIo.h"

#include <cerrno>
#include <unistd.h>

#include "posix/Readiness.h"

namespace PipeIo {

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

void readUntilEnd(int fd, const std::function<void(const char*, qsizetype)>& sink) {
    char block[65536];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        sink(block, n);
    }
}

bool readBothUntilEnd(int firstFd, QByteArray& first, int secondFd, QByteArray& second, int limitMs) {
    const int fds[2] = {firstFd, secondFd};
    QByteArray* sinks[2] = {&first, &second};
    return Readiness::drain(
        fds, [&](std::size_t index, const char* data, qsizetype size) { sinks[index]->append(data, size); },
        Readiness::Milliseconds(limitMs < 0 ? -1 : limitMs));
}

}  // namespace PipeIo
