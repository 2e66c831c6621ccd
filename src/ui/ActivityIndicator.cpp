#include "ui/ActivityIndicator.h"

#include <QPainter>

#include "ui/Style.h"

ActivityIndicator::ActivityIndicator(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + 30) % 360;
        update();
    });
}

void ActivityIndicator::setAnimating(bool animating) {
    if (animating == timer_.isActive()) return;
    if (animating)
        timer_.start();
    else
        timer_.stop();
    setAccessibleName(animating ? QStringLiteral("busy") : QString());
    update();
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    if (!timer_.isActive()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Style::secondary(this), 2.0, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    const QRectF box = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.drawArc(box, -angle_ * 16, 270 * 16);
}
