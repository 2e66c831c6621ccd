#pragma once

#include <QFontMetrics>
#include <QString>
#include <QWidget>

class QPainter;

// Text whose digits all take the width of the widest digit, so that changing numbers do not
// jitter and columns of sizes line up, whatever the font's own figures are.
namespace TabularText {

int width(const QFontMetrics& metrics, const QString& text);
// Draws the text with its left edge at x and its baseline at y.
void draw(QPainter* painter, const QFontMetrics& metrics, int x, int baseline, const QString& text);

}  // namespace TabularText

// A one-line label that draws its digits at equal width, elided at the right when too long.
class TabularLabel : public QWidget {
    Q_OBJECT

public:
    explicit TabularLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
