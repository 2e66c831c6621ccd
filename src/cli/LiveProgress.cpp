#include "cli/LiveProgress.h"

#include <algorithm>
#include <cmath>

#include "import/ProgressText.h"

namespace LiveProgress {
namespace {

constexpr int kBarCells = 24;

}  // namespace

QString bar(double fraction, int cells) {
    const int filled = int(std::floor(std::clamp(fraction, 0.0, 1.0) * cells));
    return QChar('[') + QString(filled, QChar(0x2588)) + QString(cells - filled, QChar(0x2591)) + QChar(']');
}

QString liveLine(const ImportProgress& progress, int columns) {
    const double share = ProgressText::fraction(progress);
    const QString percent = QStringLiteral(" %1% ").arg(int(std::floor(share * 100)), 3);
    QString text = bar(share, kBarCells) + percent + ProgressText::line(progress);
    // A line longer than the terminal would wrap, and the next redraw could not replace it.
    if (columns > 1 && text.size() >= columns) text = text.left(columns - 2) + QChar(0x2026);
    return text;
}

}  // namespace LiveProgress
