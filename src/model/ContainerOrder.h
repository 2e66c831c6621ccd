#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "docker/DockerContainer.h"

// How the sidebar orders containers and which one a refresh selects.
namespace ContainerOrder {

// Running ones (and stopped ones when asked), MySQL first, running before stopped, then
// by name in the user's collation; ties keep their listing order.
QList<DockerContainer> visible(const QList<DockerContainer>& containers, bool showStopped);

// The id to select among the visible containers: the current one while visible, else the
// last chosen name if it runs MySQL, else the first running MySQL, the first MySQL, the first.
std::optional<QString> choose(const QList<DockerContainer>& visible, const std::optional<QString>& currentId,
                              const std::optional<QString>& lastContainerName);

}  // namespace ContainerOrder
