// Catalog text, and the consistency report the self-check prints about it.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "l10n/Catalog.h"
#include "l10n/L10n.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Catalog::Tables tables = Catalog::parse(FuzzInput::text(data, size));
    for (auto section = tables.cbegin(); section != tables.cend(); ++section) {
        FUZZ_CHECK(!section.key().contains(u'\n'));
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry) {
            FUZZ_CHECK(!entry.key().isEmpty());
            FUZZ_CHECK(!entry.key().contains(u'\n') && !entry.value().contains(u'\n'));
        }
    }
    L10n::problems(tables, L10n::nativeNames());
    return 0;
}
