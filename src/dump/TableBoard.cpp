#include "dump/TableBoard.h"

void TableBoard::expect(const QList<QString>& names) {
    for (const QString& name : names) indexOf(name);
}

int TableBoard::indexOf(const QString& name) {
    if (const auto found = index_.constFind(name); found != index_.cend()) return *found;
    if (tables_.size() >= kMostTables) return -1;
    tables_.append(TableLoad{name});
    index_.insert(name, int(tables_.size() - 1));
    return int(tables_.size() - 1);
}

void TableBoard::enter(const QString& name) {
    const int next = indexOf(name);
    if (next == current_) return;
    if (current_ >= 0) {
        tables_[current_].state = TableLoad::State::done;
        tables_[current_].sessions = 1;
    }
    current_ = next;
    if (current_ >= 0) tables_[current_].state = TableLoad::State::loading;
}

void TableBoard::add(qint64 bytes, qint64 rows) {
    if (current_ < 0) return;
    tables_[current_].bytes += bytes;
    tables_[current_].rows += rows;
}

void TableBoard::loadingIn(int sessions) {
    if (current_ >= 0) tables_[current_].sessions = sessions;
}

namespace TableBoards {

QList<TableLoad> settled(QList<TableLoad> tables, TableLoad::State loadingBecomes) {
    for (TableLoad& table : tables) {
        if (table.state != TableLoad::State::loading) continue;
        table.state = loadingBecomes;
        table.sessions = 1;
    }
    return tables;
}

Counts counts(const QList<TableLoad>& tables) {
    Counts result;
    result.total = int(tables.size());
    for (const TableLoad& table : tables) result.done += table.state == TableLoad::State::done ? 1 : 0;
    return result;
}

}  // namespace TableBoards
