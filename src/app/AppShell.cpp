#include "app/AppShell.h"

#include <QEventLoop>
#include <QTimer>

#include "docker/DockerClient.h"
#include "docker/Engine.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"
#include "ui/ContentView.h"
#include "ui/SettingsView.h"

namespace {

void applyEngineChoice(const QString& engine) {
    DockerClient::setPreference(Engine::preferenceFromText(engine).value_or(EnginePreference::found));
}

}  // namespace

AppShell::AppShell(QObject* parent)
    : QObject(parent), model_(std::make_unique<AppModel>()), settings_(SettingsStore::shared()) {
    applyEngineChoice(settings_.engineChoice());
    connect(&settings_, &SettingsStore::engineChoiceChanged, this, [this](const QString& engine) {
        applyEngineChoice(engine);
        model_->refresh();  // the list shows the chosen engine's containers
    });
}

AppShell::~AppShell() {
    delete settingsWindow_.data();
    for (const QPointer<ContentView>& window : windows_) delete window.data();
}

ContentView* AppShell::openMainWindow() {
    auto* window = new ContentView(*model_, settings_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_ << window;
    connect(window, &ContentView::settingsRequested, this, &AppShell::openSettings);
    connect(window, &ContentView::newWindowRequested, this, &AppShell::openMainWindow);
    connect(window, &ContentView::quitRequested, this, &AppShell::quitRequested);
    connect(window, &ContentView::closed, this, [this, window] { mainWindowClosed(window); });
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

SettingsView* AppShell::openSettings() {
    if (!settingsWindow_) {
        settingsWindow_ = new SettingsView(settings_);
        settingsWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    settingsWindow_->show();
    settingsWindow_->raise();
    settingsWindow_->activateWindow();
    return settingsWindow_;
}

QList<ContentView*> AppShell::mainWindows() const {
    QList<ContentView*> open;
    for (const QPointer<ContentView>& window : windows_) {
        if (window) open << window.data();
    }
    return open;
}

bool AppShell::isImporting() const { return model_->phase().isRunning(); }

void AppShell::mainWindowClosed(ContentView* window) {
    windows_.removeIf([window](const QPointer<ContentView>& open) { return open.isNull() || open == window; });
    if (!windows_.isEmpty()) return;
    // Without a window the program ends, unless an import still runs; it then keeps going
    // and starting the program again brings a window back.
    if (!isImporting()) Q_EMIT quitRequested();
}

void AppShell::reactivate() {
    const QList<ContentView*> windows = mainWindows();
    if (windows.isEmpty()) {
        openMainWindow();
        return;
    }
    bool restored = false;
    for (ContentView* window : windows) {
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
