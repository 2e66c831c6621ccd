#include "dump/DumpName.h"

#include <QTextBoundaryFinder>

namespace DumpName {
namespace {

bool isWordCharacter(char32_t c) { return c == U'_' || QChar::isLetter(c) || QChar::isNumber(c); }

// The code point that ends right before `index`, or 0 at the start.
char32_t codePointBefore(const QString& text, qsizetype index) {
    if (index <= 0) return 0;
    const QChar last = text.at(index - 1);
    if (last.isLowSurrogate() && index >= 2 && text.at(index - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(index - 2), last);
    return last.unicode();
}

// The code point that starts at `index`, or 0 at the end.
char32_t codePointAt(const QString& text, qsizetype index) {
    if (index >= text.size()) return 0;
    const QChar first = text.at(index);
    if (first.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(index + 1));
    return first.unicode();
}

}  // namespace

QString stem(const QString& path) {
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    for (const char* compressed : {".gz", ".zst", ".xz", ".bz2"}) {
        if (name.toLower().endsWith(QLatin1String(compressed))) {
            name.chop(qsizetype(qstrlen(compressed)));
            break;
        }
    }
    if (name.toLower().endsWith(QLatin1String(".sql"))) name.chop(4);
    return name;
}

bool matches(const QString& stem, const QString& name) {
    const QString haystack = stem.toLower();
    const QString needle = name.toLower();
    if (characterCount(needle) < 3) return false;
    const qsizetype start = haystack.indexOf(needle);
    if (start < 0) return false;
    const qsizetype end = start + needle.size();
    const bool leftFine = start == 0 || !isWordCharacter(codePointBefore(haystack, start));
    const bool rightFine = end == haystack.size() || !isWordCharacter(codePointAt(haystack, end));
    return leftFine && rightFine;
}

qsizetype characterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) ++count;
    return count;
}

}  // namespace DumpName
