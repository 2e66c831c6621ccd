#include "docker/EventFlag.h"

#include <cstdint>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>

#include "docker/SystemMessage.h"

EventFlag::EventFlag() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!fd_) throw std::runtime_error(("eventfd: " + systemMessage(errno)).toStdString());
}

void EventFlag::raise() {
    const std::uint64_t one = 1;
    // Only fails when the counter would overflow, and then it is raised already.
    (void)!::write(fd_.get(), &one, sizeof one);
}

bool EventFlag::isRaised() const {
    pollfd raised{fd_.get(), POLLIN, 0};
    return ::poll(&raised, 1, 0) > 0 && (raised.revents & POLLIN);
}
