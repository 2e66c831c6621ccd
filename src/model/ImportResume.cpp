// Continuing an import that stopped, from its journal: where it can continue, what must be
// checked on the server first, and the confirmation for it.
#include <QPointer>

#include "docker/DockerClient.h"
#include "journal/JournalStore.h"
#include "journal/ResumePlanning.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"

namespace {

QStringList sortedNames(const QSet<QByteArray>& names) {
    QStringList list;
    for (const QByteArray& name : names) list << QString::fromUtf8(name);
    list.sort();
    return list;
}

QSet<QByteArray> nameSet(const QStringList& names) {
    QSet<QByteArray> set;
    for (const QString& name : names) set.insert(name.toUtf8());
    return set;
}

}  // namespace

std::optional<ImportJournal> AppModel::stoppedImport() const {
    const auto container = selectedContainer();
    if (!container || !selectedDatabase_ || !dumpURL_) return std::nullopt;
    std::optional<ImportJournal> journal = JournalStore::load(container->name, *selectedDatabase_);
    if (!journal || journal->dumpPath != *dumpURL_) return std::nullopt;
    return journal;
}

std::optional<KeptPoint> AppModel::resumePoint() const {
    if (runner_ || phase_.isRunning()) return std::nullopt;
    const std::optional<ImportJournal> journal = stoppedImport();
    if (!journal || journal->kept.end <= 0) return std::nullopt;
    return journal->kept;
}

void AppModel::refuseResume(const QString& why) {
    assign(errorMessage_, std::optional<QString>(why), Field::errorMessage);
}

QCoro::Task<bool> AppModel::requestResume() {
    QPointer<AppModel> self(this);
    const auto container = selectedContainer();
    if (importBlockedReason() || phase_.isRunning() || !container) co_return false;
    const QString path = *dumpURL_;
    const QString database = *selectedDatabase_;
    // Any stopped import into this target: one of another file is refused with its name.
    const std::optional<ImportJournal> journal = JournalStore::load(container->name, database);
    if (!journal) {
        refuseResume(L10n::render(QStringLiteral("resumeNoJournal"), {database, container->name}));
        co_return false;
    }
    if (const auto why = ResumePlanning::mismatch(*journal, path, DumpIdentity::of(path))) {
        refuseResume(*why);
        co_return false;
    }
    // Where each table's statements lie is known only once the whole dump has been read.
    if (!(dumpPreview_ && dumpPreview_->path == path && dumpPreview_->scan.complete)) {
        if (!dumpPreview_) co_return false;
        // A reading under way cannot be awaited from here: this one replaces it.
        stopReadingDump();
        auto reading = readWholeDump(path);
        co_await reading;
        if (!self) co_return false;
        if (!(dumpPreview_ && dumpPreview_->path == path && dumpPreview_->scan.complete)) {
            refuseResume(L10n::render(QStringLiteral("resumeNeedsWholeDump")));
            co_return false;
        }
    }
    const DumpScan scan = dumpPreview_->scan;

    // The table the stopped import was filling counts on only if it holds just what its last
    // commit left: the server counts its rows.
    std::optional<qint64> counted;
    if (const auto table = ResumePlanning::tableToCount(*journal, scan)) {
        const auto tools = locateTools();
        if (!tools.value) {
            refuseResume(tools.error);
            co_return false;
        }
        const DockerClient client = *tools.value;
        const QString program = serverInfo_ ? serverInfo_->clientProgram : QStringLiteral("mysql");
        auto counting = runInBackground([client, name = container->name, program, user = effectiveUser(*container),
                                         password = effectivePassword(*container).value_or(QString()), database,
                                         table = *table] {
            return client.countRows(name, program, user, password, database, table);
        });
        const auto rows = co_await counting;
        if (!self) co_return false;
        if (!rows.value) {
            refuseResume(rows.error);
            co_return false;
        }
        counted = *rows.value;
    }
    const QSet<QString> serverTables = serverInfo_ ? serverInfo_->tableNames.value(database) : QSet<QString>();
    ResumePlanning::Plan plan = ResumePlanning::plan(*journal, scan, serverTables, counted);
    if (!plan.refusal.isEmpty()) {
        refuseResume(plan.refusal);
        co_return false;
    }
    if (dumpURL_ != path || selectedDatabase_ != database || selectedContainerID_ != container->id) co_return false;
    pendingResume_ = PendingResume{*journal, std::move(plan)};
    openConfirmation();
    co_return confirmImport_;
}

void AppModel::applyResume(ImportRequest& request, QStringList& opening) const {
    if (!pendingResume_) return;
    const PendingResume& resume = *pendingResume_;
    request.fixes.resume = resume.plan.resume;
    // The import that continues keeps the choice of tables it began with.
    request.fixes.tables = TableChoice{nameSet(resume.journal.onlyTables), nameSet(resume.journal.exceptTables)};
    request.expectedTableNames = resume.plan.tablesLeft;
    request.expectedTables = int(resume.plan.tablesLeft.size());
    opening << resume.plan.steps;
}

void AppModel::keepJournal(const ImportRequest& request) {
    journal_.reset();
    // Without batches nothing tells what was kept: there is no continuing.
    if (request.fixes.batchStatements <= 0) return;
    const auto identity = DumpIdentity::of(request.fileURL);
    if (!identity) return;
    ImportJournal journal;
    journal.dumpPath = request.fileURL;
    journal.dump = *identity;
    journal.container = request.containerName;
    journal.database = request.database;
    journal.onlyTables = sortedNames(request.fixes.tables.only);
    journal.exceptTables = sortedNames(request.fixes.tables.except);
    if (pendingResume_) journal.kept = pendingResume_->journal.kept;
    journal_ = journal;
    JournalStore::save(journal);
}

void AppModel::noteKept(const KeptPoint& kept) {
    // Only forward: a run that continues and commits nothing keeps the point it started from.
    if (!journal_ || kept.end <= journal_->kept.end) return;
    journal_->kept = kept;
    JournalStore::save(*journal_);
}

void AppModel::closeJournal(const ImportOutcome& outcome) {
    if (!journal_) return;
    if (outcome.kind == ImportOutcome::Kind::success) {
        JournalStore::remove(journal_->container, journal_->database);
    } else {
        noteKept(outcome.kept);
    }
    journal_.reset();
}
