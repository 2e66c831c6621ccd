#include "dump/DatabaseChoice.h"

#include <algorithm>

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

QString freshName(const QString& dumpPath, const QList<MysqlDatabase>& databases) {
    constexpr qsizetype kLongest = 64;  // the server's limit for a database name
    QString base;
    for (const QChar c : DumpName::stem(dumpPath)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        base += plain ? c : QChar(u'_');
    }
    if (base.isEmpty() || base.count(u'_') == base.size()) base = QStringLiteral("restored");
    const auto taken = [&databases](const QString& name) {
        return std::any_of(databases.begin(), databases.end(),
                           [&](const MysqlDatabase& d) { return d.name.compare(name, Qt::CaseInsensitive) == 0; });
    };
    QString name = base.left(kLongest);
    for (int n = 2; taken(name); ++n) {
        const QString suffix = QStringLiteral("_%1").arg(n);
        name = base.left(kLongest - suffix.size()) + suffix;
    }
    return name;
}

}  // namespace DatabaseChoice
