// A stopped container started, a paused one unpaused, through the engine's own commands.
#include "docker/DockerClient.h"
#include "docker/DockerError.h"

void DockerClient::wakeContainer(const QString& containerName, bool paused) const {
    const QString command = paused ? QStringLiteral("unpause") : QStringLiteral("start");
    const CommandResult result =
        runBounded(docker, {command, containerName}, processEnvironment(), metadataLimitMs(), engine);
    if (result.status != 0)
        throw DockerError::commandFailed(text(result.stderrBytes, text(result.stdoutBytes, command)));
}
