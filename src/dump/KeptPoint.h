#pragma once

#include <QString>

// How far an import's committed work reaches in its dump: every statement that ends at or before
// `end` (an offset in the dump's text) ran and was committed.
struct KeptPoint {
    qint64 end = 0;
    qint64 line = 0;    // the first line of the last statement kept
    QString table;      // the table that statement is about; empty when none
    qint64 tableRows = 0;  // the rows that table's INSERTs had added by then

    bool operator==(const KeptPoint&) const = default;
};
