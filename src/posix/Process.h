#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "posix/UniqueFd.h"

// The one place that starts child processes. Every descriptor it creates is close-on-exec,
// so a child never inherits a pipe end meant for another; it is safe to call from several
// threads at once. Each child leads a process group of its own, so a terminal's Ctrl-C
// reaches only this program, which then ends its children in an order of its choosing.
namespace Process {

using Milliseconds = std::chrono::milliseconds;

// A child that could not be started, or a pipe that could not be made; what() is the
// system's own description of the failure.
class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Pipe {
    UniqueFd readEnd;
    UniqueFd writeEnd;
};

struct Spec {
    QString program;                  // absolute path; the child sees it as its name
    QStringList arguments;            // without the program name
    QProcessEnvironment environment;  // the child's complete environment
    int standardInput = -1;           // -1: inherit ours
    int standardOutput = -1;
    int standardError = -1;
    // Further descriptors the child gets, as (ours, its number).
    std::vector<std::pair<int, int>> extraDescriptors = {};
};

// One started child. Signals go through a pidfd, so they can never reach another process
// that took over the number; the child is reaped by wait*, stop or the destructor, which
// stops one that still runs. Used by one thread at a time.
class Child {
public:
    Child() = default;
    Child(Child&& other) noexcept;
    Child& operator=(Child&& other) noexcept;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child();

    // Throws LaunchError.
    static Child start(const Spec& spec);

    bool isStarted() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // Readable once the child has exited; -1 where the kernel has no pidfd.
    int exitDescriptor() const { return pidfd_.get(); }
    // The status once reaped: the exit status, or 128 plus the signal that ended it.
    std::optional<int> status() const { return status_; }

    void terminate();  // SIGTERM, unless reaped
    void kill();       // SIGKILL, unless reaped

    // Reaps the child if it has exited within the time; nullopt while it still runs.
    std::optional<int> waitFor(Milliseconds timeout);
    int wait();
    // SIGTERM, then SIGKILL when it is still there after the grace period; reaped.
    int stop(Milliseconds grace);

private:
    void signal(int number);
    std::optional<int> reapIfExited();

    pid_t pid_ = -1;
    UniqueFd pidfd_;
    std::optional<int> status_;
};

// How long a child gets between SIGTERM and SIGKILL.
constexpr Milliseconds kStopGrace{1500};

// A pipe whose both ends are close-on-exec. Throws LaunchError.
Pipe makePipe();

// Opens /dev/null for writing, close-on-exec. Throws LaunchError.
UniqueFd openNullDevice();

// Makes SIGPIPE ignored (a write into a pipe without reader fails with EPIPE) and SIGCHLD
// default (a launcher may have left it ignored, and then no child could be waited for).
// Idempotent; spawning calls it too.
void prepareSignals();

}  // namespace Process
