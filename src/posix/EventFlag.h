#pragma once

#include "posix/UniqueFd.h"

// A flag that one thread raises and another can wait for with poll() beside its pipes and
// children: an eventfd that stays readable once raised.
class EventFlag {
public:
    EventFlag();
    EventFlag(const EventFlag&) = delete;
    EventFlag& operator=(const EventFlag&) = delete;

    void raise();
    bool isRaised() const;
    // For a flag raised again and again: lower it, then look at what it stands for, then wait.
    void lower();
    // Readable once raised.
    int descriptor() const { return fd_.get(); }

private:
    UniqueFd fd_;
};
