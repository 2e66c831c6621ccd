// `docker inspect` output, and what the application then asks of each container.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const ParsedInspect& record : DockerParse::parseInspectList(FuzzInput::bytes(data, size))) {
        FUZZ_CHECK(!record.id.isEmpty());
        FUZZ_CHECK(!record.name.isEmpty());
        DockerParse::isMysql(record.image, record.env, record.command);
        for (const QString& key : {QStringLiteral("MYSQL_ROOT_PASSWORD"), QStringLiteral("MARIADB_ROOT_PASSWORD")}) {
            if (const auto value = DockerParse::envValue(record.env, key)) {
                FUZZ_CHECK(record.env.contains(key + u'=' + *value));
            }
        }
    }
    return 0;
}
