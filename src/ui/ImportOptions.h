#pragma once

#include <QWidget>
#include <qcoro/qcorotask.h>

class AppModel;
class Disclosure;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsStore;

// The import options with their notes about the server, and the login overrides.
class ImportOptions : public QWidget {
    Q_OBJECT

public:
    ImportOptions(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    Disclosure* login() const { return login_; }
    QLineEdit* passwordField() const { return password_; }
    QLabel* connectionResult() const { return connection_; }
    // Opens the login fields and puts the cursor in the password.
    void openLogin();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    void retranslate();
    QCoro::Task<> reloadDatabases();

    AppModel& model_;
    QCheckBox* unique_;
    QCheckBox* foreignKeys_;
    QCheckBox* binlog_;
    QLabel* binlogOff_;
    QLabel* bufferPool_;
    Disclosure* login_;
    QLabel* userLabel_;
    QLineEdit* user_;
    QLabel* passwordLabel_;
    QLineEdit* password_;
    QPushButton* test_;
    QLabel* connection_;
};
