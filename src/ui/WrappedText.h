#pragma once

#include <QTextEdit>

// Read-only, selectable plain text that wraps anywhere when a word is wider than the line
// (paths, SQL), growing to the height of its text.
class WrappedText : public QTextEdit {
    Q_OBJECT

public:
    explicit WrappedText(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return toPlainText(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();
};
