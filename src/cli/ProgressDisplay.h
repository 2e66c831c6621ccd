#pragma once

#include <QString>

#include <optional>

#include "import/ImportProgress.h"

// The import's progress and log on standard error. On a terminal, one live line at the
// bottom that log lines scroll past; otherwise plain lines that a log file can keep.
class ProgressDisplay {
public:
    explicit ProgressDisplay(bool live) : live_(live) {}
    ~ProgressDisplay() { clear(); }

    // Live: redraws the line. Plain: keeps the report for the next tick().
    void show(const ImportProgress& progress);
    // Plain: prints the latest report as one line.
    void tick();
    void log(const QString& line);
    // Takes the live line away.
    void clear();

private:
    void draw();

    bool live_;
    std::optional<ImportProgress> latest_;
    bool drawn_ = false;
};
