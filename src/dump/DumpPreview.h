#pragma once

#include <QString>

#include <optional>

#include "dump/DumpScanning.h"

// What inspecting a dump found.
struct DumpPreview {
    qint64 byteCount = 0;                      // the file's size as the file system reports it
    bool compressed = false;                   // read through a decompressor
    bool containsDropTable = false;            // "DROP TABLE" in the sample, any letter case
    std::optional<QString> mentionedDatabase;  // from the first USE / CREATE DATABASE
    QString path;                              // the file it was made from, and only that one
    DumpScan scan{};                           // what its head shows, for the pre-flight
    QString compressionName{};                 // "gzip", "zstd", "xz", "bzip2"; empty for plain SQL
    qint64 modifiedNs = 0;                     // the file's modification time, in nanoseconds since the epoch

    bool operator==(const DumpPreview&) const = default;
};
