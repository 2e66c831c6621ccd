#pragma once

#include <QWidget>

class AppModel;
class QLabel;
class SettingsStore;

// Under the dump: what its head shows and what the import will do about each finding, before
// anyone confirms.
class PreflightSection : public QWidget {
    Q_OBJECT

public:
    PreflightSection(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

private:
    void render();

    AppModel& model_;
    QLabel* title_;
    QLabel* findings_;
};
