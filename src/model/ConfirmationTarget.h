#pragma once

#include <QString>

#include <optional>

// What a confirmation names: the import may start only into what the user saw.
struct ConfirmationTarget {
    QString containerID;
    QString containerName;
    QString database;
    QString dumpPath;
    bool compressed = false;
    std::optional<bool> dropsTables;  // unknown while the dump has not been inspected

    bool operator==(const ConfirmationTarget&) const = default;
};
