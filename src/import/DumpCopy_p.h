#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

#include "dump/DumpFilter.h"
#include "import/ImportProgress.h"
#include "import/LineEndFolding.h"
#include "import/SpeedWindow.h"

class EventFlag;
class ParallelFeed;

// How copying the dump into the pipeline ended.
struct CopyResult {
    enum class Kind { finished, cancelled, failed };
    Kind kind = Kind::finished;
    QString message;          // failed: in the user's language
    bool readerGone = false;  // failed because a child stopped reading
    qint64 bytes = 0;         // of the file, read
    // failed, but what the client got ends with a whole statement: it may finish that and stop.
    bool endsWhole = false;

    static CopyResult failedWith(QString text, bool readerGone = false) {
        return {Kind::failed, std::move(text), readerGone, 0, false};
    }
};

// Where the dump's text comes from: the file itself, or a decompressor's output that reads it.
struct CopySource {
    int text = -1;              // read from here
    bool decompressed = false;  // text is a pipe from the decompressor
    int file = -1;              // the dump file; its offset tells how far it has been read
};

// Reads the dump's text, passes it through the filter and writes what comes out into the client's
// input, which must be non-blocking, with progress reports, until the end of the text, an error, a
// refusal of the filter, or the cancel flag. Never blocks where the flag could not end the wait.
class DumpCopy {
public:
    using ProgressHandler = std::function<void(const ImportProgress&)>;

    static constexpr qint64 kChunkBytes = 262144;
    static constexpr double kReportInterval = 0.15;

    // With a feed, the filter's output goes through it to several sessions instead of to clientInput.
    DumpCopy(const CopySource& source, qint64 totalBytes, int clientInput, DumpFilter& filter,
             const EventFlag& cancelled, double startTime, ProgressHandler onProgress, ParallelFeed* feed = nullptr);

    CopyResult run();

    static double secondsNow();

private:
    // A decompressor reads the file through the same open file: its offset is the progress.
    qint64 fileBytes() const;
    void report(bool force, bool inputFinished);
    CopyResult stopped();
    // Writes everything or says why not: a cancel, or the client's input gone.
    bool write(QByteArrayView data);
    std::optional<CopyResult> afterFilter(DumpFilter::Result result);

    const CopySource source_;
    const qint64 totalBytes_;
    const int clientInput_;
    DumpFilter& filter_;
    const EventFlag& cancelled_;
    const double startTime_;
    const ProgressHandler onProgress_;
    ParallelFeed* const feed_;

    SpeedWindow window_;
    LineEndFolding lineEnds_;
    double lastReport_;
    qint64 textBytes_ = 0;
    qint64 movedBytes_ = 0;
    double movedAt_;
    int writeError_ = 0;
};
