#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The account one import runs as, when the server holds the import to its databases: made for
// the import through the user's login, and dropped at its end. What the dump creates belongs
// to `ownerRole`, which lasts and reaches only those databases.
struct TemporaryAccount {
    QString user;  // empty: the import runs as the login
    QString host = QStringLiteral("localhost");
    QString password;  // never shown, never stored; travels only in MYSQL_PWD
    QString ownerRole;
    QList<QByteArray> databases;  // the confirmed ones, sorted
    // Binary logging is off for the session: it starts under a role that may switch it off,
    // and that role is taken back before the dump's first byte.
    bool binlogOff = false;

    bool isSet() const { return !user.isEmpty(); }
    bool operator==(const TemporaryAccount&) const = default;
};
