#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include "sql/SqlTokens.h"

// The session's sql_mode as far as quoting goes, followed through a dump: the client splits strings
// by the server's NO_BACKSLASH_ESCAPES, and the server reads "x" as a name under ANSI_QUOTES. Each
// SET of sql_mode counts, and so do the user variables a dump saves it in and restores it from.
class SqlModeTracker {
public:
    // `initialMode` is the server's global sql_mode, which a new session starts with.
    explicit SqlModeTracker(QByteArrayView initialMode = {});

    // False once the dump set sql_mode to something that cannot be read before it runs.
    bool isKnown() const { return current_.known; }
    SqlTokens::Quoting quoting() const { return current_.quoting; }

    // A statement the server has run, as it was sent.
    void note(QByteArrayView statement);

    // The quoting a sql_mode value gives ("ANSI" includes ANSI_QUOTES).
    static SqlTokens::Quoting quotingOf(QByteArrayView mode);

private:
    struct State {
        bool known = true;
        SqlTokens::Quoting quoting;
    };

    State initial_;
    State current_;
    QHash<QByteArray, State> saved_;  // by user variable, lower case, without the @
};
