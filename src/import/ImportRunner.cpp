#include "import/ImportRunner.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "docker/Process.h"
#include "import/ImportCommand.h"
#include "import/LineBuffer.h"
#include "import/SpeedWindow.h"
#include "import/SystemMessage.h"
#include "settings/L10n.h"

namespace {

double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Drains one output pipe into its line buffer until end of stream, then closes it.
void drainInto(int fd, LineBuffer* buffer) {
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        buffer->append(chunk, n);
    }
    buffer->finish();
    ::close(fd);
}

// Writes everything or fails with errno set.
bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Moves up to `limit` bytes from the file into the pipe. Stops short only at the end of the
// file or on an error, which is left in `error`.
qint64 spliceChunk(int file, int pipe, qint64 limit, int& error) {
    qint64 moved = 0;
    while (moved < limit) {
        const ssize_t n = ::splice(file, nullptr, pipe, nullptr, size_t(limit - moved), SPLICE_F_MOVE);
        if (n > 0) {
            moved += n;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    return moved;
}

QString tail(const QStringList& lines, qsizetype count) {
    return lines.mid(qMax<qsizetype>(0, lines.size() - count)).join(QLatin1Char('\n'));
}

}  // namespace

ImportOutcome ImportRunner::run(const ImportRequest& request, const DockerClient& client,
                                const ProgressHandler& onProgress, const LogHandler& onLog) {
    // A cancel may come before the job gets here; it must stop this run, so the flag is
    // never reset. One runner serves one import.
    const auto log = [&onLog](const QString& line) {
        if (onLog) onLog(line);
    };

    const MysqlInvocation invocation = ImportCommand::invocation(request, client.docker);
    log(invocation.display);

    // Descriptors this thread still owns; closed on every way out.
    Process::Pipe clientOut, clientErr, input, decompressed, gzipErr;
    const auto closeAll = [&] {
        for (Process::Pipe* pipe : {&clientOut, &clientErr, &input, &decompressed, &gzipErr}) {
            Process::closeQuietly(pipe->readEnd);
            Process::closeQuietly(pipe->writeEnd);
        }
    };
    const auto notStarted = [](const std::exception& error) {
        return ImportOutcome::failed(
            L10n::render(QStringLiteral("importNotStarted"), {QString::fromLocal8Bit(error.what())}));
    };

    const QProcessEnvironment environment = DockerClient::processEnvironment();
    pid_t gzipPid = -1;
    pid_t clientPid = -1;
    try {
        clientOut = Process::makePipe();
        clientErr = Process::makePipe();
        input = Process::makePipe();
        // A larger pipe means fewer wake-ups per megabyte; if refused, the default serves.
        ::fcntl(input.writeEnd, F_SETPIPE_SZ, 1 << 20);
        if (request.compressed) {
            decompressed = Process::makePipe();
            gzipErr = Process::makePipe();
            gzipPid = Process::spawn({client.gzip, {QStringLiteral("-dc")}, environment, input.readEnd,
                                      decompressed.writeEnd, gzipErr.writeEnd});
            adopt(gzipPid);
        }
    } catch (const std::exception& error) {
        closeAll();
        return notStarted(error);
    }
    try {
        // Only this child gets the password, in its environment; docker forwards it by name.
        clientPid = Process::spawn({client.docker, invocation.arguments,
                                    ImportCommand::clientEnvironment(request, environment),
                                    request.compressed ? decompressed.readEnd : input.readEnd, clientOut.writeEnd,
                                    clientErr.writeEnd});
        adopt(clientPid);
    } catch (const std::exception& error) {
        closeAll();
        if (gzipPid > 0) {
            ::kill(gzipPid, SIGTERM);
            waitForChild(gzipPid);
        }
        return notStarted(error);
    }

    // The children hold these now. Each output pipe ends exactly when its writer exits, and a
    // write into the input fails once its reader is gone.
    for (int* fd : {&input.readEnd, &decompressed.readEnd, &decompressed.writeEnd, &clientOut.writeEnd,
                    &clientErr.writeEnd, &gzipErr.writeEnd})
        Process::closeQuietly(*fd);

    LineBuffer clientErrors(log);
    LineBuffer clientOutput([&log](const QString& line) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) log(trimmed);
    });
    LineBuffer gzipErrors([&log](const QString& line) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) log(QStringLiteral("gzip: ") + trimmed);
    });
    std::vector<std::thread> readers;
    std::optional<QString> readerFailure;
    const auto startReader = [&](int& fd, LineBuffer& buffer) {
        if (readerFailure) return;
        try {
            readers.emplace_back(drainInto, fd, &buffer);
            fd = -1;
        } catch (const std::system_error& error) {
            readerFailure = QString::fromLocal8Bit(error.what());
        }
    };
    startReader(clientErr.readEnd, clientErrors);
    startReader(clientOut.readEnd, clientOutput);
    if (request.compressed) startReader(gzipErr.readEnd, gzipErrors);
    if (readerFailure) {
        // An undrained pipe could block a child for ever: stop the children instead.
        Process::closeQuietly(input.writeEnd);
        for (const pid_t pid : {gzipPid, clientPid}) {
            if (pid > 0) ::kill(pid, SIGTERM);
        }
        if (clientErr.readEnd >= 0) drainInto(std::exchange(clientErr.readEnd, -1), &clientErrors);
        if (clientOut.readEnd >= 0) drainInto(std::exchange(clientOut.readEnd, -1), &clientOutput);
        if (gzipErr.readEnd >= 0) drainInto(std::exchange(gzipErr.readEnd, -1), &gzipErrors);
        if (gzipPid > 0) waitForChild(gzipPid);
        waitForChild(clientPid);
        for (std::thread& reader : readers) reader.join();
        return ImportOutcome::failed(L10n::render(QStringLiteral("importNotStarted"), {*readerFailure}));
    }

    {
        std::lock_guard guard(lock_);
        stdinHandle_ = std::exchange(input.writeEnd, -1);
    }

    const double startTime = secondsNow();
    const CopyResult copy = copyFile(request.fileURL, startTime, onProgress);
    closeInput();

    const int gzipStatus = gzipPid > 0 ? waitForChild(gzipPid) : 0;
    const int clientStatus = waitForChild(clientPid);
    for (std::thread& reader : readers) reader.join();

    if (isCancelled()) return ImportOutcome::cancelled();
    switch (copy.kind) {
    case CopyResult::Kind::failed:
        // A broken pipe only says that a child stopped reading; the child's own error
        // (the statement mysql refused, the corrupt gzip stream) says why.
        if (copy.readerGone && (clientStatus != 0 || gzipStatus != 0)) break;
        return ImportOutcome::failed(copy.message);
    case CopyResult::Kind::cancelled:
        return ImportOutcome::cancelled();
    case CopyResult::Kind::finished:
        break;
    }
    if (clientStatus != 0) {
        const QString errors = tail(clientErrors.lines(), kErrorTailLines);
        if (!errors.isEmpty()) return ImportOutcome::failed(errors);
        return ImportOutcome::failed(L10n::render(QStringLiteral("mysqlStatus"), {qint64(clientStatus)}));
    }
    if (gzipPid > 0 && gzipStatus != 0)
        return ImportOutcome::failed(L10n::render(QStringLiteral("gzipStatus"), {qint64(gzipStatus)}));
    return ImportOutcome::success(secondsNow() - startTime);
}

ImportRunner::CopyResult ImportRunner::copyFile(const QString& path, double startTime,
                                                const ProgressHandler& onProgress) {
    const QByteArray localPath = QFile::encodeName(path);
    struct stat attributes {};
    if (::stat(localPath.constData(), &attributes) != 0)
        return {CopyResult::Kind::failed,
                L10n::render(QStringLiteral("sizeUnreadable"), {systemMessage(errno)})};
    const qint64 totalBytes = qint64(attributes.st_size);

    const int file = ::open(localPath.constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return {CopyResult::Kind::failed,
                L10n::render(QStringLiteral("dumpUnreadable"), {systemMessage(errno)})};
    const std::unique_ptr<int, void (*)(int*)> fileCloser(new int(file), [](int* fd) {
        ::close(*fd);
        delete fd;
    });
    ::posix_fadvise(file, 0, 0, POSIX_FADV_SEQUENTIAL);

    SpeedWindow window;
    double lastReport = -std::numeric_limits<double>::infinity();
    qint64 bytes = 0;
    // Takes a sample; reports when forced or when the interval has passed.
    const auto sampleAndReport = [&](bool force, bool inputFinished) {
        const double now = secondsNow();
        const double speed = window.sample(now, bytes);
        if (!force && now - lastReport < kReportInterval) return;
        lastReport = now;
        if (onProgress) onProgress({bytes, totalBytes, speed, now - startTime, inputFinished});
    };
    const auto cancelledReport = [&] {
        sampleAndReport(true, false);
        return CopyResult{CopyResult::Kind::cancelled, {}};
    };

    sampleAndReport(true, false);
    if (isCancelled()) return cancelledReport();

    const auto writeFailure = [this](int error) {
        if (isCancelled()) return CopyResult{CopyResult::Kind::cancelled, {}};
        return CopyResult{CopyResult::Kind::failed,
                          L10n::render(QStringLiteral("writeAborted"), {systemMessage(error)}), error == EPIPE};
    };

    // splice hands the file's cached pages to the pipe without copying them through this
    // process; where the file system cannot, read and write take over from the same offset
    // and name any error properly.
    bool splicing = true;
    std::unique_ptr<char[]> chunk;
    for (;;) {
        if (splicing) {
            const int fd = beginWrite();
            if (fd < 0) return writeFailure(EBADF);  // closed by a cancel
            int error = 0;
            const qint64 moved = spliceChunk(file, fd, kChunkBytes, error);
            endWrite();
            if (error == EPIPE) return writeFailure(error);
            if (error == 0 && moved == 0) {
                sampleAndReport(true, true);
                return {CopyResult::Kind::finished, {}};
            }
            if (moved > 0) {
                bytes += moved;
                sampleAndReport(false, false);
                if (isCancelled()) return cancelledReport();
            }
            if (error == 0) continue;
            splicing = false;
        }

        if (!chunk) chunk.reset(new char[kChunkBytes]);
        ssize_t n;
        do {
            n = ::read(file, chunk.get(), size_t(kChunkBytes));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            const int error = errno;
            if (isCancelled()) return {CopyResult::Kind::cancelled, {}};
            return {CopyResult::Kind::failed, L10n::render(QStringLiteral("readFailed"), {systemMessage(error)})};
        }
        if (n == 0) {
            sampleAndReport(true, true);
            return {CopyResult::Kind::finished, {}};
        }

        const int fd = beginWrite();
        if (fd < 0) return writeFailure(EBADF);  // closed by a cancel
        const bool written = writeAll(fd, chunk.get(), n);
        const int error = errno;
        endWrite();
        if (!written) return writeFailure(error);

        bytes += n;
        sampleAndReport(false, false);
        if (isCancelled()) return cancelledReport();
    }
}

void ImportRunner::cancel() {
    std::vector<pid_t> running;
    int input = -1;
    {
        std::lock_guard guard(lock_);
        cancelled_ = true;
        for (const Child& child : processes_) {
            if (!child.reaped) running.push_back(child.pid);
        }
        if (stdinHandle_ >= 0) {
            // Never close under a write in progress: the number could be reused at once and
            // receive dump data. The copy closes it when its write returns.
            if (writerBusy_) {
                closeWhenIdle_ = true;
            } else {
                input = std::exchange(stdinHandle_, -1);
            }
        }
        ++signalling_;
    }
    // Killing the readers of the input ends a write blocked on a full pipe.
    for (const pid_t pid : running) ::kill(pid, SIGTERM);
    {
        std::lock_guard guard(lock_);
        --signalling_;
    }
    signallingDone_.notify_all();
    if (input >= 0) ::close(input);
}

bool ImportRunner::isCancelled() const {
    std::lock_guard guard(lock_);
    return cancelled_;
}

void ImportRunner::adopt(pid_t pid) {
    bool alreadyCancelled;
    {
        std::lock_guard guard(lock_);
        processes_.push_back({pid, false});
        alreadyCancelled = cancelled_;
    }
    // Only this thread reaps, so the pid is still the child's.
    if (alreadyCancelled) ::kill(pid, SIGTERM);
}

int ImportRunner::waitForChild(pid_t pid) {
    // Wait for the exit but leave the zombie, which keeps the pid from being reused.
    siginfo_t info{};
    while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    {
        std::unique_lock guard(lock_);
        signallingDone_.wait(guard, [this] { return signalling_ == 0; });
        for (Child& child : processes_) {
            if (child.pid == pid) child.reaped = true;
        }
    }
    return Process::waitForExit(pid);
}

int ImportRunner::beginWrite() {
    std::lock_guard guard(lock_);
    if (stdinHandle_ < 0) return -1;
    writerBusy_ = true;
    return stdinHandle_;
}

void ImportRunner::endWrite() {
    int input = -1;
    {
        std::lock_guard guard(lock_);
        writerBusy_ = false;
        if (closeWhenIdle_) {
            closeWhenIdle_ = false;
            input = std::exchange(stdinHandle_, -1);
        }
    }
    if (input >= 0) ::close(input);
}

void ImportRunner::closeInput() {
    int input;
    {
        std::lock_guard guard(lock_);
        input = std::exchange(stdinHandle_, -1);
        closeWhenIdle_ = false;
    }
    if (input >= 0) ::close(input);
}
