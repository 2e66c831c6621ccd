#pragma once

#include <QByteArrayView>

#include "sql/SqlTokens.h"

// Whether the rows of an INSERT are literals only: numbers, strings, hex and bit values and NULL,
// in `VALUES (…), (…)` with at most a column list before. Such rows make the same table whichever
// session runs them and in whatever order, as long as no value makes the server count on its own.
namespace RowLiterals {

// `statement` is one INSERT INTO `t` … with its delimiter. `countedColumn` is the place of the
// table's AUTO_INCREMENT column (from 0), -1 when it has none: a row must then give that column a
// value other than NULL or zero, and the statement may not name its columns, since the server
// would number the rows in the order it runs them.
bool onlyLiterals(QByteArrayView statement, SqlTokens::Quoting quoting, int countedColumn);

}  // namespace RowLiterals
