#pragma once

#include <QString>

// The fixed usage texts of tarnwell-cli.
namespace CliHelp {

// The program's help, or a command's when the command is known.
QString text(const QString& command);

// One line naming the help to read after a usage error.
QString hint(const QString& command);

QString version();

}  // namespace CliHelp
