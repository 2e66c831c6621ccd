#include "import/LineBuffer.h"

#include <cstring>

#include "dump/DumpText.h"

namespace {

// The length of the bytes without a UTF-8 sequence that the cut left incomplete.
qsizetype wholeCharacters(const QByteArray& bytes) {
    qsizetype end = bytes.size();
    qsizetype start = end;
    while (start > 0 && end - start < 4 && (uchar(bytes.at(start - 1)) & 0xC0) == 0x80) --start;
    if (start == 0) return end;
    const uchar lead = uchar(bytes.at(start - 1));
    const qsizetype needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return needed > end - start + 1 ? start - 1 : end;
}

}  // namespace

LineBuffer::LineBuffer(LineHandler onLine) : onLine_(std::move(onLine)) {}

void LineBuffer::take(const char* data, qsizetype size) {
    const qsizetype room = kLineLimit - pending_.size();
    if (size > room) {
        pending_.append(data, qMax<qsizetype>(room, 0));
        cut_ = true;
    } else {
        pending_.append(data, size);
    }
}

QString LineBuffer::completeLine(bool dropCarriageReturn) {
    QString line;
    if (cut_) {
        pending_.truncate(wholeCharacters(pending_));
        line = DumpText::decode(pending_) + QChar(0x2026);
    } else {
        // One carriage return before the line feed belongs to the line ending.
        if (dropCarriageReturn && pending_.endsWith('\r')) pending_.chop(1);
        line = DumpText::decode(pending_);
    }
    pending_.clear();
    cut_ = false;
    return line;
}

void LineBuffer::append(const char* data, qsizetype size) {
    QStringList added;
    {
        std::lock_guard guard(lock_);
        const char* const end = data + size;
        const char* piece = data;
        while (piece < end) {
            const char* feed = static_cast<const char*>(std::memchr(piece, '\n', size_t(end - piece)));
            take(piece, (feed ? feed : end) - piece);
            if (!feed) break;
            added << completeLine(true);
            piece = feed + 1;
        }
        lines_ << added;
        if (lines_.size() > kKeptLines) lines_.remove(0, lines_.size() - kKeptLines);
    }
    if (onLine_) {
        for (const QString& line : added) onLine_(line);
    }
}

void LineBuffer::finish() {
    QString line;
    {
        std::lock_guard guard(lock_);
        if (pending_.isEmpty() && !cut_) return;
        line = completeLine(false);
        lines_ << line;
    }
    if (onLine_) onLine_(line);
}

QStringList LineBuffer::lines() const {
    std::lock_guard guard(lock_);
    return lines_;
}
