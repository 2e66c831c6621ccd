#include "posix/EventFlag.h"

#include <cstdint>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

#include "posix/Readiness.h"
#include "posix/SystemMessage.h"

EventFlag::EventFlag() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!fd_) throw std::runtime_error(("eventfd: " + systemMessage(errno)).toStdString());
}

void EventFlag::raise() {
    const std::uint64_t one = 1;
    // Only fails when the counter would overflow, and then it is raised already.
    (void)!::write(fd_.get(), &one, sizeof one);
}

bool EventFlag::isRaised() const { return Readiness::readableNow(fd_.get()); }

void EventFlag::lower() {
    std::uint64_t count = 0;
    // Nothing to read means it was not raised.
    (void)!::read(fd_.get(), &count, sizeof count);
}
