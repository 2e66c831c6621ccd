#include <chrono>
#include <thread>

#include "import/ImportCommand.h"
#include "import/SessionEnd_p.h"

namespace SessionEnd {

bool endSession(const DockerClient& client, const ImportRequest& request, qint64 sessionId,
                const QProcessEnvironment& environment) {
    using Clock = std::chrono::steady_clock;
    const auto ask = [&](const QString& sql, int limitMs) {
        return DockerClient::run(client.docker, ImportCommand::controlArguments(request, sql), environment, limitMs);
    };
    const CommandResult killed = ask(ImportCommand::killStatement(sessionId), kKillLimitMs);
    if (killed.timedOut) return false;
    // An unknown id (1094) means it is gone already; any other failure means the server
    // could not be asked, and the polling below says so.
    const auto deadline = Clock::now() + std::chrono::milliseconds(kGoneLimitMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        const CommandResult alive = ask(ImportCommand::sessionAliveStatement(sessionId), int(left));
        if (alive.status == 0 && alive.stdoutBytes.trimmed() == "0") return true;
        if (alive.status != 0 || alive.timedOut) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace SessionEnd
