#pragma once

#include <QHash>
#include <QList>
#include <QString>

// How far one table of the dump has come in an import.
struct TableLoad {
    enum class State { waiting, loading, done, failed, stopped };
    QString name;
    State state = State::waiting;
    int sessions = 1;  // loading it now
    qint64 bytes = 0;  // of its statements, sent
    qint64 rows = 0;   // its INSERTs add, sent

    bool operator==(const TableLoad&) const = default;
};

// The tables of a running import in the dump's order: those still to come, the one loading, those
// the stream has passed. A table the dump comes back to loads again.
class TableBoard {
public:
    // Beyond this many, further tables are not listed: a window cannot show them anyway.
    static constexpr int kMostTables = 5000;

    void expect(const QList<QString>& names);
    // The stream's statements are now about `name`; the table before is done, as far as the stream goes.
    void enter(const QString& name);
    void add(qint64 bytes, qint64 rows);
    void loadingIn(int sessions);
    const QList<TableLoad>& tables() const { return tables_; }

private:
    int indexOf(const QString& name);

    QList<TableLoad> tables_;
    QHash<QString, int> index_;
    int current_ = -1;
};

namespace TableBoards {

// The board once the import has ended: what was loading is done, failed or stopped.
QList<TableLoad> settled(QList<TableLoad> tables, TableLoad::State loadingBecomes);

struct Counts {
    int done = 0;
    int total = 0;
};
Counts counts(const QList<TableLoad>& tables);

}  // namespace TableBoards
