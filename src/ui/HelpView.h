#pragma once

#include <QDialog>

class QTextBrowser;

// A short guide to the tasks, in the interface language, in a window of its own.
class HelpView : public QDialog {
    Q_OBJECT

public:
    explicit HelpView(QWidget* parent = nullptr);

    // Opens the one help window of the parent, or raises it.
    static HelpView* open(QWidget* parent);
    QTextBrowser* browser() const { return browser_; }

    // The guide as Markdown in the language with this code; English, saying so, where it has none.
    static QString helpText(const QString& code);

private:
    QTextBrowser* browser_;
};
