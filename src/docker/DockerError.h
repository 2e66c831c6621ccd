#pragma once

#include <QString>

#include <exception>

// The errors of the Docker layer. Each carries its user text; the description is rendered
// in the language current when it is asked for.
class DockerError : public std::exception {
public:
    enum class Kind { dockerNotRunning, commandFailed, mysqlFailed, dockerMissing, timedOut };

    static DockerError dockerNotRunning(const QString& detail) { return {Kind::dockerNotRunning, detail}; }
    static DockerError commandFailed(const QString& message) { return {Kind::commandFailed, message}; }
    static DockerError mysqlFailed(const QString& message) { return {Kind::mysqlFailed, message}; }
    static DockerError dockerMissing() { return {Kind::dockerMissing, QString()}; }
    // A command that did not end within the seconds given; it has been stopped.
    static DockerError timedOut(int seconds) { return {Kind::timedOut, QString::number(seconds)}; }

    Kind kind() const { return kind_; }
    const QString& payload() const { return payload_; }
    QString errorDescription() const;
    const char* what() const noexcept override { return "DockerError"; }

    bool operator==(const DockerError& other) const { return kind_ == other.kind_ && payload_ == other.payload_; }

private:
    DockerError(Kind kind, QString payload) : kind_(kind), payload_(std::move(payload)) {}

    Kind kind_;
    QString payload_;
};

// The text to show for any failure: a DockerError's description, or the system's own
// message of any other error.
QString describeError(const std::exception& error);
