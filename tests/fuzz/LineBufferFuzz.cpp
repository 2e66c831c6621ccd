// Output lines must not depend on how the stream was cut into reads. The input is one flag
// byte, the lengths of the reads (1 to 255, cycled) up to a zero byte, then the stream.
#include <QList>

#include "FuzzCheck.h"
#include "import/LineBuffer.h"

namespace {

// All three bits set in the flag byte: the stream is repeated so that lines can pass the
// 64 KiB limit. Rare, because feeding that much byte by byte is slow.
constexpr uint8_t kRepeat = 0x07;
constexpr int kRepeatCount = 48;

struct Fed {
    QStringList onAppend;
    QStringList onFinish;
    QStringList kept;
};

Fed feed(const QByteArray& stream, const QList<int>& reads) {
    Fed fed;
    QStringList* sink = &fed.onAppend;
    LineBuffer buffer([&sink](const QString& line) { sink->append(line); });
    qsizetype at = 0;
    for (qsizetype i = 0; at < stream.size(); ++i) {
        const qsizetype length = reads.isEmpty() ? stream.size() : reads.at(i % reads.size());
        buffer.append(stream.constData() + at, qMin(length, stream.size() - at));
        at += length;
    }
    sink = &fed.onFinish;
    buffer.finish();
    buffer.finish();
    fed.kept = buffer.lines();
    return fed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    size_t at = 1;
    QList<int> reads;
    while (at < size && data[at] != 0) reads.append(data[at++]);
    if (at < size) ++at;  // the zero byte
    QByteArray stream(reinterpret_cast<const char*>(data + at), qsizetype(size - at));
    if ((flags & kRepeat) == kRepeat) stream = stream.repeated(kRepeatCount);

    const Fed whole = feed(stream, {});
    const Fed split = feed(stream, reads);
    FUZZ_CHECK(whole.onAppend == split.onAppend);
    FUZZ_CHECK(whole.onFinish == split.onFinish);
    FUZZ_CHECK(whole.kept == split.kept);

    FUZZ_CHECK(whole.onAppend.size() == stream.count('\n'));
    FUZZ_CHECK(whole.onFinish.size() <= 1);
    for (const QString& line : whole.onAppend + whole.onFinish) {
        FUZZ_CHECK(!line.contains(u'\n'));
        FUZZ_CHECK(line.size() <= LineBuffer::kLineLimit + 1);
    }
    return 0;
}
