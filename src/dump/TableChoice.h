#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

// The tables of the dump the user wants: all, only some, or all but some.
struct TableChoice {
    QSet<QByteArray> only;    // when not empty, every other table is left out
    QSet<QByteArray> except;  // left out

    bool isSet() const { return !only.isEmpty() || !except.isEmpty(); }
    bool keeps(const QByteArray& table) const {
        return !except.contains(table) && (only.isEmpty() || only.contains(table));
    }
    bool operator==(const TableChoice&) const = default;
};

namespace TableChoices {

// "a,b , c" as the command line gives it: names, each once, without blanks around them.
QSet<QByteArray> namesFromList(const QString& list);

// Of the dump's tables, those the choice leaves out, in the dump's order.
QList<QByteArray> leftOut(const QList<QByteArray>& tables, const TableChoice& choice);

}  // namespace TableChoices
