#include "import/OutputReader.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "import/LineBuffer.h"

void OutputReader::add(UniqueFd pipe, LineBuffer& buffer) { pipes_.emplace_back(std::move(pipe), &buffer); }

void OutputReader::start() { thread_ = std::thread(&OutputReader::drain, this); }

void OutputReader::join() {
    if (thread_.joinable()) thread_.join();
}

void OutputReader::drain() {
    char block[65536];
    std::vector<pollfd> watched;
    for (const auto& [pipe, buffer] : pipes_) watched.push_back({pipe.get(), POLLIN, 0});
    std::size_t open = watched.size();
    while (open > 0) {
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0) continue;
            const ssize_t n = ::read(watched[i].fd, block, sizeof block);
            if (n > 0) {
                pipes_[i].second->append(block, n);
            } else if (n == 0 || errno != EINTR) {
                pipes_[i].first.reset();
                watched[i].fd = -1;  // poll skips it from now on
                --open;
            }
        }
    }
    for (auto& [pipe, buffer] : pipes_) {
        pipe.reset();
        buffer->finish();
    }
}
