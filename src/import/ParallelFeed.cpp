#include "import/ParallelFeed_p.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "posix/Readiness.h"

namespace {

constexpr int kStallReportMs = 1000;  // a wait still reports this often, so the speed shown falls
constexpr qsizetype kCheckpointsKept = 100000;

qint64 newlinesIn(QByteArrayView data) { return data.count('\n'); }

}  // namespace

ParallelFeed::ParallelFeed(std::vector<Session> sessions, QByteArray tag, const EventFlag& cancelled)
    : tag_(std::move(tag)), cancelled_(cancelled) {
    // The lanes' checkpoints are read by the output reader's thread, always under the lock.
    std::lock_guard hold(lock_);
    lanes_.reserve(sessions.size());
    for (const Session& session : sessions) {
        Lane lane;
        lane.session = session;
        lanes_.push_back(std::move(lane));
    }
    // The first session reads the dump from its second line on, after the session query.
    lanes_.front().checkpoints.push_back({2, 1});
}

DumpFilter::Lanes ParallelFeed::lanes() {
    return {[this](bool rows) { return switchTo(rows); }, [this](qint64 number) { return endBatch(number); },
            [this](QByteArrayView statement) { settings_.push_back(statement.toByteArray()); },
            int(lanes_.size()) - 1};
}

bool ParallelFeed::takeMarker(const QString& line) {
    const QByteArray text = line.toUtf8();
    if (!text.startsWith(tag_ + ' ') || text.size() < tag_.size() + 4) return false;
    const char kind = text[tag_.size() + 1];
    const QList<QByteArray> numbers = text.mid(tag_.size() + 3).split(' ');
    const qint64 number = numbers.value(0).toLongLong();
    if (kind == 'c') {
        committedNumber_ = std::max<qint64>(committedNumber_, numbers.value(1).toLongLong());
        committed_ = std::max<qint64>(committed_, number);
    }
    else if (kind == 's') synced_ = std::max<qint64>(synced_, number);
    else return false;
    markers_.raise();
    return true;
}

qint64 ParallelFeed::dumpLine(int session, qint64 clientLine) const {
    std::lock_guard hold(lock_);
    if (session < 0 || size_t(session) >= lanes_.size()) return clientLine;
    const auto& checkpoints = lanes_[size_t(session)].checkpoints;
    // The last checkpoint at or before the line: the lines from there on are the dump's, in order.
    const auto after = std::upper_bound(checkpoints.begin(), checkpoints.end(), clientLine,
                                        [](qint64 line, const std::pair<qint64, qint64>& point) {
                                            return line < point.first;
                                        });
    if (after == checkpoints.begin()) return 0;
    const auto& point = *std::prev(after);
    return point.second + (clientLine - point.first);
}

bool ParallelFeed::write(QByteArrayView data) {
    if (data.isEmpty()) return true;
    if (rows_ && openBatch_ == 0 && !openBatch()) return false;
    return writeStream(rows_ ? currentLane_ : 0, data);
}

bool ParallelFeed::writeStream(int index, QByteArrayView data) {
    Lane& lane = lanes_[size_t(index)];
    if (lastStreamLane_ != index || lane.injected) {
        std::lock_guard hold(lock_);
        if (qsizetype(lane.checkpoints.size()) >= kCheckpointsKept)
            lane.checkpoints.erase(lane.checkpoints.begin(), lane.checkpoints.begin() + kCheckpointsKept / 2);
        lane.checkpoints.push_back({lane.newlines + 1, streamNewlines_ + 1});
    }
    lastStreamLane_ = index;
    lane.injected = false;
    streamNewlines_ += newlinesIn(data);
    return writeAll(index, data);
}

bool ParallelFeed::inject(int index, QByteArrayView text) {
    lanes_[size_t(index)].injected = true;
    return writeAll(index, text);
}

bool ParallelFeed::writeAll(int index, QByteArrayView data) {
    Lane& lane = lanes_[size_t(index)];
    lane.newlines += newlinesIn(data);
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(lane.session.input, data.data() + written, size_t(data.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            writeError_ = errno;
            gone_ = true;
            return false;
        }
        if (await(index) != Wait::ready) return false;
    }
    return true;
}

ParallelFeed::Batch* ParallelFeed::batch(qint64 number) {
    const qint64 at = number - pendingBase_;
    if (at < 0 || at >= qint64(pending_.size())) return nullptr;
    return &pending_[size_t(at)];
}

void ParallelFeed::advance() {
    while (!pending_.empty() && pendingBase_ <= committed_) {
        pending_.pop_front();
        ++pendingBase_;
    }
    Batch* next = batch(committed_ + 1);
    if (!next || !next->complete || next->commitSent) return;
    const QByteArray text = "COMMIT; SELECT '" + tag_ + " c " + QByteArray::number(committed_ + 1) + ' ' +
                            QByteArray::number(next->number) + "' AS tarnwell_batch;\n";
    // Small enough to go in whole or not at all; when the pipe is full it waits for room.
    const ssize_t n = ::write(lanes_[size_t(next->lane)].session.input, text.constData(), size_t(text.size()));
    if (n == text.size()) {
        next->commitSent = true;
        lanes_[size_t(next->lane)].injected = true;
        lanes_[size_t(next->lane)].newlines += 1;
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        writeError_ = errno;
        gone_ = true;
    }
}

ParallelFeed::Wait ParallelFeed::await(int writeLane) {
    std::vector<pollfd> watched{{cancelled_.descriptor(), POLLIN, 0}, {markers_.descriptor(), POLLIN, 0}};
    for (const Lane& lane : lanes_) watched.push_back({lane.session.exitDescriptor, POLLIN, 0});
    if (writeLane >= 0) watched.push_back({lanes_[size_t(writeLane)].session.input, POLLOUT, 0});
    // A COMMIT that found its session's input full waits for room as well.
    if (const Batch* next = batch(committed_ + 1); next && next->complete && !next->commitSent)
        watched.push_back({lanes_[size_t(next->lane)].session.input, POLLOUT, 0});
    markers_.lower();
    advance();
    if (gone_) return Wait::gone;
    const int ready = Readiness::wait(watched, Readiness::Milliseconds(kStallReportMs));
    if (watched[0].revents & POLLIN) return Wait::cancelled;
    for (size_t i = 0; i < lanes_.size(); ++i) {
        if (watched[2 + i].revents & (POLLIN | POLLHUP)) {
            gone_ = true;
            return Wait::gone;
        }
    }
    if (ready == 0 && onStall_) onStall_();
    advance();
    return gone_ ? Wait::gone : Wait::ready;
}

bool ParallelFeed::awaitUntil(const std::function<bool()>& done) {
    for (;;) {
        markers_.lower();
        advance();
        if (gone_) return false;
        if (done()) return true;
        if (await(-1) != Wait::ready) return false;
    }
}

bool ParallelFeed::openBatch() {
    const qint64 number = ++batchesMade_;
    const int workers = int(lanes_.size()) - 1;
    const int index = 1 + int((number - 1) % workers);
    Lane& lane = lanes_[size_t(index)];
    // The session is free once its last batch is committed. The first batch of a run goes alone:
    // rows into an empty table may lock all of it until they are committed (MariaDB's bulk insert),
    // and a later batch that took that lock first would wait for its turn to commit for ever.
    if (!awaitUntil([&] { return lane.lastBatch <= committed_ && (number == runStart_ || committed_ >= runStart_); }))
        return false;
    for (; lane.settingsRun < settings_.size(); ++lane.settingsRun)
        if (!inject(index, settings_[lane.settingsRun] + ";\n")) return false;
    lane.lastBatch = number;
    pending_.push_back({index, false, false});
    openBatch_ = number;
    currentLane_ = index;
    return true;
}

bool ParallelFeed::endBatch(qint64 number) {
    if (openBatch_ == 0) return true;
    batch(openBatch_)->number = number;
    // The batch's last line runs now; its COMMIT waits for the batch before it.
    if (!inject(currentLane_, "\n")) return false;
    batch(openBatch_)->complete = true;
    openBatch_ = 0;
    advance();
    return !gone_;
}

bool ParallelFeed::switchTo(bool rows) {
    if (rows == rows_) return true;
    if (rows) {
        runStart_ = batchesMade_ + 1;
        // The rows' table exists once the first session has run everything before them.
        const qint64 number = ++syncsSent_;
        if (!inject(0, "SELECT '" + tag_ + " s " + QByteArray::number(number) + "' AS tarnwell_batch;\n"))
            return false;
        if (!awaitUntil([&] { return synced_ >= number; })) return false;
    } else {
        if (!endBatch()) return false;
        if (!awaitUntil([&] { return committed_ >= batchesMade_; })) return false;
    }
    rows_ = rows;
    return true;
}
