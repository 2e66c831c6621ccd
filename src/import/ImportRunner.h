#pragma once

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <sys/types.h>
#include <vector>

#include "docker/DockerClient.h"
#include "import/ImportOutcome.h"
#include "import/ImportProgress.h"
#include "import/ImportRequest.h"

// Carries out one import: `docker exec -i … mysql …` with gzip in front for a compressed
// dump, the file copied into the pipeline chunk by chunk with progress, the children's
// output forwarded line by line. One runner per import; cancel() from any thread.
class ImportRunner {
public:
    using ProgressHandler = std::function<void(const ImportProgress&)>;
    using LogHandler = std::function<void(const QString&)>;

    static constexpr qint64 kChunkBytes = 262144;
    static constexpr double kReportInterval = 0.15;
    static constexpr qsizetype kErrorTailLines = 12;

    ImportRunner() = default;
    ImportRunner(const ImportRunner&) = delete;
    ImportRunner& operator=(const ImportRunner&) = delete;

    // Blocks until the import has ended. onProgress is called on this thread; onLog on this
    // thread and on the output readers, possibly at the same time. Never throws.
    ImportOutcome run(const ImportRequest& request, const DockerClient& client, const ProgressHandler& onProgress,
                      const LogHandler& onLog);

    // Stops a running import: terminates its children and closes its input. Returns at once.
    void cancel();

private:
    struct Child {
        pid_t pid = -1;
        bool reaped = false;
    };
    struct CopyResult {
        enum class Kind { finished, cancelled, failed };
        Kind kind = Kind::finished;
        QString message;
        bool readerGone = false;  // the write failed because a child stopped reading
    };

    bool isCancelled() const;
    // Records a started child; a cancel that came first terminates it at once.
    void adopt(pid_t pid);
    // Waits for the child and reaps it only when no cancel is signalling it, so a signal
    // never reaches a process that has taken over its id.
    int waitForChild(pid_t pid);

    // The input's write end for one write, or -1 once it has been closed.
    int beginWrite();
    void endWrite();
    void closeInput();

    CopyResult copyFile(const QString& path, double startTime, const ProgressHandler& onProgress);

    mutable std::mutex lock_;
    std::condition_variable signallingDone_;
    bool cancelled_ = false;
    std::vector<Child> processes_;
    int stdinHandle_ = -1;
    bool writerBusy_ = false;      // the copy is inside write() on stdinHandle_
    bool closeWhenIdle_ = false;   // a cancel asked to close while the write was under way
    int signalling_ = 0;           // cancels sending termination requests right now
};
