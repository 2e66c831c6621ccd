#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <qcoro/qcorotask.h>

#include <optional>

#include "cli/CliArguments.h"
#include "cli/ModelSession.h"

// What the commands share: usage errors, the login, opening a container, aligned output.
namespace CommandSupport {

// "tarnwell-cli: <problem>" and the help hint on standard error; returns the usage status.
int usageError(const QString& command, const QString& problem);
// A command that asks before it starts needs a terminal to ask on, or --yes: the usage error
// when it has neither.
std::optional<int> needsAnswer(const CliArguments::Parsed& arguments);

// Applies --user and --password-stdin to the model. Reads the password first thing, so
// nothing else has touched standard input. False with the problem printed when there is
// none to read.
bool applyLogin(AppModel& model, const CliArguments::Parsed& arguments);
// The stream's guards and fixes the flags turn off.
// False, after saying why, when an option's value is wrong.
bool applyFixChoices(AppModel& model, const CliArguments::Parsed& arguments);
// The pre-flight, under its title, on standard error.
void printPreflight(const AppModel& model);

// The dump operand as an absolute path, or nothing with the problem printed when it is not
// a readable file.
std::optional<QString> dumpPath(const CliArguments::Parsed& arguments);

// Lists the containers, selects the named one and reads its server. Returns the success
// status, or prints why not and returns the status to exit with.
QCoro::Task<int> openContainer(ModelSession& session, const QString& name);

// The login of the command line, then the container its operand names: what the commands
// that read one server do first. Returns the exit status.
QCoro::Task<int> openWithLogin(ModelSession& session, const CliArguments::Parsed& arguments);

// Label and value pairs, the values aligned in one column.
void printPairs(const QList<QPair<QString, QString>>& pairs);

// Rows of cells, each column as wide as its widest cell, two spaces between columns.
void printTable(const QList<QStringList>& rows);

}  // namespace CommandSupport
