#include "dump/DatabaseChoice.h"

#include "dump/DumpName.h"

namespace DatabaseChoice {

std::optional<QString> preferred(const QList<MysqlDatabase>& databases, const std::optional<QString>& dumpPath,
                                 const std::optional<QString>& savedName) {
    QList<MysqlDatabase> candidates;
    for (const MysqlDatabase& database : databases) {
        if (database.name != QLatin1String("mysql") && database.name != QLatin1String("sys")) candidates << database;
    }

    if (dumpPath) {
        const QString stem = DumpName::stem(*dumpPath);
        std::optional<QString> best;
        qsizetype bestLength = -1;
        for (const MysqlDatabase& candidate : candidates) {
            if (!DumpName::matches(stem, candidate.name)) continue;
            const qsizetype length = DumpName::characterCount(candidate.name);
            if (length > bestLength) {
                best = candidate.name;
                bestLength = length;
            }
        }
        if (best) return best;
    }

    if (savedName) {
        for (const MysqlDatabase& candidate : candidates) {
            if (candidate.name == *savedName) return savedName;
        }
    }

    if (candidates.isEmpty()) return std::nullopt;
    const MysqlDatabase* largest = &candidates.first();
    for (const MysqlDatabase& candidate : candidates) {
        if (candidate.bytes > largest->bytes) largest = &candidate;
    }
    return largest->name;
}

}  // namespace DatabaseChoice
