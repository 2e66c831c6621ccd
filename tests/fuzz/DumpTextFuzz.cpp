// The first text of a dump: decoding, DROP TABLE and the database it names.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dump/DumpText.h"

namespace {

bool isNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DumpText::decode(FuzzInput::bytes(data, size));
    DumpText::containsDropTable(text);
    if (const std::optional<QString> name = DumpText::mentionedDatabase(text)) {
        FUZZ_CHECK(!name->isEmpty());
        for (const QChar c : *name) FUZZ_CHECK(isNameCharacter(c));
    }
    return 0;
}
