#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// What the head of a dump shows before it is imported: the databases it writes to, the commands it
// asks the client to run, the constructs only one server family knows, the accounts it names.
struct DumpScan {
    struct Command {
        qint64 line = 0;
        QString text;  // as written, shortened
        friend bool operator==(const Command&, const Command&) = default;
    };

    QList<QByteArray> databases;    // of USE, CREATE DATABASE and qualified tables, first mention first
    QList<Command> clientCommands;  // only those that reach beyond the client
    qint64 gtidLine = 0;            // SET GTID_PURGED; 0 when absent
    qint64 encryptionLine = 0;      // DEFAULT ENCRYPTION; 0 when absent
    qint64 binlogSwitchLine = 0;    // SET SQL_LOG_BIN; 0 when absent
    QList<QByteArray> mysqlCollations;
    bool sandboxLine = false;    // starts with the line that turns on MariaDB's sandbox
    QList<QByteArray> definers;  // "user@host"
    int tables = 0;              // CREATE TABLE statements
    QList<QByteArray> tableNames;  // of CREATE TABLE, in order, each once
    QList<QByteArray> droppedTables;  // of DROP TABLE, in order, each once
    qint64 scannedBytes = 0;
    bool complete = false;  // the whole dump was scanned

    bool operator==(const DumpScan&) const = default;
};

namespace DumpScanning {

DumpScan scan(QByteArrayView text, bool complete);

// A statement as the lexer reports it, without the delimiter that ends it.
QByteArrayView withoutDelimiter(QByteArrayView statement, QByteArrayView delimiter);

}  // namespace DumpScanning
