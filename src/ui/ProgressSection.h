#pragma once

#include <QWidget>

#include "import/ImportProgress.h"

class AppModel;
class OutcomePanel;
class QLabel;
class QProgressBar;
class SettingsStore;
class TableLoadList;
class TabularLabel;

// The running import's bar with bytes, speed and time left; afterwards its outcome panel.
class ProgressSection : public QWidget {
    Q_OBJECT

public:
    ProgressSection(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);
    OutcomePanel* outcome() const { return outcome_; }

Q_SIGNALS:
    void showLogRequested();

private:
    void render();

    AppModel& model_;
    QWidget* running_;
    QProgressBar* bar_;
    TabularLabel* line_;
    OutcomePanel* outcome_;
    TableLoadList* tables_;
};
