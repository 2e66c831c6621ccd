#pragma once

#include <QString>

#include "import/ImportProgress.h"

// Where the import stands. Equal phases have the same case and equal payloads.
class ImportPhase {
public:
    enum class Kind { idle, running, success, failed, cancelled };

    static ImportPhase idle() { return ImportPhase(Kind::idle); }
    static ImportPhase running(const ImportProgress& progress) {
        ImportPhase phase(Kind::running);
        phase.progress_ = progress;
        return phase;
    }
    static ImportPhase success(double seconds) {
        ImportPhase phase(Kind::success);
        phase.seconds_ = seconds;
        return phase;
    }
    static ImportPhase failed(const QString& message) {
        ImportPhase phase(Kind::failed);
        phase.message_ = message;
        return phase;
    }
    static ImportPhase cancelled() { return ImportPhase(Kind::cancelled); }
    // An ended import with how far each table came.
    ImportPhase withTables(QList<TableLoad> tables) const {
        ImportPhase phase = *this;
        phase.tables_ = std::move(tables);
        return phase;
    }

    Kind kind() const { return kind_; }
    bool isRunning() const { return kind_ == Kind::running; }
    const ImportProgress& progress() const { return progress_; }
    double seconds() const { return seconds_; }
    const QString& message() const { return message_; }
    const QList<TableLoad>& tables() const { return kind_ == Kind::running ? progress_.tables : tables_; }

    bool operator==(const ImportPhase& other) const {
        if (kind_ != other.kind_ || tables_ != other.tables_) return false;
        switch (kind_) {
        case Kind::running: return progress_ == other.progress_;
        case Kind::success: return seconds_ == other.seconds_;
        case Kind::failed: return message_ == other.message_;
        default: return true;
        }
    }

private:
    explicit ImportPhase(Kind kind) : kind_(kind) {}

    Kind kind_;
    ImportProgress progress_;
    double seconds_ = 0;
    QString message_;
    QList<TableLoad> tables_;
};
