#pragma once

#include <QStringList>
#include <QWidget>

class Disclosure;
class QToolButton;
class WrappedText;

// The model's error on an orange ground: the line that says what went wrong first, the
// rest behind a "Details" disclosure; selectable, with a close button.
class ErrorBanner : public QWidget {
    Q_OBJECT

public:
    explicit ErrorBanner(QWidget* parent = nullptr);

    // The message, and lines that belong under its details (the command that failed).
    void setMessage(const QString& message, const QStringList& context = {});
    QString message() const { return message_; }
    QString summary() const;
    QString details() const;
    Disclosure* disclosure() const { return disclosure_; }
    void retranslate();

Q_SIGNALS:
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString message_;
    WrappedText* text_;
    WrappedText* details_;
    Disclosure* disclosure_;
    QToolButton* close_;
};
