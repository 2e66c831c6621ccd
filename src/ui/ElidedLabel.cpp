#include "ui/ElidedLabel.h"

#include <QPainter>

ElidedLabel::ElidedLabel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setToolTip(text);
    setAccessibleName(text);
    updateGeometry();
    update();
}

QString ElidedLabel::shownText() const { return fontMetrics().elidedText(text_, Qt::ElideMiddle, width()); }

QSize ElidedLabel::sizeHint() const { return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()}; }
QSize ElidedLabel::minimumSizeHint() const { return {fontMetrics().averageCharWidth() * 6, fontMetrics().height()}; }

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}
