#pragma once

#include <QString>

#include <functional>

#include "docker/DockerClient.h"
#include "import/ImportOutcome.h"
#include "import/ImportProgress.h"
#include "import/ImportRequest.h"
#include "posix/EventFlag.h"

// Carries out one import: `docker exec -i … mysql …` with gzip in front for a compressed
// dump, the file copied into the pipeline chunk by chunk with progress, the children's
// output forwarded line by line. However it ends early, the server has run only whole
// statements of the dump: the import's session is ended on the server before the client
// may see the end of its input. One runner per import; cancel() from any thread.
class ImportRunner {
public:
    using ProgressHandler = std::function<void(const ImportProgress&)>;
    using LogHandler = std::function<void(const QString&)>;

    ImportRunner() = default;
    ImportRunner(const ImportRunner&) = delete;
    ImportRunner& operator=(const ImportRunner&) = delete;

    // Blocks until the import has ended. onProgress is called on this thread; onLog on this
    // thread and on the output reader, possibly at the same time. Never throws.
    ImportOutcome run(const ImportRequest& request, const DockerClient& client, const ProgressHandler& onProgress,
                      const LogHandler& onLog);

    // Asks a running import, or the next run, to stop; the run ends it in the safe order.
    // Returns at once.
    void cancel() { cancelled_.raise(); }
    bool cancelRequested() const { return cancelled_.isRaised(); }

private:
    EventFlag cancelled_;
};
