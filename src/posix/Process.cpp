#include "posix/Process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "posix/Readiness.h"
#include "posix/SystemMessage.h"

namespace Process {
namespace {

bool brokenPipeIgnoredAtStart = false;

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

// Through syscall(): glibc 2.36 declares the wrappers without C linkage.
int openPidfd(pid_t pid) { return int(::syscall(SYS_pidfd_open, pid, 0)); }
void signalPidfd(int pidfd, int number) { ::syscall(SYS_pidfd_send_signal, pidfd, number, nullptr, 0); }

int decodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

void prepareSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction previous {};
        ::sigaction(SIGPIPE, nullptr, &previous);
        brokenPipeIgnoredAtStart = previous.sa_handler == SIG_IGN;
        std::signal(SIGPIPE, SIG_IGN);
        std::signal(SIGCHLD, SIG_DFL);
    });
}

Pipe makePipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) fail(QStringLiteral("pipe"), errno);
    return Pipe{UniqueFd(ends[0]), UniqueFd(ends[1])};
}

UniqueFd openNullDevice() {
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd < 0) fail(QStringLiteral("/dev/null"), errno);
    return UniqueFd(fd);
}

Child Child::start(const Spec& spec) {
    prepareSignals();

    CStringArray argv;
    argv.append(spec.program);
    for (const QString& argument : spec.arguments) argv.append(argument);
    CStringArray envp;
    for (const QString& entry : spec.environment.toStringList()) envp.append(entry);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copies only.
    if (spec.standardInput >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardInput, STDIN_FILENO);
    if (spec.standardOutput >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardOutput, STDOUT_FILENO);
    if (spec.standardError >= 0) posix_spawn_file_actions_adddup2(&actions, spec.standardError, STDERR_FILENO);
    for (const auto& [ours, theirs] : spec.extraDescriptors) posix_spawn_file_actions_adddup2(&actions, ours, theirs);

    // Caught signals become default by exec itself; ignored ones stay ignored (nohup, a
    // background job), except SIGPIPE, which only this program ignores for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    if (!brokenPipeIgnoredAtStart) sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    sigset_t empty;
    sigemptyset(&empty);
    posix_spawnattr_setsigmask(&attributes, &empty);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);

    const QByteArray path = spec.program.toLocal8Bit();
    pid_t pid = -1;
    const int error = posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) fail(spec.program, error);

    Child child;
    child.pid_ = pid;
    // Not reaped yet, so the number is still this child's.
    child.pidfd_.reset(openPidfd(pid));  // close-on-exec by itself
    return child;
}

Child::Child(Child&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), pidfd_(std::move(other.pidfd_)), status_(std::exchange(other.status_, {})) {}

Child& Child::operator=(Child&& other) noexcept {
    if (this != &other) {
        if (isStarted() && !status_) stop(kStopGrace);
        pid_ = std::exchange(other.pid_, -1);
        pidfd_ = std::move(other.pidfd_);
        status_ = std::exchange(other.status_, {});
    }
    return *this;
}

Child::~Child() {
    if (isStarted() && !status_) stop(kStopGrace);
}

void Child::signal(int number) {
    if (!isStarted() || status_) return;
    if (pidfd_) {
        signalPidfd(pidfd_.get(), number);
    } else {
        ::kill(pid_, number);  // unreaped, so still ours
    }
}

void Child::terminate() { signal(SIGTERM); }
void Child::kill() { signal(SIGKILL); }

std::optional<int> Child::reapIfExited() {
    if (status_ || !isStarted()) return status_;
    int raw = 0;
    pid_t done;
    do {
        done = ::waitpid(pid_, &raw, WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == pid_) {
        status_ = decodeStatus(raw);
    } else if (done < 0) {
        status_ = -1;  // not ours to wait for any more
    }
    return status_;
}

std::optional<int> Child::waitFor(Milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (const auto done = reapIfExited()) return done;
        const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return std::nullopt;
        if (pidfd_) {
            pollfd exit{pidfd_.get(), POLLIN, 0};
            Readiness::wait({&exit, 1}, left);
        } else {
            std::this_thread::sleep_for(std::min(left, Milliseconds(10)));
        }
    }
}

int Child::wait() {
    if (!isStarted()) return -1;
    while (!status_) {
        int raw = 0;
        const pid_t done = ::waitpid(pid_, &raw, 0);
        if (done == pid_) {
            status_ = decodeStatus(raw);
        } else if (done < 0 && errno != EINTR) {
            status_ = -1;
        }
    }
    return *status_;
}

int Child::stop(Milliseconds grace) {
    if (!isStarted()) return -1;
    if (status_) return *status_;
    terminate();
    if (const auto done = waitFor(grace)) return *done;
    kill();
    return wait();
}

}  // namespace Process
