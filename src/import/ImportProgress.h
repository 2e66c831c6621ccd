#pragma once

#include <QList>
#include <QString>

#include "dump/KeptPoint.h"
#include "dump/TableBoard.h"

// A snapshot of a running import.
struct ImportProgress {
    qint64 bytesRead = 0;        // dump bytes written into the pipeline so far
    qint64 totalBytes = 0;       // the file's size when the copy began
    double bytesPerSecond = 0;   // 0 while not yet measurable
    double elapsed = 0;          // seconds since the import started
    bool inputFinished = false;  // the whole file has been written
    double idleSeconds = 0;      // since the last byte went into the pipeline
    QString table{};             // the table being loaded, when the dump's statements name it
    int tableNumber = 0;         // its place among the tables met so far, from 1
    int tableCount = 0;          // tables the dump holds, when known; else 0
    QList<TableLoad> tables{};   // each table the stream met or expects, in the dump's order
    KeptPoint kept{};            // how far the committed work reaches; end 0 while nothing is

    bool operator==(const ImportProgress&) const = default;
};
