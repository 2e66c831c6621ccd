#pragma once

#include <QString>

#include <exception>

#include "docker/Engine.h"

// The errors of the Docker layer. Each carries its user text; the description is rendered
// in the language current when it is asked for.
class DockerError : public std::exception {
public:
    enum class Kind { dockerNotRunning, commandFailed, mysqlFailed, dockerMissing, timedOut };

    static DockerError dockerNotRunning(const QString& detail, EngineKind engine = EngineKind::docker) {
        return {Kind::dockerNotRunning, detail, engine};
    }
    static DockerError commandFailed(const QString& message) { return {Kind::commandFailed, message}; }
    static DockerError mysqlFailed(const QString& message) { return {Kind::mysqlFailed, message}; }
    // No client of the engine (any engine, for Docker) was found.
    static DockerError dockerMissing(EngineKind engine = EngineKind::docker) {
        return {Kind::dockerMissing, QString(), engine};
    }
    // A command that did not end within the seconds given; it has been stopped.
    static DockerError timedOut(int seconds, EngineKind engine = EngineKind::docker) {
        return {Kind::timedOut, QString::number(seconds), engine};
    }

    // The same failure of Docker, told together with the Podman that is installed too.
    DockerError withPodmanToo() const {
        DockerError told = *this;
        told.podmanToo_ = true;
        return told;
    }

    Kind kind() const { return kind_; }
    const QString& payload() const { return payload_; }
    EngineKind engine() const { return engine_; }
    QString errorDescription() const;
    const char* what() const noexcept override { return "DockerError"; }

    bool operator==(const DockerError& other) const {
        return kind_ == other.kind_ && payload_ == other.payload_ && engine_ == other.engine_ &&
               podmanToo_ == other.podmanToo_;
    }

private:
    DockerError(Kind kind, QString payload, EngineKind engine = EngineKind::docker)
        : kind_(kind), payload_(std::move(payload)), engine_(engine) {}

    Kind kind_;
    QString payload_;
    EngineKind engine_;
    bool podmanToo_ = false;
};

// The text to show for any failure: a DockerError's description, or the system's own
// message of any other error.
QString describeError(const std::exception& error);
