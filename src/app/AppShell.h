#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

#include "ui/MainWindow.h"
#include "ui/SettingsView.h"

class AppModel;
class DesktopNotifier;
class SettingsStore;

// The windowed application: the one model and settings store, which outlive every window,
// the main windows and the settings window, and the rules for quitting and coming back.
class AppShell : public QObject {
    Q_OBJECT

public:
    explicit AppShell(QObject* parent = nullptr);
    ~AppShell() override;

    AppModel& model() { return *model_; }
    SettingsStore& settings() { return settings_; }

    MainWindow* openMainWindow();
    SettingsView* openSettings();
    QList<MainWindow*> mainWindows() const;
    SettingsView* settingsWindow() const { return settingsWindow_; }

    // Brings back hidden or minimised main windows, or opens one, and raises it.
    void reactivate();
    // The Settings choice of sessions that load rows, into the model.
    void applyRowSessions(int sessions);
    bool isImporting() const;

    // The program is about to end: a running import stops its processes.
    void applicationWillTerminate();
    // Waits, while serving events, for a cancelled import to wind down; false on time-out.
    bool waitForImportToEnd(int milliseconds);

    // The user asked to quit from a window: while an import runs, the window asks first.
    void requestQuit(MainWindow* window);
    // Cancels a running import and quits once it has ended safely, once, without asking.
    void cancelAndQuit();
    bool isQuitting() const { return quitting_; }
    DesktopNotifier& notifier() { return *notifier_; }

Q_SIGNALS:
    // The program should end: the user asked to quit, or closed the last main window while
    // no import runs.
    void quitRequested();

private:
    void mainWindowClosed(MainWindow* window);
    void askBeforeClosing(MainWindow* window);
    void importPhaseChanged();
    bool anyWindowActive() const;

    std::unique_ptr<AppModel> model_;
    SettingsStore& settings_;
    QList<QPointer<MainWindow>> windows_;
    QPointer<SettingsView> settingsWindow_;
    DesktopNotifier* notifier_;
    bool importWasRunning_ = false;
    bool quitting_ = false;
};
