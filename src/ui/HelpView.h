#pragma once

#include <QDialog>

class QTextBrowser;

// The usage pages of the README that ships inside the program, in a window of their own.
class HelpView : public QDialog {
    Q_OBJECT

public:
    explicit HelpView(QWidget* parent = nullptr);

    // Opens the one help window of the parent, or raises it.
    static HelpView* open(QWidget* parent);
    QTextBrowser* browser() const { return browser_; }

    // The README's sections on using the program, as Markdown.
    static QString usageText(const QString& readme);

private:
    QTextBrowser* browser_;
};
