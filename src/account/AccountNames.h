#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <optional>

// How the accounts and roles this program makes on a server are named, so that it can find
// its own again and nobody else's.
namespace AccountNames {

inline constexpr QLatin1StringView kTemporaryPrefix{"tarnwell_imp_"};
inline constexpr QLatin1StringView kOwnerPrefix{"tarnwell_own_"};
// The lasting role that may switch binary logging off; granted only for a session's first moment.
inline constexpr QLatin1StringView kBinlogRole{"tarnwell_binlog_off"};

// "tarnwell_imp_<creation time, 8 hex digits>_<10 random letters and digits>": 32 characters,
// within every server's limit.
QString temporaryName(qint64 createdAtSeconds, const QString& random);
// The creation time in a temporary account's name, or nothing when the name is not one.
std::optional<qint64> createdAt(const QString& user);

// The owner role of a set of databases: readable where the names allow, unique by a hash.
QString ownerRole(const QSet<QByteArray>& databases);

// Random letters and digits from the system's generator.
QString randomText(int length);

}  // namespace AccountNames
