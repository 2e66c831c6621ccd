#include "ui/Placeholder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/Style.h"

Placeholder::Placeholder(Symbols::Symbol symbol, QWidget* parent) : QWidget(parent) {
    icon_ = new QLabel(this);
    icon_->setPixmap(Symbols::icon(symbol).pixmap(48, 48));
    icon_->setAlignment(Qt::AlignCenter);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("placeholderTitle"));
    QFont titleFont = Style::title();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 0.85);
    title_->setFont(titleFont);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("placeholderDescription"));
    Style::makeSecondary(description_, Style::body(), true);
    description_->setAlignment(Qt::AlignCenter);
    description_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // A centred column of limited width, so that long descriptions wrap instead of clipping.
    auto* column = new QWidget(this);
    column->setMaximumWidth(440);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(8);
    columnLayout->addWidget(icon_);
    columnLayout->addWidget(title_);
    columnLayout->addWidget(description_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(column, 1);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();
}

void Placeholder::setTexts(const QString& title, const QString& description) {
    title_->setText(title);
    description_->setText(description);
}

QString Placeholder::title() const { return title_->text(); }
QString Placeholder::description() const { return description_->text(); }
