#include <QTimer>

#include <csignal>
#include <unistd.h>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/ProgressDisplay.h"
#include "cli/SignalBridge.h"
#include "cli/Terminal.h"
#include "docker/Engine.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

namespace Commands {

namespace {

constexpr int kPlainProgressMs = 5000;  // without a terminal: one progress line this often

// Asks on the terminal; only yes starts.
bool confirmed() {
    Terminal::write(STDERR_FILENO, "Type yes to start the import: ");
    const QString answer = Terminal::readLine(false).value_or(QString()).trimmed().toLower();
    return answer == "yes" || answer == "y";
}

}  // namespace

QCoro::Task<int> follow(ModelSession& session) {
    AppModel& model = session.model();
    ProgressDisplay display(Terminal::isTerminal(STDERR_FILENO));

    for (const QString& line : model.logLines()) display.log(line);
    display.show(model.phase().progress());
    const auto onChange = [&](AppModel::Field field) {
        if (field == AppModel::Field::phase) {
            if (model.phase().isRunning()) {
                display.show(model.phase().progress());
            } else {
                display.clear();
            }
        } else if (field == AppModel::Field::logLines && !model.logLines().isEmpty()) {
            display.log(model.logLines().last());  // every append notifies once
        }
    };
    const QMetaObject::Connection watching = QObject::connect(&model, &AppModel::fieldChanged, &model, onChange);
    QTimer plainTicks;
    QObject::connect(&plainTicks, &QTimer::timeout, [&] { display.tick(); });
    plainTicks.start(kPlainProgressMs);

    // Every further signal finds the import ending already: leaving before its session is
    // ended on the server could let the client run a statement cut short.
    SignalBridge bridge({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&bridge, &SignalBridge::received, [&](int) { model.cancelImport(); });

    auto ending = session.until([&] { return !model.isImportRunning(); });
    co_await ending;
    QObject::disconnect(watching);
    display.clear();

    const AppModel::Phase& phase = model.phase();
    switch (phase.kind()) {
    case AppModel::Phase::Kind::success:
        Terminal::out(L10n::render(QStringLiteral("importDone"), {ByteFormatting::duration(phase.seconds())}));
        co_return ExitStatus::success;
    case AppModel::Phase::Kind::cancelled:
        Terminal::err(L10n::render(QStringLiteral("cancelledPartial"), {model.importDatabase()}));
        co_return ExitStatus::cancelled;
    default: Terminal::err(phase.message()); co_return ExitStatus::failed;
    }
}

QCoro::Task<int> import(const CliArguments::Parsed& arguments) {
    const bool ask = !arguments.has("--yes");
    if (const auto refused = CommandSupport::needsAnswer(arguments)) co_return *refused;
    ModelSession session;
    AppModel& model = session.model();
    if (!CommandSupport::applyLogin(model, arguments)) co_return ExitStatus::refused;
    const auto path = CommandSupport::dumpPath(arguments);
    if (!path) co_return ExitStatus::refused;
    model.setDisableUniqueChecks(!arguments.has("--keep-unique-checks"));
    model.setDisableForeignKeyChecks(!arguments.has("--keep-foreign-key-checks"));
    model.setDisableBinlog(!arguments.has("--keep-binlog"));
    // A failed inspection does not stop the import, as in the window: the import tests the
    // file itself and reports its own errors.
    auto inspection = session.takeDump(*path);
    co_await inspection;
    // After the dump: a choice of tables belongs to it.
    if (!CommandSupport::applyFixChoices(model, arguments)) co_return ExitStatus::refused;
    const QString containerName = *arguments.value("--container");
    auto opening = CommandSupport::openContainer(session, containerName);
    if (const int status = co_await opening; status != ExitStatus::success) co_return status;

    const auto database = arguments.value("--database");
    // Named on the command line, as a click in the window's list would pick it. A schema
    // without tables is not in the list but is a fine target all the same.
    if (database) model.pinDatabase(*database);
    if (const auto reason = model.importBlockedReason()) {
        Terminal::err(*reason);
        if (!database) Terminal::err(QStringLiteral("Name the target with --database."));
        co_return ExitStatus::refused;
    }
    if (!database) Terminal::err(QStringLiteral("Proposed database: ") + *model.selectedDatabase());

    // Where the import goes, before anything is asked: a remote engine must not pass for the local one.
    if (const auto container = model.selectedContainer()) {
        Terminal::err(L10n::render(QStringLiteral("engineLine"),
                                   {Engine::describe(container->engine, container->rootless, container->endpoint)}));
    }
    CommandSupport::printPreflight(model);
    const bool resume = arguments.has("--resume");
    if (resume) {
        auto asking = model.requestResume();
        if (!co_await asking) {
            if (model.errorMessage()) Terminal::err(*model.errorMessage());
            co_return ExitStatus::refused;
        }
    } else {
        model.requestImport();
    }
    if (!model.confirmImport()) co_return ExitStatus::refused;  // an import is running already
    if (arguments.has("--copy")) model.setKeepCopy(true);
    if (arguments.has("--no-copy")) model.setKeepCopy(false);
    auto running = confirmAndFollow(session, ask, resume);
    co_return co_await running;
}

QCoro::Task<int> confirmAndFollow(ModelSession& session, bool ask, bool exact) {
    AppModel& model = session.model();
    // The import starts only into what the question named; if that changed meanwhile, the
    // question comes again with the new values.
    for (;;) {
        Terminal::err(L10n::render(QStringLiteral("confirmTitle")));
        Terminal::err(model.confirmMessage());
        if (ask && !confirmed()) {
            model.setConfirmImport(false);
            Terminal::err(L10n::render(QStringLiteral("importCancelled")));
            co_return ExitStatus::cancelled;
        }
        model.setConfirmImport(false);
        model.startImport();
        if (model.isImportRunning()) break;
        if (!model.confirmImport() || exact) co_return ExitStatus::refused;
    }
    auto running = follow(session);
    co_return co_await running;
}

}  // namespace Commands
