// Builds Tarnwell's windows against the fixture containers, drives them through the states
// worth showing and saves each as a PNG. Usage: tarnwell_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdio>

#include "app/AppShell.h"
#include "docker/DockerClient.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"
#include "support/ModelSteps.h"
#include "ui/DatabaseList.h"
#include "ui/Disclosure.h"
#include "ui/ErrorBanner.h"
#include "ui/HelpView.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"
#include "ui/MainWindow.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/SavedCopies.h"
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
    file.write(
        "-- shop dump\nDROP TABLE IF EXISTS events;\n"
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
void scrollToBottom(MainWindow* window, bool bottom = true) {
    auto* page = window->findChild<ImportDetail*>();
    QTest::qWait(200);
    page->verticalScrollBar()->setValue(bottom ? page->verticalScrollBar()->maximum() : 0);
}

// What the screen shows over the widgets' frames: the window manager's decorations and
// popups included, as a user sees them.
bool saveScreen(const QList<QWidget*>& widgets, const QString& folder, const QString& name) {
    QTest::qWait(500);
    QRect area;
    for (QWidget* widget : widgets) {
        if (widget && widget->isVisible()) area |= widget->frameGeometry();
    }
    const QString path = QDir(folder).filePath(name);
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const bool saved = !shot.isNull() && shot.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

QString writeText(const QString& folder, const QString& name, const QByteArray& text) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    return path;
}

void runImport(AppModel& model, const QString& dump, const QString& database) {
    model.setDump(dump);
    waitFor([&] { return model.dumpPreview().has_value(); });
    model.pinDatabase(database);
    confirmAndStart(model);
    waitFor([&] { return !model.isImportRunning(); }, 600000);
}

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x2d, 0x2d, 0x30), base(0x1e, 0x1e, 0x20), text(0xe8, 0xe8, 0xe8);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    dark.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return dark;
}

const QByteArray kBrokenDump =
    "CREATE TABLE IF NOT EXISTS customers_copy (id INT PRIMARY KEY, name VARCHAR(64));\n"
    "INSERT INTO customers_copy VALUES (1,'Ada'),(2,'Grace');\n"
    "INSERT INTO customers_copy VALUES (3,'Edsger') ON DUPLICATE KEY UPDATE name = VALUES(name) WHERE id = 3;\n";
const QByteArray kSlowDump = "SELECT SLEEP(20);\n";

// Two tables, the second stopped while it loads: what continuing is offered for.
const QByteArray kStoppedDump =
    "DROP TABLE IF EXISTS customers;\nCREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(40));\n"
    "INSERT INTO customers VALUES (1,'Ada'),(2,'Grace'),(3,'Edsger');\n"
    "DROP TABLE IF EXISTS orders;\nCREATE TABLE orders (id INT PRIMARY KEY, total DECIMAL(8,2));\n"
    "INSERT INTO orders VALUES (1, 9.50);\nSELECT SLEEP(20);\nINSERT INTO orders VALUES (2, 12.00);\n";
const QByteArray kReplacingDump =
    "DROP TABLE IF EXISTS customers;\nCREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(40));\n"
    "INSERT INTO customers VALUES (1,'Ada'),(2,'Grace');\n"
    "DROP TABLE IF EXISTS orders;\nCREATE TABLE orders (id INT PRIMARY KEY, total DECIMAL(8,2));\n"
    "INSERT INTO orders VALUES (1, 9.50), (2, 12.00);\nCREATE TABLE refunds (id INT PRIMARY KEY);\n";

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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarnwell.svg")));
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
    MainWindow* window = shell.openMainWindow();
    window->move(40, 40);
    AppModel& model = shell.model();
    waitFor([&] { return !model.isLoading() && !model.containers().isEmpty(); });
    selectByName(model, fixture("SEEDED"));
    const QString bigDump = writeDump(work.path());
    model.setDump(bigDump);
    waitFor([&] { return model.dumpPreview().has_value(); });
    model.pinDatabase(kDatabase);
    bool ok = saveScreen({window}, out, QStringLiteral("main.png"));

    // The pre-flight of dumps made elsewhere: a MySQL 8 dump, one that names its own database,
    // one with a shell command.
    for (const char* name : {"mysql80", "elsewhere", "shell"}) {
        model.setDump(QStringLiteral(TARNWELL_TEST_DUMPS "/%1.sql").arg(QLatin1String(name)));
        waitFor([&] { return model.dumpPreview().has_value(); });
        model.pinDatabase(kDatabase);
        ok &= saveScreen({window}, out, QStringLiteral("preflight-%1.png").arg(QLatin1String(name)));
        if (QLatin1String(name) == QLatin1String("elsewhere")) {
            model.requestImport();
            waitFor([&] { return window->confirmation() && window->confirmation()->isVisible(); });
            if (window->confirmation()) {
                ok &= saveScreen({window, window->confirmation()}, out, QStringLiteral("preflight-confirm.png"));
                window->confirmation()->reject();
            }
        }
    }
    model.setDump(bigDump);
    waitFor([&] { return model.dumpPreview() && model.dumpPreview()->path == bigDump; });
    model.pinDatabase(kDatabase);

    model.requestImport();
    waitFor([&] { return window->confirmation() && window->confirmation()->isVisible(); });
    if (window->confirmation()) ok &= saveScreen({window, window->confirmation()}, out, QStringLiteral("confirm.png"));
    if (window->confirmation()) window->confirmation()->reject();

    confirmAndStart(model);
    waitFor([&] {
        const auto& phase = model.phase();
        return !phase.isRunning() ||
               (phase.progress().bytesPerSecond > 1 && phase.progress().bytesRead * 3 > phase.progress().totalBytes);
    });
    scrollToBottom(window);
    ok &= saveScreen({window}, out, QStringLiteral("import-running.png"));
    waitFor([&] { return !model.isImportRunning(); }, 600000);
    // The result panel's sizes once InnoDB has counted the new rows.
    QTest::qWait(12000);
    waitFor([&] { return !model.isLoadingDatabases(); });
    scrollToBottom(window);
    ok &= saveScreen({window}, out, QStringLiteral("import-finished.png"));

    selectByName(model, fixture("NOTMYSQL"));
    ok &= saveScreen({window}, out, QStringLiteral("not-mysql.png"));
    selectByName(model, fixture("SEEDED"));

    const QString broken = writeText(work.path(), QStringLiteral("customers-broken.sql"), kBrokenDump);
    const QString slow = writeText(work.path(), QStringLiteral("slow.sql"), kSlowDump);
    auto* detail = window->findChild<ImportDetail*>();
    for (const char* code : {"en", "de", "ru", "ja"}) {
        const QString suffix = QStringLiteral("-%1.png").arg(QLatin1String(code));
        settings.setLanguageChoice(QLatin1String(code));
        model.setDump(bigDump);
        waitFor([&] { return model.dumpPreview().has_value(); });
        scrollToBottom(window, false);
        ok &= saveScreen({window}, out, QStringLiteral("main") + suffix);

        // A failure: the result panel with the server's line, what the database holds now, and
        // Retry, Show log, Copy details.
        runImport(model, broken, kDatabase);
        waitFor([&] { return !model.isLoadingDatabases(); });
        scrollToBottom(window, false);
        ok &= saveScreen({window}, out, QStringLiteral("failed") + suffix);

        // The quit question over a running import, then a cancel.
        model.setDump(slow);
        waitFor([&] { return model.dumpPreview().has_value(); });
        confirmAndStart(model);
        waitFor([&] { return model.logLines().join(QLatin1Char('\n')).contains(QLatin1String("MYSQL_PWD")); });
        window->menuAction(QStringLiteral("quit"))->trigger();
        auto* question = window->findChild<QMessageBox*>(QStringLiteral("quitQuestion"));
        ok &= saveScreen({window, question}, out, QStringLiteral("quit") + suffix);
        if (question) question->reject();
        model.cancelImport();
        // The stopping state lasts only until the server has ended the session: drawn at once,
        // without waiting for the screen.
        if (QLatin1String(code) == QLatin1String("en")) {
            const QString path = QDir(out).filePath(QStringLiteral("stopping.png"));
            const bool saved = window->grab().save(path);
            std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
            ok &= saved;
        }
        waitFor([&] { return !model.isImportRunning(); }, 120000);
        ok &= saveScreen({window}, out, QStringLiteral("cancelled") + suffix);

        // The menu, open.
        QMenu* menu = window->mainMenu();
        menu->popup(window->menuButton()->mapToGlobal(
            QPoint(window->menuButton()->width() - menu->sizeHint().width(), window->menuButton()->height())));
        ok &= saveScreen({window, menu}, out, QStringLiteral("menu") + suffix);
        menu->close();
    }

    settings.setLanguageChoice(QStringLiteral("en"));
    // A cancelled import that can continue, and the confirmation for continuing it.
    model.setDump(writeText(work.path(), QStringLiteral("orders.sql"), kStoppedDump));
    waitFor([&] { return model.dumpPreview().has_value(); });
    model.pinDatabase(kDatabase);
    confirmAndStart(model);
    waitFor([&] { return model.logLines().join(QLatin1Char('\n')).contains(QLatin1String("MYSQL_PWD")); });
    QTest::qWait(2000);
    model.cancelImport();
    waitFor([&] { return !model.isImportRunning(); }, 120000);
    waitFor([&] { return !model.isLoadingDatabases(); });
    scrollToBottom(window, false);
    ok &= saveScreen({window}, out, QStringLiteral("continue-offer.png"));
    model.requestResume();
    waitFor([&] { return window->confirmation() != nullptr; }, 60000);
    if (QMessageBox* box = window->confirmation()) {
        ok &= saveScreen({window, box}, out, QStringLiteral("continue-confirm.png"));
        box->reject();
    }
    waitFor([&] { return window->confirmation() == nullptr; });

    // An import that replaces a table: the confirmation with its copy, then undoing it and the saved copies.
    model.setDump(writeText(work.path(), QStringLiteral("orders_fix.sql"), kReplacingDump));
    waitFor([&] { return model.dumpPreview().has_value(); });
    model.pinDatabase(kDatabase);
    model.requestImport();
    waitFor([&] { return window->confirmation() != nullptr; }, 60000);
    if (QMessageBox* box = window->confirmation()) {
        ok &= saveScreen({window, box}, out, QStringLiteral("copy-confirm.png"));
        if (auto* start = box->findChild<QPushButton*>(QStringLiteral("confirmStart"))) start->click();
    }
    waitFor([&] { return !model.isImportRunning() && !model.phase().isRunning(); }, 120000);
    waitFor([&] { return window->menuAction(QStringLiteral("undoLastImport"))->isEnabled(); });
    window->menuAction(QStringLiteral("undoLastImport"))->trigger();
    waitFor([&] { return window->confirmation() != nullptr; }, 60000);
    if (QMessageBox* box = window->confirmation()) {
        ok &= saveScreen({window, box}, out, QStringLiteral("undo-confirm.png"));
        box->reject();
    }
    window->menuAction(QStringLiteral("savedCopies"))->trigger();
    if (auto* copies = window->findChild<SavedCopies*>()) {
        copies->move(window->frameGeometry().center() - QPoint(copies->width() / 2, copies->height() / 2));
        ok &= saveScreen({window, copies}, out, QStringLiteral("saved-copies.png"));
        copies->close();
    }

    // Where the keyboard is: the database list's frame and row, then the start button's ring.
    QApplication::setActiveWindow(window);
    scrollToBottom(window, false);
    detail->databases()->list()->setFocus(Qt::TabFocusReason);
    ok &= saveScreen({window}, out, QStringLiteral("focus-databases.png"));
    detail->importButton()->startButton()->setFocus(Qt::TabFocusReason);
    ok &= saveScreen({window}, out, QStringLiteral("focus-start.png"));

    NewDatabaseDialog* dialog = detail->databases()->openNewDatabase();
    if (dialog) {
        dialog->nameField()->setText(QStringLiteral("shop_2026_05"));
        ok &= saveScreen({window, dialog}, out, QStringLiteral("new-database.png"));
        dialog->reject();
    }

    SettingsView* settingsWindow = shell.openSettings();
    ok &= saveScreen({settingsWindow}, out, QStringLiteral("settings.png"));
    settings.setLanguageChoice(QStringLiteral("ja"));
    ok &= saveScreen({settingsWindow}, out, QStringLiteral("settings-ja.png"));
    settingsWindow->close();
    settings.setLanguageChoice(QStringLiteral("en"));

    // A dark Fusion palette, set before the window opens as a desktop sets it, with a
    // failure and the help window.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(darkPalette());
    window->close();
    window = shell.openMainWindow();
    window->move(40, 40);
    detail = window->findChild<ImportDetail*>();
    QTest::qWait(300);
    runImport(model, broken, kDatabase);
    waitFor([&] { return !model.isLoadingDatabases(); });
    scrollToBottom(window, false);
    ok &= saveScreen({window}, out, QStringLiteral("dark-failed.png"));
    window->menuAction(QStringLiteral("help"))->trigger();
    auto* help = window->findChild<HelpView*>();
    if (help) help->move(window->frameGeometry().right() - help->width(), 120);
    ok &= saveScreen({window, help}, out, QStringLiteral("dark-help.png"));

    sql(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(kDatabase));
    return ok ? 0 : 1;
}
