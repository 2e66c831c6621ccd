#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "UiHarness.h"
#include "support/Fixtures.h"
#include "support/ModelSteps.h"
#include "ui/DatabaseList.h"
#include "ui/Disclosure.h"
#include "ui/DropZone.h"
#include "ui/ImportButton.h"
#include "ui/ImportDetail.h"
#include "ui/ImportOptions.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/OutcomePanel.h"
#include "ui/SavedCopies.h"
#include "ui/TabOrder.h"
#include "ui/TargetProposal.h"

namespace {

using WindowWordsTest = UiTest;

ImportDetail* panel(MainWindow* window) { return window->findChild<ImportDetail*>(); }

int docker(const QStringList& arguments) {
    return QProcess::execute(qEnvironmentVariable("TARNWELL_FIXTURE_DOCKER"), arguments);
}

// The result panel tells what the database holds after a success, and an outcome belongs to
// its container and dump: choosing another clears it.
TEST_F(WindowWordsTest, TheOutcomeSaysWhatIsThereAndGoesWithItsContainerAndDump) {
    prepareImport(
        writeFile("two.sql", "CREATE TABLE a (x INT);\nINSERT INTO a VALUES (1);\nCREATE TABLE b (y INT);\n"));
    confirmAndStart(model());
    ASSERT_TRUE(waitUntil([this] { return !model().isImportRunning(); }, 180000));
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success);
    auto* outcome = find<OutcomePanel>(panel(window_), "outcomePanel");
    ASSERT_TRUE(waitUntil([&] { return find<QLabel>(outcome, "outcomeState")->isVisibleTo(outcome); }));
    EXPECT_TRUE(
        find<QLabel>(outcome, "outcomeState")->text().startsWith(QString::fromUtf8("“ui_target” now holds 2 tables, ")))
        << find<QLabel>(outcome, "outcomeState")->text().toStdString();
    EXPECT_EQ(find<QLabel>(outcome, "outcomeFile")->text(), QString::fromUtf8("two.sql into “ui_target”"));
    EXPECT_FALSE(find<QPushButton>(outcome, "retryImport")->isVisibleTo(outcome));

    // Another dump: the outcome of the one before goes.
    model().setDump(writeFile("other.sql", "SELECT 1;\n"));
    EXPECT_EQ(model().phase().kind(), AppModel::Phase::Kind::idle);
    EXPECT_FALSE(outcome->isVisibleTo(window_));

    // Another container, after an outcome: it goes too.
    model().setDump(writeFile("two.sql", "SELECT 2;\n"));
    confirmAndStart(model());
    ASSERT_TRUE(waitUntil([this] { return !model().isImportRunning(); }, 180000));
    ASSERT_NE(model().phase().kind(), AppModel::Phase::Kind::idle);
    clickContainer(Fixtures::binlog());
    EXPECT_EQ(model().phase().kind(), AppModel::Phase::Kind::idle);
}

// Ctrl+O chooses a dump, Ctrl+Return starts, Tab follows the layout, the first Down in the
// database list moves, and the list and the start button show their focus.
TEST_F(WindowWordsTest, TheKeyboardReachesEverything) {
    prepareImport(writeFile("keys.sql", "SELECT 1;\n"));
    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_O, Qt::ControlModifier);
    auto* chooser = window_->findChild<QWidget*>("dumpFileDialog");
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    chooser->close();

    QApplication::setActiveWindow(window_);
    QTest::keyClick(window_, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(model().confirmImport());
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    window_->confirmation()->reject();

    // Tab goes down the page in the order the user sees it, whatever order the code made it in.
    const QList<QWidget*> order = TabOrder::inLayoutOrder(window_);
    ImportDetail* detail = panel(window_);
    const auto at = [&](QWidget* widget) { return order.indexOf(widget); };
    QListWidget* databases = detail->databases()->list();
    ASSERT_GE(at(databases), 0);
    EXPECT_LT(at(databases), at(detail->dropZone()->chooseButton()));
    EXPECT_LT(at(detail->dropZone()->chooseButton()), at(detail->options()->passwordField()));
    EXPECT_LT(at(detail->options()->passwordField()), at(detail->importButton()->startButton()));
    EXPECT_EQ(databases->nextInFocusChain() != nullptr, true);

    // The first Down moves from the chosen database to the next one.
    ASSERT_GE(databases->count(), 2);
    const QString before = *model().selectedDatabase();
    databases->setFocus();
    QTest::keyClick(databases, Qt::Key_Down);
    EXPECT_NE(model().selectedDatabase().value_or(before), before);
}

// Enter password… opens the login and puts the cursor there; Test connection says when it works.
TEST_F(WindowWordsTest, TheLoginIsOneClickAwayAndSaysWhenItWorks) {
    clickContainer(Fixtures::noPasswordEnv());
    ImportDetail* detail = panel(window_);
    auto* enter = find<QPushButton>(detail, "openLogin");
    ASSERT_TRUE(enter->isVisibleTo(window_));
    enter->click();
    EXPECT_TRUE(detail->options()->login()->isExpanded());
    EXPECT_TRUE(detail->options()->passwordField()->hasFocus() ||
                QApplication::focusWidget() == detail->options()->passwordField());
    model().setPasswordOverride(Fixtures::noPasswordEnvPassword());
    find<QPushButton>(detail, "testConnection")->click();
    ASSERT_TRUE(waitUntil([&] { return detail->options()->connectionResult()->isVisibleTo(detail); }));
    EXPECT_TRUE(detail->options()->connectionResult()->text().startsWith("Connected as root to MariaDB "))
        << detail->options()->connectionResult()->text().toStdString();
    EXPECT_FALSE(enter->isVisibleTo(window_));
}

// A cancelled import offers to continue from the table it was loading; continuing, through the
// confirmation, ends with every row of the dump once.
TEST_F(WindowWordsTest, ACancelledImportContinuesFromItsTable) {
    QByteArray dump;
    for (const char* table : {"a", "b", "c"}) {
        dump += QByteArray("DROP TABLE IF EXISTS ") + table + ";\nCREATE TABLE " + table + " (id INT PRIMARY KEY);\n";
        for (int id = 1; id <= 20000; ++id)
            dump += QByteArray("INSERT INTO ") + table + " VALUES (" + QByteArray::number(id) + ");\n";
    }
    prepareImport(writeFile("three.sql", dump));
    confirmAndStart(model());
    ASSERT_TRUE(waitUntil([this] { return !model().isImportRunning() || model().phase().progress().kept.end > 0; }));
    model().cancelImport();
    ASSERT_TRUE(waitUntil([this] { return !model().isImportRunning(); }, 180000));
    if (model().phase().kind() == AppModel::Phase::Kind::success) GTEST_SKIP() << "the import ended before the cancel";
    auto* outcome = find<OutcomePanel>(panel(window_), "outcomePanel");
    auto* resume = find<QPushButton>(outcome, "continueImport");
    ASSERT_TRUE(waitUntil([&] { return resume->isVisibleTo(outcome); }));
    EXPECT_TRUE(resume->text().startsWith("Continue from table ")) << resume->text().toStdString();

    resume->click();
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    QMessageBox* box = window_->confirmation();
    EXPECT_TRUE(
        box->informativeText().startsWith(QString::fromUtf8("This continues the import of three.sql into “ui_target”")))
        << box->informativeText().toStdString();
    QPushButton* start = find<QPushButton>(box, "confirmStart");
    EXPECT_EQ(start->text(), "Continue import");
    start->click();
    ASSERT_TRUE(waitUntil(
        [this] { return !model().isImportRunning() && model().phase().kind() != AppModel::Phase::Kind::running; },
        180000));
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    EXPECT_EQ(
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                      "SELECT CONCAT(COUNT(*), ' ', SUM(id)) FROM (SELECT id FROM ui_target.a UNION ALL SELECT id FROM "
                      "ui_target.b UNION ALL SELECT id FROM ui_target.c) loaded"),
        "60000 600030000");
    EXPECT_FALSE(resume->isVisibleTo(outcome));
}

// Replacing tables saves them first, as the confirmation says and its box can change; the menu's
// "Undo last import" puts them back, and the saved copies are listed and can be deleted.
TEST_F(WindowWordsTest, AnImportThatReplacesTablesIsUndoneFromTheMenu) {
    const auto sql = [](const QString& statements) {
        return Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), statements);
    };
    sql("CREATE TABLE ui_target.a (id INT PRIMARY KEY, v TEXT); INSERT INTO ui_target.a VALUES (1, 'x'), (2, 'y')");
    const QString before = sql("CHECKSUM TABLE ui_target.a");
    prepareImport(writeFile("replace.sql",
                            "DROP TABLE IF EXISTS a;\nCREATE TABLE a (id INT PRIMARY KEY, v TEXT);\n"
                            "INSERT INTO a VALUES (9, 'new');\nCREATE TABLE fresh (x INT);\n"));
    // Copies earlier tests' imports saved go first: this test's is the only one.
    for (const TableCopy& copy : model().savedCopies()) model().removeCopy(copy);
    QAction* undo = window_->menuAction("undoLastImport");
    EXPECT_FALSE(undo->isEnabled());

    model().requestImport();
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    QMessageBox* box = window_->confirmation();
    auto* keep = find<QCheckBox>(box, "keepCopy");
    EXPECT_EQ(keep->text(), "Save a copy of the tables first");
    EXPECT_TRUE(keep->isChecked());
    EXPECT_TRUE(box->informativeText().contains("Tarnwell saves a copy of the tables it may change"))
        << box->informativeText().toStdString();
    keep->click();
    EXPECT_TRUE(box->informativeText().contains("No copy is saved first, so the import cannot be undone."));
    keep->click();
    find<QPushButton>(box, "confirmStart")->click();
    ASSERT_TRUE(waitUntil(
        [this] { return !model().isImportRunning() && model().phase().kind() != AppModel::Phase::Kind::running; },
        180000));
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    ASSERT_NE(sql("CHECKSUM TABLE ui_target.a"), before);

    ASSERT_TRUE(waitUntil([&] { return undo->isEnabled(); }));
    EXPECT_EQ(undo->text(), "Undo last import");
    undo->trigger();
    ASSERT_TRUE(waitUntil([this] { return window_->confirmation() != nullptr; }));
    box = window_->confirmation();
    EXPECT_TRUE(
        box->informativeText().startsWith(QString::fromUtf8("This undoes the import of replace.sql into “ui_target”")))
        << box->informativeText().toStdString();
    EXPECT_TRUE(box->informativeText().contains("The tables that import made are removed: fresh."));
    EXPECT_EQ(box->findChild<QCheckBox*>("keepCopy"), nullptr);  // undo saves no copy of its own
    QPushButton* start = find<QPushButton>(box, "confirmStart");
    EXPECT_EQ(start->text(), "Undo import");
    start->click();
    ASSERT_TRUE(waitUntil(
        [this] { return !model().isImportRunning() && model().phase().kind() != AppModel::Phase::Kind::running; },
        180000));
    ASSERT_EQ(model().phase().kind(), AppModel::Phase::Kind::success) << model().logLines().join('\n').toStdString();
    EXPECT_EQ(sql("CHECKSUM TABLE ui_target.a"), before);
    EXPECT_EQ(
        sql("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA='ui_target' AND TABLE_NAME='fresh'"),
        "0");

    window_->menuAction("savedCopies")->trigger();
    auto* copies = window_->findChild<SavedCopies*>();
    ASSERT_NE(copies, nullptr);
    ASSERT_EQ(copies->list()->topLevelItemCount(), 1);
    EXPECT_EQ(copies->list()->topLevelItem(0)->text(1), "replace.sql");
    EXPECT_EQ(copies->list()->topLevelItem(0)->text(4), "a");
    copies->list()->topLevelItem(0)->setSelected(true);
    copies->deleteButton()->click();
    EXPECT_EQ(copies->list()->topLevelItemCount(), 0);
    EXPECT_TRUE(find<QLabel>(copies, "savedCopiesEmpty")->isVisibleTo(copies));
    EXPECT_TRUE(waitUntil([&] { return !undo->isEnabled(); }));
    copies->close();
}

// A stopped server offers Start, a paused one Unpause; either runs afterwards.
TEST_F(WindowWordsTest, AStoppedOrPausedContainerIsOneClickFromUse) {
    const QString name = "wake-" + qEnvironmentVariable("TARNWELL_FIXTURE_RUN");
    docker({"rm", "-f", name});
    ASSERT_EQ(docker({"create", "--network", "none", "--name", name, "-e", "MARIADB_ROOT_PASSWORD=wake-secret",
                      qEnvironmentVariable("TARNWELL_FIXTURE_IMAGE")}),
              0);
    model().setShowStopped(true);
    model().refresh();
    ASSERT_TRUE(waitUntil([&] { return sidebarNames().contains(name); }));
    clickContainer(name);
    QPushButton* wake = panel(window_)->wakeButton();
    ASSERT_TRUE(wake->isVisibleTo(window_));
    EXPECT_EQ(wake->text(), "Start container");
    wake->click();
    EXPECT_TRUE(waitUntil([&] { return model().selectedContainer() && model().selectedContainer()->running; }));
    EXPECT_FALSE(wake->isVisibleTo(window_));
    // Pausing while the server is read freezes the engine's exec half-started, and the engine
    // then hangs on that container; the pause waits for the read to end.
    ASSERT_TRUE(waitUntil([&] {
        return (model().serverInfo() || model().errorMessage()) && !model().isLoading() &&
               !model().isLoadingDatabases();
    }));

    ASSERT_EQ(docker({"pause", name}), 0);
    model().refresh();
    ASSERT_TRUE(waitUntil([&] { return wake->isVisibleTo(window_); }));
    EXPECT_EQ(wake->text(), "Unpause container");
    wake->click();
    EXPECT_TRUE(waitUntil([&] { return model().selectedContainer() && model().selectedContainer()->running; }));
    docker({"rm", "-f", name});
}

// Proposed from the file name and already full: said so, with a new database at hand; a new
// database's dialog forgets its error once the name changes.
TEST_F(WindowWordsTest, AProposedDatabaseWithTablesOffersANewOne) {
    clickContainer(Fixtures::seeded());
    model().setDump(writeFile("shop.sql", "SELECT 1;\n"));
    ASSERT_TRUE(waitUntil([this] { return model().selectedDatabase() == QString("shop"); }));
    auto* proposal = find<TargetProposal>(panel(window_), "targetProposal");
    ASSERT_TRUE(waitUntil([&] { return proposal->isVisibleTo(window_); }));
    // However many tables earlier tests left in it.
    qint64 tables = 0;
    for (const MysqlDatabase& database : model().databases())
        if (database.name == "shop") tables = database.tables;
    ASSERT_GT(tables, 1);
    EXPECT_EQ(find<QLabel>(proposal, "proposalNote")->text(),
              QString("Proposed from the file name; it already holds %1 tables.").arg(tables));
    const QString fresh = proposal->newDatabaseButton()->text();
    EXPECT_TRUE(fresh.startsWith(QString::fromUtf8("New database “shop_"))) << fresh.toStdString();
    // The user's own click makes it their choice, and the offer goes.
    model().pinDatabase("shop");
    EXPECT_FALSE(proposal->isVisibleTo(window_));

    NewDatabaseDialog* dialog = panel(window_)->databases()->openNewDatabase();
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>("newDatabaseName");
    ASSERT_NE(name, nullptr);
    name->setText("shop");
    dialog->findChild<QPushButton*>("newDatabaseCreate")->click();
    auto* error = dialog->findChild<QLabel*>("newDatabaseError");
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->isVisibleTo(dialog));
    name->setText("shop_new");
    EXPECT_FALSE(error->isVisibleTo(dialog));
    dialog->reject();
}

}  // namespace
