#pragma once

#include <qcoro/qcorotask.h>

#include "cli/CliArguments.h"

// The commands of tarnwell-cli. Each returns the program's exit status.
namespace Commands {

QCoro::Task<int> run(const CliArguments::Parsed& arguments);

QCoro::Task<int> containers(const CliArguments::Parsed& arguments);
QCoro::Task<int> databases(const CliArguments::Parsed& arguments);
QCoro::Task<int> inspect(const CliArguments::Parsed& arguments);
QCoro::Task<int> import(const CliArguments::Parsed& arguments);
QCoro::Task<int> createDatabase(const CliArguments::Parsed& arguments);

}  // namespace Commands
