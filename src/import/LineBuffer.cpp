#include "import/LineBuffer.h"

#include "import/DumpText.h"

LineBuffer::LineBuffer(LineHandler onLine) : onLine_(std::move(onLine)) {}

void LineBuffer::append(const char* data, qsizetype size) {
    QStringList added;
    {
        std::lock_guard guard(lock_);
        pending_.append(data, size);
        qsizetype start = 0;
        for (;;) {
            const qsizetype feed = pending_.indexOf('\n', start);
            if (feed < 0) break;
            qsizetype end = feed;
            // One carriage return before the line feed belongs to the line ending.
            if (end > start && pending_.at(end - 1) == '\r') --end;
            added << DumpText::decode(QByteArray::fromRawData(pending_.constData() + start, end - start));
            start = feed + 1;
        }
        if (start > 0) pending_.remove(0, start);
        lines_ << added;
        if (lines_.size() > kKeptLines) lines_.remove(0, lines_.size() - kKeptLines);
    }
    if (onLine_) {
        for (const QString& line : added) onLine_(line);
    }
}

void LineBuffer::finish() {
    QByteArray rest;
    {
        std::lock_guard guard(lock_);
        rest.swap(pending_);
    }
    if (rest.isEmpty()) return;
    const QString line = DumpText::decode(rest);
    {
        std::lock_guard guard(lock_);
        lines_ << line;
    }
    if (onLine_) onLine_(line);
}

QStringList LineBuffer::lines() const {
    std::lock_guard guard(lock_);
    return lines_;
}
