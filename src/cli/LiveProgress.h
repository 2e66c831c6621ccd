#pragma once

#include <QString>

#include "import/ImportProgress.h"

// The one-line progress display of a terminal.
namespace LiveProgress {

// "[██████░░░░]" with the given number of cells.
QString bar(double fraction, int cells);

// Bar, percentage and the window's progress line, cut to fit the columns (0: no limit).
QString liveLine(const ImportProgress& progress, int columns);

}  // namespace LiveProgress
