#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "sql/SqlTokens.h"

// What a CREATE TABLE says about loading its rows in several sessions at once.
namespace TableShape {

struct Shape {
    bool readable = false;          // a plain CREATE TABLE `name` (…) whose columns could be counted
    bool ifNotExists = false;       // the table may be an older one, with its rows and triggers
    bool transactional = false;     // ENGINE=InnoDB: a batch not committed is undone
    bool referencesItself = false;  // a foreign key within the table: its rows depend on their order
    int countedColumn = -1;         // the AUTO_INCREMENT column's place among the columns, or -1
};

Shape of(QByteArrayView createTable, const QByteArray& table, SqlTokens::Quoting quoting = {});

}  // namespace TableShape
