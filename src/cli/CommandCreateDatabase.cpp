#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/Terminal.h"

namespace Commands {

QCoro::Task<int> createDatabase(const CliArguments::Parsed& arguments) {
    ModelSession session;
    AppModel& model = session.model();
    auto opening = CommandSupport::openWithLogin(session, arguments);
    if (const int status = co_await opening; status != ExitStatus::success) co_return status;

    const QString name = *arguments.value("--name");
    const QString collation = arguments.value("--collation").value_or(QString());
    auto creating = model.createDatabase(name, collation);
    const bool created = co_await creating;
    if (!created) {
        Terminal::err(model.errorMessage().value_or(QString()));
        co_return ExitStatus::failed;
    }
    Terminal::out(name);
    co_return ExitStatus::success;
}

}  // namespace Commands
