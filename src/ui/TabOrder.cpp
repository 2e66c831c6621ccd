#include "ui/TabOrder.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolBar>
#include <QWidget>

namespace TabOrder {
namespace {

void collect(QWidget* widget, QList<QWidget*>& into);

void collectLayout(QLayout* layout, QList<QWidget*>& into) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* child = item->widget())
            collect(child, into);
        else if (QLayout* inner = item->layout())
            collectLayout(inner, into);
    }
}

void collect(QWidget* widget, QList<QWidget*>& into) {
    if (widget->isWindow() && !into.isEmpty()) return;  // a dialog has an order of its own
    // A list or text view takes focus itself; its viewport's children are its items.
    const bool tabs = (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
    if (tabs) into.append(widget);
    if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        if (scroll->widget()) collect(scroll->widget(), into);
        return;
    }
    if (qobject_cast<QAbstractScrollArea*>(widget)) return;
    if (auto* split = qobject_cast<QSplitter*>(widget)) {
        for (int i = 0; i < split->count(); ++i) collect(split->widget(i), into);
        return;
    }
    if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
        for (int i = 0; i < stack->count(); ++i) collect(stack->widget(i), into);
        return;
    }
    if (widget->layout()) collectLayout(widget->layout(), into);
}

}  // namespace

QList<QWidget*> inLayoutOrder(QWidget* root) {
    QList<QWidget*> order;
    collect(root, order);
    return order;
}

void followLayout(QWidget* root) {
    const QList<QWidget*> order = inLayoutOrder(root);
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace TabOrder
