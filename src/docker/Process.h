#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <sys/types.h>

// The one place that starts child processes. Every descriptor it creates is close-on-exec,
// so a child never inherits a pipe end meant for another; it is safe to call from several
// threads at once, and it makes SIGPIPE ignored process-wide (a write into a pipe without a
// reader fails with EPIPE instead of ending the program).
namespace Process {

// A child that could not be started, or a pipe that could not be made; what() is the
// system's own description of the failure.
class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Pipe {
    int readEnd = -1;
    int writeEnd = -1;
};

struct Spec {
    QString program;                  // absolute path; the child sees it as its name
    QStringList arguments;            // without the program name
    QProcessEnvironment environment;  // the child's complete environment
    int standardInput = -1;           // -1: inherit ours
    int standardOutput = -1;
    int standardError = -1;
};

// A pipe whose both ends are close-on-exec. Throws LaunchError.
Pipe makePipe();

// Opens /dev/null for writing, close-on-exec. Throws LaunchError.
int openNullDevice();

// Starts the child; the given descriptors become its standard streams. Throws LaunchError.
pid_t spawn(const Spec& spec);

// Waits for the child to end, retrying on EINTR. Returns its exit status, or 128 plus the
// signal number when a signal ended it.
int waitForExit(pid_t pid);

// Closes a descriptor if it is open and marks it closed; errors of closing are ignored.
void closeQuietly(int& fd);

// Ignores SIGPIPE for the whole process; idempotent.
void ignoreBrokenPipe();

}  // namespace Process
