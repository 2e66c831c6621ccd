#pragma once

#include <QWidget>

class AppModel;
class QLabel;
class QPushButton;
class WrappedText;

// How the last import ended, in one place: what it was about, why it failed, what the database
// holds now, and what to do next (Continue, Retry, Show log, Copy details).
class OutcomePanel : public QWidget {
    Q_OBJECT

public:
    explicit OutcomePanel(AppModel& model, QWidget* parent = nullptr);

    void render();
    // Everything the panel says, with the failure's whole message and the log's head: what
    // "Copy details" puts on the clipboard.
    QString details() const;
    WrappedText* cause() const { return cause_; }

Q_SIGNALS:
    void showLogRequested();

private:
    QString stateLine() const;

    AppModel& model_;
    QLabel* icon_;
    QLabel* title_;
    QLabel* file_;
    WrappedText* cause_;
    QLabel* tables_;
    QLabel* state_;
    QPushButton* continue_;
    QPushButton* retry_;
    QPushButton* showLog_;
    QPushButton* copy_;
};
