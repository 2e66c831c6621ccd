#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "import/ImportRequest.h"

// The docker argument vector of an import and its printable form.
struct MysqlInvocation {
    QStringList arguments;  // without the executable
    QString display;        // executable and arguments joined by spaces, password masked

    bool operator==(const MysqlInvocation&) const = default;
};

namespace ImportCommand {

// "--max-allowed-packet=" with at least 64 MiB, in mebibytes ("512M") when whole.
QString packetArgument(quint64 bytes);

// The statements the client runs on connecting ("SET SESSION …;"), or empty.
QString sessionStatements(const ImportRequest& request);

// `docker exec -i -e MYSQL_PWD <container> mysql …`. The password is not among the
// arguments: "-e MYSQL_PWD" makes docker forward it from its own environment.
MysqlInvocation invocation(const ImportRequest& request, const QString& dockerPath);

// The environment of the docker child: the base with MYSQL_PWD set to the password, also
// when it is empty, so an inherited value never leaks in.
QProcessEnvironment clientEnvironment(const ImportRequest& request, QProcessEnvironment base);

}  // namespace ImportCommand
