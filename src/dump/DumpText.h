#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the text of a dump sample says.
namespace DumpText {

// UTF-8, with every invalid or cut-off sequence replaced by U+FFFD; never fails.
QString decode(const QByteArray& bytes);

// Whether the text, upper-cased, holds "DROP TABLE" (one space between the words).
bool containsDropTable(const QString& text);

// The name in the first USE or CREATE DATABASE statement of the text.
std::optional<QString> mentionedDatabase(const QString& text);

}  // namespace DumpText
