#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include "docker/DockerClient.h"

// Saves tables of a database in a container into a zstd-compressed file: the server's own dump
// program runs inside the container, and its output streams out through zstd, never whole in
// memory and never as an uncompressed file.
namespace TableSaving {

struct Job {
    DockerClient client;
    QString container;
    QString dumpProgram;  // "mariadb-dump" or "mysqldump"
    QString user;
    QString password;  // travels only in MYSQL_PWD of the docker child
    QString database;
    QStringList tables;
    QByteArray epilogue;  // appended after the dump's own text
    QString path;         // created; must not exist yet
    bool mysqlServer = false;
};

struct Result {
    bool saved = false;
    bool stopped = false;  // asked to stop; the file is gone
    qint64 bytes = 0;      // of the file
    QString error;         // why not, in the dump program's, zstd's or the system's words
};

// The docker arguments: `exec -e MYSQL_PWD <container> <dump program> … -- <database> <tables>`.
// No password among them, and "--" before the names, so no name is read as an option.
QStringList dumpArguments(const Job& job);

// Runs the dump into the file. Whatever ends it early (a failure, a stop) removes the file.
// stopRequested is asked a few times a second.
Result save(const Job& job, const std::function<bool()>& stopRequested);

}  // namespace TableSaving
