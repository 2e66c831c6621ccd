#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QStyleOptionViewItem>

class QLabel;
class QWidget;

// Fonts and colours shared by the views, derived from the application's font and palette so
// that they follow the desktop's theme.
namespace Style {

QFont body();
QFont headline();      // body, bold
QFont callout();       // a little smaller than body
QFont caption();       // secondary lines
QFont smallCaption();  // the smallest text: badges, port lists
QFont title();         // the container's name in the header
QFont monospacedCaption();

QColor secondary(const QWidget* widget);  // grey text
QColor tertiary(const QWidget* widget);   // fainter grey text

// The text colours of a list row, lighter shades of the highlighted text when selected.
struct RowColors {
    QColor primary;
    QColor secondary;
    QColor tertiary;
};
// Draws a row's background (selection, hover) and returns the colours for its text.
RowColors paintRow(QPainter* painter, const QStyleOptionViewItem& initialisedOption);
QColor separator(const QWidget* widget);
QColor accent(const QWidget* widget);
QColor green();
QColor orange();

// A label in the given font and the secondary colour, wrapping when asked to.
void makeSecondary(QLabel* label, const QFont& font, bool wrap);
void setTextColor(QWidget* widget, const QColor& color);

}  // namespace Style
