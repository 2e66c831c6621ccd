#include "dump/TableChoice.h"

#include <QString>

namespace TableChoices {

QSet<QByteArray> namesFromList(const QString& list) {
    QSet<QByteArray> names;
    for (const QString& part : list.split(u',')) {
        const QString name = part.trimmed();
        if (!name.isEmpty()) names.insert(name.toUtf8());
    }
    return names;
}

QList<QByteArray> leftOut(const QList<QByteArray>& tables, const TableChoice& choice) {
    QList<QByteArray> result;
    for (const QByteArray& table : tables)
        if (!choice.keeps(table)) result << table;
    return result;
}

}  // namespace TableChoices
