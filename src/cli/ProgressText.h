#pragma once

#include <QString>

#include "import/ImportProgress.h"

// The progress of a running import as text, composed as the window composes it.
namespace ProgressText {

// The share of the dump read, 0 to 1; 0 while the total is unknown.
double fraction(const ImportProgress& progress);

// The window's line under the bar: "12 MB of 200 MB · 8 MB/s · 24 sec left", or the
// tail message once the whole file is written.
QString line(const ImportProgress& progress);

// "[██████░░░░]" with the given number of cells.
QString bar(double fraction, int cells);

// Bar, percentage and line for a live terminal line, cut to fit the columns (0: no limit).
QString liveLine(const ImportProgress& progress, int columns);

}  // namespace ProgressText
