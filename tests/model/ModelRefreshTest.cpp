#include <QDir>

#include <qcoro/qcorotask.h>

#include "ModelHarness.h"
#include "docker/DockerClient.h"
#include "l10n/UserSettings.h"
#include "model/PersistedKeys.h"
#include "support/Fixtures.h"

namespace {

using RefreshTest = ModelTest;

TEST_F(RefreshTest, SelectsTheLastContainerByNameThenTheFirstRunningMysql) {
    PersistedKeys::setText("lastContainerName", Fixtures::binlog());
    AppModel model;
    QCoro::waitFor(model.refresh());
    ASSERT_TRUE(model.selectedContainer().has_value());
    EXPECT_EQ(model.selectedContainer()->name, Fixtures::binlog());
    EXPECT_FALSE(model.isLoading());
    EXPECT_TRUE(model.serverInfo().has_value());

    // A stopped container's name is passed over for a running MySQL one.
    PersistedKeys::setText("lastContainerName", Fixtures::stopped());
    AppModel other;
    QCoro::waitFor(other.refresh());
    ASSERT_TRUE(other.selectedContainer().has_value());
    EXPECT_TRUE(other.selectedContainer()->running);
    EXPECT_TRUE(other.selectedContainer()->isMysql);

    // Stopped containers are hidden until asked for, and sort after the running ones.
    QStringList visible;
    for (const auto& c : other.visibleContainers()) visible << c.name;
    EXPECT_FALSE(visible.contains(Fixtures::stopped()));
    other.setShowStopped(true);
    visible.clear();
    for (const auto& c : other.visibleContainers()) visible << c.name;
    EXPECT_GT(visible.indexOf(Fixtures::stopped()), visible.indexOf(Fixtures::seeded()));
    EXPECT_GT(visible.indexOf(Fixtures::notMysql()), visible.indexOf(Fixtures::stopped()));
}

TEST_F(RefreshTest, AFailedListingKeepsTheOldListAndShowsTheError) {
    AppModel model;
    QCoro::waitFor(model.refresh());
    const auto before = model.containers();
    ASSERT_FALSE(before.isEmpty());
    const auto selected = model.selectedContainerID();

    qputenv("TARNWELL_DOCKER", QByteArray(qgetenv("TARNWELL_TEST_TOOLS")) + "/docker-down.sh");
    QCoro::waitFor(model.refresh());
    qunsetenv("TARNWELL_DOCKER");
    EXPECT_EQ(model.containers(), before);
    EXPECT_EQ(model.selectedContainerID(), selected);
    // Where Podman is installed too, the message goes on to say so.
    EXPECT_TRUE(
        model.errorMessage().value_or("").startsWith("Docker is not responding. Cannot connect to the Docker daemon."))
        << model.errorMessage().value_or("").toStdString();
    EXPECT_FALSE(model.isLoading());
}

TEST_F(RefreshTest, ALateProbeNeverShowsItsDatabasesUnderAnotherContainer) {
    AppModel model;
    QCoro::waitFor(model.refresh());
    // The seeded fixture's probe is held back and answered with a wrong password.
    qputenv("TARNWELL_DOCKER", QByteArray(qgetenv("TARNWELL_TEST_TOOLS")) + "/docker-slow.sh");
    qputenv("TARNWELL_SLOW_CONTAINER", Fixtures::seeded().toUtf8());
    model.selectContainer(idOf(model, Fixtures::seeded()));
    model.selectContainer(idOf(model, Fixtures::binlog()));
    waitUntil([&] { return !model.isLoadingDatabases() && !model.databases().isEmpty(); });
    QTest::qWait(3000);  // the seeded fixture's late, failing answer comes back meanwhile
    qunsetenv("TARNWELL_DOCKER");
    qunsetenv("TARNWELL_SLOW_CONTAINER");

    EXPECT_EQ(model.selectedContainer()->name, Fixtures::binlog());
    for (const auto& database : model.databases()) EXPECT_NE(database.name, "shop");
    // That error belongs to the seeded fixture, which is no longer selected.
    EXPECT_EQ(model.errorMessage(), std::nullopt);
}

// A typed login belongs to its container: switching does not send it to another, and coming
// back finds it again. A working login clears the error a wrong one left.
TEST_F(RefreshTest, TypedLoginsStayWithTheirContainer) {
    AppModel model;
    refreshAndSelect(model, Fixtures::seeded());
    model.setUserOverride("root");
    model.setPasswordOverride("wrong-for-seeded");
    QCoro::waitFor(model.loadDatabases());
    ASSERT_TRUE(model.errorMessage().has_value());
    EXPECT_TRUE(model.errorMessage()->contains("Access denied")) << model.errorMessage()->toStdString();

    model.selectContainer(idOf(model, Fixtures::binlog()));
    EXPECT_EQ(model.passwordOverride(), "");
    EXPECT_EQ(model.errorMessage(), std::nullopt);
    waitUntil([&] { return !model.isLoadingDatabases(); });
    EXPECT_TRUE(model.serverInfo().has_value()) << "the binlog fixture was sent the seeded fixture's typed password";

    model.selectContainer(idOf(model, Fixtures::seeded()));
    EXPECT_EQ(model.passwordOverride(), "wrong-for-seeded");
    waitUntil([&] { return !model.isLoadingDatabases(); });
    model.setPasswordOverride(Fixtures::seededPassword());
    QCoro::waitFor(model.loadDatabases());
    EXPECT_TRUE(model.serverInfo().has_value());
    EXPECT_EQ(model.errorMessage(), std::nullopt);
}

TEST_F(RefreshTest, APinnedDatabaseStaysWhileItExists) {
    const QString seeded = Fixtures::seeded();
    const QString password = Fixtures::seededPassword();
    Fixtures::sql(seeded, password,
                  "CREATE DATABASE IF NOT EXISTS pinned_gone; CREATE TABLE IF NOT EXISTS pinned_gone.t(x int)");
    AppModel model;
    refreshAndSelect(model, seeded);

    model.pinDatabase("shop");
    EXPECT_EQ(UserSettings::open()->value("lastDatabase").toString(), "shop");
    QCoro::waitFor(model.loadDatabases());
    EXPECT_EQ(model.selectedDatabase(), "shop");
    EXPECT_TRUE(model.databasePinned());

    model.pinDatabase("pinned_gone");
    Fixtures::sql(seeded, password, "DROP DATABASE pinned_gone");
    QCoro::waitFor(model.loadDatabases());
    EXPECT_FALSE(model.databasePinned());
    EXPECT_NE(model.selectedDatabase(), "pinned_gone");

    // A refresh that keeps the selection keeps a pin; a click elsewhere releases it.
    model.pinDatabase("shop");
    QCoro::waitFor(model.refresh());
    EXPECT_TRUE(model.databasePinned());
    model.selectContainer(idOf(model, Fixtures::binlog()));
    EXPECT_FALSE(model.databasePinned());
    EXPECT_TRUE(model.databases().isEmpty());
    waitUntil([&] { return !model.isLoadingDatabases(); });
}

// The user's choice outlasts the program: after a restart, a dump named after another database
// does not move the target away from the one the user chose on this container.
TEST_F(RefreshTest, AChosenDatabaseOutlastsARestartAndANewDump) {
    const QString seeded = Fixtures::seeded();
    const QString password = Fixtures::seededPassword();
    Fixtures::sql(seeded, password, "CREATE DATABASE IF NOT EXISTS named_dump; CREATE TABLE IF NOT EXISTS named_dump.t(x int)");
    {
        AppModel before;
        refreshAndSelect(before, seeded);
        before.pinDatabase("shop");
    }
    AppModel after;
    after.setDump(Fixtures::writeFile(QDir::tempPath(), "named_dump.sql", "SELECT 1;\n"));
    refreshAndSelect(after, seeded);
    EXPECT_EQ(after.selectedDatabase(), "shop");
    EXPECT_TRUE(after.databasePinned());
    // Without a choice on this container, the dump's name proposes.
    PersistedKeys::setText("lastDatabaseContainer", Fixtures::binlog());
    AppModel elsewhere;
    elsewhere.setDump(*after.dumpURL());
    refreshAndSelect(elsewhere, seeded);
    EXPECT_FALSE(elsewhere.databasePinned());
    EXPECT_EQ(elsewhere.selectedDatabase(), "named_dump");
    Fixtures::sql(seeded, password, "DROP DATABASE named_dump");
}

TEST_F(RefreshTest, OnlyTheLastDroppedDumpIsPreviewed) {
    const QString first = writeFile("first.sql", QByteArray("CREATE DATABASE a;\n").repeated(1000));
    const QString second = writeFile("second.sql", "DROP TABLE IF EXISTS t;\n");
    AppModel model;
    refreshAndSelect(model, Fixtures::seeded());
    model.setDump(first);
    model.setDump(second);
    waitUntil([&] { return model.dumpPreview().has_value(); });
    QTest::qWait(500);  // give the first inspection time to come back too
    EXPECT_EQ(model.dumpPreview()->byteCount, 24);
    EXPECT_TRUE(model.dumpPreview()->containsDropTable);
}

TEST_F(RefreshTest, TheGateExplainsWhatIsMissingInOrder) {
    AppModel model;
    // Paused while the list is read, so that the list says so.
    const auto pause = [](const char* verb) {
        return DockerClient::run(DockerClient::resolve().docker, {verb, Fixtures::binlog()},
                                 DockerClient::processEnvironment())
            .status;
    };
    ASSERT_EQ(pause("pause"), 0);
    QCoro::waitFor(model.refresh());
    ASSERT_EQ(pause("unpause"), 0);
    model.setShowStopped(true);
    const struct {
        QString container;
        const char* english;
        const char* german;
    } cases[] = {
        {Fixtures::notMysql(), "The container is not MySQL.", "Der Container ist kein MySQL-Container."},
        {Fixtures::stopped(), "The container is not running.", "Der Container läuft nicht."},
        {Fixtures::binlog(), "The container is paused. Unpause it, then try again.",
         "Der Container ist pausiert. Setzen Sie ihn fort und versuchen Sie es dann erneut."},
        {Fixtures::noPasswordEnv(), "No database selected.", "Keine Datenbank ausgewählt."},
    };
    for (const auto& c : cases) {
        model.selectContainer(idOf(model, c.container));
        waitUntil([&] { return !model.isLoadingDatabases(); });
        EXPECT_EQ(model.importBlockedReason(), QString::fromUtf8(c.english));
        UserSettings::open()->setValue("appLanguage", "de");
        EXPECT_EQ(model.importBlockedReason(), QString::fromUtf8(c.german));
        UserSettings::open()->setValue("appLanguage", "en");
    }
    // No password anywhere: the last reason; one typed space is a password.
    model.pinDatabase("somewhere");
    model.setDump(writeFile("plain.sql", "SELECT 1;\n"));
    EXPECT_EQ(model.importBlockedReason(), "No password. Enter it under Login.");
    model.setPasswordOverride(" ");
    EXPECT_FALSE(model.importBlockedReason().has_value());
    model.requestImport();
    EXPECT_TRUE(model.confirmImport());
}

TEST_F(RefreshTest, TheConfirmationNamesTargetSizeAndDropTable) {
    AppModel model;
    refreshAndSelect(model, Fixtures::seeded());
    model.pinDatabase("shop");
    // Read whole, the dump names the tables it replaces: those of "shop" it drops, no others.
    model.setDump(writeFile("drops.sql", "DROP TABLE IF EXISTS customers, elsewhere;\n/* x */ drop table `orders`;\n"));
    waitUntil([&] { return model.dumpPreview().has_value(); });
    const QString english = model.confirmMessage();
    EXPECT_TRUE(english.startsWith(QString::fromUtf8("This dump replaces 2 tables in “shop” on container ") +
                                   Fixtures::seeded() + ": customers, orders. Currently 4 tables, "))
        << english.toStdString();
    UserSettings::open()->setValue("appLanguage", "de");
    EXPECT_TRUE(model.confirmMessage().contains(QString::fromUtf8(". Derzeit ")));
    // A dump too long to read ahead is only known by its head: the words say so.
    QByteArray longDump = "DROP TABLE IF EXISTS customers;\n";
    while (longDump.size() < 300000) longDump += "INSERT INTO customers VALUES (1, 'someone', 'x@example.com');\n";
    model.setDump(writeFile("long.sql", longDump));
    waitUntil([&] { return model.dumpPreview() && !model.dumpPreview()->scan.complete; });
    EXPECT_TRUE(model.confirmMessage().startsWith(QString::fromUtf8("Dieser Dump enthält DROP TABLE")));

    model.pinDatabase("not_there");
    FixChoices choices = model.fixChoices();
    choices.jobs = 3;
    model.setFixChoices(choices);
    model.setDump(writeFile("plain.sql", "INSERT INTO t VALUES (1);\n"));
    waitUntil([&] { return model.dumpPreview() && !model.dumpPreview()->containsDropTable; });
    EXPECT_EQ(model.confirmMessage(),
              QString::fromUtf8("Die Datei wird in „not_there“ im Container ") + Fixtures::seeded() +
                  QString::fromUtf8(" importiert. Sie ersetzt keine der dortigen Tabellen.\n\n"
                                    "Datensätze werden in Stapeln von je 1000 Anweisungen festgeschrieben: Endet der "
                                    "Import vorzeitig, behält jede Tabelle ihre Datensätze bis zum zuletzt "
                                    "festgeschriebenen Stapel.\n\n"
                                    "Die Datensätze der Tabellen, die der Dump anlegt, werden in 3 Sitzungen "
                                    "gleichzeitig geladen; Views, Trigger und Routinen folgen, sobald alle Datensätze "
                                    "geladen sind."));
}

}  // namespace
