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

}  // namespace DatabaseChoice
