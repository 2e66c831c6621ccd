#pragma once

#include <QDialog>
#include <qcoro/qcorotask.h>

class AppModel;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Creates an empty database on the selected server: a name, utf8mb4 and a collation, the
// server's own preselected. The list is read again afterwards with the new one selected.
class NewDatabaseDialog : public QDialog {
    Q_OBJECT

public:
    NewDatabaseDialog(AppModel& model, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QComboBox* collationPicker() const { return collation_; }
    QPushButton* createButton() const { return create_; }
    QLabel* errorLine() const { return error_; }

    // The collation to ask for; empty for the server's default.
    QString chosenCollation() const;
    // Collations offered for a server version, after "the server's default".
    static QStringList collationsFor(const QString& serverVersion);

private:
    void validate();
    QCoro::Task<> create();

    AppModel& model_;
    QLineEdit* name_;
    QComboBox* collation_;
    QLabel* error_;
    QDialogButtonBox* buttons_;
    QPushButton* create_;
    bool busy_ = false;
};
