#include "docker/DockerClient.h"

QList<DockerContainer> DockerClient::listContainers() const {
    return {};
}
