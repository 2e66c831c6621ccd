#pragma once

#include <QDialog>

class AppModel;
class QLabel;
class QPushButton;
class QTreeWidget;

// The copies saved before imports: which database, before importing which dump, when, and how
// large; each can be deleted. Reads them again whenever they change.
class SavedCopies : public QDialog {
    Q_OBJECT

public:
    SavedCopies(AppModel& model, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void fill();
    void deleteSelected();

    AppModel& model_;
    QTreeWidget* list_;
    QLabel* empty_;
    QPushButton* delete_;
};
