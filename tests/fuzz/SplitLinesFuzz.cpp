// Line splitting: the lines are the text without its line breaks, none of them empty.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

namespace {

bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzInput::text(data, size);
    QString withoutBreaks;
    for (const QChar c : text) {
        if (!isLineBreak(c)) withoutBreaks += c;
    }
    const QStringList lines = DockerParse::splitLines(text);
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.isEmpty());
        for (const QChar c : line) FUZZ_CHECK(!isLineBreak(c));
    }
    FUZZ_CHECK(lines.join(QString()) == withoutBreaks);
    return 0;
}
