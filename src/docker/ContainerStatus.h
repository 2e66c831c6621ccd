#pragma once

#include <QDateTime>
#include <QString>

#include "docker/DockerContainer.h"

// A container's state in the user's language, from its start and end times rather than the
// engine's English status line.
namespace ContainerStatus {

// "Up 58 minutes": under a minute, whole minutes below an hour, whole hours below two days,
// then whole days. A negative duration (clocks apart) counts as none.
QString uptime(qint64 seconds);

// How long a running container has run, or when a stopped one ended with which exit code;
// the engine's own text when the times are unknown or the state is another.
QString describe(const DockerContainer& container, const QDateTime& now);

// The catalog key of its state in one word: running, paused or stopped.
QString stateKey(const DockerContainer& container);

}  // namespace ContainerStatus
