// tarnwell-cli's command line, one argument per NUL-separated piece.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "cli/CliArguments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CliArguments::Parsed parsed = CliArguments::parse(FuzzInput::pieces(data, size));
    if (!parsed.error.isEmpty() || parsed.help || parsed.version) return 0;
    FUZZ_CHECK(CliArguments::commands().contains(parsed.command));
    FUZZ_CHECK(parsed.operands.size() <= 1);
    for (const QString& value : parsed.values) FUZZ_CHECK(!value.trimmed().isEmpty());
    return 0;
}
