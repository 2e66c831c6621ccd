#pragma once

#include <QString>

#include <optional>

// What inspecting a dump found.
struct DumpPreview {
    qint64 byteCount = 0;                        // the file's size as the file system reports it
    bool compressed = false;                     // read through gzip
    bool containsDropTable = false;              // "DROP TABLE" in the sample, any letter case
    std::optional<QString> mentionedDatabase;    // from the first USE / CREATE DATABASE
    QString path;                                // the file it was made from, and only that one

    bool operator==(const DumpPreview&) const = default;
};
