#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "docker/ServerInfo.h"

// The built-in checks of the parsers, the database choice, the command builder and the
// catalog, run by "--self-check" without a display, settings or child processes.
namespace SelfCheck {

// The pieces under check that a test may replace to see the failure output.
struct Subjects {
    std::function<QString(const QString&)> displayPorts;
    std::function<std::optional<ServerInfo>(const QString&)> parseMysqlOutput;
    std::function<QStringList()> catalogProblems;

    static Subjects real();
};

struct Verdict {
    int status = 0;
    QString standardOutput;
    QString standardError;
};

// Runs the checks in order and stops at the first failure.
Verdict evaluate(const Subjects& subjects);

// Writes the verdict of the real checks and returns the exit status.
int runParseChecks();

}  // namespace SelfCheck
