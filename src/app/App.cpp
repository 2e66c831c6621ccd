#include "app/App.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include "app/AppShell.h"
#include "app/InstanceChannel.h"
#include "app/QtTexts.h"
#include "app/QuitSignals.h"
#include "app/StartArguments.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"

namespace App {
namespace {

// How long quitting waits for a cancelled import's processes to end.
constexpr int kImportWindDown = 15000;

void useIconThemeFallback() {
    // Outside a desktop session Qt knows no icon theme; the freedesktop default serves then.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    }
}

}  // namespace

int run(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwell"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwell"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("tarnwell"), QIcon(QStringLiteral(":/icons/tarnwell.svg"))));
    useIconThemeFallback();

    const std::optional<QString> dump = StartArguments::dumpPath(QCoreApplication::arguments(), QDir::currentPath());
    const QString channelName = InstanceChannel::defaultName();
    if (InstanceChannel::handOver(channelName, dump)) return 0;  // the running program takes over

    QApplication::setQuitOnLastWindowClosed(false);
    AppShell shell;
    QtTexts qtTexts(shell.settings());
    InstanceChannel channel;
    channel.listen(channelName);
    QuitSignals quitSignals;

    QObject::connect(&channel, &InstanceChannel::activationRequested, &shell, &AppShell::reactivate);
    QObject::connect(&channel, &InstanceChannel::dumpRequested, &shell,
                     [&shell](const QString& path) { shell.model().setDump(path); });
    QObject::connect(&shell, &AppShell::quitRequested, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    // A termination signal is the answer already: the import stops safely, then the program ends.
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &shell, &AppShell::cancelAndQuit);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &shell, &AppShell::applicationWillTerminate);

    shell.openMainWindow();
    if (dump) shell.model().setDump(*dump);
    const int status = application.exec();
    // Quitting cancelled a running import; let its processes end before the program does,
    // with the windows already gone.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    shell.waitForImportToEnd(kImportWindDown);
    return status;
}

}  // namespace App
