#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <qcoro/qcorofuture.h>

#include <cerrno>
#include <utility>

#include "backup/CopyStore.h"
#include "backup/TableSaving.h"
#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "import/ImportCommand.h"
#include "import/ImportRunner.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"
#include "posix/SystemMessage.h"

namespace {

constexpr quint64 kDefaultPacket = 536870912;  // 512 MiB when the server was not probed
constexpr int kSizesSettleMs = 10000;

// Posts a step to the main thread; it runs only while the model still exists. The
// application object lives longer than any model, so posting to it is always safe.
template <typename Step>
void postToModel(const QPointer<AppModel>& model, Step step) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [model, step = std::move(step)] {
            if (model) step(model.data());
        },
        Qt::QueuedConnection);
}

// Saves the copy before the import, on the import's thread; anything but success ends the
// import before its first statement, with the target untouched.
ImportOutcome saveCopy(const AppModel::CopyBeforeImport& before, const ImportRequest& request,
                       const DockerClient& client, const ImportRunner& runner, int keepDays,
                       const std::function<void(const QString&)>& log) {
    if (!CopyStore::prepareFolder())
        return ImportOutcome::failed(
            L10n::render(QStringLiteral("copyFailed"),
                         {request.database, CopyStore::folder() + QStringLiteral(": ") + systemMessage(errno)}));
    CopyStore::prune(keepDays, QDateTime::currentDateTimeUtc());
    log(L10n::render(QStringLiteral("copySaving"),
                     {before.copy.tables.join(QStringLiteral(", ")), request.database, before.copy.path}));
    TableSaving::Job job{client,           request.containerName, before.dumpProgram, request.user,
                         request.password, request.database,      before.copy.tables, before.epilogue,
                         before.copy.path, before.mysqlServer};
    const TableSaving::Result result = TableSaving::save(job, [&runner] { return runner.cancelRequested(); });
    if (result.stopped) {
        log(L10n::render(QStringLiteral("copyStopped"), {request.database}));
        return ImportOutcome::cancelled();
    }
    if (!result.saved)
        return ImportOutcome::failed(L10n::render(QStringLiteral("copyFailed"), {request.database, result.error}));
    TableCopy copy = before.copy;
    copy.bytes = result.bytes;
    if (!CopyStore::record(copy)) {
        QFile::remove(copy.path);
        return ImportOutcome::failed(
            L10n::render(QStringLiteral("copyFailed"),
                         {request.database, L10n::render(QStringLiteral("copyNotRecorded"), {CopyStore::folder()})}));
    }
    log(L10n::render(QStringLiteral("copySaved"), {ByteFormatting::bytes(copy.bytes), copy.path}));
    return ImportOutcome::success(0);
}

}  // namespace

void AppModel::setRunner(std::shared_ptr<ImportRunner> runner) {
    runner_ = std::move(runner);
    stopping_ = false;
    Q_EMIT fieldChanged(Field::runner);  // always notifies
}

void AppModel::startImport() {
    const std::optional<ConfirmationTarget> confirmed = std::exchange(confirmationTarget_, std::nullopt);
    if (importBlockedReason() || phase_.isRunning()) return;
    const auto target = currentTarget();
    if (!confirmed || confirmed != target) {
        // The confirmation named something else (a refresh, a click or the inspection came
        // in between): nothing starts, and the user is asked about what is there now.
        requestImport();
        return;
    }
    const auto container = selectedContainer();
    const auto password = effectivePassword(*container);
    // The import reads the dump itself; reading it ahead as well would only slow it.
    stopReadingDump();

    ImportRequest request;
    request.fileURL = target->dumpPath;
    request.containerName = target->containerName;
    request.database = target->database;
    request.user = effectiveUser(*container);
    request.password = *password;
    request.maxAllowedPacket = serverInfo_ ? serverInfo_->maxAllowedPacket : kDefaultPacket;
    request.disableUniqueChecks = disableUniqueChecks_;
    request.disableForeignKeyChecks = disableForeignKeyChecks_;
    request.disableBinlog = disableBinlog_;
    request.serverLogBin = serverInfo_ ? serverInfo_->logBin : true;
    // The client that answered the probe; images without `mysql` need `mariadb`.
    if (serverInfo_) request.clientProgram = serverInfo_->clientProgram;
    request.fixes = plannedFixes();
    request.jobs = qBound(1, fixChoices_.jobs, FixChoices::kMostJobs);
    if (dumpPreview_ && dumpPreview_->scan.complete) request.expectedTables = dumpPreview_->scan.tables;
    if (dumpPreview_)
        for (const QByteArray& name : dumpPreview_->scan.tableNames)
            request.expectedTableNames.append(QString::fromUtf8(name));

    QStringList opening = {L10n::render(QStringLiteral("importTo"), {request.database, request.containerName}),
                           request.fileURL};
    applyResume(request, opening);
    if (pendingUndo_)
        opening << L10n::render(QStringLiteral("undoLog"),
                                {QFileInfo(pendingUndo_->importedDump).fileName(), pendingUndo_->savedAt()});
    std::optional<CopyBeforeImport> copy = copyBeforeImport(request);
    keepJournal(request);
    pendingResume_.reset();
    pendingUndo_.reset();
    keepCopyChoice_.reset();
    const QString statements = ImportCommand::sessionStatements(request);
    if (!statements.isEmpty()) opening << statements;
    logLines_ = opening;
    logHead_ = qMin<qsizetype>(opening.size(), kLogHeadLimit - 1);
    logHeadOpen_ = true;  // the runner's first line, its command, belongs to the head
    logDropped_ = 0;
    Q_EMIT fieldChanged(Field::logLines);
    dismissError();  // the new import supersedes what failed before

    importDatabase_ = request.database;
    importDump_ = request.fileURL;
    assign(phase_, Phase::running(ImportProgress{}), Field::phase);
    auto runner = std::make_shared<ImportRunner>();
    setRunner(runner);
    runImport(runner, request, std::move(copy));  // runs on by itself
}

QCoro::Task<> AppModel::runImport(std::shared_ptr<ImportRunner> runner, ImportRequest request,
                                  std::optional<CopyBeforeImport> copy) {
    QPointer<AppModel> self(this);
    const int keepDays = copyKeepDays_;
    QFuture<ImportOutcome> job = QtConcurrent::run(&importPool_, [runner, request, copy, keepDays, self] {
        const auto tools = locateTools();
        if (!tools.value) return ImportOutcome::failed(tools.error);
        const auto log = [self](const QString& line) {
            postToModel(self, [line](AppModel* model) { model->appendLog(line); });
        };
        if (copy) {
            const ImportOutcome saved = saveCopy(*copy, request, *tools.value, *runner, keepDays, log);
            if (saved.kind != ImportOutcome::Kind::success) return saved;
            postToModel(self, [](AppModel* model) { Q_EMIT model->fieldChanged(Field::savedCopies); });
        }
        return runner->run(
            request, *tools.value,
            [self](const ImportProgress& progress) {
                postToModel(self, [progress](AppModel* model) {
                    model->noteKept(progress.kept);
                    if (model->phase_.isRunning()) model->assign(model->phase_, Phase::running(progress), Field::phase);
                });
            },
            log);
    });
    const ImportOutcome outcome = co_await job;
    if (!self) co_return;
    finish(outcome);
}

void AppModel::cancelImport() {
    if (!runner_) return;
    runner_->cancel();
    if (std::exchange(stopping_, true)) return;
    Q_EMIT fieldChanged(Field::runner);  // the window shows it is stopping, at once
}

void AppModel::finish(const ImportOutcome& outcome) {
    closeJournal(outcome);
    setRunner(nullptr);
    // Whatever the end, the target changed: its tables and sizes are read again, without a
    // failure of that read hiding the import's own message. InnoDB counts a table's size a few
    // seconds after its rows: one more reading then gives the result panel the size it settles on.
    probeServer(false);
    QTimer::singleShot(kSizesSettleMs, this, [this, id = selectedContainerID_] {
        if (selectedContainerID_ == id && !runner_) probeServer(false);
    });
    switch (outcome.kind) {
    case ImportOutcome::Kind::success:
        assign(phase_, Phase::success(outcome.elapsed).withTables(outcome.tables), Field::phase);
        appendLog(L10n::render(QStringLiteral("finishedLog"), {ByteFormatting::duration(outcome.elapsed)}));
        break;
    case ImportOutcome::Kind::failed:
        assign(phase_, Phase::failed(outcome.message).withTables(outcome.tables), Field::phase);
        assign(errorMessage_, std::optional<QString>(outcome.message), Field::errorMessage);
        appendLog(outcome.message);
        break;
    case ImportOutcome::Kind::cancelled:
        assign(phase_, Phase::cancelled().withTables(outcome.tables), Field::phase);
        appendLog(L10n::render(QStringLiteral("cancelledLog")));
        break;
    }
    // Opened from outside meanwhile: it becomes the dump now, and the outcome stays, naming the
    // file it is about, so the user still learns how the import ended.
    if (const std::optional<QString> held = std::exchange(heldDump_, std::nullopt)) takeDump(*held);
}

void AppModel::appendLog(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) return;
    logLines_.append(trimmed);
    if (std::exchange(logHeadOpen_, false)) logHead_ = logLines_.size();
    const qsizetype excess = logLines_.size() - kLogLimit;
    if (excess > 0) {
        // The head says what this log is about; the middle goes, and one line counts it.
        const bool marked = logDropped_ > 0;
        const qsizetype removed = marked ? excess : excess + 1;
        logLines_.remove(logHead_ + (marked ? 1 : 0), removed);
        logDropped_ += removed;
        const QString marker = L10n::render(QStringLiteral("logLinesLeftOut"), {logDropped_});
        if (marked) {
            logLines_[logHead_] = marker;
        } else {
            logLines_.insert(logHead_, marker);
        }
    }
    Q_EMIT fieldChanged(Field::logLines);  // appends always notify
}
