#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include "sql/SqlTokens.h"
#include "sql/StatementFacts.h"
#include "sql/TableShape.h"

// Which INSERTs of a dump may go to other sessions than the one that runs the dump in order. Only
// rows of a table this dump created just before, in InnoDB, with no trigger or routine made since,
// no foreign key to itself, and literal values only: for those, the order in which sessions run the
// rows changes nothing. Anything the stream cannot follow turns spreading off for good.
class RowSpreading {
public:
    // Statements that set how a session reads rows are repeated in every session; past this many
    // the rows stay in the one session.
    static constexpr int kSettingsLimit = 10000;

    // A statement sent to the session that runs the dump in order, as sent.
    void note(const StatementFacts::Facts& facts, QByteArrayView statement, SqlTokens::Quoting quoting);
    // A client command other than USE or DELIMITER: the other sessions would not follow it.
    void noteClientCommand() { off_ = true; }
    // One more statement that every session repeats.
    void noteSessionSetting() { off_ |= ++settings_ > kSettingsLimit; }

    // Whether this INSERT into `table` (unqualified, the current database) may go elsewhere.
    bool maySpread(const QByteArray& table, QByteArrayView insert, SqlTokens::Quoting quoting) const;

private:
    struct Created {
        TableShape::Shape shape;
        qint64 routinesBefore = 0;
    };

    QHash<QByteArray, Created> created_;
    qint64 routines_ = 0;
    int settings_ = 0;
    bool off_ = false;
};
