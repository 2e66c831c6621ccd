#pragma once

#include <thread>
#include <vector>

#include "posix/UniqueFd.h"

class LineBuffer;

// Drains the children's output pipes into their line buffers on one thread, until every
// pipe has reached end of stream (each ends when the last child holding it exits).
class OutputReader {
public:
    OutputReader() = default;
    OutputReader(const OutputReader&) = delete;
    OutputReader& operator=(const OutputReader&) = delete;
    ~OutputReader() { join(); }

    void add(UniqueFd pipe, LineBuffer& buffer);
    // Throws std::system_error when no thread can be started.
    void start();
    // Waits until every pipe has ended and each buffer is finished.
    void join();

private:
    void drain();

    std::vector<std::pair<UniqueFd, LineBuffer*>> pipes_;
    std::thread thread_;
};
