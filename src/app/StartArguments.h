#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What a start of the window program was given on its command line, as the desktop's
// "Open with" hands a dump over ("tarnwell %f").
namespace StartArguments {

// The first file argument as an absolute path, resolved against the folder the program was
// started in; a file:// address counts as its local path. Options are skipped ("--" ends them).
std::optional<QString> dumpPath(const QStringList& arguments, const QString& workingFolder);

}  // namespace StartArguments
