#pragma once

#include <QWidget>

class AppModel;
class QLabel;
class QPushButton;
class SettingsStore;

// The start button, which becomes "Cancel" while an import runs, and the status line that
// says why an import cannot start or what is happening.
class ImportButton : public QWidget {
    Q_OBJECT

public:
    ImportButton(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* statusLine() const { return status_; }

    // The default action (Return): presses the start button when it can be pressed.
    bool triggerDefault();

private:
    void render();

    AppModel& model_;
    QPushButton* start_;
    QPushButton* cancel_;
    QLabel* status_;
};
