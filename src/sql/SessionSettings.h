#pragma once

#include <QByteArrayView>

#include "sql/SqlTokens.h"

// Statements that set only what the session reads rows by (character sets, sql_mode, time zone,
// checks, user variables): a second session that repeats them reads the same rows alike. SET
// GLOBAL, PASSWORD, ROLE, STATEMENT … FOR, TRANSACTION and anything about autocommit are not
// among them: they act beyond the session, run a statement, or end a batch.
namespace SessionSettings {

bool isSessionSetting(QByteArrayView statement, SqlTokens::Quoting quoting = {});

}  // namespace SessionSettings
