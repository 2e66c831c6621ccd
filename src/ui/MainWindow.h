#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

class ActivityIndicator;
class AppModel;
class ContainerList;
class DetailColumn;
class QAction;
class QMenu;
class QShortcut;
class QToolButton;
class SettingsStore;

// A main window: the container sidebar and the detail column, the refresh and settings
// buttons, the first refresh when the window is shown, and the import confirmation.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    ContainerList* sidebar() const { return sidebar_; }
    DetailColumn* detail() const { return detail_; }
    QAction* refreshAction() const { return refresh_; }
    ActivityIndicator* activity() const { return activity_; }
    QToolButton* settingsButton() const { return settingsButton_; }
    QMessageBox* confirmation() const { return confirmation_; }
    QToolButton* menuButton() const { return menuButton_; }
    QMenu* mainMenu() const { return menu_; }
    // The menu's commands by name: preferences, refresh, copyLog, saveLog, help, about, quit.
    QAction* menuAction(const QString& name) const;

    // Writes the log to the file; false (and a message) when it could not.
    bool saveLog(const QString& path);
    void copyLog();
    void showSavedCopies();
    void showHelp();
    void showAbout();
    // Ctrl+O: the dump file chooser, where a dump can be chosen now.
    void chooseDump();
    // Lets the next close through without asking, when the user already answered.
    void closeWithoutAsking();

Q_SIGNALS:
    void settingsRequested();
    void newWindowRequested();
    void quitRequested();
    // The last window is being closed while an import runs; nothing closed yet.
    void closeDuringImport();
    // The window was closed by the user or the program.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void render();
    void retranslate();
    void showConfirmation();
    void buildMenu();
    bool isLastMainWindow() const;

    AppModel& model_;
    SettingsStore& settings_;
    ContainerList* sidebar_;
    DetailColumn* detail_;
    ActivityIndicator* activity_;
    QAction* refresh_;
    QToolButton* settingsButton_;
    QToolButton* menuButton_;
    QMenu* menu_;
    QHash<QString, QAction*> menuActions_;
    bool closeConfirmed_ = false;
    QShortcut* cancelShortcut_;
    QPointer<QMessageBox> confirmation_;
    bool refreshedOnce_ = false;
};
