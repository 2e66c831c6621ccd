#pragma once

#include <QString>

// SQL text built from names a user typed: always quoted, never pasted in as code.
namespace SqlText {

// `name` with each backtick doubled: any text is one identifier.
QString quotedIdentifier(const QString& name);

// Letters, digits and underscores only, as character set and collation names are.
bool isPlainName(const QString& word);

// CREATE DATABASE for utf8mb4, with the collation when it is a plain name, else the server's
// default for utf8mb4.
QString createDatabaseStatement(const QString& name, const QString& collation);

}  // namespace SqlText
