// Builds Tarnwell's windows against the fixture containers, drives them through the states
// worth showing and saves each as a PNG. Usage: tarnwell_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "support/ModelSteps.h"
#include "app/AppShell.h"
#include "docker/DockerClient.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"
#include "ui/ContentView.h"
#include "ui/ImportDetail.h"
#include "ui/SettingsView.h"

namespace {

const QString kDatabase = QStringLiteral("shop_restore");

QString fixture(const char* name) { return qEnvironmentVariable(QByteArray("TARNWELL_FIXTURE_") + name); }

bool waitFor(const std::function<bool()>& condition, int milliseconds = 120000) {
    return QTest::qWaitFor(condition, milliseconds);
}

void sql(const QString& statements) {
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), fixture("SEEDED_PASSWORD"));
    const CommandResult result = DockerClient::run(
        DockerClient::resolve().docker,
        {"exec", "-e", "MYSQL_PWD", fixture("SEEDED"), "mariadb", "-uroot", "-e", statements}, environment);
    if (result.status != 0) std::fprintf(stderr, "sql failed: %s\n", result.stderrBytes.constData());
}

// A dump large enough that the import takes a few seconds.
QString writeDump(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("shop-2026-05-01.sql"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("-- shop dump\nDROP TABLE IF EXISTS events;\n"
               "CREATE TABLE events (id INT PRIMARY KEY, kind VARCHAR(32), payload VARCHAR(255));\n");
    const QByteArray payload(200, 'p');
    int id = 0;
    for (int batch = 0; batch < 700; ++batch) {
        QByteArray statement = "INSERT INTO events VALUES ";
        for (int row = 0; row < 400; ++row, ++id) {
            if (row) statement += ',';
            statement += "(" + QByteArray::number(id) + ",'order.created','" + payload + "')";
        }
        file.write(statement + ";\n");
    }
    return path;
}

void selectByName(AppModel& model, const QString& name) {
    for (const DockerContainer& container : model.containers()) {
        if (container.name == name) model.selectContainer(container.id);
    }
    waitFor([&] { return model.selectedContainer() && model.selectedContainer()->name == name; });
    waitFor([&] { return !model.isLoadingDatabases(); });
}

// The import's progress and log sit at the foot of the page.
void scrollToBottom(ContentView* window, bool bottom = true) {
    auto* page = window->findChild<ImportDetail*>();
    QTest::qWait(200);
    page->verticalScrollBar()->setValue(bottom ? page->verticalScrollBar()->maximum() : 0);
}

bool save(QWidget* widget, const QString& folder, const QString& name) {
    QTest::qWait(400);  // let layouts and repaints settle
    const QString path = QDir(folder).filePath(name);
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir settingsFolder;  // never the user's own settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toUtf8());
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir work;

    SettingsStore& settings = SettingsStore::shared();
    settings.setLanguageChoice(QStringLiteral("en"));
    // The target holds a table already, as a restore target usually does; empty databases
    // are not listed.
    sql(QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1; CREATE TABLE %1.customers LIKE shop.customers")
            .arg(kDatabase));

    AppShell shell;
    ContentView* window = shell.openMainWindow();
    AppModel& model = shell.model();
    waitFor([&] { return !model.isLoading() && !model.containers().isEmpty(); });
    selectByName(model, fixture("SEEDED"));
    model.setDump(writeDump(work.path()));
    waitFor([&] { return model.dumpPreview().has_value(); });
    model.pinDatabase(kDatabase);
    bool ok = save(window, out, QStringLiteral("main.png"));

    model.requestImport();
    waitFor([&] { return window->confirmation() && window->confirmation()->isVisible(); });
    if (window->confirmation()) ok &= save(window->confirmation(), out, QStringLiteral("confirm.png"));
    if (window->confirmation()) window->confirmation()->reject();

    confirmAndStart(model);
    waitFor([&] {
        const auto& phase = model.phase();
        return !phase.isRunning() || (phase.progress().bytesPerSecond > 1 &&
                                      phase.progress().bytesRead * 3 > phase.progress().totalBytes);
    });
    scrollToBottom(window);
    ok &= save(window, out, QStringLiteral("import-running.png"));
    waitFor([&] { return !model.isImportRunning(); }, 600000);
    scrollToBottom(window);
    ok &= save(window, out, QStringLiteral("import-finished.png"));

    selectByName(model, fixture("NOTMYSQL"));
    ok &= save(window, out, QStringLiteral("not-mysql.png"));

    SettingsView* settingsWindow = shell.openSettings();
    ok &= save(settingsWindow, out, QStringLiteral("settings.png"));

    selectByName(model, fixture("SEEDED"));
    for (const auto& [code, file] : {std::pair{"de", "main-de.png"}, std::pair{"ja", "main-ja.png"}}) {
        settings.setLanguageChoice(QLatin1String(code));
        scrollToBottom(window, false);
        ok &= save(window, out, QLatin1String(file));
    }
    ok &= save(settingsWindow, out, QStringLiteral("settings-ja.png"));

    sql(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(kDatabase));
    return ok ? 0 : 1;
}
