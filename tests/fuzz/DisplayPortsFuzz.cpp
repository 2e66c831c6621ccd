// The ports column of `docker ps`, as the container list shows it.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString raw = FuzzInput::text(data, size);
    const QString shown = DockerParse::displayPorts(raw);
    FUZZ_CHECK(shown.isEmpty() == raw.trimmed().isEmpty());
    FUZZ_CHECK(shown.startsWith(QLatin1String("localhost:")) || shown == raw.trimmed());
    return 0;
}
