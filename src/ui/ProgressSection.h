#pragma once

#include <QWidget>

#include "import/ImportProgress.h"

class AppModel;
class QLabel;
class QProgressBar;
class SettingsStore;
class TableLoadList;
class TabularLabel;

// The running import's bar with bytes, speed and time left; afterwards its outcome.
class ProgressSection : public QWidget {
    Q_OBJECT

public:
    ProgressSection(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

private:
    void render();

    AppModel& model_;
    QWidget* running_;
    QProgressBar* bar_;
    TabularLabel* line_;
    QWidget* outcome_;
    QLabel* outcomeIcon_;
    QLabel* outcomeText_;
    QLabel* outcomeFile_;
    TableLoadList* tables_;
};
