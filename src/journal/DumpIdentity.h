#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What tells a dump file apart from another, or from itself after a change: its size, its
// modification time and a hash of its first megabyte.
struct DumpIdentity {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    QByteArray headHash;  // SHA-256 of the first kHeadBytes, in hex

    static constexpr qint64 kHeadBytes = 1 << 20;

    // Nothing when the file cannot be read.
    static std::optional<DumpIdentity> of(const QString& path);

    bool operator==(const DumpIdentity&) const = default;
};
