#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The model's error text on an orange ground, selectable, with a close button.
class ErrorBanner : public QWidget {
    Q_OBJECT

public:
    explicit ErrorBanner(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;

Q_SIGNALS:
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_;
    QToolButton* close_;
};
