#include "account/AccountSql.h"

#include <QCryptographicHash>

#include "account/AccountNames.h"

namespace AccountSql {

QString literal(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return u'\'' + escaped + u'\'';
}

QString account(const QString& user, const QString& host) { return literal(user) + u'@' + literal(host); }

QString identifier(const QByteArray& name) {
    QString quoted = QString::fromUtf8(name);
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return u'`' + quoted + u'`';
}

QString grantTarget(const QByteArray& database) {
    // Backslashes first, so the escapes added next stay single.
    QByteArray pattern = database;
    pattern.replace('\\', "\\\\");
    pattern.replace('_', "\\_");
    pattern.replace('%', "\\%");
    return identifier(pattern) + QStringLiteral(".*");
}

QString nativeHash(const QString& password) {
    const QByteArray once = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1);
    const QByteArray twice = QCryptographicHash::hash(once, QCryptographicHash::Sha1);
    return u'*' + QString::fromLatin1(twice.toHex().toUpper());
}

QString creation(const TemporaryAccount& account) {
    const QString role = literal(account.ownerRole);
    const QString user = AccountSql::account(account.user, account.host);
    QStringList statements{QStringLiteral("CREATE ROLE IF NOT EXISTS %1").arg(role)};
    for (const QByteArray& database : account.databases)
        statements << QStringLiteral("GRANT ALL PRIVILEGES ON %1 TO %2").arg(grantTarget(database), role);
    statements << QStringLiteral("CREATE USER %1 IDENTIFIED BY PASSWORD '%2'").arg(user, nativeHash(account.password))
               << QStringLiteral("GRANT %1 TO %2").arg(role, user);
    if (account.binlogOff) {
        const QString binlog = literal(AccountNames::kBinlogRole);
        statements << QStringLiteral("CREATE ROLE IF NOT EXISTS %1").arg(binlog)
                   << QStringLiteral("GRANT BINLOG ADMIN ON *.* TO %1").arg(binlog)
                   << QStringLiteral("GRANT %1 TO %2").arg(binlog, user);
    }
    return statements.join(QStringLiteral(";\n")) + u';';
}

QString sessionStart(const TemporaryAccount& account, const QByteArray& database) {
    QStringList statements;
    if (account.binlogOff)
        statements << QStringLiteral("SET ROLE %1").arg(literal(AccountNames::kBinlogRole))
                   << QStringLiteral("SET SESSION sql_log_bin=0");
    statements << QStringLiteral("SET ROLE %1").arg(literal(account.ownerRole))
               << QStringLiteral("DO GET_LOCK(%1, 0)").arg(literal(account.user))
               << QStringLiteral("USE %1").arg(identifier(database));
    return statements.join(QStringLiteral("; "));
}

QString binlogRoleTakenBack(const TemporaryAccount& account) {
    return QStringLiteral("REVOKE %1 FROM %2")
        .arg(literal(AccountNames::kBinlogRole), AccountSql::account(account.user, account.host));
}

QString sessionsEnded(const QString& user, const QString& host) {
    return QStringLiteral("KILL CONNECTION USER %1").arg(account(user, host));
}

QString removal(const QString& user, const QString& host) {
    return sessionsEnded(user, host) + QStringLiteral("; DROP USER IF EXISTS %1;").arg(account(user, host));
}

QString leftoverQuery(qint64 graceSeconds) {
    // The name holds its creation time; a live import's session holds a lock of that name.
    return QStringLiteral(
               "SELECT User, Host FROM mysql.user WHERE User LIKE 'tarnwell\\_imp\\_%' "
               "AND CONV(SUBSTRING(User, 14, 8), 16, 10) < UNIX_TIMESTAMP() - %1 AND IS_USED_LOCK(User) IS NULL")
        .arg(graceSeconds);
}

QString trustQuery() { return QStringLiteral("SELECT @@GLOBAL.log_bin_trust_function_creators"); }

QString trustSet(bool on) { return QStringLiteral("SET GLOBAL log_bin_trust_function_creators=%1").arg(on ? 1 : 0); }

}  // namespace AccountSql
