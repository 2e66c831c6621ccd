#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>

#include "sql/SqlTokens.h"

// Which tables a statement of a dump is about, by name, without its database.
namespace TableMentions {

// The tables it creates, drops, alters, empties, renames, locks or writes rows into, and the table
// a trigger it creates is on. Empty for anything else.
QList<QByteArray> changed(QByteArrayView statement, SqlTokens::Quoting quoting);

// For CREATE … VIEW or TRIGGER: the first name in its text that is one of `names`, the object's
// own name excepted; empty when none is, and for anything else.
QByteArray namedIn(QByteArrayView statement, const QSet<QByteArray>& names, SqlTokens::Quoting quoting);

}  // namespace TableMentions
