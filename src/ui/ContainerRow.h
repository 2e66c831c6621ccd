#pragma once

#include <QStyledItemDelegate>

#include "docker/DockerContainer.h"

class QListWidgetItem;

// One container in the sidebar: state dot, name, the "MySQL" badge, image and ports.
namespace ContainerRow {

enum Role { idRole = Qt::UserRole + 1, nameRole, imageRole, portsRole, runningRole, mysqlRole, mariadbRole };

// Fills a list item with what the row draws.
void fill(QListWidgetItem* item, const DockerContainer& container);

class Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace ContainerRow
