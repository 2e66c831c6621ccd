#include "import/ImportRunner.h"

#include <memory>
#include <system_error>
#include <thread>

#include "import/ContainerFate.h"
#include "import/ImportRun_p.h"

ImportOutcome ImportRunner::run(const ImportRequest& request, const DockerClient& client,
                                const ProgressHandler& onProgress, const LogHandler& onLog) {
    // A cancel may come before the job gets here; it stops this run all the same, so the
    // flag is never reset. One runner serves one import.
    auto run = std::make_shared<ImportRun>(request, client, cancelled_, onProgress, onLog);
    const ImportOutcome outcome = run->execute();
    if (run->isLeftToGuard()) {
        // Its children stay until the container runs again; they are reaped then, whether
        // or not anyone still waits for this import.
        try {
            std::thread([run] { run->awaitGuard(); }).detach();
        } catch (const std::system_error&) {
            run->awaitGuard();
        }
    }
    return ContainerFate::explained(client, request.containerName, outcome);
}
