#include "ui/ErrorBanner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "ui/Style.h"
#include "ui/Symbols.h"

ErrorBanner::ErrorBanner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("errorBanner"));
    auto* icon = new QLabel(this);
    const int side = QFontMetrics(Style::callout()).height();
    icon->setPixmap(Symbols::tinted(Symbols::Symbol::warning, side, Style::orange()));
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("errorText"));
    text_->setFont(Style::callout());
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("errorClose"));
    close_->setAutoRaise(true);
    close_->setIcon(Symbols::icon(Symbols::Symbol::close));
    close_->setIconSize(QSize(side, side));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(text_, 1, Qt::AlignTop);
    layout->addWidget(close_, 0, Qt::AlignTop);
    connect(close_, &QToolButton::clicked, this, &ErrorBanner::dismissed);
}

void ErrorBanner::setMessage(const QString& message) { text_->setText(message); }
QString ErrorBanner::message() const { return text_->text(); }

void ErrorBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Style::orange();
    fill.setAlphaF(0.12);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 8, 8);
    painter.fillPath(shape, fill);
}
