#include "import/DumpCopy.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <poll.h>
#include <unistd.h>

#include "docker/EventFlag.h"
#include "docker/SystemMessage.h"
#include "import/SpeedWindow.h"
#include "settings/L10n.h"

namespace DumpCopy {
namespace {

// A stalled pipe still gets a report this often, so the speed shown falls to what it is.
constexpr int kStallReportMs = 1000;

enum class Wait { writable, cancelled, stalled };

Wait waitWritable(int pipe, const EventFlag& cancelled) {
    pollfd watched[2] = {{pipe, POLLOUT, 0}, {cancelled.descriptor(), POLLIN, 0}};
    int ready;
    do {
        ready = ::poll(watched, 2, kStallReportMs);
    } while (ready < 0 && errno == EINTR);
    if (watched[1].revents & POLLIN) return Wait::cancelled;
    return ready == 0 ? Wait::stalled : Wait::writable;
}

}  // namespace

double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

CopyResult copy(int file, qint64 totalBytes, int pipe, const EventFlag& cancelled, double startTime,
                const std::function<void(const ImportProgress&)>& onProgress) {
    SpeedWindow window;
    double lastReport = -std::numeric_limits<double>::infinity();
    qint64 bytes = 0;
    qint64 movedBytes = 0;
    double movedAt = startTime;
    const auto report = [&](bool force, bool inputFinished) {
        const double now = secondsNow();
        const double speed = window.sample(now, bytes);
        if (bytes != movedBytes) {
            movedBytes = bytes;
            movedAt = now;
        }
        if (!force && now - lastReport < kReportInterval) return;
        lastReport = now;
        if (onProgress) onProgress({bytes, totalBytes, speed, now - startTime, inputFinished, now - movedAt});
    };
    const auto stopped = [&] {
        report(true, false);
        return CopyResult{CopyResult::Kind::cancelled, {}, false, bytes};
    };
    const auto finished = [&] {
        report(true, true);
        return CopyResult{CopyResult::Kind::finished, {}, false, bytes};
    };
    const auto readFailure = [](int error) {
        return CopyResult::failedWith(L10n::render(QStringLiteral("readFailed"), {systemMessage(error)}));
    };
    const auto writeFailure = [](int error) {
        return CopyResult::failedWith(L10n::render(QStringLiteral("writeAborted"), {systemMessage(error)}),
                                      error == EPIPE);
    };
    // Waits until the pipe takes more; false when cancelled.
    const auto awaitRoom = [&] {
        for (;;) {
            switch (waitWritable(pipe, cancelled)) {
            case Wait::writable: return true;
            case Wait::cancelled: return false;
            case Wait::stalled: report(true, false); break;
            }
        }
    };

    report(true, false);
    // splice hands the file's cached pages to the pipe without copying them through this
    // process; where the file system cannot, read and write take over from the same offset.
    for (;;) {
        if (cancelled.isRaised()) return stopped();
        const ssize_t n = ::splice(file, nullptr, pipe, nullptr, size_t(kChunkBytes), SPLICE_F_MOVE | SPLICE_F_NONBLOCK);
        if (n > 0) {
            bytes += n;
            report(false, false);
            continue;
        }
        if (n == 0) return finished();
        if (errno == EINTR) continue;
        if (errno == EAGAIN) {
            if (!awaitRoom()) return stopped();
            continue;
        }
        if (errno == EPIPE) return writeFailure(errno);
        if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) break;
        return readFailure(errno);
    }

    const std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
    for (;;) {
        if (cancelled.isRaised()) return stopped();
        ssize_t got;
        do {
            got = ::read(file, chunk.get(), size_t(kChunkBytes));
        } while (got < 0 && errno == EINTR);
        if (got < 0) return readFailure(errno);
        if (got == 0) return finished();
        ssize_t written = 0;
        while (written < got) {
            const ssize_t n = ::write(pipe, chunk.get() + written, size_t(got - written));
            if (n > 0) {
                written += n;
                continue;
            }
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return writeFailure(errno);
            if (!awaitRoom()) {
                bytes += written;
                return stopped();
            }
        }
        bytes += got;
        report(false, false);
    }
}

}  // namespace DumpCopy
