#pragma once

#include <QWidget>

class QToolButton;

// A label with an arrow that shows or hides its content; collapsed at first.
class Disclosure : public QWidget {
    Q_OBJECT

public:
    explicit Disclosure(QWidget* content, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    bool isExpanded() const;
    void setExpanded(bool expanded);
    QToolButton* toggle() const { return toggle_; }

Q_SIGNALS:
    void expandedChanged(bool expanded);

private:
    QToolButton* toggle_;
    QWidget* content_;
    bool expanded_ = false;
};
