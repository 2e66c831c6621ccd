#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "docker/DockerClient.h"
#include "dump/DumpFilter.h"
#include "dump/DumpFormat.h"
#include "dump/DumpSource.h"
#include "import/DumpCopy_p.h"
#include "import/ImportCommand.h"
#include "import/ImportOutcome.h"
#include "import/ImportPipeline_p.h"
#include "import/LineBuffer.h"
#include "import/OutputReader_p.h"
#include "import/ParallelFeed_p.h"
#include "import/RowSession_p.h"
#include "import/SessionGuard_p.h"
#include "posix/EventFlag.h"

// The stages of one import, in the order they run: start the pipeline and its output
// reader, learn the session, guard it, copy the dump, end the input (as planned, or early in
// the safe order), collect the outcome.
class ImportRun {
public:
    using ProgressHandler = std::function<void(const ImportProgress&)>;
    using LogHandler = std::function<void(const QString&)>;

    // Time for the client to connect and name its session.
    static constexpr int kSessionLimitMs = 60000;

    ImportRun(const ImportRequest& request, const DockerClient& tools, const EventFlag& cancelled,
              const ProgressHandler& onProgress, const LogHandler& onLog);
    ImportOutcome execute();

    // The run returned while its watchdog still holds the session's end (a paused
    // container); awaitGuard, on a thread of its own, waits until that is done.
    bool isLeftToGuard() const { return leftToGuard_; }
    void awaitGuard();

private:
    enum class Session { known, clientEnded, cancelled, silent };

    void log(const QString& line) const;
    bool spreadsRows() const { return request_.jobs > 1; }
    // A line of a session's error output, its "at line N" counted in the dump's lines.
    QString inDump(const QString& line, int session) const;
    // The same for the live log, from the output reader's thread.
    QString liveLine(const QString& line, int session) const;
    void handleOutput(const QString& line, EventFlag& known, std::atomic<qint64>& id);
    bool allSessionsKnown() const;
    void startRowSessions();
    void makeFeed();
    void startFeed();
    // The processes of every session: the first, then the rows' ones.
    std::vector<Process::Child*> clients();
    ImportOutcome importDump();
    void removeAccount();
    void tellWhatIsKept();
    // The last batch committed in any session: batches commit in their order.
    qint64 committedBatch() const;
    KeptPoint keptPoint() const;
    std::optional<QString> startPipeline();
    Session learnSession();
    ImportOutcome endBeforeDump(Session session);
    std::optional<QString> startGuards();
    std::optional<QString> guardAndDecompress(int dumpFile);
    void endInput(const CopyResult& copy);
    void endEarly(bool readerGone);
    void leaveToGuard();
    ImportOutcome collect(const CopyResult& copy);
    ImportOutcome clientFailure(int status, const LineBuffer& errors, int session) const;
    ImportOutcome decompressorFailure(int status) const;
    // Waits until the child exits; false when a cancel came first.
    bool awaitExit(Process::Child& child);

    const ImportRequest request_;
    const DockerClient tools_;
    const EventFlag& cancelled_;
    const ProgressHandler onProgress_;
    const LogHandler onLog_;
    const MysqlInvocation invocation_;
    const MysqlInvocation rowInvocation_;
    // The user's login's: it makes and removes the temporary account.
    const QProcessEnvironment loginEnvironment_;

    EventFlag sessionKnown_;
    std::atomic<qint64> sessionId_{0};
    std::atomic<qint64> committedBatches_{0};
    double startTime_ = 0;
    bool clientEndedOnItsOwn_ = true;
    bool decompressorEndedOnItsOwn_ = true;
    // Written under the lock by this run's thread, and read under it by the reader's lines.
    mutable std::mutex logLock_;
    bool leftToGuard_ = false;
    bool accountMade_ = false;
    bool trustTurnedOn_ = false;
    DumpFormat::Compression compression_ = DumpFormat::Compression::none;

    // Destroyed in reverse: the watchdog lets go, the children are stopped, the reader is
    // joined, and only then do the buffers it fills go.
    LineBuffer clientErrors_;
    LineBuffer clientOutput_;
    LineBuffer decompressorErrors_;
    std::vector<std::unique_ptr<LineBuffer>> rowErrors_;
    std::vector<std::unique_ptr<LineBuffer>> rowOutputs_;
    std::vector<std::unique_ptr<RowSessionName>> rowNames_;
    // Read by the output reader's thread: it goes only after that thread has ended.
    std::unique_ptr<ParallelFeed> feed_;
    std::atomic<ParallelFeed*> feedInUse_{nullptr};
    OutputReader reader_;
    ImportPipeline pipeline_;
    SessionGuard guard_;
    std::vector<std::unique_ptr<RowSession>> rowSessions_;
    DumpFilter filter_;
};
