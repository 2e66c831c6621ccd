// A dump scanned whole and in chunks of any size: the same findings, and no statement's head
// read past what is held.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dump/DumpScanning.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [chunks, stream] = FuzzInput::chunked(data, size);
    // Longer statements keep only their head when chunked, by design.
    if (stream.size() > 65536) return 0;
    const DumpScan whole = DumpScanning::scan(stream, true);
    DumpScanning::Scanner scanner;
    qsizetype at = 0;
    for (qsizetype i = 0; at < stream.size(); ++i) {
        const qsizetype step = chunks.isEmpty() ? stream.size() : chunks[i % chunks.size()];
        scanner.feed(QByteArrayView(stream).sliced(at, std::min(step, stream.size() - at)));
        at += step;
    }
    FUZZ_CHECK(scanner.finish(true) == whole);
    FUZZ_CHECK(whole.scannedBytes == stream.size());
    return 0;
}
