#include <gtest/gtest.h>

#include "dump/DatabaseChoice.h"
#include "dump/DumpName.h"

TEST(DumpName, Stems) {
    const std::pair<const char*, const char*> cases[] = {
        {"/Users/demo/Downloads/crm2 (2).sql.gz", "crm2 (2)"},
        {"Shop.SQL", "Shop"},
        {"backup.tar.gz", "backup.tar"},
        {"/tmp/dump.gz.sql", "dump.gz"},
        {"notes.txt", "notes.txt"},
        {"/tmp/.sql.gz", ""},
        {"shop-2024.sql.zst", "shop-2024"},
        {"shop.SQL.XZ", "shop"},
        {"shop.sql.bz2", "shop"},
    };
    for (const auto& [path, stem] : cases) EXPECT_EQ(DumpName::stem(path), stem) << path;
}

TEST(DumpName, WholeWordMatches) {
    const struct {
        const char* stem;
        const char* name;
        bool matches;
    } cases[] = {
        {"crm2 (2)", "sql", false},
        {"crm2 (2)", "crm", false},
        {"crm2 (2)", "crm2", true},
        {"crm2 (2)", "CRM2", true},
        {"db_shop", "shop", false},
        {"shop-2024", "shop", true},
        {"shop", "shop", true},
        {"ab", "ab", false},
        {"xcrm2 crm2", "crm2", false},
        {"éshop", "shop", false},
        {"shop\U0001D7D8", "shop", false},
        {"shop\U0001F600", "shop", true},
    };
    for (const auto& c : cases) EXPECT_EQ(DumpName::matches(c.stem, c.name), c.matches) << c.stem << " / " << c.name;
}

TEST(DatabaseChoice, FreshNamesAreValidAndNew) {
    const QList<MysqlDatabase> databases{{"shop", 3, 100}, {"SHOP_2", 0, 0}, {"crm", 1, 1}};
    EXPECT_EQ(DatabaseChoice::freshName("/d/shop.sql.gz", databases), "shop_3");
    EXPECT_EQ(DatabaseChoice::freshName("/d/shop-2024 (1).sql", databases), "shop_2024__1_");
    EXPECT_EQ(DatabaseChoice::freshName("/d/éé.sql", databases), "restored");
    const QString longest = DatabaseChoice::freshName("/d/" + QString(80, 'a') + ".sql", {{QString(64, 'a'), 1, 1}});
    EXPECT_EQ(longest, QString(62, 'a') + "_2");
}

TEST(DatabaseChoice, Proposals) {
    const QList<MysqlDatabase> sample{{"mysql", 31, 1000}, {"crm2", 176, 11000000000}, {"shop_archive", 4, 2000}};
    const QList<MysqlDatabase> shops{{"shop", 1, 1}, {"shop_eu", 1, 1}, {"eu2", 1, 50}};
    const QList<MysqlDatabase> sized{{"a", 0, 5}, {"b", 0, 9}, {"c", 0, 9}};
    const QList<MysqlDatabase> twins{{"abc1", 0, 1}, {"abc2", 0, 2}};
    const QList<MysqlDatabase> system{{"mysql", 0, 9}, {"sys", 0, 9}};
    const struct {
        QList<MysqlDatabase> databases;
        std::optional<QString> path;
        std::optional<QString> saved;
        std::optional<QString> expected;
    } cases[] = {
        {sample, "/x/crm2 (2).sql.gz", std::nullopt, "crm2"},
        {sample, "/x/crm2 (2).sql.gz", "shop_archive", "crm2"},
        {shops, "/x/shop_eu-backup.sql", std::nullopt, "shop_eu"},
        {shops, "/x/shop eu.sql", std::nullopt, "shop"},
        {twins, "/x/abc1 abc2.sql", std::nullopt, "abc1"},
        {sample, "/x/unrelated.sql", "crm2", "crm2"},
        {shops, std::nullopt, "shop_eu", "shop_eu"},
        {shops, std::nullopt, "SHOP_EU", "eu2"},
        {{{"mysql", 0, 99}, {"a", 0, 1}}, std::nullopt, "mysql", "a"},
        {sized, std::nullopt, std::nullopt, "b"},
        {system, "/x/mysql.sql", "sys", std::nullopt},
        {{}, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DatabaseChoice::preferred(c.databases, c.path, c.saved), c.expected)
            << c.path.value_or("-").toStdString();
}
