#include "ui/ErrorBanner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/FailureText.h"
#include "ui/Disclosure.h"
#include "ui/Style.h"
#include "ui/Symbols.h"
#include "ui/WrappedText.h"

ErrorBanner::ErrorBanner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("errorBanner"));
    auto* icon = new QLabel(this);
    const int side = QFontMetrics(Style::callout()).height();
    icon->setPixmap(Symbols::tinted(Symbols::Symbol::warning, side, Style::orange()));
    text_ = new WrappedText(this);
    text_->setObjectName(QStringLiteral("errorText"));
    text_->setFont(Style::callout());
    details_ = new WrappedText;
    details_->setObjectName(QStringLiteral("errorDetails"));
    details_->setFont(Style::monospacedCaption());
    disclosure_ = new Disclosure(details_, this);
    disclosure_->setObjectName(QStringLiteral("errorDisclosure"));
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("errorClose"));
    close_->setAutoRaise(true);
    close_->setIcon(Symbols::icon(Symbols::Symbol::close));
    close_->setIconSize(QSize(side, side));

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(text_);
    column->addWidget(disclosure_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(column, 1);
    layout->addWidget(close_, 0, Qt::AlignTop);
    connect(close_, &QToolButton::clicked, this, &ErrorBanner::dismissed);
    retranslate();
}

void ErrorBanner::retranslate() {
    disclosure_->setTitle(L10n::render(QStringLiteral("details")));
    close_->setToolTip(L10n::render(QStringLiteral("closeMessage")));
    close_->setAccessibleName(close_->toolTip());
}

void ErrorBanner::setMessage(const QString& message, const QStringList& context) {
    const bool changed = message != message_;
    message_ = message;
    const FailureText::Split split = FailureText::split(message);
    text_->setText(split.summary);
    QStringList details = split.details;
    if (!context.isEmpty()) {
        if (!details.isEmpty()) details << QString();
        details << context;
    }
    details_->setText(details.join(QLatin1Char('\n')));
    disclosure_->setVisible(!details.isEmpty());
    if (changed) disclosure_->setExpanded(false);
}

QString ErrorBanner::summary() const { return text_->text(); }
QString ErrorBanner::details() const { return details_->text(); }

void ErrorBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Style::orange();
    fill.setAlphaF(0.12);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 8, 8);
    painter.fillPath(shape, fill);
}
