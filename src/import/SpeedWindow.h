#pragma once

#include <QtGlobal>

#include <deque>
#include <utility>

// The copy speed averaged over the last 8 seconds of (time, bytes) samples.
class SpeedWindow {
public:
    static constexpr double kWindowSeconds = 8.0;
    static constexpr double kMinimumSpan = 0.4;
    static constexpr double kResolution = 0.01;

    // Adds the sample and answers the speed in bytes per second; 0 until the oldest
    // sample in the window is at least 0.4 seconds old.
    double sample(double now, qint64 bytes);

private:
    std::deque<std::pair<double, qint64>> samples_;
};
