#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "docker/ServerInfo.h"

// The database proposed as the import target.
namespace DatabaseChoice {

// A database named as a whole word in the dump's file name (the longest), else the saved
// name if it is still there, else the largest database. Never "mysql" or "sys".
std::optional<QString> preferred(const QList<MysqlDatabase>& databases, const std::optional<QString>& dumpPath,
                                 const std::optional<QString>& savedName);

// A name for a new, empty database after the dump's file name: letters, digits and "_", at
// most 64 characters, with "_2", "_3"… where a database of that name exists.
QString freshName(const QString& dumpPath, const QList<MysqlDatabase>& databases);

}  // namespace DatabaseChoice
