#include "import/ProgressText.h"

#include <algorithm>

#include "import/ByteFormatting.h"
#include "settings/L10n.h"

namespace ProgressText {

double fraction(const ImportProgress& progress) {
    if (progress.totalBytes < 1) return 0;
    return std::clamp(double(progress.bytesRead) / double(progress.totalBytes), 0.0, 1.0);
}

QString line(const ImportProgress& progress) {
    if (progress.inputFinished) return L10n::render(QStringLiteral("writingTail"));
    // A speed and time left from before a stall would only mislead (a paused container).
    if (progress.idleSeconds >= kStalledSeconds) {
        return L10n::render(QStringLiteral("progressStalled"),
                            {ByteFormatting::bytes(progress.bytesRead), ByteFormatting::bytes(progress.totalBytes)});
    }
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

}  // namespace ProgressText
