#include "import/SpeedWindow.h"

double SpeedWindow::sample(double now, qint64 bytes) {
    // Samples closer together than this change an 8-second average by nothing visible;
    // skipping them keeps the list short however small and fast the chunks are.
    if (samples_.empty() || now - samples_.back().first >= kResolution) samples_.emplace_back(now, bytes);
    while (now - samples_.front().first > kWindowSeconds) samples_.pop_front();
    const auto& [oldestTime, oldestBytes] = samples_.front();
    const double span = now - oldestTime;
    if (span >= kMinimumSpan && span > 0) return double(bytes - oldestBytes) / span;
    return 0;
}
