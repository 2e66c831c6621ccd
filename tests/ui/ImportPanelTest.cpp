#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "UiHarness.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/ModelSteps.h"
#include "ui/ContainerList.h"
#include "ui/DatabaseList.h"
#include "ui/Disclosure.h"
#include "ui/DropZone.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"
#include "ui/ImportOptions.h"
#include "ui/LogView.h"
#include "ui/ProgressSection.h"
#include "ui/TabularText.h"

namespace {

using ImportPanelTest = UiTest;

const QByteArray kSmallDump = "DROP TABLE IF EXISTS t;\nCREATE TABLE t (x INT);\nINSERT INTO t VALUES (1),(2),(3);\n";
// Keeps the client busy until it is cancelled; short, because the client inside the
// container only notices the cancel once the statement under way has ended.
const QByteArray kSlowDump = "SELECT SLEEP(15);\nCREATE TABLE never (x INT);\n";

ImportDetail* panel(MainWindow* window) { return window->findChild<ImportDetail*>(); }

TEST_F(ImportPanelTest, ADroppedFileBecomesTheDumpAndShowsItsPreview) {
    clickContainer(Fixtures::seeded());
    const QString plain = writeFile("orders.sql", kSmallDump);
    ASSERT_EQ(QProcess::execute("/usr/bin/gzip", {"-kf", plain}), 0);
    const QString other = writeFile("other.sql", "SELECT 1;\n");
    DropZone* zone = panel(window_)->dropZone();

    dropFiles(zone, {plain + ".gz", other, plain});  // only the first counts
    EXPECT_FALSE(zone->isDropTargeted());
    EXPECT_EQ(model().dumpURL(), plain + ".gz");
    waitUntil([this] { return model().dumpPreview().has_value(); });
    EXPECT_EQ(find<QLabel>(zone, "dumpFileName")->text(), "orders.sql.gz");
    const QString preview = zone->previewText();
    EXPECT_TRUE(preview.contains(" gzip contains DROP TABLE")) << preview.toStdString();
}

// The dump's tables, each with a box: an unchecked one is left out, and the pre-flight says so;
// the choice goes with its dump.
TEST_F(ImportPanelTest, TablesUncheckedAreLeftOutOfTheImport) {
    clickContainer(Fixtures::seeded());
    model().setDump(writeFile("three.sql", "CREATE TABLE a (x INT);\nCREATE TABLE `b` (x INT);\nCREATE TABLE c (x INT);\n"));
    ASSERT_TRUE(waitUntil([this] { return model().dumpPreview().has_value(); }));
    auto* list = find<QListWidget>(panel(window_), "chosenTables");
    ASSERT_EQ(list->count(), 3);
    // A dump read whole shows each table's size.
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("b  ·  26\u00a0bytes"));
    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(model().fixChoices().tables.except, QSet<QByteArray>{"b"});
    EXPECT_TRUE(model().preflight().contains(
        QString::fromUtf8("Tables left out, as chosen: “b”. Views and triggers that name them are left out too.")))
        << model().preflight().join('\n').toStdString();
    find<QPushButton>(panel(window_), "chooseNoTables")->click();
    EXPECT_EQ(model().fixChoices().tables.except, (QSet<QByteArray>{"a", "b", "c"}));
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    find<QPushButton>(panel(window_), "chooseAllTables")->click();
    EXPECT_FALSE(model().fixChoices().tables.isSet());
    list->item(2)->setCheckState(Qt::Unchecked);
    model().setDump(writeFile("other.sql", "CREATE TABLE c (x INT);\n"));
    EXPECT_FALSE(model().fixChoices().tables.isSet());
}

// A compressed dump longer than its head is read through in the background: then every table is
// listed with its size, and the import knows how many tables there are.
TEST_F(ImportPanelTest, ADumpLongerThanItsHeadIsReadThroughForItsTables) {
    QByteArray dump = "DROP TABLE IF EXISTS first;\nCREATE TABLE first (x INT, y VARCHAR(200));\n";
    const QByteArray row = "INSERT INTO first VALUES (1, '" + QByteArray(150, 'x') + "');\n";
    while (dump.size() < 600000) dump += row;
    dump += "DROP TABLE IF EXISTS late;\nCREATE TABLE late (x INT);\nINSERT INTO late VALUES (1),(2);\n";
    const QString plain = writeFile("long.sql", dump);
    ASSERT_EQ(QProcess::execute("/usr/bin/gzip", {"-f", plain}), 0);
    prepareImport(plain + ".gz");
    ASSERT_TRUE(waitUntil([this] { return model().dumpPreview() && model().dumpPreview()->scan.complete; }));
    EXPECT_EQ(model().dumpReadBytes(), -1);
    EXPECT_EQ(model().dumpPreview()->scan.tableNames, (QList<QByteArray>{"first", "late"}));
    EXPECT_EQ(model().dumpPreview()->scan.droppedTables, (QList<QByteArray>{"first", "late"}));
    auto* list = find<QListWidget>(panel(window_), "chosenTables");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith(QString::fromUtf8("first  ·  "))) << list->item(0)->text().toStdString();
    EXPECT_FALSE(find<QLabel>(panel(window_), "tablesMore")->isVisibleTo(window_));
    // A refresh looks at the unchanged file again without reading it all over, and keeps the
    // chosen database although it holds no tables yet.
    auto refreshing = model().refresh();
    ASSERT_TRUE(waitUntil([this] { return !model().isLoading(); }));
    EXPECT_TRUE(model().dumpPreview()->scan.complete);
    EXPECT_EQ(model().dumpReadBytes(), -1);
    // The whole dump's tables reach the import: the table list starts with both waiting.
    EXPECT_EQ(model().selectedDatabase(), QString(kTarget));
    confirmAndStart(model());
    ASSERT_TRUE(waitUntil([this] { return !model().isImportRunning(); }, 180000));
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    EXPECT_EQ(model().phase().tables().size(), 2);
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "SELECT COUNT(*) FROM ui_target.late"), "2");
}

TEST_F(ImportPanelTest, TheGateDisablesTheStartButtonAndFillsTheStatusLine) {
    clickContainer(Fixtures::seeded());
    ImportButton* button = panel(window_)->importButton();
    ASSERT_FALSE(model().dumpURL().has_value());
    EXPECT_FALSE(button->startButton()->isEnabled());
    EXPECT_EQ(button->statusLine()->text(), "No dump file selected.");

    model().pinDatabase(kTarget);
    model().setDump(writeFile("small.sql", kSmallDump));
    EXPECT_TRUE(button->startButton()->isEnabled());
    EXPECT_EQ(button->statusLine()->text(), "Straight into the database client inside the container.");
}

TEST_F(ImportPanelTest, ReturnOpensTheConfirmationAndCancelStartsNothing) {
    prepareImport(writeFile("small.sql", kSmallDump));
    QTest::keyClick(window_->sidebar(), Qt::Key_Return);
    ASSERT_TRUE(model().confirmImport());
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() && window_->confirmation()->isVisible(); }));
    QMessageBox* box = window_->confirmation();
    EXPECT_EQ(box->text(), "Start import?");
    EXPECT_EQ(box->informativeText(), model().confirmMessage());
    EXPECT_EQ(find<QPushButton>(box, "confirmStart")->text(), "Start import");

    find<QPushButton>(box, "confirmCancel")->click();
    EXPECT_FALSE(model().confirmImport());
    EXPECT_EQ(model().phase(), AppModel::Phase::idle());
    EXPECT_TRUE(model().logLines().isEmpty());
}

TEST_F(ImportPanelTest, AWholeImportShowsProgressLogAndOutcome) {
    prepareImport(writeFile("small.sql", kSmallDump));
    ImportDetail* detail = panel(window_);
    LogView* log = detail->log();
    EXPECT_EQ(log->height(), 0);
    EXPECT_FALSE(detail->progress()->isVisibleTo(detail));

    detail->importButton()->startButton()->click();
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    find<QPushButton>(window_->confirmation(), "confirmStart")->click();
    ASSERT_TRUE(model().phase().isRunning());
    EXPECT_EQ(log->height(), LogView::kHeight);
    EXPECT_TRUE(detail->importButton()->cancelButton()->isVisibleTo(detail));
    EXPECT_FALSE(detail->importButton()->startButton()->isVisibleTo(detail));
    EXPECT_FALSE(detail->options()->isEnabled());
    EXPECT_FALSE(detail->dropZone()->chooseButton()->isEnabled());
    EXPECT_EQ(detail->importButton()->statusLine()->text(),
              "The dump is streaming into the mysql client inside the container.");

    waitUntil([this] { return !model().isImportRunning(); }, 180000);
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    EXPECT_TRUE(find<QLabel>(detail, "outcomeText")->text().startsWith("Import finished in "));
    // The list of tables stays with the outcome: t is done, with its rows.
    const QTreeWidget* tables = find<QTreeWidget>(detail, "tableLoads");
    ASSERT_TRUE(tables->isVisibleTo(detail));
    ASSERT_EQ(tables->topLevelItemCount(), 1);
    EXPECT_EQ(tables->topLevelItem(0)->text(0), "t");
    EXPECT_EQ(tables->topLevelItem(0)->text(1), "Done");
    EXPECT_EQ(tables->topLevelItem(0)->text(3), "3");
    EXPECT_EQ(find<QLabel>(detail, "tablesHeading")->text(), "Tables: 1 of 1 done");
    EXPECT_TRUE(log->toPlainText().endsWith(model().logLines().last()));
    EXPECT_TRUE(model().logLines().last().startsWith("Finished in "));
    EXPECT_TRUE(detail->options()->isEnabled());
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "SELECT COUNT(*) FROM ui_target.t"), "3");
}

TEST_F(ImportPanelTest, EscapeCancelsARunningImport) {
    prepareImport(writeFile("slow.sql", kSlowDump));
    confirmAndStart(model());
    ASSERT_TRUE(model().phase().isRunning());
    // The runner has begun once it logged its command line.
    waitUntil([this] { return model().logLines().join('\n').contains("MYSQL_PWD=***"); });
    QTest::keyClick(window_->sidebar()->list(), Qt::Key_Escape);
    // At once, before the server has ended anything: the button says it is stopping.
    auto* cancel = find<QPushButton>(panel(window_), "cancelImport");
    EXPECT_EQ(cancel->text(), QString::fromUtf8("Stopping…"));
    EXPECT_FALSE(cancel->isEnabled());
    waitUntil([this] { return !model().isImportRunning(); }, 60000);
    EXPECT_EQ(model().phase().kind(), AppModel::Phase::Kind::cancelled);
    // The table the dump would have made after the cut never started.
    const QTreeWidget* tables = find<QTreeWidget>(panel(window_), "tableLoads");
    ASSERT_EQ(tables->topLevelItemCount(), 1);
    EXPECT_EQ(tables->topLevelItem(0)->text(1), "Waiting");
    // The user learns what is there now: how far the tables came.
    EXPECT_EQ(find<QLabel>(panel(window_), "outcomeText")->text(), "Import cancelled.");
    EXPECT_EQ(find<QLabel>(panel(window_), "outcomeTables")->text(), "0 of 1 table complete");
}

// A file opened from outside during an import (what "Open with" does) waits for its end: the
// dump on screen stays the one being imported, and the outcome names the file it is about.
TEST_F(ImportPanelTest, AFileOpenedDuringAnImportWaitsForItsEnd) {
    const QString slow = writeFile("slow.sql", kSlowDump);
    prepareImport(slow);
    confirmAndStart(model());
    ASSERT_TRUE(model().phase().isRunning());
    const QString other = writeFile("other.sql", kSmallDump);
    model().setDump(other);
    EXPECT_EQ(model().dumpURL(), slow);
    EXPECT_EQ(find<QLabel>(panel(window_)->dropZone(), "dumpFileName")->text(), "slow.sql");
    EXPECT_EQ(model().logLines().last(),
              "other.sql was opened during the import; it becomes the dump once the import has ended.");
    waitUntil([this] { return model().logLines().join('\n').contains("MYSQL_PWD=***"); });
    model().cancelImport();
    waitUntil([this] { return !model().isImportRunning(); }, 60000);
    EXPECT_EQ(model().dumpURL(), other);
    EXPECT_EQ(find<QLabel>(panel(window_), "outcomeFile")->text(), QString::fromUtf8("slow.sql into “ui_target”"));
}

TEST_F(ImportPanelTest, ReturnInThePasswordFieldReadsTheDatabases) {
    clickContainer(Fixtures::noPasswordEnv());
    ImportDetail* detail = panel(window_);
    EXPECT_EQ(find<QLabel>(detail, "databasesEmptyText")->text(),
              "No password in the container. Enter it under Login and press Return.");
    ImportOptions* options = detail->options();
    EXPECT_FALSE(options->login()->isExpanded());
    options->login()->toggle()->click();
    QLineEdit* password = options->passwordField();
    ASSERT_TRUE(password->isVisibleTo(detail));
    QTest::keyClicks(password, Fixtures::noPasswordEnvPassword());
    EXPECT_EQ(find<QLabel>(detail, "databasesEmptyText")->text(), "No databases were read.");
    QTest::keyClick(password, Qt::Key_Return);
    waitUntil([this] { return !model().databases().isEmpty(); });
    EXPECT_FALSE(model().confirmImport());
    EXPECT_TRUE(detail->databases()->list()->isVisibleTo(detail));
}

TEST(TabularTextWidth, GivesEveryDigitTheSameWidth) {
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(TabularText::width(metrics, "111"), TabularText::width(metrics, "888"));
}

}  // namespace
