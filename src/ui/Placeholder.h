#pragma once

#include <QWidget>

#include "ui/Symbols.h"

class QLabel;

// A centred panel for content that is not available: a large symbol, a title and a
// description.
class Placeholder : public QWidget {
    Q_OBJECT

public:
    Placeholder(Symbols::Symbol symbol, QWidget* parent = nullptr);

    void setTexts(const QString& title, const QString& description);
    QString title() const;
    QString description() const;

private:
    QLabel* icon_;
    QLabel* title_;
    QLabel* description_;
};
