#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

#include "UiHarness.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "ui/ActivityIndicator.h"
#include "ui/ContainerHeader.h"
#include "ui/ContainerList.h"
#include "ui/DatabaseList.h"
#include "ui/DetailColumn.h"
#include "ui/ImportDetail.h"
#include "ui/Placeholder.h"

namespace {

using MainWindowTest = UiTest;

QStringList visibleNames(const AppModel& model) {
    QStringList names;
    for (const DockerContainer& container : model.visibleContainers()) names << container.name;
    return names;
}

TEST_F(MainWindowTest, TheWindowHasItsTitleAndSizes) {
    EXPECT_EQ(window_->windowTitle(), "Tarnwell");
    EXPECT_EQ(window_->size(), QSize(1040, 740));
    EXPECT_EQ(window_->minimumSize(), QSize(860, 560));
    EXPECT_GE(window_->sidebar()->width(), 230);
    EXPECT_EQ(window_->settingsButton()->toolTip(), "Settings (Ctrl+,)");
    EXPECT_EQ(window_->settingsButton()->accessibleName(), "Settings");
}

TEST_F(MainWindowTest, TheSidebarFollowsTheModelOrderAndShowStoppedAddsStoppedContainers) {
    EXPECT_EQ(find<QLabel>("containersHeader")->text(), "Containers");
    QStringList names = sidebarNames();
    EXPECT_EQ(names, visibleNames(model()));
    EXPECT_FALSE(names.contains(Fixtures::stopped()));
    ASSERT_TRUE(names.contains(Fixtures::notMysql()));
    EXPECT_LT(names.indexOf(Fixtures::seeded()), names.indexOf(Fixtures::notMysql()));  // MySQL first

    auto* showStopped = find<QCheckBox>("showStopped");
    EXPECT_EQ(showStopped->text(), "Show stopped");
    const QString selected = model().selectedContainerID().value_or(QString());
    showStopped->click();
    EXPECT_TRUE(model().showStopped());
    names = sidebarNames();
    EXPECT_EQ(names, visibleNames(model()));
    ASSERT_TRUE(names.contains(Fixtures::stopped()));
    // A stopped MySQL container follows every running one and comes before other kinds.
    EXPECT_GT(names.indexOf(Fixtures::stopped()), names.indexOf(Fixtures::seeded()));
    EXPECT_LT(names.indexOf(Fixtures::stopped()), names.indexOf(Fixtures::notMysql()));
    EXPECT_EQ(model().selectedContainerID().value_or(QString()), selected);

    showStopped->click();
    EXPECT_FALSE(sidebarNames().contains(Fixtures::stopped()));
}

TEST_F(MainWindowTest, SelectingAContainerShowsItsHeaderAndDatabases) {
    clickContainer(Fixtures::seeded());
    DetailColumn* detail = window_->detail();
    ASSERT_EQ(detail->currentWidget(), detail->importDetail());
    ASSERT_TRUE(model().serverInfo().has_value());
    EXPECT_EQ(find<QLabel>(detail->importDetail(), "containerName")->text(), Fixtures::seeded());
    const QString headerLine = find<QLabel>(detail->importDetail(), "headerLine")->text();
    EXPECT_TRUE(headerLine.contains(" · running · Up ")) << headerLine.toStdString();
    const QString metaLine = find<QLabel>(detail->importDetail(), "metaLine")->text();
    // A MariaDB server is called by its own name.
    EXPECT_TRUE(metaLine.contains("MariaDB " + model().serverInfo()->version)) << metaLine.toStdString();
    EXPECT_TRUE(metaLine.contains(" · Buffer pool ")) << metaLine.toStdString();

    QListWidget* databases = detail->importDetail()->databases()->list();
    ASSERT_FALSE(databases->findItems("shop", Qt::MatchExactly).isEmpty());
    for (const MysqlDatabase& database : model().databases()) {
        const QString expected =
            (database.name == "mysql" || database.name == "sys")
                ? QString("System · %1 %2").arg(database.tables).arg(database.tables == 1 ? "table" : "tables")
                : QString("%1 %2").arg(database.tables).arg(database.tables == 1 ? "table" : "tables");
        EXPECT_EQ(DatabaseList::tableCountText(database), expected);
    }
    // Picking a database pins it.
    auto* shop = databases->findItems("shop", Qt::MatchExactly).first();
    QTest::mouseClick(databases->viewport(), Qt::LeftButton, {}, databases->visualItemRect(shop).center());
    EXPECT_EQ(model().selectedDatabase(), QString("shop"));
    EXPECT_TRUE(model().databasePinned());

    // Another container's page starts at its top.
    ImportDetail* page = detail->importDetail();
    page->resize(page->width(), 200);
    page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum());
    ASSERT_GT(page->verticalScrollBar()->value(), 0);
    clickContainer(Fixtures::binlog());
    EXPECT_EQ(page->verticalScrollBar()->value(), 0);

    clickContainer(Fixtures::notMysql());
    ASSERT_EQ(detail->currentWidget()->objectName(), "notMysqlPage");
    EXPECT_EQ(detail->notMysql()->title(), "Not MySQL");
    const auto container = model().selectedContainer();
    EXPECT_EQ(detail->notMysql()->description(),
              container->name + " is " + container->image + ". Import only works into a MySQL or MariaDB container.");
    const QString notMysqlMeta = find<QLabel>(detail->currentWidget(), "metaLine")->text();
    EXPECT_FALSE(notMysqlMeta.contains("MySQL ")) << notMysqlMeta.toStdString();
}

TEST_F(MainWindowTest, RefreshIsUnavailableWhileLoading) {
    QAction* refresh = window_->refreshAction();
    ASSERT_TRUE(refresh->isEnabled());
    QTest::keyClick(window_, Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(model().isLoading());
    EXPECT_FALSE(refresh->isEnabled());
    EXPECT_TRUE(window_->activity()->isAnimating());
    waitUntil([this] { return !model().isLoading(); });
    EXPECT_TRUE(refresh->isEnabled());
    EXPECT_FALSE(window_->activity()->isAnimating());
}

TEST(ContainerHeaderText, JoinsTheKnownParts) {
    SettingsStore::shared().setLanguageChoice("en");
    DockerContainer container;
    container.image = "mysql:8.0.46";
    container.running = true;
    container.status = "Up 3 minutes";
    container.ports = "localhost:4308";
    EXPECT_EQ(ContainerHeader::headerLine(container),
              "mysql:8.0.46 · running · Up 3 minutes · localhost:4308 · Docker");
    container.running = false;
    container.status.clear();
    container.ports.clear();
    EXPECT_EQ(ContainerHeader::headerLine(container), "mysql:8.0.46 · stopped · Docker");
    // Another engine, or one that is not the local default, is named with its endpoint.
    container.engine = EngineKind::podman;
    container.rootless = true;
    EXPECT_EQ(ContainerHeader::headerLine(container), "mysql:8.0.46 · stopped · Podman (rootless)");
    container.engine = EngineKind::docker;
    container.rootless = false;
    container.endpoint = "ssh://ci@build-box";
    EXPECT_EQ(ContainerHeader::headerLine(container), "mysql:8.0.46 · stopped · Docker at ssh://ci@build-box");
    container.endpoint.clear();
    EXPECT_EQ(ContainerHeader::metaLine(container, std::nullopt), "");
    ServerInfo server;
    server.version = "8.0.46";
    server.bufferPoolBytes = 134217728;
    container.volumeSummary = "crm-20_db_basic_data";
    EXPECT_EQ(ContainerHeader::metaLine(container, server),
              QString::fromUtf8("Volume crm-20_db_basic_data · MySQL 8.0.46 · Buffer pool 134.2\u00a0MB"));
    server.version = "10.11.6-MariaDB-1:10.11.6+maria~deb12";
    EXPECT_TRUE(ContainerHeader::metaLine(container, server).contains(" · MariaDB 10.11.6-MariaDB"));
}

}  // namespace

TEST_F(MainWindowTest, AnEngineBehindDockerHostIsNamedWithItsEndpoint) {
    const QString host = qEnvironmentVariable("TARNWELL_FIXTURE_REMOTE_HOST");
    if (host.isEmpty()) {
        GTEST_SKIP() << qEnvironmentVariable("TARNWELL_FIXTURE_REMOTE_MISSING", "tests/env/engines.sh up was not run")
                            .toStdString();
    }
    struct Restore {
        ~Restore() { qunsetenv("DOCKER_HOST"); }
    } restore;
    qputenv("DOCKER_HOST", host.toUtf8());
    model().refresh();
    waitUntil([this] { return !model().isLoading(); });
    const QString remote = qEnvironmentVariable("TARNWELL_FIXTURE_REMOTE_SEEDED");
    ASSERT_TRUE(sidebarNames().contains(remote));
    EXPECT_FALSE(sidebarNames().contains(Fixtures::seeded()));  // the local engine's are not listed
    clickContainer(remote);
    const QString headerLine = find<QLabel>(window_->detail()->importDetail(), "headerLine")->text();
    EXPECT_TRUE(headerLine.endsWith(" · Docker at " + host)) << headerLine.toStdString();
    ASSERT_TRUE(model().serverInfo().has_value());

    qunsetenv("DOCKER_HOST");
    model().refresh();
    waitUntil([this] { return !model().isLoading(); });
    EXPECT_TRUE(sidebarNames().contains(Fixtures::seeded()));
}
