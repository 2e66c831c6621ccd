#include "import/LogText.h"

namespace LogText {

QString shown(const QString& line) {
    QString text = line.size() > kShownCharacters ? line.left(kShownCharacters) : line;
    // Keep a surrogate pair whole at the cut.
    if (line.size() > kShownCharacters && text.back().isHighSurrogate()) text.chop(1);
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t') || (code >= 0x7F && code < 0xA0)) c = QChar(0xFFFD);
    }
    if (line.size() > kShownCharacters) text += QChar(0x2026);
    return text;
}

}  // namespace LogText
