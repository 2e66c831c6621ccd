#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "account/TemporaryAccount.h"

// The statements that make, start and end a temporary account, built from names that the
// server quotes and escapes as written here. MariaDB's roles make it work: the account owns
// nothing, and `DEFINER=CURRENT_ROLE` gives what the dump creates to the owner role.
namespace AccountSql {

// A string literal: backslash and quote escaped.
QString literal(const QString& text);
// 'user'@'host'.
QString account(const QString& user, const QString& host);
// The database part of GRANT … ON `db`.*: `_` and `%` are wildcards there, and `\` escapes them.
QString grantTarget(const QByteArray& database);
// The name quoted as an identifier, backticks doubled.
QString identifier(const QByteArray& name);

// MySQL's native password hash, '*' and 40 hexadecimal digits: the server logs this, never
// the password.
QString nativeHash(const QString& password);

// Made by the login: the owner role with every privilege on the databases and nothing else,
// the account that may take that role (and, for a session without binary logging, the role
// that may switch it off), each step a statement of its own.
QString creation(const TemporaryAccount& account);

// What the session runs first, as the account: its roles, the lock that tells others it is
// alive, and the first database.
QString sessionStart(const TemporaryAccount& account, const QByteArray& database);

// Run by the login once the session has started: the role that switched binary logging off
// goes, so no statement of the dump can take it.
QString binlogRoleTakenBack(const TemporaryAccount& account);

// Run by the login: ends every session of the account and drops it. Safe to run twice.
QString removal(const QString& user, const QString& host);
// Ends every session of the account; the account itself may run it.
QString sessionsEnded(const QString& user, const QString& host);

// Temporary accounts that no session holds and that are older than `graceSeconds`, as
// "user<TAB>host" lines: left behind by an import that could not end them.
QString leftoverQuery(qint64 graceSeconds);

// Binary logging makes the server refuse triggers and functions from an account without
// SUPER unless log_bin_trust_function_creators is on; the login turns it on for the import
// and back off at its end.
QString trustQuery();
QString trustSet(bool on);

}  // namespace AccountSql
