#pragma once

#include <QWidget>

class AppModel;
class QCheckBox;
class SettingsStore;

// The stream's guards and fixes, each one a switch; all on unless the user turns one off.
class StreamOptions : public QWidget {
    Q_OBJECT

public:
    StreamOptions(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

private:
    void render();
    void retranslate();
    void store();

    AppModel& model_;
    QCheckBox* guard_;
    QCheckBox* redirect_;
    QCheckBox* mysqlFixes_;
    QCheckBox* definers_;
    QCheckBox* account_;
};
