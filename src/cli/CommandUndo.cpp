#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/Terminal.h"
#include "docker/Engine.h"
#include "l10n/L10n.h"

namespace Commands {

QCoro::Task<int> undo(const CliArguments::Parsed& arguments) {
    const bool ask = !arguments.has("--yes");
    if (const auto refused = CommandSupport::needsAnswer(arguments)) co_return *refused;
    ModelSession session;
    AppModel& model = session.model();
    if (!CommandSupport::applyLogin(model, arguments)) co_return ExitStatus::refused;
    const QString containerName = *arguments.value("--container");
    auto opening = CommandSupport::openContainer(session, containerName);
    if (const int status = co_await opening; status != ExitStatus::success) co_return status;
    model.pinDatabase(*arguments.value("--database"));
    if (const auto container = model.selectedContainer()) {
        Terminal::err(L10n::render(QStringLiteral("engineLine"),
                                   {Engine::describe(container->engine, container->rootless, container->endpoint)}));
    }
    auto asking = model.requestUndo();
    if (!co_await asking) {
        if (model.errorMessage()) Terminal::err(*model.errorMessage());
        if (const auto reason = model.importBlockedReason()) Terminal::err(*reason);
        co_return ExitStatus::refused;
    }
    CommandSupport::printPreflight(model);
    auto running = confirmAndFollow(session, ask, true);
    co_return co_await running;
}

}  // namespace Commands
