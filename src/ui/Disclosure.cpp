#include "ui/Disclosure.h"

#include <QToolButton>
#include <QVBoxLayout>

Disclosure::Disclosure(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
    toggle_ = new QToolButton(this);
    // Not checkable: a checked tool button is drawn pressed, which reads as a stuck button.
    toggle_->setAutoRaise(true);
    toggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toggle_->setArrowType(Qt::RightArrow);
    toggle_->setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(toggle_, 0, Qt::AlignLeft);
    auto* indented = new QVBoxLayout;
    indented->setContentsMargins(22, 0, 0, 0);
    indented->addWidget(content_);
    layout->addLayout(indented);
    content_->hide();

    connect(toggle_, &QToolButton::clicked, this, [this] { setExpanded(!expanded_); });
}

void Disclosure::setTitle(const QString& title) { toggle_->setText(title); }
bool Disclosure::isExpanded() const { return expanded_; }

void Disclosure::setExpanded(bool expanded) {
    if (expanded == expanded_) return;
    expanded_ = expanded;
    toggle_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    content_->setVisible(expanded);
    Q_EMIT expandedChanged(expanded);
}
