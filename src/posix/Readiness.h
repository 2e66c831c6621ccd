#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>
#include <poll.h>
#include <span>

// The one place that waits on descriptors: every loop over pipes, children (pidfds) and
// flags (eventfds) goes through these, so a signal or a time limit is handled once.
namespace Readiness {

using Milliseconds = std::chrono::milliseconds;
inline constexpr Milliseconds kForever{-1};

// Waits until one of the descriptors is ready for its events or the limit has passed; a
// signal does not end the wait early. Answers how many are ready: 0 at the limit, -1 on an
// error other than a signal.
int wait(std::span<pollfd> watched, Milliseconds limit = kForever);

// Whether the descriptor is readable now, without waiting.
bool readableNow(int fd);

// Reads every descriptor until end of stream, whichever has data first, handing each block to
// the sink with the descriptor's index; a block of size 0 says that descriptor has ended (it
// is not read again; the caller closes it). With a limit it gives up when that has passed and
// answers false.
bool drain(std::span<const int> fds, const std::function<void(std::size_t, const char*, qsizetype)>& sink,
           Milliseconds limit = kForever);

}  // namespace Readiness
