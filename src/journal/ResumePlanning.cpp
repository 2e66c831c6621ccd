#include "journal/ResumePlanning.h"

#include <QFileInfo>

#include "l10n/L10n.h"

namespace ResumePlanning {

std::optional<QString> mismatch(const ImportJournal& journal, const QString& dumpPath,
                                const std::optional<DumpIdentity>& dumpNow) {
    const QString name = QFileInfo(journal.dumpPath).fileName();
    if (QFileInfo(journal.dumpPath).absoluteFilePath() != QFileInfo(dumpPath).absoluteFilePath())
        return L10n::render(QStringLiteral("resumeOtherDump"), {journal.database, name});
    if (!dumpNow || *dumpNow != journal.dump) return L10n::render(QStringLiteral("resumeDumpChanged"), {name});
    if (journal.kept.end <= 0) return L10n::render(QStringLiteral("resumeNothingKept"));
    return std::nullopt;
}

std::optional<QString> tableToCount(const ImportJournal& journal, const DumpScan& scan) {
    const auto span = scan.tableSpans.find(journal.kept.table.toUtf8());
    if (span == scan.tableSpans.end()) return std::nullopt;
    if (span->firstEnd > journal.kept.end || span->lastEnd <= journal.kept.end) return std::nullopt;
    return journal.kept.table;
}

Plan plan(const ImportJournal& journal, const DumpScan& scan, const QSet<QString>& serverTables,
          std::optional<qint64> counted) {
    Plan result;
    const qint64 kept = journal.kept.end;
    result.resume.keptEnd = kept;
    if (!scan.complete) {
        result.refusal = L10n::render(QStringLiteral("resumeNeedsWholeDump"));
        return result;
    }
    result.steps << L10n::render(QStringLiteral("resumeFrom"), {journal.kept.line});
    const QList<QByteArray> names = scan.tableSpans.keys();
    for (const QByteArray& name : names) {
        const DumpScan::TableSpan& span = scan.tableSpans.value(name);
        const QString shown = QString::fromUtf8(name);
        if (span.lastEnd <= kept) continue;  // all of it is kept
        if (span.firstEnd > kept) {
            // Not begun: its statements run as in a whole import. One that is there already and
            // that the dump does not drop first would get its rows on top of those it holds.
            if (serverTables.contains(shown) && !span.droppedFirst) {
                result.refusal = L10n::render(QStringLiteral("resumeTableThere"), {shown});
                return result;
            }
            continue;
        }
        // Begun and not ended: it counts on from its last commit where it holds just what that
        // commit left, and starts over where the dump drops it first.
        if (shown == journal.kept.table && counted && *counted == journal.kept.tableRows) {
            result.resume.continued = name;
            result.resume.continuedRows = journal.kept.tableRows;
            result.steps << L10n::render(QStringLiteral("resumeTableContinues"), {shown, journal.kept.tableRows});
        } else if (span.droppedFirst) {
            result.resume.replayed.insert(name);
            result.steps << L10n::render(QStringLiteral("resumeTableRestarts"), {shown});
        } else {
            result.refusal = L10n::render(QStringLiteral("resumeTableChanged"), {shown});
            return result;
        }
    }
    for (const QByteArray& name : scan.tableNames)
        if (scan.tableSpans.value(name).lastEnd > kept) result.tablesLeft << QString::fromUtf8(name);
    return result;
}

}  // namespace ResumePlanning
