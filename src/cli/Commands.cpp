#include "cli/Commands.h"

namespace Commands {

QCoro::Task<int> run(const CliArguments::Parsed& arguments) {
    const QString& name = arguments.command;
    // Tasks are named before awaiting: g++ 12 destroys temporaries of a co_await
    // expression twice.
    auto command = name == "containers"        ? containers(arguments)
                   : name == "databases"       ? databases(arguments)
                   : name == "inspect"         ? inspect(arguments)
                   : name == "create-database" ? createDatabase(arguments)
                   : name == "import-each"     ? importEach(arguments)
                   : name == "undo"            ? undo(arguments)
                                               : import(arguments);
    co_return co_await command;
}

}  // namespace Commands
