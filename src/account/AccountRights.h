#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// What the login's grants (SHOW GRANTS, one statement a line) allow it to do for an import.
// A hint for the pre-flight only: the server's answer when the account is made decides.
namespace AccountRights {

// The login may make a temporary account confined to the databases: it may create accounts,
// and grant every privilege on each of them.
bool mayConfine(const QStringList& grants, const QList<QByteArray>& databases);

}  // namespace AccountRights
