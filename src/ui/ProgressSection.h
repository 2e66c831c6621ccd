#pragma once

#include <QWidget>

#include "import/ImportProgress.h"

class AppModel;
class QLabel;
class QProgressBar;
class SettingsStore;
class TabularLabel;

// The running import's bar with bytes, speed and time left; afterwards its outcome.
class ProgressSection : public QWidget {
    Q_OBJECT

public:
    ProgressSection(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    // The bar's fraction: read ÷ total, 0 for an empty total, never above 1.
    static double fraction(const ImportProgress& progress);
    // The line under the bar.
    static QString progressLine(const ImportProgress& progress);

private:
    void render();

    AppModel& model_;
    QWidget* running_;
    QProgressBar* bar_;
    TabularLabel* line_;
    QWidget* outcome_;
    QLabel* outcomeIcon_;
    QLabel* outcomeText_;
};
