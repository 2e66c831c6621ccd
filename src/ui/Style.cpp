#include "ui/Style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace Style {
namespace {

QFont scaled(double factor, double minimum) {
    QFont font = QApplication::font();
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    font.setPointSizeF(std::max(minimum, size * factor));
    return font;
}

QColor blend(const QColor& text, const QColor& base, double amount) {
    return QColor::fromRgbF(text.redF() * amount + base.redF() * (1 - amount),
                            text.greenF() * amount + base.greenF() * (1 - amount),
                            text.blueF() * amount + base.blueF() * (1 - amount));
}

const QPalette& paletteOf(const QWidget* widget) {
    static const QPalette fallback;
    return widget ? widget->palette() : fallback;
}

}  // namespace

QFont body() { return QApplication::font(); }

QFont headline() {
    QFont font = body();
    font.setBold(true);
    return font;
}

QFont callout() { return scaled(0.93, 8); }
QFont caption() { return scaled(0.86, 7.5); }
QFont smallCaption() { return scaled(0.78, 7); }

QFont title() {
    QFont font = scaled(1.45, 12);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont monospacedCaption() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(caption().pointSizeF());
    return font;
}

QColor secondary(const QWidget* widget) {
    const QPalette& palette = paletteOf(widget);
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.62);
}

QColor tertiary(const QWidget* widget) {
    const QPalette& palette = paletteOf(widget);
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.42);
}

QColor separator(const QWidget* widget) {
    const QPalette& palette = paletteOf(widget);
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.2);
}

QColor accent(const QWidget* widget) { return paletteOf(widget).color(QPalette::Highlight); }

QColor green() { return QColor(0x2f, 0xa8, 0x4f); }
QColor orange() { return QColor(0xf0, 0x8c, 0x00); }

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void makeSecondary(QLabel* label, const QFont& font, bool wrap) {
    label->setFont(font);
    setTextColor(label, secondary(label));
    label->setWordWrap(wrap);
}

}  // namespace Style

namespace Style {

RowColors paintRow(QPainter* painter, const QStyleOptionViewItem& initialisedOption) {
    QStyleOptionViewItem panel = initialisedOption;
    panel.text.clear();
    const QWidget* widget = panel.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    const bool selected = panel.state & QStyle::State_Selected;
    // The keyboard's place in the list, visible whether or not it is the selected row.
    if ((panel.state & QStyle::State_HasFocus) && widget && widget->hasFocus()) {
        painter->save();
        QColor ring = selected ? panel.palette.color(QPalette::HighlightedText) : panel.palette.color(QPalette::Highlight);
        painter->setPen(QPen(ring, 2));
        painter->setBrush(Qt::NoBrush);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->drawRoundedRect(QRectF(panel.rect).adjusted(2, 2, -2, -2), 5, 5);
        painter->restore();
    }
    RowColors colors{panel.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), secondary(widget),
                     tertiary(widget)};
    if (selected) {
        colors.secondary = colors.primary;
        colors.secondary.setAlphaF(0.8);
        colors.tertiary = colors.primary;
        colors.tertiary.setAlphaF(0.65);
    }
    return colors;
}

}  // namespace Style
