// The copy of a target's tables saved before an import replaces them, and undoing the import
// with it.
#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include "backup/CopyStore.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"

namespace {

constexpr qsizetype kNamed = 8;

QString someNames(const QStringList& names) {
    QString text = names.mid(0, kNamed).join(QStringLiteral(", "));
    if (names.size() > kNamed) text += QStringLiteral(", …");
    return text;
}

}  // namespace

std::optional<CopyPlanning::Plan> AppModel::plannedCopy() const {
    if (pendingResume_ || pendingUndo_ || !serverInfo_ || !selectedDatabase_ || !dumpURL_) return std::nullopt;
    const DumpScan scan = dumpPreview_ && dumpPreview_->path == *dumpURL_ ? dumpPreview_->scan : DumpScan{};
    const CopyPlanning::Plan plan = CopyPlanning::plan(scan, *serverInfo_, *selectedDatabase_, fixChoices_.tables);
    if (plan.tables.isEmpty()) return std::nullopt;
    return plan;
}

bool AppModel::keepsCopy() const {
    const auto plan = plannedCopy();
    if (!plan) return false;
    return keepCopyChoice_.value_or(CopyPlanning::onByDefault(*plan, copyLimit_));
}

void AppModel::setCopyPolicy(quint64 limitBytes, int keepDays) {
    copyLimit_ = limitBytes;
    copyKeepDays_ = keepDays;
    if (CopyStore::prune(copyKeepDays_, QDateTime::currentDateTimeUtc()) > 0) Q_EMIT fieldChanged(Field::savedCopies);
}

std::optional<TableCopy> AppModel::lastCopy() const {
    const auto container = selectedContainer();
    if (!container || !selectedDatabase_) return std::nullopt;
    return CopyStore::latest(container->name, *selectedDatabase_);
}

QList<TableCopy> AppModel::savedCopies() const { return CopyStore::list(); }

void AppModel::removeCopy(const TableCopy& copy) {
    CopyStore::remove(copy);
    Q_EMIT fieldChanged(Field::savedCopies);
}

QString AppModel::copySentence() const {
    const auto plan = plannedCopy();
    if (!plan) return {};
    const QString size = ByteFormatting::bytes(plan->serverBytes);
    if (!keepsCopy()) {
        if (!keepCopyChoice_ && !CopyPlanning::onByDefault(*plan, copyLimit_))
            return L10n::render(QStringLiteral("copyTooLarge"), {size, ByteFormatting::bytes(copyLimit_)});
        return L10n::render(QStringLiteral("copyOff"));
    }
    if (plan->wholeDatabase)
        return L10n::render(QStringLiteral("copyBeforeWhole"), {selectedDatabase_.value_or(QString()), size});
    return L10n::render(QStringLiteral("copyBefore"), {size, someNames(plan->tables)});
}

QString AppModel::undoSentence(const TableCopy& copy, const QString& containerName) const {
    QString text = L10n::render(QStringLiteral("confirmUndo"), {QFileInfo(copy.importedDump).fileName(), copy.database,
                                                                containerName, copy.savedAt(), someNames(copy.tables)});
    if (!copy.removes.isEmpty())
        text += QLatin1Char(' ') + L10n::render(QStringLiteral("undoRemoves"), {someNames(copy.removes)});
    return text;
}

std::optional<AppModel::CopyBeforeImport> AppModel::copyBeforeImport(const ImportRequest& request) const {
    if (!keepsCopy()) return std::nullopt;
    const auto plan = plannedCopy();
    const auto container = selectedContainer();
    if (!plan || !container) return std::nullopt;
    CopyBeforeImport before;
    before.dumpProgram = CopyPlanning::dumpProgram(request.clientProgram);
    before.mysqlServer = serverInfo_ && !serverInfo_->isMariadb();
    before.epilogue = CopyPlanning::epilogue(plan->removes);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    before.copy = TableCopy{CopyStore::newCopyPath(container->name, request.database, now),
                            container->name,
                            request.database,
                            request.fileURL,
                            now,
                            plan->tables,
                            plan->removes,
                            0};
    return before;
}

QCoro::Task<bool> AppModel::requestUndo() {
    QPointer<AppModel> self(this);
    const auto container = selectedContainer();
    if (phase_.isRunning() || !container || !selectedDatabase_) co_return false;
    const QString database = *selectedDatabase_;
    const std::optional<TableCopy> copy = CopyStore::latest(container->name, database);
    if (!copy) {
        assign(errorMessage_,
               std::optional<QString>(L10n::render(QStringLiteral("undoNoCopy"), {database, container->name})),
               Field::errorMessage);
        co_return false;
    }
    pinDatabase(database);  // the copy's file name must not propose another target
    if (dumpURL_ != copy->path) clearOutcome();
    auto inspecting = takeDump(copy->path);
    co_await inspecting;
    if (!self || dumpURL_ != copy->path || !dumpPreview_ || selectedDatabase_ != database) co_return false;
    pendingResume_.reset();
    pendingUndo_ = copy;
    openConfirmation();
    co_return confirmImport_;
}
