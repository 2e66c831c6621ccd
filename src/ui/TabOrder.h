#pragma once

#include <QList>

class QWidget;

// Tab moves through a window the way its layouts place the controls, top to bottom and left
// to right, whatever order they were made in.
namespace TabOrder {

// The controls under `root` that take focus by Tab, in layout order.
QList<QWidget*> inLayoutOrder(QWidget* root);

// Chains them with QWidget::setTabOrder.
void followLayout(QWidget* root);

}  // namespace TabOrder
