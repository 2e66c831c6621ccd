#pragma once

#include <QString>

#include "import/ImportProgress.h"

// The progress of a running import as the window and the terminal show it.
namespace ProgressText {

// Seconds without a byte moving before the speed gives way to "no data is moving".
constexpr double kStalledSeconds = 3;

// The share of the dump read, 0 to 1; 0 while the total is unknown.
double fraction(const ImportProgress& progress);

// The loading table's place among the tables that have received rows so far; 0 before any has.
int tableNumber(const ImportProgress& progress);

// "12 MB of 200 MB · 8 MB/s · 24 sec left", or the tail message once the whole file is written.
QString line(const ImportProgress& progress);

// "Loading in 3 sessions", "Done", … for one table of the list.
QString tableState(const TableLoad& table);

// "Tables: 12 of 40 done".
// What an ended import left: "12 of 40 tables complete, orders partial"; empty without tables.
QString outcomeTables(const QList<TableLoad>& tables);

QString tablesHeading(const QList<TableLoad>& tables);

}  // namespace ProgressText
