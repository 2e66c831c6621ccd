#include "model/FailureText.h"

namespace FailureText {

Split split(const QString& message) {
    QStringList lines;
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines << trimmed;
    }
    if (lines.isEmpty()) return {};
    qsizetype chosen = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1String("ERROR "))) {
            chosen = i;
            break;
        }
    }
    Split result;
    result.summary = lines.takeAt(chosen);
    result.details = lines;
    return result;
}

}  // namespace FailureText
