// What decides whether rows may load in several sessions at once: literal rows, the table's shape,
// and the settings every session repeats.
#include <gtest/gtest.h>

#include "sql/RowCount.h"
#include "sql/RowLiterals.h"
#include "sql/TableMentions.h"
#include "sql/SessionSettings.h"
#include "sql/TableShape.h"

namespace {

using RowLiterals::onlyLiterals;
using Quoting = SqlTokens::Quoting;

TEST(RowLiterals, DumpToolRowsAreLiteralsAndAnythingComputedIsNot) {
    // As dump tools write them: numbers, strings with escapes, hex, bits, NULL, introducers.
    EXPECT_TRUE(onlyLiterals("INSERT INTO `t` VALUES (1,'a\\'b;c',NULL),(2,'x',-3.5e-2);", {}, -1));
    EXPECT_TRUE(onlyLiterals("INSERT INTO `t` VALUES (0x1F,X'00ff',b'101',_binary 'z', 0b11)", {}, -1));
    EXPECT_TRUE(onlyLiterals("INSERT INTO `t` (`a`,`b c`) VALUES\n(1,\"two\");", {}, -1));
    EXPECT_TRUE(onlyLiterals("insert into `t` value (1)", {}, -1));
    // A value that the server computes, reads, or that depends on order.
    for (const char* statement : {"INSERT INTO `t` VALUES (NOW())", "INSERT INTO `t` VALUES (@x)",
                                  "INSERT INTO `t` VALUES (1+1)", "INSERT INTO `t` VALUES (DEFAULT)",
                                  "INSERT INTO `t` VALUES (1) ON DUPLICATE KEY UPDATE a=2",
                                  "INSERT INTO `t` VALUES (1) /* comment */", "INSERT INTO `t` SELECT 1",
                                  "INSERT INTO `t` VALUES (1),(2", "INSERT INTO `t` VALUES ('open)",
                                  "INSERT IGNORE INTO `t` VALUES (1)", "INSERT INTO `t` VALUES (1e)",
                                  "INSERT INTO `t` VALUES (12abc)"})
        EXPECT_FALSE(onlyLiterals(statement, {}, -1)) << statement;
}

TEST(RowLiterals, QuotingFollowsTheSqlMode) {
    // Without backslash escapes, \' ends the string and what follows is code.
    const QByteArray statement = "INSERT INTO `t` VALUES ('a\\', b)";
    EXPECT_TRUE(onlyLiterals("INSERT INTO `t` VALUES ('a\\', 1)", Quoting{false, false}, -1));
    EXPECT_FALSE(onlyLiterals(statement, Quoting{false, false}, -1));
    // Under ANSI_QUOTES "x" is a column, not a string.
    EXPECT_FALSE(onlyLiterals("INSERT INTO `t` VALUES (\"x\")", Quoting{true, true}, -1));
}

TEST(RowLiterals, TheCountedColumnNeedsAValueOfItsOwn) {
    EXPECT_TRUE(onlyLiterals("INSERT INTO `t` VALUES (5,NULL,0),(6,'a',0)", {}, 0));
    // NULL or zero there makes the server number the row in the order it runs.
    EXPECT_FALSE(onlyLiterals("INSERT INTO `t` VALUES (5,'a'),(NULL,'b')", {}, 0));
    EXPECT_FALSE(onlyLiterals("INSERT INTO `t` VALUES ('a',0)", {}, 1));
    EXPECT_FALSE(onlyLiterals("INSERT INTO `t` VALUES ('a','7')", {}, 1));
    // Named columns may leave it out.
    EXPECT_FALSE(onlyLiterals("INSERT INTO `t` (`name`) VALUES ('a')", {}, 0));
}

TEST(TableShape, ReadsWhatOrderOfRowsDependsOn) {
    const TableShape::Shape plain = TableShape::of(
        "CREATE TABLE `t` (\n  `id` int NOT NULL AUTO_INCREMENT,\n  `v` varchar(9) DEFAULT 'a,b',\n  PRIMARY KEY "
        "(`id`),\n  KEY `v` (`v`)\n) ENGINE=InnoDB AUTO_INCREMENT=7 DEFAULT CHARSET=utf8mb4;",
        "t");
    EXPECT_TRUE(plain.readable);
    EXPECT_TRUE(plain.transactional);
    EXPECT_FALSE(plain.ifNotExists);
    EXPECT_FALSE(plain.referencesItself);
    EXPECT_EQ(plain.countedColumn, 0);

    const TableShape::Shape second =
        TableShape::of("CREATE TABLE `t` (`a` int, `b` decimal(10,2), `n` int AUTO_INCREMENT, KEY (`n`)) "
                       "ENGINE = innodb",
                       "t");
    EXPECT_EQ(second.countedColumn, 2);
    EXPECT_TRUE(second.transactional);

    const TableShape::Shape tree = TableShape::of(
        "CREATE TABLE IF NOT EXISTS `t` (`id` int, `up` int, CONSTRAINT `f` FOREIGN KEY (`up`) REFERENCES `t` "
        "(`id`)) ENGINE=MyISAM",
        "t");
    EXPECT_TRUE(tree.ifNotExists);
    EXPECT_TRUE(tree.referencesItself);
    EXPECT_FALSE(tree.transactional);
    EXPECT_EQ(tree.countedColumn, -1);

    EXPECT_FALSE(TableShape::of("CREATE TABLE `t` LIKE `u`", "t").readable);
    EXPECT_FALSE(TableShape::of("CREATE TEMPORARY TABLE `t` (a int) ENGINE=InnoDB", "t").readable);
    EXPECT_FALSE(TableShape::of("CREATE TABLE `t` (a int", "t").readable);
    // The engine left to the server's default is not known here.
    EXPECT_FALSE(TableShape::of("CREATE TABLE `t` (a int)", "t").transactional);
}

TEST(SessionSettings, OnlyWhatASessionReadsRowsBy) {
    for (const char* statement :
         {"/*!40101 SET NAMES utf8mb4 */", "SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0",
          "/*!40103 SET TIME_ZONE='+00:00' */", "SET SESSION sql_mode = 'ANSI'", "SET character_set_client = @saved"})
        EXPECT_TRUE(SessionSettings::isSessionSetting(statement)) << statement;
    for (const char* statement :
         {"SET GLOBAL max_connections = 5", "SET @@GLOBAL.sql_mode = ''", "SET PASSWORD = 'x'", "SET ROLE r",
          "SET DEFAULT ROLE r", "SET STATEMENT max_statement_time=1 FOR DELETE FROM t", "set autocommit=1",
          "SET @@session.autocommit = 0", "SET TRANSACTION ISOLATION LEVEL SERIALIZABLE", "SELECT 1", "SET"})
        EXPECT_FALSE(SessionSettings::isSessionSetting(statement)) << statement;
}

}  // namespace

TEST(RowCount, CountsTheTuplesAnInsertAdds) {
    using RowCount::rowsOfInsert;
    EXPECT_EQ(rowsOfInsert("INSERT INTO `t` VALUES (1,'a(b'),(2,'c\\')'),(3,(4));", {}), 3);
    EXPECT_EQ(rowsOfInsert("INSERT INTO `t` (`a`,`b`) VALUES\n(1,2) , (3,4)", {}), 2);
    EXPECT_EQ(rowsOfInsert("REPLACE INTO t VALUE /* (x) */ (1) -- (2)\n", {}), 1);
    EXPECT_EQ(rowsOfInsert("INSERT INTO t SET a = 1, b = (2)", {}), 1);
    // What follows the rows and rows the server selects are not counted.
    EXPECT_EQ(rowsOfInsert("INSERT INTO t VALUES (1),(2) ON DUPLICATE KEY UPDATE a = VALUES(a)", {}), 2);
    EXPECT_EQ(rowsOfInsert("INSERT INTO t (a) SELECT a FROM u WHERE a IN (1,2)", {}), 0);
    // Without backslash escapes, \' ends the string.
    EXPECT_EQ(rowsOfInsert("INSERT INTO t VALUES ('a\\'),('b')", Quoting{false, false}), 2);
    // Cut or open text ends the count without reading past it.
    EXPECT_EQ(rowsOfInsert("INSERT INTO t VALUES (1),('open", {}), 2);
    EXPECT_EQ(rowsOfInsert("", {}), 0);
}

TEST(TableMentions, NamesTheTablesAStatementChanges) {
    using TableMentions::changed;
    using List = QList<QByteArray>;
    EXPECT_EQ(changed("DROP TABLE IF EXISTS `a`, db.`b`;", {}), (List{"a", "b"}));
    EXPECT_EQ(changed("/*!40000 ALTER TABLE `a` DISABLE KEYS */;", {}), List{"a"});
    EXPECT_EQ(changed("LOCK TABLES `a` WRITE, `b` AS x READ;", {}), (List{"a", "b"}));
    EXPECT_EQ(changed("RENAME TABLE a TO b, c TO d", {}), (List{"a", "b", "c", "d"}));
    EXPECT_EQ(changed("INSERT IGNORE INTO `t``x` VALUES (1)", {}), List{"t`x"});
    EXPECT_EQ(changed("CREATE TABLE IF NOT EXISTS \"q\" (id int)", Quoting{true, true}), List{"q"});
    EXPECT_EQ(changed("TRUNCATE t; ", {}), List{"t"});
    EXPECT_EQ(changed("DELETE FROM t WHERE 1", {}), List{"t"});
    EXPECT_EQ(changed("/*!50003 CREATE*/ /*!50017 DEFINER=`u`@`%`*/ /*!50003 TRIGGER `tr` BEFORE INSERT ON `t` "
                      "FOR EACH ROW SET NEW.a = 1 */",
                      {}),
              List{"t"});
    EXPECT_EQ(changed("SET NAMES utf8mb4", {}), List{});
    EXPECT_EQ(changed("CREATE VIEW v AS SELECT 1", {}), List{});
}

TEST(TableMentions, FindsATableNamedInAViewOrTrigger) {
    using TableMentions::namedIn;
    const QSet<QByteArray> gone{"b", "v"};
    EXPECT_EQ(namedIn("CREATE ALGORITHM=UNDEFINED VIEW `v` AS SELECT `x`.`id` FROM `b` `x`", gone, {}), "b");
    EXPECT_EQ(namedIn("CREATE VIEW `db`.`v` AS SELECT 1 FROM c", gone, {}), "");
    EXPECT_EQ(namedIn("CREATE TRIGGER t AFTER INSERT ON a FOR EACH ROW INSERT INTO b VALUES (1)", gone, {}), "b");
    // A routine is made whatever it names; it fails only when called.
    EXPECT_EQ(namedIn("CREATE PROCEDURE p() SELECT * FROM b", gone, {}), "");
    EXPECT_EQ(namedIn("CREATE VIEW v2 AS SELECT 'b' AS b2", gone, {}), "");
}
