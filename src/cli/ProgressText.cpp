#include "cli/ProgressText.h"

#include <algorithm>
#include <cmath>

#include "import/ByteFormatting.h"
#include "settings/L10n.h"

namespace ProgressText {

namespace {

constexpr int kBarCells = 24;

}  // namespace

double fraction(const ImportProgress& progress) {
    if (progress.totalBytes < 1) return 0;
    return std::clamp(double(progress.bytesRead) / double(progress.totalBytes), 0.0, 1.0);
}

QString line(const ImportProgress& progress) {
    if (progress.inputFinished) return L10n::render(QStringLiteral("writingTail"));
    QString remainder;
    if (progress.bytesPerSecond > 1 && progress.totalBytes > progress.bytesRead) {
        const double seconds = double(progress.totalBytes - progress.bytesRead) / progress.bytesPerSecond;
        remainder = L10n::render(QStringLiteral("remaining"), {ByteFormatting::duration(seconds)});
    } else {
        remainder = L10n::render(QStringLiteral("measuring"));
    }
    return L10n::render(QStringLiteral("progress"),
                        {ByteFormatting::bytes(progress.bytesRead), ByteFormatting::bytes(progress.totalBytes),
                         ByteFormatting::speed(progress.bytesPerSecond), remainder});
}

QString bar(double fraction, int cells) {
    const int filled = int(std::floor(std::clamp(fraction, 0.0, 1.0) * cells));
    return QChar('[') + QString(filled, QChar(0x2588)) + QString(cells - filled, QChar(0x2591)) + QChar(']');
}

QString liveLine(const ImportProgress& progress, int columns) {
    const double share = fraction(progress);
    const QString percent = QStringLiteral(" %1% ").arg(int(std::floor(share * 100)), 3);
    QString text = bar(share, kBarCells) + percent + line(progress);
    // A line longer than the terminal would wrap, and the next redraw could not replace it.
    if (columns > 1 && text.size() >= columns) text = text.left(columns - 2) + QChar(0x2026);
    return text;
}

}  // namespace ProgressText
