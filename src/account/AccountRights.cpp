#include "account/AccountRights.h"

#include "account/AccountSql.h"

namespace AccountRights {
namespace {

// "GRANT <privileges> ON <target> TO …": the privileges and the target, when the line is one.
bool split(const QString& grant, QString* privileges, QString* target) {
    if (!grant.startsWith(QLatin1String("GRANT "))) return false;
    const qsizetype on = grant.indexOf(QLatin1String(" ON "));
    const qsizetype to = grant.indexOf(QLatin1String(" TO "), on + 4);
    if (on < 0 || to < 0) return false;
    *privileges = grant.mid(6, on - 6);
    *target = grant.mid(on + 4, to - on - 4);
    return true;
}

bool grantable(const QString& grant) { return grant.contains(QLatin1String(" WITH GRANT OPTION")); }

}  // namespace

bool mayConfine(const QStringList& grants, const QList<QByteArray>& databases) {
    bool createUser = false;
    bool grantEverywhere = false;
    QStringList grantableTargets;
    for (const QString& grant : grants) {
        QString privileges;
        QString target;
        if (!split(grant, &privileges, &target)) continue;
        const bool all = privileges == QLatin1String("ALL PRIVILEGES");
        if (target == QLatin1String("*.*")) {
            createUser = createUser || all || privileges.contains(QLatin1String("CREATE USER"));
            grantEverywhere = grantEverywhere || (all && grantable(grant));
        } else if (all && grantable(grant)) {
            grantableTargets << target;
        }
    }
    if (!createUser) return false;
    for (const QByteArray& database : databases)
        if (!grantEverywhere && !grantableTargets.contains(AccountSql::grantTarget(database))) return false;
    return true;
}

}  // namespace AccountRights
