#include <QCoreApplication>
#include <QPointer>

#include <thread>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "import/ByteFormatting.h"
#include "import/DumpInspection.h"
#include "import/ImportCommand.h"
#include "import/ImportRunner.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"
#include "settings/L10n.h"

namespace {

constexpr quint64 kDefaultPacket = 536870912;  // 512 MiB when the server was not probed

// Posts a step to the main thread; it runs only while the model still exists. The
// application object lives longer than any model, so posting to it is always safe.
template <typename Step>
void postToModel(const QPointer<AppModel>& model, Step step) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [model, step = std::move(step)] {
            if (model) step(model.data());
        },
        Qt::QueuedConnection);
}

}  // namespace

void AppModel::setRunner(std::shared_ptr<ImportRunner> runner) {
    runner_ = std::move(runner);
    Q_EMIT fieldChanged(Field::runner);  // always notifies
}

void AppModel::startImport() {
    const auto container = selectedContainer();
    if (!container || !selectedDatabase_ || !dumpURL_) return;
    const auto password = effectivePassword(*container);
    if (!password) return;

    ImportRequest request;
    request.fileURL = *dumpURL_;
    request.compressed = dumpPreview_ ? dumpPreview_->compressed : DumpInspection::isGzip(*dumpURL_);
    request.containerName = container->name;
    request.database = *selectedDatabase_;
    request.user = effectiveUser(*container);
    request.password = *password;
    request.maxAllowedPacket = serverInfo_ ? serverInfo_->maxAllowedPacket : kDefaultPacket;
    request.disableUniqueChecks = disableUniqueChecks_;
    request.disableForeignKeyChecks = disableForeignKeyChecks_;
    request.disableBinlog = disableBinlog_;
    request.serverLogBin = serverInfo_ ? serverInfo_->logBin : true;
    // The client that answered the probe; images without `mysql` need `mariadb`.
    if (serverInfo_) request.clientProgram = serverInfo_->clientProgram;

    QStringList opening = {L10n::render(QStringLiteral("importTo"), {request.database, request.containerName}),
                           request.fileURL};
    const QString statements = ImportCommand::sessionStatements(request);
    if (!statements.isEmpty()) opening << statements;
    logLines_ = opening;
    Q_EMIT fieldChanged(Field::logLines);

    assign(phase_, Phase::running(ImportProgress{}), Field::phase);
    auto runner = std::make_shared<ImportRunner>();
    setRunner(runner);

    QPointer<AppModel> weak(this);
    std::thread([runner, request, weak] {
        const auto tools = locateTools();
        if (!tools.value) {
            const QString message = tools.error;
            postToModel(weak, [message](AppModel* model) {
                model->setRunner(nullptr);
                model->assign(model->phase_, Phase::failed(message), Field::phase);
                model->assign(model->errorMessage_, std::optional<QString>(message), Field::errorMessage);
                model->appendLog(message);
            });
            return;
        }
        const ImportOutcome outcome = runner->run(
            request, *tools.value,
            [weak](const ImportProgress& progress) {
                postToModel(weak, [progress](AppModel* model) {
                    if (model->phase_.isRunning()) model->assign(model->phase_, Phase::running(progress), Field::phase);
                });
            },
            [weak](const QString& line) { postToModel(weak, [line](AppModel* model) { model->appendLog(line); }); });
        postToModel(weak, [outcome](AppModel* model) { model->finish(outcome); });
    }).detach();
}

void AppModel::cancelImport() {
    if (runner_) runner_->cancel();
}

void AppModel::finish(const ImportOutcome& outcome) {
    setRunner(nullptr);
    switch (outcome.kind) {
    case ImportOutcome::Kind::success:
        assign(phase_, Phase::success(outcome.elapsed), Field::phase);
        appendLog(L10n::render(QStringLiteral("finishedLog"), {ByteFormatting::duration(outcome.elapsed)}));
        break;
    case ImportOutcome::Kind::failed:
        assign(phase_, Phase::failed(outcome.message), Field::phase);
        assign(errorMessage_, std::optional<QString>(outcome.message), Field::errorMessage);
        appendLog(outcome.message);
        break;
    case ImportOutcome::Kind::cancelled:
        assign(phase_, Phase::cancelled(), Field::phase);
        appendLog(L10n::render(QStringLiteral("cancelledLog")));
        break;
    }
}

void AppModel::appendLog(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) return;
    logLines_.append(trimmed);
    if (logLines_.size() > kLogLimit) logLines_.remove(0, logLines_.size() - kLogLimit);
    Q_EMIT fieldChanged(Field::logLines);  // appends always notify
}
