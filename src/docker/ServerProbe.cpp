#include "docker/DockerClient.h"

ServerInfo DockerClient::fetchServerInfo(const QString&, const QString&, const QString&) const {
    return {};
}
