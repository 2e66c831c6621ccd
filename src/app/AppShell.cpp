#include "app/AppShell.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <utility>

#include "docker/DockerClient.h"
#include "docker/Engine.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "model/FailureText.h"
#include "settings/SettingsStore.h"
#include "ui/DesktopNotifier.h"
#include "ui/MainWindow.h"
#include "ui/QuitQuestion.h"
#include "ui/SettingsView.h"

namespace {

void applyEngineChoice(const QString& engine) {
    DockerClient::setPreference(Engine::preferenceFromText(engine).value_or(EnginePreference::found));
}

}  // namespace

AppShell::AppShell(QObject* parent)
    : QObject(parent),
      model_(std::make_unique<AppModel>()),
      settings_(SettingsStore::shared()),
      notifier_(new DesktopNotifier(this)) {
    applyEngineChoice(settings_.engineChoice());
    connect(&settings_, &SettingsStore::engineChoiceChanged, this, [this](const QString& engine) {
        applyEngineChoice(engine);
        model_->refresh();  // the list shows the chosen engine's containers
    });
    applyRowSessions(settings_.rowSessions());
    connect(&settings_, &SettingsStore::rowSessionsChanged, this, &AppShell::applyRowSessions);
    const auto applyCopyPolicy = [this] {
        model_->setCopyPolicy(settings_.copyLimitBytes(), settings_.copyKeepDays());
    };
    applyCopyPolicy();
    connect(&settings_, &SettingsStore::copyPolicyChanged, this, applyCopyPolicy);
    connect(notifier_, &DesktopNotifier::activated, this, &AppShell::reactivate);
    connect(model_.get(), &AppModel::fieldChanged, this, [this](AppModel::Field field) {
        if (field == AppModel::Field::phase) importPhaseChanged();
    });
}

void AppShell::applyRowSessions(int sessions) {
    FixChoices choices = model_->fixChoices();
    choices.jobs = sessions > 0 ? sessions : FixChoices::defaultJobs();
    model_->setFixChoices(choices);
}

AppShell::~AppShell() {
    delete settingsWindow_.data();
    for (const QPointer<MainWindow>& window : windows_) delete window.data();
}

MainWindow* AppShell::openMainWindow() {
    auto* window = new MainWindow(*model_, settings_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_ << window;
    connect(window, &MainWindow::settingsRequested, this, &AppShell::openSettings);
    connect(window, &MainWindow::newWindowRequested, this, &AppShell::openMainWindow);
    connect(window, &MainWindow::quitRequested, this, [this, window] { requestQuit(window); });
    connect(window, &MainWindow::closeDuringImport, this, [this, window] { askBeforeClosing(window); });
    connect(window, &MainWindow::closed, this, [this, window] { mainWindowClosed(window); });
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

SettingsView* AppShell::openSettings() {
    if (!settingsWindow_) {
        // A child of the window it was opened from: it stays above it and goes with it.
        auto* owner = qobject_cast<MainWindow*>(QApplication::activeWindow());
        if (!owner && !mainWindows().isEmpty()) owner = mainWindows().last();
        settingsWindow_ = new SettingsView(settings_, owner);
        settingsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    settingsWindow_->show();
    settingsWindow_->raise();
    settingsWindow_->activateWindow();
    return settingsWindow_;
}

QList<MainWindow*> AppShell::mainWindows() const {
    QList<MainWindow*> open;
    for (const QPointer<MainWindow>& window : windows_) {
        if (window) open << window.data();
    }
    return open;
}

bool AppShell::isImporting() const { return model_->phase().isRunning(); }

void AppShell::mainWindowClosed(MainWindow* window) {
    windows_.removeIf([window](const QPointer<MainWindow>& open) { return open.isNull() || open == window; });
    if (!windows_.isEmpty()) return;
    // Without a window the program ends, unless an import still runs; it then keeps going
    // and starting the program again brings a window back.
    if (!isImporting()) Q_EMIT quitRequested();
}

void AppShell::reactivate() {
    const QList<MainWindow*> windows = mainWindows();
    if (windows.isEmpty()) {
        openMainWindow();
        return;
    }
    bool restored = false;
    for (MainWindow* window : windows) {
        if (window->isVisible() && !window->isMinimized()) continue;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
        restored = true;
    }
    if (!restored) {
        windows.last()->raise();
        windows.last()->activateWindow();
    }
}

void AppShell::applicationWillTerminate() { model_->cancelImport(); }

bool AppShell::waitForImportToEnd(int milliseconds) {
    if (!model_->isImportRunning()) return true;
    model_->cancelImport();
    QEventLoop loop;
    connect(model_.get(), &AppModel::fieldChanged, &loop, [this, &loop](AppModel::Field field) {
        if (field == AppModel::Field::runner && !model_->isImportRunning()) loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return !model_->isImportRunning();
}

void AppShell::requestQuit(MainWindow* window) {
    if (quitting_) return;  // stopping already; the program ends with the import
    if (!isImporting()) {
        Q_EMIT quitRequested();
        return;
    }
    QuitQuestion::ask(window, model_->importDatabase(), [this](bool quit) {
        if (quit) cancelAndQuit();  // otherwise the import and the windows stay
    });
}

// The windows stay, showing that the import stops, until its sessions have ended on the server;
// a window cannot be closed before, since an application quits only once every window has.
void AppShell::cancelAndQuit() {
    if (std::exchange(quitting_, true)) return;
    model_->cancelImport();
    if (!model_->isImportRunning()) {
        quitting_ = false;
        Q_EMIT quitRequested();
        return;
    }
    auto* watch = new QObject(this);
    connect(model_.get(), &AppModel::fieldChanged, watch, [this, watch](AppModel::Field field) {
        if (field != AppModel::Field::runner || model_->isImportRunning()) return;
        watch->deleteLater();
        quitting_ = false;
        Q_EMIT quitRequested();
    });
}

void AppShell::askBeforeClosing(MainWindow* window) {
    if (quitting_) return;
    QuitQuestion::ask(window, model_->importDatabase(), [this, window = QPointer<MainWindow>(window)](bool quit) {
        if (quit) {
            cancelAndQuit();
            return;
        }
        // The window goes, the import goes on; the notification or a new start brings it back.
        if (window) window->closeWithoutAsking();
        notifier_->notify(L10n::render(QStringLiteral("importContinues"), {model_->importDatabase()}),
                          L10n::render(QStringLiteral("importContinuesHint")),
                          L10n::render(QStringLiteral("showWindow")));
    });
}

bool AppShell::anyWindowActive() const {
    for (MainWindow* window : mainWindows()) {
        if (window->isVisible() && window->isActiveWindow()) return true;
    }
    return false;
}

void AppShell::importPhaseChanged() {
    const AppModel::Phase& phase = model_->phase();
    const bool wasRunning = std::exchange(importWasRunning_, phase.isRunning());
    if (!wasRunning || phase.isRunning() || anyWindowActive()) return;
    // The user is elsewhere: the desktop says how the import ended.
    const QString database = model_->importDatabase();
    const QString show = L10n::render(QStringLiteral("showWindow"));
    switch (phase.kind()) {
    case AppModel::Phase::Kind::success:
        notifier_->notify(L10n::render(QStringLiteral("importDoneInto"), {database}),
                          L10n::render(QStringLiteral("importDone"), {ByteFormatting::duration(phase.seconds())}),
                          show);
        break;
    case AppModel::Phase::Kind::failed:
        notifier_->notify(L10n::render(QStringLiteral("importFailed"), {database}),
                          FailureText::split(phase.message()).summary, show);
        break;
    case AppModel::Phase::Kind::cancelled:
        notifier_->notify(L10n::render(QStringLiteral("importCancelled")),
                          L10n::render(QStringLiteral("cancelledPartial"), {database}), show);
        break;
    default: break;
    }
}
