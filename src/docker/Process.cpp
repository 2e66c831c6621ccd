#include "docker/Process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Process {
namespace {

QString systemMessage(int error) {
    char buffer[256];
    // GNU strerror_r returns the message, which may or may not be in the buffer.
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

[[noreturn]] void fail(const QString& what, int error) {
    throw LaunchError((what + QStringLiteral(": ") + systemMessage(error)).toStdString());
}

// Owns the C strings of an argv or envp array while posix_spawn reads them.
class CStringArray {
public:
    void append(const QString& text) { storage_.push_back(text.toLocal8Bit()); }
    char* const* data() {
        pointers_.clear();
        for (QByteArray& item : storage_) pointers_.push_back(item.data());
        pointers_.push_back(nullptr);
        return pointers_.data();
    }

private:
    std::vector<QByteArray> storage_;
    std::vector<char*> pointers_;
};

}  // namespace

void ignoreBrokenPipe() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

Pipe makePipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) fail(QStringLiteral("pipe"), errno);
    return Pipe{ends[0], ends[1]};
}

int openNullDevice() {
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd < 0) fail(QStringLiteral("/dev/null"), errno);
    return fd;
}

pid_t spawn(const Spec& spec) {
    ignoreBrokenPipe();

    CStringArray argv;
    argv.append(spec.program);
    for (const QString& argument : spec.arguments) argv.append(argument);
    CStringArray envp;
    for (const QString& entry : spec.environment.toStringList()) envp.append(entry);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 onto 0, 1 and 2 clears close-on-exec on the copies only.
    if (spec.standardInput >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardInput, STDIN_FILENO);
    if (spec.standardOutput >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardOutput, STDOUT_FILENO);
    if (spec.standardError >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardError, STDERR_FILENO);

    // The child starts with default signal handling and nothing blocked, whatever this
    // process ignores (SIGPIPE) or blocks.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGHUP);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    sigset_t empty;
    sigemptyset(&empty);
    posix_spawnattr_setsigmask(&attributes, &empty);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    const QByteArray path = spec.program.toLocal8Bit();
    pid_t pid = -1;
    const int error = posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) fail(spec.program, error);
    return pid;
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

void closeQuietly(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace Process
