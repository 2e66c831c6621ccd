#include "import/SpeedWindow.h"

double SpeedWindow::sample(double now, qint64 bytes) {
    samples_.emplace_back(now, bytes);
    while (now - samples_.front().first > kWindowSeconds) samples_.pop_front();
    const auto& [oldestTime, oldestBytes] = samples_.front();
    const double span = now - oldestTime;
    if (span >= kMinimumSpan && span > 0) return double(bytes - oldestBytes) / span;
    return 0;
}
