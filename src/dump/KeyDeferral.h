#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

#include "sql/SqlTokens.h"

// A table's secondary keys added once its rows are in: the server then sorts each key once
// instead of keeping it in order row by row, which loads rows about a third faster. Only plain
// KEY and INDEX of an InnoDB table the dump creates, and only where no foreign key may need them
// and no comment sits among the columns.
namespace KeyDeferral {

struct Deferred {
    QByteArray createTable;  // the statement without those keys, every line break kept
    QByteArray addKeys;      // ALTER TABLE `t` ADD KEY …, ADD INDEX …, without delimiter
};

std::optional<Deferred> deferred(QByteArrayView createTable, const QByteArray& table, SqlTokens::Quoting quoting = {});

}  // namespace KeyDeferral
