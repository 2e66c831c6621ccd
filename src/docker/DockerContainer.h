#pragma once

#include <QString>

#include <optional>

// One local container as the model and the views see it, identified by id.
struct DockerContainer {
    QString id;
    QString name;
    QString image;
    QString status;
    bool running = false;
    QString ports;
    bool isMysql = false;
    QString rootUser = QStringLiteral("root");
    std::optional<QString> rootPassword;
    QString volumeSummary;

    bool operator==(const DockerContainer&) const = default;
};
