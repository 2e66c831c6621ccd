#include "dump/DumpText.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace DumpText {

QString decode(const QByteArray& bytes) {
    // Stateless: a sequence cut at the end becomes U+FFFD instead of waiting for more.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool containsDropTable(const QString& text) { return text.toUpper().contains(QLatin1String("DROP TABLE")); }

std::optional<QString> mentionedDatabase(const QString& text) {
    // Built per call: a shared expression object is not safe to match from several threads.
    // Only the keywords are caseless: a caseless [A-Za-z] also takes U+212A for k and U+017F for s.
    const QRegularExpression pattern(
        QStringLiteral("\\b(?i:USE|CREATE\\s+DATABASE(?:\\s+IF\\s+NOT\\s+EXISTS)?)\\s+`?([A-Za-z0-9_]+)`?"),
        QRegularExpression::UseUnicodePropertiesOption);
    if (!pattern.isValid()) return std::nullopt;
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || match.capturedStart(1) < 0) return std::nullopt;
    return match.captured(1);
}

}  // namespace DumpText
