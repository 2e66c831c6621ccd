// The server probe's META and DB rows, and the order the databases come out in.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

namespace {

bool isSystem(const MysqlDatabase& database) {
    return database.name == QLatin1String("mysql") || database.name == QLatin1String("sys");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzInput::text(data, size);
    const std::optional<ServerInfo> info = DockerParse::parseMysqlOutput(text);
    if (!info) return 0;
    FUZZ_CHECK(info->databases.size() <= DockerParse::splitLines(text).size());
    for (qsizetype i = 1; i < info->databases.size(); ++i) {
        const MysqlDatabase& before = info->databases.at(i - 1);
        const MysqlDatabase& after = info->databases.at(i);
        FUZZ_CHECK(!isSystem(before) || isSystem(after));
        if (isSystem(before) == isSystem(after)) FUZZ_CHECK(before.bytes >= after.bytes);
    }
    return 0;
}
