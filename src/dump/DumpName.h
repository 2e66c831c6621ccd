#pragma once

#include <QString>

// File-name rules for proposing a target database.
namespace DumpName {

// The file name of the path without a trailing ".gz", ".zst", ".xz" or ".bz2" and then a
// trailing ".sql" (any case).
QString stem(const QString& path);

// Whether the database name (at least 3 characters) occurs in the stem as a whole word,
// ignoring case. Only the first occurrence counts.
bool matches(const QString& stem, const QString& name);

// The number of user-perceived characters.
qsizetype characterCount(const QString& text);

}  // namespace DumpName
