// Whether a container runs a MySQL-family server, and the values of its variables. The input
// is the image, NUL, the environment entries, an empty piece, then the command's words.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "docker/DockerParse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList pieces = FuzzInput::pieces(data, size);
    const QString image = pieces.first();
    const qsizetype end = pieces.indexOf(QString(), 1);
    const QStringList env = pieces.mid(1, end < 0 ? -1 : end - 1);
    const QStringList command = end < 0 ? QStringList() : pieces.mid(end + 1);

    DockerParse::isMysql(image, env, command);
    for (const QString& entry : env) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0) continue;
        const auto value = DockerParse::envValue(env, entry.left(equals));
        FUZZ_CHECK(value.has_value());
        FUZZ_CHECK(env.contains(entry.left(equals + 1) + *value));
    }
    return 0;
}
