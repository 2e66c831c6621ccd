#pragma once

#include <QString>

#include <optional>

#include "dump/DumpFormat.h"
#include "posix/UniqueFd.h"

// The dump as an import reads it: opened once, its size taken then, and its compression
// decided by its own first bytes, never by a name or an earlier look at another file.
struct DumpSource {
    UniqueFd file;
    qint64 totalBytes = 0;
    DumpFormat::Compression compression = DumpFormat::Compression::none;
    QString error;  // set, in the user's language, when the dump cannot be read

    // Only regular files: a pipe or a device could not be read the same way twice, or never end.
    static DumpSource open(const QString& path);

    // The user's text when the file no longer has the size it had at the start, or when the copy
    // took another number of bytes from it.
    std::optional<QString> changedSince(qint64 bytesCopied) const;
};
