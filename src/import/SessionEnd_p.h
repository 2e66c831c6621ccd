#pragma once

#include <QProcessEnvironment>

#include "docker/DockerClient.h"
#include "import/ImportRequest.h"

// Ends an import's session on the server before its client may see the end of its input:
// a killed session runs nothing more, so a statement cut short can never run.
namespace SessionEnd {

// Time for the KILL to be answered, and then for the session to disappear.
constexpr int kKillLimitMs = 10000;
constexpr int kGoneLimitMs = 5000;

// KILL CONNECTION through a second `docker exec` with the import's login, then waits until
// the server no longer lists the session. True when it is confirmed gone.
bool endSession(const DockerClient& client, const ImportRequest& request, qint64 sessionId,
                const QProcessEnvironment& environment);

}  // namespace SessionEnd
