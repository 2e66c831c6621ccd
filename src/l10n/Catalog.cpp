#include "l10n/Catalog.h"

#include <QStringList>

#include "l10n/CatalogParts.h"

extern const char kCatalogText[];

namespace Catalog {
namespace {

// Horizontal tab and the Unicode space separators; line breaks stay.
bool isNarrowSpace(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }

QStringView trimNarrow(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isNarrowSpace(line[begin])) ++begin;
    while (end > begin && isNarrowSpace(line[end - 1])) --end;
    return line.mid(begin, end - begin);
}

}  // namespace

Tables parse(const QString& text) {
    Tables tables;
    QString current;
    bool haveHeader = false;
    for (QStringView raw : QStringView(text).split(u'\n')) {
        const QStringView line = trimNarrow(raw);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            current = line.mid(1, line.size() - 2).toString();
            haveHeader = true;
            if (!tables.contains(current)) tables.insert(current, Table{});
            continue;
        }
        if (!haveHeader || current.isEmpty()) continue;
        const qsizetype separator = line.indexOf(u" = ");
        if (separator < 0) continue;
        tables[current].insert(line.left(separator).toString(), line.mid(separator + 3).toString());
    }
    return tables;
}

QString text() {
    QString all = QString::fromUtf8(kCatalogText);
    for (const CatalogParts::Part& part : CatalogParts::extra()) {
        all += u'\n';
        all += QString::fromUtf8(part.text);
    }
    while (all.endsWith(u'\n')) all.chop(1);
    return all;
}

const Tables& tables() {
    // A function-local static is initialised exactly once, thread-safely.
    static const Tables parsed = parse(text());
    return parsed;
}

}  // namespace Catalog
