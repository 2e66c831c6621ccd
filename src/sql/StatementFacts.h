#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

#include "sql/SqlTokens.h"

// What one statement of a dump does, read from its first tokens: the database it switches to or
// creates, the table it fills, the constructs only one server family knows.
namespace StatementFacts {

enum class Kind {
    other,
    use,             // USE db (the client's command, sent as a change of database)
    createDatabase,  // CREATE DATABASE / SCHEMA
    alterDatabase,
    dropDatabase,
    createTable,
    insert,  // INSERT or REPLACE
    lockTables,
    gtidPurged,     // SET @@GLOBAL.GTID_PURGED: MySQL only
    createRoutine,  // a view, trigger, procedure, function or event
    binlogSwitch,   // SET [@@SESSION.]SQL_LOG_BIN = …
};

struct Facts {
    Kind kind = Kind::other;
    QByteArray database;            // use / create / alter / drop database
    QByteArray table;               // createTable / insert / lockTables
    QByteArray qualifier;           // the database the table name is qualified with, if any
    QList<QByteArray> definers;     // "user@host" of each DEFINER= account
    bool definerClause = false;     // any DEFINER =, CURRENT_USER and unreadable ones included
    bool mysqlCollation = false;    // a utf8mb4_0900_* collation outside strings
    bool encryptionClause = false;  // DEFAULT ENCRYPTION of a database
    SqlTokens::Quoting quoting;     // as the statement was read
};

// Bytes of an INSERT that are enough to know its table.
constexpr qsizetype kInsertHead = 512;

Facts of(QByteArrayView statement, SqlTokens::Quoting quoting = {});

// The account written from tokens[user] on, after DEFINER=: `u`@`h`, 'u'@'h' or u@h. Nothing for
// CURRENT_USER or what is no account.
struct Account {
    qsizetype begin = 0;  // in the text
    qsizetype end = 0;
    QByteArray name;  // "user@host"
};
std::optional<Account> accountAt(QByteArrayView text, const QList<SqlTokens::Token>& tokens, qsizetype user);

// New mariadb-dump files start with one of these lines, which turn on the sandbox of MariaDB's
// client; a client without one stops at `\-`, even inside the older, versioned form.
constexpr QByteArrayView kSandboxLine = "/*M!999999\\- enable the sandbox mode */";
constexpr QByteArrayView kOlderSandboxLine = "/*!999999\\- enable the sandbox mode */";

// The length of the sandbox line the text starts with, or 0.
qsizetype sandboxLineAt(QByteArrayView text);
// Whether the text, too short to tell, may still grow into a sandbox line.
bool maybeSandboxLine(QByteArrayView text);

// A collation name that MySQL 8 has and MariaDB before 11.4.5 lacks.
bool isMysqlCollation(QByteArrayView name);

}  // namespace StatementFacts
