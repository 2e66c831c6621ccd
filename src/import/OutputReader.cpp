#include <cerrno>
#include <unistd.h>

#include "import/LineBuffer.h"
#include "import/OutputReader_p.h"
#include "posix/Readiness.h"

void OutputReader::add(UniqueFd pipe, LineBuffer& buffer) { pipes_.emplace_back(std::move(pipe), &buffer); }

void OutputReader::start() { thread_ = std::thread(&OutputReader::drain, this); }

void OutputReader::join() {
    if (thread_.joinable()) thread_.join();
}

void OutputReader::drain() {
    std::vector<int> fds;
    for (const auto& [pipe, buffer] : pipes_) fds.push_back(pipe.get());
    Readiness::drain(fds, [this](std::size_t index, const char* data, qsizetype size) {
        if (size > 0)
            pipes_[index].second->append(data, size);
        else
            pipes_[index].first.reset();
    });
    for (auto& [pipe, buffer] : pipes_) {
        pipe.reset();
        buffer->finish();
    }
}
