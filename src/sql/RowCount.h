#pragma once

#include <QByteArrayView>

#include "sql/SqlTokens.h"

namespace RowCount {

// How many rows an INSERT or REPLACE adds, as far as its text tells: the tuples after VALUES, one
// for `SET col = …`, and 0 when it selects its rows or cannot be read.
qint64 rowsOfInsert(QByteArrayView statement, SqlTokens::Quoting quoting);

}  // namespace RowCount
