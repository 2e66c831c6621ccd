// The server probe's batch output and the order in which databases are shown.
#include <QCollator>

#include <algorithm>
#include <limits>

#include "docker/DockerParse.h"

namespace DockerParse {
namespace {

struct Decimal {
    bool negative = false;
    quint64 magnitude = 0;
};

// An optional sign and ASCII digits, nothing else; nothing when it overflows 64 bits.
std::optional<Decimal> readDecimal(const QString& field) {
    Decimal result;
    qsizetype i = 0;
    if (!field.isEmpty() && (field.at(0) == u'+' || field.at(0) == u'-')) {
        result.negative = field.at(0) == u'-';
        i = 1;
    }
    if (i == field.size()) return std::nullopt;
    constexpr quint64 max = std::numeric_limits<quint64>::max();
    for (; i < field.size(); ++i) {
        const char16_t c = field.at(i).unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        const quint64 digit = c - u'0';
        if (result.magnitude > (max - digit) / 10) return std::nullopt;
        result.magnitude = result.magnitude * 10 + digit;
    }
    return result;
}

// "-0" is accepted; any other negative value is not a number. "NULL" and the like give 0.
quint64 readUnsigned(const QString& field) {
    const auto decimal = readDecimal(field);
    if (!decimal || (decimal->negative && decimal->magnitude != 0)) return 0;
    return decimal->magnitude;
}

qint64 readSigned(const QString& field) {
    const auto decimal = readDecimal(field);
    if (!decimal) return 0;
    constexpr quint64 max = std::numeric_limits<qint64>::max();
    if (!decimal->negative) return decimal->magnitude <= max ? qint64(decimal->magnitude) : 0;
    if (decimal->magnitude <= max) return -qint64(decimal->magnitude);
    return decimal->magnitude == max + 1 ? std::numeric_limits<qint64>::min() : 0;
}

// 'user'@'host' as the server lists grantees, to user@host as a dump's DEFINER reads.
QString accountOfGrantee(const QString& grantee) {
    QString account = grantee;
    account.replace(QLatin1String("'@'"), QLatin1String("@"));
    if (account.startsWith(u'\'')) account.remove(0, 1);
    if (account.endsWith(u'\'')) account.chop(1);
    return account;
}

bool isSystemSchema(const QString& name) { return name == QLatin1String("mysql") || name == QLatin1String("sys"); }

}  // namespace

std::optional<ServerInfo> parseMysqlOutput(const QString& text) {
    ServerInfo info;
    bool metaSeen = false;
    QList<MysqlDatabase> databases;
    for (const QString& line : splitLines(text)) {
        const QStringList fields = line.split(u'\t');  // empty fields kept
        if (fields.at(0) == QLatin1String("META") && fields.size() >= 5) {
            info.version = fields.at(1);
            info.maxAllowedPacket = readUnsigned(fields.at(2));
            info.logBin = fields.at(3) == QLatin1String("1");
            info.bufferPoolBytes = readUnsigned(fields.at(4));
            if (fields.size() >= 6) info.sqlMode = fields.at(5);
            metaSeen = true;
        } else if (fields.at(0) == QLatin1String("DB") && fields.size() >= 4) {
            databases.append(MysqlDatabase{fields.at(1), readSigned(fields.at(2)), readUnsigned(fields.at(3))});
        } else if (fields.at(0) == QLatin1String("TBL") && fields.size() >= 3) {
            info.tableNames[fields.at(1)].insert(fields.at(2));
            if (fields.size() >= 4) info.tableBytes[fields.at(1)].insert(fields.at(2), readUnsigned(fields.at(3)));
        } else if (fields.at(0) == QLatin1String("COLL") && fields.size() >= 2) {
            info.collations.append(fields.at(1));
        } else if (fields.at(0) == QLatin1String("USER") && fields.size() >= 2) {
            info.accounts.append(accountOfGrantee(fields.at(1)));
        } else if (fields.at(0).startsWith(QLatin1String("GRANT "))) {
            info.grants.append(line);
        }
    }
    if (!metaSeen) return std::nullopt;
    info.databases = sortedDatabases(std::move(databases));
    return info;
}

QList<MysqlDatabase> sortedDatabases(QList<MysqlDatabase> databases) {
    QCollator collator;  // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(databases.begin(), databases.end(), [&](const MysqlDatabase& a, const MysqlDatabase& b) {
        const bool aSystem = isSystemSchema(a.name);
        const bool bSystem = isSystemSchema(b.name);
        if (aSystem != bSystem) return bSystem;
        if (a.bytes != b.bytes) return a.bytes > b.bytes;
        return collator.compare(a.name, b.name) < 0;
    });
    return databases;
}

}  // namespace DockerParse
