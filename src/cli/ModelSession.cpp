#include "cli/ModelSession.h"

#include <QTimer>

#include <coroutine>
#include <memory>

#include "settings/SettingsStore.h"

namespace {

// Suspends until the model's condition holds, tested after each change. The coroutine is
// resumed from the event loop, not from inside the model's change, so the model finishes
// its step first.
class Condition {
public:
    Condition(AppModel& model, std::function<bool()> done)
        : model_(&model), done_(std::make_shared<std::function<bool()>>(std::move(done))) {}

    bool await_ready() const { return (*done_)(); }
    void await_suspend(std::coroutine_handle<> waiting) const {
        auto watching = std::make_shared<QMetaObject::Connection>();
        const auto check = [model = model_, done = done_, watching, waiting] {
            if (!(*done)()) return;
            QObject::disconnect(*watching);
            QTimer::singleShot(0, model, [waiting] { waiting.resume(); });
        };
        *watching = QObject::connect(model_, &AppModel::fieldChanged, model_, check);
    }
    void await_resume() const {}

private:
    AppModel* model_;
    std::shared_ptr<std::function<bool()>> done_;
};

}  // namespace

QCoro::Task<> ModelSession::until(std::function<bool()> done) {
    // Named before awaiting: g++ 12 destroys temporaries of a co_await expression twice.
    Condition condition(model_, std::move(done));
    co_await condition;
}

QCoro::Task<bool> ModelSession::takeDump(const QString& path) {
    // A fresh model has no preview, so the inspection's end always changes a field.
    model_.dismissError();
    model_.setDump(path);
    auto inspected = until([this] { return model_.dumpPreview() || model_.errorMessage(); });
    co_await inspected;
    co_return model_.dumpPreview().has_value();
}

QCoro::Task<bool> ModelSession::listContainers() {
    auto refreshing = model_.refresh();
    co_await refreshing;
    // A failed listing keeps the old, empty list; with containers listed, an error can
    // only be the probe's or the dump's.
    co_return !(model_.containers().isEmpty() && model_.errorMessage());
}

QCoro::Task<ModelSession::Selection> ModelSession::select(const QString& name) {
    std::optional<QString> id;
    for (const DockerContainer& container : model_.containers()) {
        if (container.name == name) {
            id = container.id;
            break;
        }
    }
    if (!id) co_return Selection::unknownContainer;

    // As in the window, a stopped container has to be shown before it can be clicked.
    model_.setShowStopped(true);
    if (model_.selectedContainerID() != id) {
        model_.dismissError();  // another container's failure is not this one's
        model_.selectContainer(id);
        auto probed = until([this] { return !model_.isLoadingDatabases(); });
        co_await probed;
    } else if (!model_.serverInfo()) {
        // The refresh chose it already; read it again so an error is surely its own.
        model_.dismissError();
        auto probing = model_.loadDatabases();
        co_await probing;
    }

    const auto container = model_.selectedContainer();
    if (!container->isMysql || !container->running) co_return Selection::notUsable;
    if (model_.serverInfo()) co_return Selection::probed;
    co_return model_.errorMessage() ? Selection::probeFailed : Selection::noPassword;
}

ModelSession::ModelSession() {
    const SettingsStore& settings = SettingsStore::shared();
    model_.setCopyPolicy(settings.copyLimitBytes(), settings.copyKeepDays());
}
