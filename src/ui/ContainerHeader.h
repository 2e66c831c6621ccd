#pragma once

#include <QWidget>

#include <optional>

#include "docker/DockerContainer.h"
#include "docker/ServerInfo.h"

class QLabel;

// The selected container's name with two summary lines: image, state, status, ports and engine;
// then volume, server version and buffer pool.
class ContainerHeader : public QWidget {
    Q_OBJECT

public:
    explicit ContainerHeader(QWidget* parent = nullptr);

    void describe(const DockerContainer& container, const std::optional<ServerInfo>& server);

    static QString headerLine(const DockerContainer& container);
    static QString metaLine(const DockerContainer& container, const std::optional<ServerInfo>& server);

private:
    QLabel* name_;
    QLabel* headerLine_;
    QLabel* metaLine_;
};
