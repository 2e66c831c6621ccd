#pragma once

#include <QWidget>

class AppModel;
class QLabel;
class QPushButton;

// Under the databases: when the target was proposed from the dump's name and already holds
// tables, says so and offers a new, empty database named after the dump instead.
class TargetProposal : public QWidget {
    Q_OBJECT

public:
    explicit TargetProposal(AppModel& model, QWidget* parent = nullptr);

    void render();
    QPushButton* newDatabaseButton() const { return create_; }

private:
    AppModel& model_;
    QLabel* note_;
    QPushButton* create_;
    QString freshName_;
};
