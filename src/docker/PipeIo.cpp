#include "docker/PipeIo.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

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
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    char block[65536];
    int fds[2] = {firstFd, secondFd};
    QByteArray* sinks[2] = {&first, &second};
    while (fds[0] >= 0 || fds[1] >= 0) {
        int wait = -1;
        if (limitMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return false;
            wait = int(left);
        }
        pollfd watched[2] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}};
        if (::poll(watched, 2, wait) < 0) {
            if (errno == EINTR) continue;
            return true;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i] < 0 || watched[i].revents == 0) continue;
            const ssize_t n = ::read(fds[i], block, sizeof block);
            if (n > 0) {
                sinks[i]->append(block, n);
            } else if (n == 0 || errno != EINTR) {
                fds[i] = -1;  // the caller closes it
            }
        }
    }
    return true;
}

}  // namespace PipeIo
