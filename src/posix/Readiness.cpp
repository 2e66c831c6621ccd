#include "posix/Readiness.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace Readiness {

using Clock = std::chrono::steady_clock;

int wait(std::span<pollfd> watched, Milliseconds limit) {
    const bool bounded = limit.count() >= 0;
    const auto deadline = Clock::now() + (bounded ? limit : Milliseconds(0));
    for (;;) {
        int timeout = -1;
        if (bounded) {
            const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()).count();
            timeout = int(std::clamp<long long>(left, 0, 1 << 30));
        }
        const int ready = ::poll(watched.data(), watched.size(), timeout);
        if (ready >= 0 || errno != EINTR) return ready;
    }
}

bool readableNow(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return wait({&watched, 1}, Milliseconds(0)) > 0 && (watched.revents & POLLIN);
}

bool drain(std::span<const int> fds, const std::function<void(std::size_t, const char*, qsizetype)>& sink,
           Milliseconds limit) {
    const bool bounded = limit.count() >= 0;
    const auto deadline = Clock::now() + (bounded ? limit : Milliseconds(0));
    std::vector<pollfd> watched;
    for (const int fd : fds) watched.push_back({fd, POLLIN, 0});
    std::size_t open = watched.size();
    char block[65536];
    while (open > 0) {
        Milliseconds left = kForever;
        if (bounded) {
            left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
        }
        const int ready = wait(watched, left);
        if (ready < 0) return true;
        if (ready == 0) return false;
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0) continue;
            const ssize_t n = ::read(watched[i].fd, block, sizeof block);
            if (n > 0) {
                sink(i, block, n);
            } else if (n == 0 || errno != EINTR) {
                watched[i].fd = -1;  // poll skips it from now on
                --open;
                sink(i, block, 0);
            }
        }
    }
    return true;
}

}  // namespace Readiness
