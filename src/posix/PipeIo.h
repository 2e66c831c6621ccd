#pragma once

#include <QByteArray>

#include <functional>

// The read and write loops every pipe user shares: retries on EINTR, whole writes, reads
// to end of stream.
namespace PipeIo {

// Writes everything or returns false with errno set.
bool writeAll(int fd, const char* data, qint64 size);

// Reads until end of stream or an error, handing each block to the sink.
void readUntilEnd(int fd, const std::function<void(const char*, qsizetype)>& sink);

// Reads two pipes until both reach end of stream, whichever the writer fills first. With a
// time limit (milliseconds, -1 for none) it gives up when that has passed and says false.
bool readBothUntilEnd(int firstFd, QByteArray& first, int secondFd, QByteArray& second, int limitMs = -1);

}  // namespace PipeIo
