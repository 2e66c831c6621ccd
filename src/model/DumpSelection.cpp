#include <QFileInfo>
#include <QPointer>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "dump/DumpInspection.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"
#include "model/PersistedKeys.h"

void AppModel::setDump(const QString& path) {
    // The dump on screen is the one being imported until the import ends.
    if (phase_.isRunning()) {
        heldDump_ = path;
        appendLog(L10n::render(QStringLiteral("dumpHeld"), {QFileInfo(path).fileName()}));
        return;
    }
    // An outcome is about its dump: another one starts afresh.
    if (dumpURL_ != path) clearOutcome();
    takeDump(path);
}

QCoro::Task<> AppModel::takeDump(const QString& path) {
    // A choice of tables belongs to the dump it was made for.
    if (dumpURL_ != path && fixChoices_.tables.isSet()) {
        FixChoices choices = fixChoices_;
        choices.tables = {};
        assign(fixChoices_, choices, Field::fixChoices);
    }
    if (dumpURL_ != path) stopReadingDump();
    // No sandbox here: the dump is remembered by its path, and there is no access to open.
    assign(dumpURL_, std::optional<QString>(path), Field::dumpURL);
    // A preview speaks for the file it was made from; until this one is inspected there is none.
    assign(dumpPreview_, std::optional<DumpPreview>(), Field::dumpPreview);
    PersistedKeys::setPath("dumpBookmark", path);
    return inspectDump(path);  // runs on by itself
}

QCoro::Task<> AppModel::inspectDump(QString path) {
    QPointer<AppModel> self(this);
    const auto tools = locateTools();
    if (!tools.value) {
        assign(errorMessage_, std::optional<QString>(tools.error), Field::errorMessage);
        co_return;
    }
    const DockerClient client = *tools.value;
    auto inspectionJob = runInBackground([client, path] { return DumpInspection::peekDump(client, path); });
    const auto preview = co_await inspectionJob;
    if (!self) co_return;
    if (!preview.value) {
        assign(errorMessage_, std::optional<QString>(preview.error), Field::errorMessage);
        co_return;
    }
    if (dumpURL_ != path || preview.value->path != path) co_return;  // another dump was taken meanwhile
    DumpPreview fresh = *preview.value;
    // The same file, unchanged since it was read to its end: what the end showed still holds.
    const bool readBefore = dumpPreview_ && dumpPreview_->path == path && dumpPreview_->scan.complete &&
                            dumpPreview_->byteCount == fresh.byteCount && dumpPreview_->modifiedNs == fresh.modifiedNs;
    if (readBefore && !fresh.scan.complete) {
        fresh.scan = dumpPreview_->scan;
        fresh.containsDropTable = dumpPreview_->containsDropTable;
    }
    assign(dumpPreview_, std::optional<DumpPreview>(fresh), Field::dumpPreview);
    if (!databasePinned_) chooseDatabaseAutomatically(path);
    // Past its head, only reading the whole dump tells its tables; the window stays usable meanwhile.
    if (!fresh.scan.complete && !phase_.isRunning()) readWholeDump(path);
}
