#pragma once

#include <QWidget>

class AppModel;
class Disclosure;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsStore;

// The dump's tables, each with a box: the unchecked ones are left out of the import. Tables the
// dump creates past the part that was read are not listed and load as well.
class TableChooser : public QWidget {
    Q_OBJECT

public:
    TableChooser(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

private:
    void render();
    void retranslate();
    void store();
    void checkAll(bool checked);

    AppModel& model_;
    Disclosure* disclosure_;
    QListWidget* list_;
    QPushButton* all_;
    QPushButton* none_;
    QLabel* more_;
};
