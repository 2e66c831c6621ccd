#pragma once

#include <QString>

#include <functional>

#include "import/ImportProgress.h"

class EventFlag;

// How copying the dump into the pipeline ended.
struct CopyResult {
    enum class Kind { finished, cancelled, failed };
    Kind kind = Kind::finished;
    QString message;          // failed: in the user's language
    bool readerGone = false;  // failed because a child stopped reading
    qint64 bytes = 0;         // copied into the pipeline

    static CopyResult failedWith(QString text, bool readerGone = false) {
        return {Kind::failed, std::move(text), readerGone, 0};
    }
};

namespace DumpCopy {

constexpr qint64 kChunkBytes = 262144;
constexpr double kReportInterval = 0.15;

// Copies the file into the pipe, whose write end must be non-blocking, chunk by chunk with
// progress reports, until the end of the file, an error, or the cancel flag. Never blocks
// where the flag could not end the wait.
CopyResult copy(int file, qint64 totalBytes, int pipe, const EventFlag& cancelled, double startTime,
                const std::function<void(const ImportProgress&)>& onProgress);

double secondsNow();

}  // namespace DumpCopy
