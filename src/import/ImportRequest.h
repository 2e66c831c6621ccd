#pragma once

#include <QString>
#include <QStringList>

#include "account/TemporaryAccount.h"
#include "dump/DumpFixing.h"

// Everything one import needs.
struct ImportRequest {
    QString fileURL;  // absolute path of the dump
    QString containerName;
    QString database;
    QString user;
    QString password;  // travels only in MYSQL_PWD of the docker child
    quint64 maxAllowedPacket = 536870912;
    bool disableUniqueChecks = false;
    bool disableForeignKeyChecks = false;
    bool disableBinlog = false;
    bool serverLogBin = true;
    // The client inside the container: "mysql", or "mariadb" where the image has only that.
    QString clientProgram = QStringLiteral("mysql");
    // What the stream may change on the way, and what it knows of the target for that.
    DumpFixes fixes;
    // The account the session logs in as, made by the run when fixes.ownerRole is set; unset,
    // the session uses the login above.
    TemporaryAccount account;
    // Tables the dump holds, when its inspection saw all of it; 0 when unknown.
    int expectedTables = 0;
    // Tables the dump creates, as far as its inspection read, in order.
    QStringList expectedTableNames;
    // Sessions that load rows at once; with 1 the whole dump runs in one session.
    int jobs = 1;

    bool operator==(const ImportRequest&) const = default;
};
