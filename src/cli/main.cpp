#include <QCoreApplication>

#include <unistd.h>

#include "cli/CliArguments.h"
#include "cli/CliHelp.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "docker/DockerClient.h"
#include "docker/Engine.h"
#include "posix/Process.h"
#include "settings/SettingsStore.h"

// tarnwell-cli: the window's imports from a terminal, on the same model, without a display.
int main(int argc, char* argv[]) {
    Process::prepareSignals();  // before any thread exists
    QCoreApplication application(argc, argv);
    // The same settings as the window: language, last container, database and dump.
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwell"));

    const CliArguments::Parsed arguments = CliArguments::parse(QCoreApplication::arguments().mid(1));
    if (!arguments.error.isEmpty()) return CommandSupport::usageError(arguments.command, arguments.error);
    if (arguments.version) {
        Terminal::out(CliHelp::version());
        return 0;
    }
    if (arguments.help) {
        Terminal::write(STDOUT_FILENO, CliHelp::text(arguments.command).toUtf8());
        return 0;
    }
    // Stores the system language on a first start, as the window does.
    const QString engine = arguments.value("--engine").value_or(SettingsStore::shared().engineChoice());
    DockerClient::setPreference(Engine::preferenceFromText(engine).value_or(EnginePreference::found));
    return QCoro::waitFor(Commands::run(arguments));
}
