#include <QFileInfo>

#include <algorithm>
#include <limits>

#include "dump/DumpInspection.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"

std::optional<QString> AppModel::importBlockedReason() const {
    const auto container = selectedContainer();
    const char* key = nullptr;
    if (!container) {
        key = "blockedNoContainer";
    } else if (!container->isMysql) {
        key = "blockedNotMySQL";
    } else if (!container->running) {
        key = container->state == QLatin1String("paused") ? "blockedPaused" : "blockedNotRunning";
    } else if (!selectedDatabase_) {
        key = "blockedNoDatabase";
    } else if (!dumpURL_) {
        key = "blockedNoFile";
    } else if (!effectivePassword(*container)) {
        key = "blockedNoPassword";
    }
    if (key) return L10n::render(QString::fromLatin1(key));
    // A chosen table the dump, read through, does not hold is a typing error: nothing would load.
    if (dumpPreview_ && dumpPreview_->path == *dumpURL_ && dumpPreview_->scan.complete) {
        QList<QByteArray> named = fixChoices_.tables.only.values();
        std::sort(named.begin(), named.end());
        for (const QByteArray& table : named)
            if (!dumpPreview_->scan.tableNames.contains(table))
                return L10n::render(QStringLiteral("tableNotInDump"), {QString::fromUtf8(table)});
    }
    return std::nullopt;
}

std::optional<ConfirmationTarget> AppModel::currentTarget() const {
    const auto container = selectedContainer();
    if (!container || !selectedDatabase_ || !dumpURL_) return std::nullopt;
    ConfirmationTarget target{container->id, container->name, *selectedDatabase_, *dumpURL_, false, std::nullopt};
    if (dumpPreview_ && dumpPreview_->path == *dumpURL_) {
        target.compressed = dumpPreview_->compressed;
        target.dropsTables = dumpPreview_->containsDropTable;
    } else {
        target.compressed = DumpInspection::isGzip(*dumpURL_);
    }
    return target;
}

void AppModel::requestImport() {
    pendingResume_.reset();
    pendingUndo_.reset();
    openConfirmation();
}

QString AppModel::confirmButtonText() const {
    if (pendingUndo_) return L10n::render(QStringLiteral("undoImport"));
    return L10n::render(pendingResume_ ? QStringLiteral("confirmContinue") : QStringLiteral("startImport"));
}

void AppModel::openConfirmation() {
    if (importBlockedReason() || phase_.isRunning()) return;
    confirmationTarget_ = currentTarget();
    keepCopyChoice_.reset();  // each confirmation starts from what the size suggests
    if (confirmImport_) {
        Q_EMIT fieldChanged(Field::confirmImport);  // asked again, with the new values
    } else {
        assign(confirmImport_, true, Field::confirmImport);
    }
}

QString AppModel::replacementSentence(const QString& database, const QString& containerName,
                                      const QString& sizeSentence,
                                      const std::optional<ConfirmationTarget>& target) const {
    const bool drops = target && target->dropsTables.value_or(false);
    // Read to its end, the dump says exactly which tables it replaces; a head alone cannot.
    const bool whole = dumpPreview_ && dumpPreview_->scan.complete && target && target->dumpPath == dumpPreview_->path;
    if (!whole || !serverInfo_)
        return L10n::render(drops ? QStringLiteral("confirmDrop") : QStringLiteral("confirmPlain"),
                            {database, containerName, sizeSentence});
    const QStringList replaced = DumpFixPlan::replacedTables(dumpPreview_->scan, *serverInfo_, database);
    if (replaced.isEmpty())
        return L10n::render(QStringLiteral("confirmReplacesNone"), {database, containerName, sizeSentence});
    constexpr qsizetype kNamed = 8;
    QString names = replaced.mid(0, kNamed).join(QStringLiteral(", "));
    if (replaced.size() > kNamed) names += QStringLiteral(", …");
    return L10n::renderCount(QStringLiteral("confirmReplaces"), replaced.size(),
                             {qint64(replaced.size()), database, containerName, names}) +
           sizeSentence;
}

QString AppModel::confirmMessage() const {
    const QString dash(QChar(0x2014));
    const std::optional<ConfirmationTarget> target =
        confirmImport_ && confirmationTarget_ ? confirmationTarget_ : currentTarget();
    const QString database = target ? target->database : selectedDatabase_.value_or(dash);
    const auto container = selectedContainer();
    const QString containerName = target ? target->containerName : container ? container->name : dash;
    QString sizeSentence;
    for (const MysqlDatabase& candidate : databases_) {
        if (candidate.name != database) continue;
        const quint64 limit = quint64(std::numeric_limits<qint64>::max());
        const qint64 bytes = qint64(std::min(candidate.bytes, limit));
        sizeSentence = L10n::renderCount(QStringLiteral("currentSize"), candidate.tables,
                                         {candidate.tables, ByteFormatting::bytes(bytes)});
        break;
    }
    QString message = replacementSentence(database, containerName, sizeSentence, target);
    if (pendingResume_) {
        const ImportJournal& journal = pendingResume_->journal;
        message = L10n::render(QStringLiteral("confirmResume"),
                               {QFileInfo(journal.dumpPath).fileName(), database, containerName, journal.kept.line});
        // The first step says the line again; the others say what becomes of each table begun.
        for (const QString& step : pendingResume_->plan.steps.mid(1)) message += QLatin1Char('\n') + step;
    }
    if (pendingUndo_) message = undoSentence(*pendingUndo_, containerName);
    if (const QString copy = copySentence(); !copy.isEmpty()) message += QStringLiteral("\n\n") + copy;
    // A dump that writes to databases of its own names them here, before anything runs.
    const DumpFixes fixes = plannedFixes();
    const QStringList others = DumpFixPlan::otherDatabases(fixes);
    if (!others.isEmpty())
        message += QStringLiteral("\n\n") +
                   L10n::render(QStringLiteral("confirmDatabases"), {others.join(QStringLiteral(", "))});
    if (fixes.batchStatements > 0)
        message += QStringLiteral("\n\n") + L10n::render(QStringLiteral("confirmBatches"), {fixes.batchStatements});
    if (fixChoices_.jobs > 1)
        message += QStringLiteral("\n\n") + L10n::render(QStringLiteral("confirmParallel"), {fixChoices_.jobs});
    // Whether the server will hold the import to them is part of what is confirmed.
    if (const auto unconfined = DumpFixPlan::unconfinedLine(fixes)) message += QStringLiteral("\n\n") + *unconfined;
    return message;
}

DumpFixes AppModel::plannedFixes() const {
    const DumpScan scan = dumpPreview_ ? dumpPreview_->scan : DumpScan{};
    return DumpFixPlan::plan(scan, serverInfo_.value_or(ServerInfo{}), fixChoices_,
                             selectedDatabase_.value_or(QString()));
}

QStringList AppModel::preflight() const {
    if (!dumpPreview_) return {};
    return DumpFixPlan::findings(dumpPreview_->scan, plannedFixes());
}
