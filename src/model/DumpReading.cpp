#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>

#include "dump/DumpReadThrough.h"
#include "model/AppModel.h"
#include "model/BackgroundJob.h"

namespace {

constexpr qint64 kReportEveryMs = 250;

}  // namespace

void AppModel::stopReadingDump() {
    if (readingStop_) readingStop_->store(true);
    readingStop_.reset();
    assign(dumpReadBytes_, qint64(-1), Field::dumpReading);
}

QCoro::Task<> AppModel::readWholeDump(QString path) {
    QPointer<AppModel> self(this);
    // A refresh inspects the dump again; a reading of it under way goes on.
    if (readingStop_ && readingPath_ == path) co_return;
    stopReadingDump();
    const auto tools = locateTools();
    if (!tools.value) co_return;
    const DockerClient client = *tools.value;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    readingStop_ = stop;
    readingPath_ = path;
    assign(dumpReadBytes_, qint64(0), Field::dumpReading);
    // From the reading thread: a few times a second, and only while this reading is wanted.
    auto lastReport = std::make_shared<qint64>(0);
    const auto progress = [self, stop, lastReport](qint64 bytes) {
        if (stop->load()) return false;
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now - *lastReport < kReportEveryMs) return true;
        *lastReport = now;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, stop, bytes] {
                if (self && !stop->load()) self->assign(self->dumpReadBytes_, bytes, Field::dumpReading);
            },
            Qt::QueuedConnection);
        return true;
    };
    auto reading = runInBackground([client, path, progress] { return DumpReadThrough::scanWhole(client, path, progress); });
    const auto scan = co_await reading;
    if (!self || stop->load()) co_return;
    readingStop_.reset();
    assign(dumpReadBytes_, qint64(-1), Field::dumpReading);
    // A file that cannot be read through keeps what its head showed; the import will say more.
    if (!scan.value || !*scan.value || dumpURL_ != path || !dumpPreview_ || dumpPreview_->path != path) co_return;
    DumpPreview whole = *dumpPreview_;
    whole.scan = **scan.value;
    whole.containsDropTable = whole.containsDropTable || !whole.scan.droppedTables.isEmpty();
    assign(dumpPreview_, std::optional<DumpPreview>(whole), Field::dumpPreview);
}
