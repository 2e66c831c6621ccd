#include "import/ImportRunner.h"

#include "import/ContainerFate.h"
#include "import/ImportRun.h"

ImportOutcome ImportRunner::run(const ImportRequest& request, const DockerClient& client,
                                const ProgressHandler& onProgress, const LogHandler& onLog) {
    // A cancel may come before the job gets here; it stops this run all the same, so the
    // flag is never reset. One runner serves one import.
    ImportRun run(request, client, cancelled_, onProgress, onLog);
    const ImportOutcome outcome = run.execute();
    return ContainerFate::explained(client, request.containerName, outcome);
}
