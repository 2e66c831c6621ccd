#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>

// Cuts one output stream into UTF-8 lines, keeps the newest 2,000 and hands each new line
// to a handler. Fed by one thread; lines() may be read from any other. Each byte is looked
// at once, and a line longer than 64 KiB keeps its start only, marked with "…".
class LineBuffer {
public:
    using LineHandler = std::function<void(const QString&)>;

    static constexpr qsizetype kKeptLines = 2000;
    static constexpr qsizetype kLineLimit = 65536;  // bytes kept of one line

    explicit LineBuffer(LineHandler onLine = {});
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

    // Adds bytes and emits every line they complete.
    void append(const char* data, qsizetype size);
    void append(const QByteArray& bytes) { append(bytes.constData(), bytes.size()); }

    // Emits what is left after the last line feed as a final line.
    void finish();

    QStringList lines() const;

private:
    void take(const char* data, qsizetype size);
    QString completeLine(bool dropCarriageReturn);

    mutable std::mutex lock_;
    QByteArray pending_;
    bool cut_ = false;  // the pending line went over the limit
    QStringList lines_;
    const LineHandler onLine_;
};
