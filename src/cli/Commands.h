#pragma once

#include <qcoro/qcorotask.h>

#include "cli/CliArguments.h"

class ModelSession;

// The commands of tarnwell-cli. Each returns the program's exit status.
namespace Commands {

QCoro::Task<int> run(const CliArguments::Parsed& arguments);

QCoro::Task<int> containers(const CliArguments::Parsed& arguments);
QCoro::Task<int> databases(const CliArguments::Parsed& arguments);
QCoro::Task<int> inspect(const CliArguments::Parsed& arguments);
QCoro::Task<int> import(const CliArguments::Parsed& arguments);
QCoro::Task<int> createDatabase(const CliArguments::Parsed& arguments);
QCoro::Task<int> importEach(const CliArguments::Parsed& arguments);
// Puts back the copy saved before the last import into a database, through the import's path.
QCoro::Task<int> undo(const CliArguments::Parsed& arguments);
// Shows the open confirmation, asks when `ask`, starts the import and follows it to its end.
// With `exact`, a question asked again (something changed meanwhile) is refused, since it
// would be about a whole import of the file.
QCoro::Task<int> confirmAndFollow(ModelSession& session, bool ask, bool exact);

// Runs the started import to its end with progress and log on standard error; SIGINT,
// SIGTERM and SIGHUP cancel it. Returns the exit status of its outcome.
QCoro::Task<int> follow(ModelSession& session);

}  // namespace Commands
