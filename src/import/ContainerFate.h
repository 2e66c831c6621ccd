#pragma once

#include <QString>

#include <optional>

#include "docker/DockerClient.h"
#include "import/ImportOutcome.h"

// What became of the container when an import did not succeed: a stopped, removed or
// paused container, or an engine that went away, explains the end better than the broken
// connection or pipe the client reports.
namespace ContainerFate {

// running also stands for any answer that tells nothing else.
enum class State { running, paused, stopped, gone, engineGone };

// The container's state as the engine tells it now, asked with a short time limit.
State stateOf(const DockerClient& client, const QString& container);

// The state from `docker inspect --format {{.State.Status}}`'s status and output.
State parseState(int status, const QByteArray& output, const QByteArray& errors);

// The message for an import that ended so while the container is in that state; nothing
// when the outcome stands as it is.
std::optional<QString> explain(State state, const QString& container, const ImportOutcome& outcome);

// The outcome, explained by the container's fate where that is the cause. Asks the engine
// only for an import that did not succeed.
ImportOutcome explained(const DockerClient& client, const QString& container, const ImportOutcome& outcome);

}  // namespace ContainerFate
