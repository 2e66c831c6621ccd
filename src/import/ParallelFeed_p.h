#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "dump/DumpFilter.h"
#include "posix/EventFlag.h"

// Writes the stream into several client sessions. The first runs the dump in its order; the
// others load the rows that the stream spreads, batch after batch in turn. A batch is committed
// only once the one before it is: whatever ends the import, the tables hold the batches from the
// first up to some batch, whole, as with one session. Before its rows, a session repeats the
// settings the first one ran since its last batch. Rows go out only once the first session has
// run everything before them, and the first session goes on only once every batch is committed.
class ParallelFeed {
public:
    struct Session {
        int input = -1;          // the client's input, non-blocking
        int exitDescriptor = -1;  // readable once the client has exited
    };
    using StallHandler = std::function<void()>;

    // `sessions[0]` runs the dump in order. `tag` starts the markers the clients print.
    ParallelFeed(std::vector<Session> sessions, QByteArray tag, const EventFlag& cancelled);
    // Called about once a second while a wait goes on.
    void onStall(StallHandler handler) { onStall_ = std::move(handler); }

    DumpFilter::Lanes lanes();
    // The filter's output, to the session whose turn it is.
    bool write(QByteArrayView data);

    // A line the client of any session printed, from the output reader's thread; true when it
    // was one of this feed's markers.
    bool takeMarker(const QString& line);

    // The stream's number of the last batch committed here, 0 before any.
    qint64 committedBatch() const { return committedNumber_; }
    // The stream stopped because a client exited or its input broke; writeError() is the errno
    // of a broken input, 0 when a client was seen to exit.
    bool clientGone() const { return gone_; }
    int writeError() const { return writeError_; }
    // The dump's line for a line the session's client counted (from its session query on).
    qint64 dumpLine(int session, qint64 clientLine) const;

private:
    struct Lane {
        Session session;
        qint64 newlines = 1;  // written so far; the session query was the first line
        size_t settingsRun = 0;
        qint64 lastBatch = 0;
        bool injected = false;  // bytes of its own went in since the stream's last bytes here
        std::vector<std::pair<qint64, qint64>> checkpoints;  // client line, dump line
    };
    struct Batch {
        int lane = 0;
        qint64 number = 0;  // the stream's
        bool complete = false;
        bool commitSent = false;
    };
    enum class Wait { ready, cancelled, gone };

    bool switchTo(bool rows);
    bool endBatch(qint64 number = 0);
    bool openBatch();
    bool writeStream(int lane, QByteArrayView data);
    bool inject(int lane, QByteArrayView text);
    bool writeAll(int lane, QByteArrayView data);
    // Sends the next COMMIT when its batch is complete and the one before is committed.
    void advance();
    Wait await(int writeLane);
    bool awaitUntil(const std::function<bool()>& done);
    Batch* batch(qint64 number);

    std::vector<Lane> lanes_;
    const QByteArray tag_;
    const EventFlag& cancelled_;
    StallHandler onStall_;
    EventFlag markers_;
    mutable std::mutex lock_;  // the lanes' checkpoints, read by the output reader

    std::vector<QByteArray> settings_;
    qint64 streamNewlines_ = 0;
    int lastStreamLane_ = 0;
    bool rows_ = false;
    int currentLane_ = 0;
    qint64 openBatch_ = 0;  // the batch being written, 0 between batches
    qint64 batchesMade_ = 0;
    qint64 runStart_ = 1;  // the first batch of the rows now loading
    std::deque<Batch> pending_;  // batches committedBatches()+1 …
    qint64 pendingBase_ = 1;     // the number of pending_.front()
    qint64 syncsSent_ = 0;
    std::atomic<qint64> synced_{0};
    std::atomic<qint64> committed_{0};
    std::atomic<qint64> committedNumber_{0};
    bool gone_ = false;
    int writeError_ = 0;
};
