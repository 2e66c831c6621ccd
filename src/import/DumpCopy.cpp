#include <cerrno>
#include <chrono>
#include <limits>
#include <memory>
#include <unistd.h>

#include "dump/DumpFilter.h"
#include "import/DumpCopy_p.h"
#include "import/ParallelFeed_p.h"
#include "l10n/L10n.h"
#include "posix/EventFlag.h"
#include "posix/Readiness.h"
#include "posix/SystemMessage.h"

namespace {

// A stalled pipe still gets a report this often, so the speed shown falls to what it is.
constexpr int kStallReportMs = 1000;

enum class Wait { ready, cancelled, stalled };

Wait waitFor(int fd, short events, const EventFlag& cancelled) {
    pollfd watched[2] = {{fd, events, 0}, {cancelled.descriptor(), POLLIN, 0}};
    const int ready = Readiness::wait(watched, Readiness::Milliseconds(kStallReportMs));
    if (watched[1].revents & POLLIN) return Wait::cancelled;
    return ready == 0 ? Wait::stalled : Wait::ready;
}

CopyResult readFailure(int error) {
    return CopyResult::failedWith(L10n::render(QStringLiteral("readFailed"), {systemMessage(error)}));
}

}  // namespace

double DumpCopy::secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

DumpCopy::DumpCopy(const CopySource& source, qint64 totalBytes, int clientInput, DumpFilter& filter,
                   const EventFlag& cancelled, double startTime, ProgressHandler onProgress, ParallelFeed* feed)
    : source_(source),
      totalBytes_(totalBytes),
      clientInput_(clientInput),
      filter_(filter),
      cancelled_(cancelled),
      startTime_(startTime),
      onProgress_(std::move(onProgress)),
      feed_(feed),
      lastReport_(-std::numeric_limits<double>::infinity()),
      movedAt_(startTime) {
    if (feed_) feed_->onStall([this] { report(true, false); });
}

qint64 DumpCopy::fileBytes() const {
    if (!source_.decompressed) return textBytes_;
    const off_t offset = ::lseek(source_.file, 0, SEEK_CUR);
    return offset < 0 ? qint64(0) : qint64(offset);
}

void DumpCopy::report(bool force, bool inputFinished) {
    const double now = secondsNow();
    const qint64 bytes = fileBytes();
    const double speed = window_.sample(now, bytes);
    if (bytes != movedBytes_) {
        movedBytes_ = bytes;
        movedAt_ = now;
    }
    if (!force && now - lastReport_ < kReportInterval) return;
    lastReport_ = now;
    if (onProgress_)
        onProgress_({bytes, totalBytes_, speed, now - startTime_, inputFinished, now - movedAt_, filter_.currentTable(),
                     filter_.tableNumber(), filter_.expectedTables(), filter_.tables()});
}

CopyResult DumpCopy::stopped() {
    report(true, false);
    return CopyResult{CopyResult::Kind::cancelled, {}, false, fileBytes(), false};
}

bool DumpCopy::write(QByteArrayView data) {
    if (feed_) {
        if (feed_->write(data)) return true;
        // A client that exited stopped the stream: its own end says why.
        if (feed_->clientGone()) writeError_ = feed_->writeError() ? feed_->writeError() : EPIPE;
        return false;
    }
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(clientInput_, data.data() + written, size_t(data.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            writeError_ = errno;
            return false;
        }
        for (bool room = false; !room;) {
            switch (waitFor(clientInput_, POLLOUT, cancelled_)) {
            case Wait::ready: room = true; break;
            case Wait::cancelled: return false;
            case Wait::stalled: report(true, false); break;
            }
        }
    }
    return true;
}

std::optional<CopyResult> DumpCopy::afterFilter(DumpFilter::Result result) {
    switch (result) {
    case DumpFilter::Result::goOn: return std::nullopt;
    case DumpFilter::Result::refused: {
        CopyResult refused = CopyResult::failedWith(filter_.refusal());
        refused.endsWhole = filter_.sentOnlyWholeStatements();
        return refused;
    }
    case DumpFilter::Result::sinkStopped: break;
    }
    if (writeError_ == 0) return stopped();
    return CopyResult::failedWith(L10n::render(QStringLiteral("writeAborted"), {systemMessage(writeError_)}),
                                  writeError_ == EPIPE);
}

CopyResult DumpCopy::run() {
    const DumpFilter::Sink sink = [this](QByteArrayView data) { return write(lineEnds_.fold(data)); };
    report(true, false);
    const std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
    for (;;) {
        if (cancelled_.isRaised()) return stopped();
        const ssize_t got = ::read(source_.text, chunk.get(), size_t(kChunkBytes));
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return readFailure(errno);
            for (bool readable = false; !readable;) {
                switch (waitFor(source_.text, POLLIN, cancelled_)) {
                case Wait::ready: readable = true; break;
                case Wait::cancelled: return stopped();
                case Wait::stalled: report(true, false); break;
                }
            }
            continue;
        }
        if (got == 0) {
            if (const auto ended = afterFilter(filter_.finish(sink))) return *ended;
            if (!write(lineEnds_.finish())) return *afterFilter(DumpFilter::Result::sinkStopped);
            report(true, true);
            return CopyResult{CopyResult::Kind::finished, {}, false, fileBytes(), false};
        }
        textBytes_ += got;
        if (const auto ended = afterFilter(filter_.feed(QByteArrayView(chunk.get(), got), sink))) return *ended;
        report(false, false);
    }
}
