// `docker ps --format '{{json .}}'` output: its records, each one as a container, its ports.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const QString& record : DockerParse::splitRecords(FuzzInput::text(data, size))) {
        FUZZ_CHECK(!record.trimmed().isEmpty());
        FUZZ_CHECK(!record.contains(u'\n'));
        const std::optional<PsEntry> entry = DockerParse::parsePsLine(record);
        if (!entry) continue;
        FUZZ_CHECK(!entry->id.isEmpty());
        DockerParse::displayPorts(entry->ports);
    }
    return 0;
}
