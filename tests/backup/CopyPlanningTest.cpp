// What a copy before an import must hold for undo to give the target back, and what undo runs
// after the saved tables.
#include <gtest/gtest.h>

#include "backup/CopyPlanning.h"
#include "backup/TableSaving.h"
#include "dump/DumpScanning.h"

namespace {

ServerInfo targetWith(const QHash<QString, quint64>& tables) {
    ServerInfo server;
    for (auto table = tables.cbegin(); table != tables.cend(); ++table) {
        server.tableNames["shop"].insert(table.key());
        server.tableBytes["shop"].insert(table.key(), table.value());
    }
    server.tableNames["other"].insert("orders");
    return server;
}

TEST(CopyPlanningTest, AWholeDumpSavesTheTablesItWritesAndUndoRemovesThoseItMakes) {
    const DumpScan scan = DumpScanning::scan(
        "DROP TABLE IF EXISTS `orders`;\nCREATE TABLE `orders` (id INT);\nINSERT INTO `orders` VALUES (1);\n"
        "INSERT INTO `customers` VALUES (2);\n"  // appended to, not made: saved all the same
        "CREATE TABLE `fresh` (id INT);\nCREATE TABLE `left_out` (id INT);\nDROP TABLE `gone`;\n",
        true);
    const ServerInfo server =
        targetWith({{"orders", 1000}, {"customers", 200}, {"untouched", 50}, {"gone", 7}, {"left_out", 9}});
    TableChoice choice;
    choice.except.insert("left_out");

    const CopyPlanning::Plan plan = CopyPlanning::plan(scan, server, "shop", choice);
    EXPECT_EQ(plan.tables, QStringList({"customers", "gone", "orders"}));
    EXPECT_EQ(plan.removes, QStringList({"fresh"}));
    EXPECT_EQ(plan.serverBytes, 1207u);
    EXPECT_FALSE(plan.wholeDatabase);
    EXPECT_TRUE(CopyPlanning::onByDefault(plan, 2000));
    EXPECT_FALSE(CopyPlanning::onByDefault(plan, 1207));  // only below the limit
    EXPECT_FALSE(CopyPlanning::onByDefault(plan, 0));

    // Into an empty or another database there is nothing to save.
    EXPECT_TRUE(CopyPlanning::plan(scan, server, "empty", {}).tables.isEmpty());
}

TEST(CopyPlanningTest, ADumpReadOnlyInPartSavesEveryTable) {
    const DumpScan head = DumpScanning::scan("CREATE TABLE `orders` (id INT);\nINSERT INTO `orders` VALUES (1", false);
    const CopyPlanning::Plan plan =
        CopyPlanning::plan(head, targetWith({{"orders", 10}, {"untouched", 5}}), "shop", {});
    EXPECT_TRUE(plan.wholeDatabase);
    EXPECT_EQ(plan.tables, QStringList({"orders", "untouched"}));
    EXPECT_EQ(plan.serverBytes, 15u);
}

TEST(CopyPlanningTest, UndoRemovesTheTablesTheImportMadeWhateverTheirNames) {
    EXPECT_TRUE(CopyPlanning::epilogue({}).isEmpty());
    const QByteArray text = CopyPlanning::epilogue({"fresh", "we`ird; DROP DATABASE x"});
    EXPECT_TRUE(text.contains("SET FOREIGN_KEY_CHECKS=0;\n"));
    EXPECT_TRUE(text.contains("DROP TABLE IF EXISTS `fresh`;\n"));
    // A backtick in a name is doubled: the whole name stays one identifier.
    EXPECT_TRUE(text.contains("DROP TABLE IF EXISTS `we``ird; DROP DATABASE x`;\n"));
    EXPECT_EQ(text.count("DROP "), 3);
}

TEST(CopyPlanningTest, TheDumpProgramIsTheServersOwnAndNoNameIsReadAsAnOption) {
    EXPECT_EQ(CopyPlanning::dumpProgram("mariadb"), "mariadb-dump");
    EXPECT_EQ(CopyPlanning::dumpProgram("mysql"), "mysqldump");

    TableSaving::Job job;
    job.container = "db";
    job.dumpProgram = "mariadb-dump";
    job.user = "root";
    job.password = "secret";
    job.database = "--shop";
    job.tables = {"-t", "orders"};
    const QStringList arguments = TableSaving::dumpArguments(job);
    EXPECT_FALSE(arguments.join(' ').contains("secret"));
    EXPECT_TRUE(arguments.contains("MYSQL_PWD"));
    EXPECT_TRUE(arguments.contains("--single-transaction"));
    EXPECT_FALSE(arguments.contains("--set-gtid-purged=OFF"));
    const qsizetype end = arguments.indexOf("--");
    ASSERT_GT(end, 0);
    EXPECT_EQ(arguments.mid(end + 1), QStringList({"--shop", "-t", "orders"}));
    job.mysqlServer = true;
    EXPECT_TRUE(TableSaving::dumpArguments(job).contains("--set-gtid-purged=OFF"));
}

}  // namespace
