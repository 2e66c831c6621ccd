// Secondary keys put off until a table's rows are in, and what keeps them where the dump has them.
#include <gtest/gtest.h>

#include "dump/KeyDeferral.h"

namespace {

TEST(KeyDeferral, PlainKeysGoToOneAlterAndTheLinesStay) {
    const QByteArray create = "CREATE TABLE `t` (\n  `id` int NOT NULL,\n  `k` int,\n  `v` varchar(9) DEFAULT 'a,(b',\n"
                              "  PRIMARY KEY (`id`),\n  UNIQUE KEY `u` (`v`),\n  KEY `k` (`k`),\n"
                              "  INDEX `kv` (`k`,`v`(3))\n) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;";
    const auto deferred = KeyDeferral::deferred(create, "t");
    ASSERT_TRUE(deferred.has_value());
    EXPECT_EQ(deferred->addKeys, "ALTER TABLE `t` ADD KEY `k` (`k`), ADD INDEX `kv` (`k`,`v`(3))");
    EXPECT_EQ(deferred->createTable.count('\n'), create.count('\n'));
    EXPECT_EQ(deferred->createTable.simplified(),
              "CREATE TABLE `t` ( `id` int NOT NULL, `k` int, `v` varchar(9) DEFAULT 'a,(b', PRIMARY KEY (`id`), "
              "UNIQUE KEY `u` (`v`) ) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;");
}

TEST(KeyDeferral, KeysStayWhereTheyMayBeNeededOrCannotBeRead) {
    for (const char* create :
         {// A foreign key needs an index from the start.
          "CREATE TABLE `t` (`a` int, KEY `a` (`a`), CONSTRAINT `f` FOREIGN KEY (`a`) REFERENCES `p` (`id`)) "
          "ENGINE=InnoDB",
          // Not InnoDB, or an older table kept.
          "CREATE TABLE `t` (`a` int, KEY (`a`)) ENGINE=MyISAM",
          "CREATE TABLE IF NOT EXISTS `t` (`a` int, KEY (`a`)) ENGINE=InnoDB",
          // A comment among the columns, no secondary key, or an unreadable statement.
          "CREATE TABLE `t` (`a` int, -- note\n KEY (`a`)) ENGINE=InnoDB", "CREATE TABLE `t` (`a` int) ENGINE=InnoDB",
          "CREATE TABLE `t` (`a` int, KEY (`a`) ENGINE=InnoDB", "CREATE TABLE `t` (`a` int, FULLTEXT KEY (`a`)) ENGINE=InnoDB"})
        EXPECT_FALSE(KeyDeferral::deferred(create, "t").has_value()) << create;
}

}  // namespace
