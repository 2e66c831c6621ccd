#include "import/DumpCopy.h"

#include <cerrno>
#include <chrono>
#include <limits>
#include <memory>
#include <poll.h>
#include <unistd.h>

#include "docker/EventFlag.h"
#include "docker/SystemMessage.h"
#include "import/DumpFilter.h"
#include "import/SpeedWindow.h"
#include "settings/L10n.h"

namespace DumpCopy {
namespace {

// A stalled pipe still gets a report this often, so the speed shown falls to what it is.
constexpr int kStallReportMs = 1000;

enum class Wait { ready, cancelled, stalled };

Wait waitFor(int fd, short events, const EventFlag& cancelled) {
    pollfd watched[2] = {{fd, events, 0}, {cancelled.descriptor(), POLLIN, 0}};
    int ready;
    do {
        ready = ::poll(watched, 2, kStallReportMs);
    } while (ready < 0 && errno == EINTR);
    if (watched[1].revents & POLLIN) return Wait::cancelled;
    return ready == 0 ? Wait::stalled : Wait::ready;
}

}  // namespace

double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

CopyResult copy(const CopySource& source, qint64 totalBytes, int clientInput, DumpFilter& filter,
                const EventFlag& cancelled, double startTime,
                const std::function<void(const ImportProgress&)>& onProgress) {
    SpeedWindow window;
    double lastReport = -std::numeric_limits<double>::infinity();
    qint64 textBytes = 0;
    // A decompressor reads the file through the same open file: its offset is the progress.
    const auto fileBytes = [&] {
        if (!source.decompressed) return textBytes;
        const off_t offset = ::lseek(source.file, 0, SEEK_CUR);
        return offset < 0 ? qint64(0) : qint64(offset);
    };
    qint64 movedBytes = 0;
    double movedAt = startTime;
    const auto report = [&](bool force, bool inputFinished) {
        const double now = secondsNow();
        const qint64 bytes = fileBytes();
        const double speed = window.sample(now, bytes);
        if (bytes != movedBytes) {
            movedBytes = bytes;
            movedAt = now;
        }
        if (!force && now - lastReport < kReportInterval) return;
        lastReport = now;
        if (onProgress)
            onProgress({bytes, totalBytes, speed, now - startTime, inputFinished, now - movedAt, filter.currentTable(),
                        filter.tableNumber(), filter.expectedTables()});
    };
    const auto stopped = [&] {
        report(true, false);
        return CopyResult{CopyResult::Kind::cancelled, {}, false, fileBytes(), false};
    };
    const auto readFailure = [](int error) {
        return CopyResult::failedWith(L10n::render(QStringLiteral("readFailed"), {systemMessage(error)}));
    };

    // Writes everything or says why not: a cancel, or the client's input gone.
    int writeError = 0;
    const DumpFilter::Sink sink = [&](QByteArrayView data) {
        qsizetype written = 0;
        while (written < data.size()) {
            const ssize_t n = ::write(clientInput, data.data() + written, size_t(data.size() - written));
            if (n > 0) {
                written += n;
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN) {
                writeError = errno;
                return false;
            }
            for (bool room = false; !room;) {
                switch (waitFor(clientInput, POLLOUT, cancelled)) {
                case Wait::ready: room = true; break;
                case Wait::cancelled: return false;
                case Wait::stalled: report(true, false); break;
                }
            }
        }
        return true;
    };
    const auto afterFilter = [&](DumpFilter::Result result) -> std::optional<CopyResult> {
        switch (result) {
        case DumpFilter::Result::goOn: return std::nullopt;
        case DumpFilter::Result::refused: {
            CopyResult refused = CopyResult::failedWith(filter.refusal());
            refused.endsWhole = filter.sentOnlyWholeStatements();
            return refused;
        }
        case DumpFilter::Result::sinkStopped: break;
        }
        if (writeError == 0) return stopped();
        return CopyResult::failedWith(L10n::render(QStringLiteral("writeAborted"), {systemMessage(writeError)}),
                                      writeError == EPIPE);
    };

    report(true, false);
    const std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
    for (;;) {
        if (cancelled.isRaised()) return stopped();
        const ssize_t got = ::read(source.text, chunk.get(), size_t(kChunkBytes));
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return readFailure(errno);
            for (bool readable = false; !readable;) {
                switch (waitFor(source.text, POLLIN, cancelled)) {
                case Wait::ready: readable = true; break;
                case Wait::cancelled: return stopped();
                case Wait::stalled: report(true, false); break;
                }
            }
            continue;
        }
        if (got == 0) {
            if (const auto ended = afterFilter(filter.finish(sink))) return *ended;
            report(true, true);
            return CopyResult{CopyResult::Kind::finished, {}, false, fileBytes(), false};
        }
        textBytes += got;
        if (const auto ended = afterFilter(filter.feed(QByteArrayView(chunk.get(), got), sink))) return *ended;
        report(false, false);
    }
}

}  // namespace DumpCopy
