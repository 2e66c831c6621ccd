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

// A view, trigger, procedure, function or event a statement creates, and the names of `names` its
// text mentions, each once, in order, its own name excepted.
struct Dependent {
    QByteArray kind;  // "view", "trigger", "procedure", "function", "event"; empty for anything else
    QByteArray name;
    QList<QByteArray> tables;
    friend bool operator==(const Dependent&, const Dependent&) = default;
};
Dependent dependentOn(QByteArrayView statement, const QSet<QByteArray>& names, SqlTokens::Quoting quoting);

// For CREATE … VIEW or TRIGGER: the first name in its text that is one of `names`, the object's
// own name excepted; empty when none is, and for anything else.
QByteArray namedIn(QByteArrayView statement, const QSet<QByteArray>& names, SqlTokens::Quoting quoting);

}  // namespace TableMentions
