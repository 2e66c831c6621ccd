#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Turns libFuzzer's bytes into what the parsers take.
namespace FuzzInput {

// A copy: the parsers get a terminated array, as they do from a process.
inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The parsers read text that came in as UTF-8, so the fuzzed bytes arrive the same way.
inline QString text(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Several strings from one input, cut at NUL: no parser input uses it, so seeds stay readable.
inline QStringList pieces(const uint8_t* data, size_t size) { return text(data, size).split(QChar(0)); }

// A stream and the lengths of the chunks to cut it into: the lengths (1 to 255, cycled) come
// first, up to a zero byte, then the stream's bytes.
struct Chunked {
    QList<int> chunks;
    QByteArray stream;
};
inline Chunked chunked(const uint8_t* data, size_t size) {
    Chunked input;
    size_t at = 0;
    while (at < size && data[at] != 0) input.chunks.append(data[at++]);
    if (at < size) ++at;  // the zero byte
    input.stream = bytes(data + at, size - at);
    return input;
}

}  // namespace FuzzInput
