#pragma once

#include <QString>

#include "docker/UniqueFd.h"

// The dump as an import reads it: opened once, its size taken then, and its compression
// decided by its own first bytes, never by a name or an earlier look at another file.
struct DumpSource {
    UniqueFd file;
    qint64 totalBytes = 0;
    bool gzip = false;
    QString error;  // set, in the user's language, when the dump cannot be read

    static DumpSource open(const QString& path);
};
