#include "import/ProgressText.h"

#include <algorithm>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

namespace ProgressText {

double fraction(const ImportProgress& progress) {
    if (progress.totalBytes < 1) return 0;
    return std::clamp(double(progress.bytesRead) / double(progress.totalBytes), 0.0, 1.0);
}

int tableNumber(const ImportProgress& progress) {
    // Counted by rows, not by mentions: a dump that creates every table before loading any
    // would otherwise read "table 173" throughout.
    if (progress.tables.isEmpty()) return progress.tableNumber;
    int withRows = 0;
    bool currentHasRows = false;
    for (const TableLoad& table : progress.tables) {
        if (table.rows <= 0) continue;
        ++withRows;
        currentHasRows = currentHasRows || table.name == progress.table;
    }
    if (withRows == 0) return 0;
    return currentHasRows ? withRows : withRows + 1;
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
    const QString bytes =
        L10n::render(QStringLiteral("progress"),
                     {ByteFormatting::bytes(progress.bytesRead), ByteFormatting::bytes(progress.totalBytes),
                      ByteFormatting::speed(progress.bytesPerSecond), remainder});
    if (progress.table.isEmpty()) return bytes;
    // "orders, 2 of 12 tables" when the dump's size in tables is known, else "orders, table 2".
    const int number = tableNumber(progress);
    if (number < 1) return progress.table + QStringLiteral(" · ") + bytes;
    const QString table =
        progress.tableCount >= number
            ? L10n::render(QStringLiteral("tableOfTables"), {progress.table, qint64(number), qint64(progress.tableCount)})
            : L10n::render(QStringLiteral("tableNumbered"), {progress.table, qint64(number)});
    return table + QStringLiteral(" · ") + bytes;
}

QString tableState(const TableLoad& table) {
    using State = TableLoad::State;
    switch (table.state) {
    case State::waiting: return L10n::render(QStringLiteral("tableWaiting"));
    case State::loading:
        return table.sessions > 1 ? L10n::render(QStringLiteral("tableLoadingIn"), {qint64(table.sessions)})
                                  : L10n::render(QStringLiteral("tableLoading"));
    case State::done: return L10n::render(QStringLiteral("tableDone"));
    case State::failed: return L10n::render(QStringLiteral("tableFailed"));
    case State::stopped: return L10n::render(QStringLiteral("tableStopped"));
    }
    return {};
}

QString outcomeTables(const QList<TableLoad>& tables) {
    const TableBoards::Counts counts = TableBoards::counts(tables);
    if (counts.total == 0) return {};
    QString text = L10n::renderCount(QStringLiteral("outcomeTablesComplete"), counts.total,
                                     {qint64(counts.done), qint64(counts.total)});
    QStringList partial;
    for (const TableLoad& table : tables) {
        const bool cut = table.state == TableLoad::State::stopped || table.state == TableLoad::State::failed;
        if (cut && (table.rows > 0 || table.bytes > 0)) partial << table.name;
    }
    if (!partial.isEmpty())
        text += QStringLiteral(", ") + L10n::render(QStringLiteral("outcomePartial"), {partial.join(QStringLiteral(", "))});
    return text;
}

QString tablesHeading(const QList<TableLoad>& tables) {
    const TableBoards::Counts counts = TableBoards::counts(tables);
    return L10n::render(QStringLiteral("tablesHeading"), {qint64(counts.done), qint64(counts.total)});
}

}  // namespace ProgressText
