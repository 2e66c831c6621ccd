// Line splitting, published ports and what a container's environment says.
#include "docker/DockerParse.h"

namespace DockerParse {
namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
    case 0x2028:
    case 0x2029: return true;
    default: return false;
    }
}

// Spaces and tabs, but not line breaks.
bool isBlank(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin))) ++begin;
    while (end > begin && isBlank(text.at(end - 1))) --end;
    return text.mid(begin, end - begin);
}

// The first non-empty piece of "NAME=value"; "==NAME=x" names NAME.
QString variableName(const QString& entry) {
    const QStringList pieces = entry.split(u'=', Qt::SkipEmptyParts);
    return pieces.isEmpty() ? QString() : pieces.first();
}

}  // namespace

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text.at(i))) continue;
        if (i > start) lines.append(text.mid(start, i - start));
        start = i + 1;
    }
    return lines;
}

QStringList splitRecords(const QString& text) {
    QStringList records;
    for (QString record : text.split(u'\n')) {
        if (record.endsWith(u'\r')) record.chop(1);
        if (!record.trimmed().isEmpty()) records.append(record);
    }
    return records;
}

QString displayPorts(const QString& raw) {
    const QString trimmed = raw.trimmed();
    if (trimmed.isEmpty()) return QString();

    QStringList hostPorts;
    for (const QString& rawPiece : trimmed.split(u',', Qt::SkipEmptyParts)) {
        const QString piece = trimBlanks(rawPiece);
        const qsizetype arrow = piece.indexOf(QLatin1String("->"));
        if (arrow < 0) continue;  // exposed, not published
        const qsizetype colon = piece.left(arrow).lastIndexOf(u':');
        if (colon < 0) continue;
        const QString port = piece.mid(colon + 1, arrow - colon - 1);
        // The IPv4 and IPv6 bindings of one port give one entry.
        if (!port.isEmpty() && !hostPorts.contains(port)) hostPorts.append(port);
    }
    if (hostPorts.isEmpty()) return trimmed;

    QStringList shown;
    for (const QString& port : hostPorts) shown.append(QStringLiteral("localhost:") + port);
    return shown.join(QStringLiteral(", "));
}

bool isMysql(const QString& image, const QStringList& env, const QStringList& command) {
    const QString lowerImage = image.toLower();
    for (const char* word : {"mysql", "mariadb", "percona"}) {
        if (lowerImage.contains(QLatin1String(word))) return true;
    }
    for (const QString& item : command) {
        const QString lower = item.toLower();
        if (lower.contains(QLatin1String("mysqld")) || lower.contains(QLatin1String("mariadbd"))) return true;
    }
    // Only variable names count: a DATABASE_URL whose value mentions mysql is some client.
    for (const QString& entry : env) {
        const QString name = variableName(entry);
        if (name.startsWith(QLatin1String("MYSQL_")) || name.startsWith(QLatin1String("MARIADB_"))) return true;
    }
    return false;
}

bool isMariadb(const QString& image, const QStringList& env, const QStringList& command) {
    if (image.contains(QLatin1String("mariadb"), Qt::CaseInsensitive)) return true;
    for (const QString& item : command)
        if (item.contains(QLatin1String("mariadbd"), Qt::CaseInsensitive)) return true;
    for (const QString& entry : env)
        if (variableName(entry).startsWith(QLatin1String("MARIADB_"))) return true;
    return false;
}

std::optional<QString> envValue(const QStringList& env, const QString& key) {
    const QString prefix = key + u'=';
    for (const QString& entry : env) {
        if (entry.startsWith(prefix)) return entry.mid(prefix.size());
    }
    return std::nullopt;
}

EnvLogin envLogin(const QStringList& env) {
    // The value of the first of the variables that is set.
    const auto first = [&env](std::initializer_list<const char*> names) -> std::optional<QString> {
        for (const char* name : names) {
            if (auto value = envValue(env, QLatin1String(name))) return value;
        }
        return std::nullopt;
    };
    const auto isSet = [&first](std::initializer_list<const char*> names) {
        const auto value = first(names);
        return value && !value->isEmpty();
    };
    EnvLogin login;
    login.password = first({"MYSQL_ROOT_PASSWORD", "MARIADB_ROOT_PASSWORD"});
    if (login.password) return login;
    if (const auto file = first({"MYSQL_ROOT_PASSWORD_FILE", "MARIADB_ROOT_PASSWORD_FILE"}); file && !file->isEmpty()) {
        login.passwordFile = *file;
        return login;
    }
    if (isSet({"MARIADB_ALLOW_EMPTY_ROOT_PASSWORD", "MYSQL_ALLOW_EMPTY_PASSWORD"})) {
        login.password = QString();
        return login;
    }
    const auto user = first({"MARIADB_USER", "MYSQL_USER"});
    const auto password = first({"MARIADB_PASSWORD", "MYSQL_PASSWORD"});
    if (user && !user->isEmpty() && password) {
        login.user = *user;
        login.password = password;
    }
    return login;
}

std::optional<QString> passwordFromFile(const QByteArray& content) {
    QByteArray kept = content;
    // As the shell's command substitution the entrypoints use: every trailing line feed goes.
    while (kept.endsWith('\n')) kept.chop(1);
    if (kept.isEmpty()) return std::nullopt;
    return QString::fromUtf8(kept);
}

}  // namespace DockerParse
