#pragma once

#include <QString>

// Sizes, speeds and durations as text. Callable from any thread.
namespace ByteFormatting {

// File-size style with decimal units and the system locale: "999 bytes", "1.5 MB",
// "11 GB", "Zero KB".
QString bytes(qint64 count);
// Clamped to the largest signed 64-bit value first.
QString bytes(quint64 count);

// "12.3 MB/s"; "…" while nothing above 1 byte per second has been measured.
QString speed(double bytesPerSecond);

// "45 sec", "2 min", "2 min 5 sec", "1 hr 0 min" in the current language.
QString duration(double seconds);

}  // namespace ByteFormatting
