#pragma once

#include <QList>
#include <QWidget>

#include "dump/TableBoard.h"

class QLabel;
class QTreeWidget;

// The tables of the import with where each stands: waiting, loading (in how many sessions), done,
// failed or stopped, with the bytes and rows sent so far.
class TableLoadList : public QWidget {
    Q_OBJECT

public:
    explicit TableLoadList(QWidget* parent = nullptr);

    void showTables(const QList<TableLoad>& tables);
    void retranslate();
    QTreeWidget* tree() const { return tree_; }

private:
    QLabel* heading_;
    QTreeWidget* tree_;
    QList<TableLoad> shown_;
};
