#pragma once

#include <QHash>
#include <QString>

// The compiled-in message catalog: one INI-like text, one section per language.
namespace Catalog {

using Table = QHash<QString, QString>;  // key -> template
using Tables = QHash<QString, Table>;   // section code -> table

// Parses a catalog text; malformed lines are skipped, never reported.
Tables parse(const QString& text);

// The compiled-in catalog, parsed once on first use and read-only afterwards.
const Tables& tables();

// The compiled-in catalog text itself.
QString text();

}  // namespace Catalog
