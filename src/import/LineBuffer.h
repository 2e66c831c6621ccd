#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>

// Cuts one output stream into UTF-8 lines, keeps the newest 2,000 and hands each new line
// to a handler. Fed by one thread; lines() may be read from any other.
class LineBuffer {
public:
    using LineHandler = std::function<void(const QString&)>;

    static constexpr qsizetype kKeptLines = 2000;

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
    mutable std::mutex lock_;
    QByteArray pending_;
    QStringList lines_;
    const LineHandler onLine_;
};
