// Names, quoting and grants of the accounts an import makes: a wrong escape would let the
// account reach a database the user did not confirm, a wrong name would let the cleanup drop
// someone else's account.
#include <gtest/gtest.h>

#include "account/AccountNames.h"
#include "account/AccountRights.h"
#include "account/AccountSql.h"

namespace {

TEST(AccountNames, OnlyNamesOfThisProgramWithTheirTimeAreTemporaryAccounts) {
    const QString name = AccountNames::temporaryName(0x6b1a5f2a, "m1nhhiwhgg");
    EXPECT_EQ(name, "tarnwell_imp_6b1a5f2a_m1nhhiwhgg");
    EXPECT_EQ(name.size(), 32);  // MySQL's limit for a user name
    EXPECT_EQ(AccountNames::createdAt(name), 0x6b1a5f2a);
    EXPECT_EQ(AccountNames::createdAt(AccountNames::temporaryName(7, AccountNames::randomText(10))), 7);
    for (const QString other : {"tarnwell_imp_6b1a5f2a_M1NHHIWHGG", "tarnwell_imp_6b1a5f2a_m1nhhiwhg",
                                "tarnwell_imp_6b1a5f2a-m1nhhiwhgg", "tarnwell_imp_zzzzzzzz_m1nhhiwhgg",
                                "tarnwell_own_shop_80fa8b14", "root", "tarnwell_imp_6b1a5f2a_m1nhhiwhgg'"})
        EXPECT_FALSE(AccountNames::createdAt(other)) << other.toStdString();
}

TEST(AccountNames, EachSetOfDatabasesHasItsOwnOwnerRole) {
    const QString shop = AccountNames::ownerRole({"shop"});
    EXPECT_TRUE(shop.startsWith("tarnwell_own_shop_")) << shop.toStdString();
    EXPECT_EQ(shop, AccountNames::ownerRole({"shop"}));
    EXPECT_NE(shop, AccountNames::ownerRole({"Shop"}));
    EXPECT_NE(shop, AccountNames::ownerRole({"shop", "shop_archive"}));
    EXPECT_EQ(AccountNames::ownerRole({"b", "a"}), AccountNames::ownerRole({"a", "b"}));
    // Quotes, spaces and letters beyond ASCII never reach the name; the hash tells them apart.
    const QString odd = AccountNames::ownerRole({"we'rd `name` ü"});
    EXPECT_TRUE(odd.startsWith("tarnwell_own_werdname_")) << odd.toStdString();
    const QString foreign = AccountNames::ownerRole({"データ"});
    EXPECT_EQ(foreign.size(), QString("tarnwell_own_").size() + 8) << foreign.toStdString();
    EXPECT_LE(AccountNames::ownerRole({"a_very_long_database_name_indeed"}).size(), 36);
}

TEST(AccountSql, GrantsAndNamesAreEscapedAsTheServerReadsThem) {
    // `_` and `%` are wildcards in a grant's database; `\` escapes them and must be escaped first.
    EXPECT_EQ(AccountSql::grantTarget("my_db"), "`my\\_db`.*");
    EXPECT_EQ(AccountSql::grantTarget("50%off"), "`50\\%off`.*");
    EXPECT_EQ(AccountSql::grantTarget("a\\b_c"), "`a\\\\b\\_c`.*");
    EXPECT_EQ(AccountSql::grantTarget("we`rd"), "`we``rd`.*");
    EXPECT_EQ(AccountSql::account("o'brien\\", "localhost"), "'o\\'brien\\\\'@'localhost'");
    EXPECT_EQ(AccountSql::nativeHash("password"), "*2470C0C06DEE42FD1618BB99005ADCA2EC9D1E19");
}

TEST(AccountSql, TheAccountMayOnlyTakeItsRoleAndTheSessionSwitchesBinaryLoggingOffFirst) {
    TemporaryAccount account;
    account.user = "tarnwell_imp_00000001_aaaaaaaaaa";
    account.password = "secret-not-in-sql";
    account.ownerRole = "tarnwell_own_shop_12345678";
    account.databases = {"shop", "shop_archive"};
    const QString made = AccountSql::creation(account);
    EXPECT_FALSE(made.contains(account.password));
    EXPECT_EQ(made,
              "CREATE ROLE IF NOT EXISTS 'tarnwell_own_shop_12345678';\n"
              "GRANT ALL PRIVILEGES ON `shop`.* TO 'tarnwell_own_shop_12345678';\n"
              "GRANT ALL PRIVILEGES ON `shop\\_archive`.* TO 'tarnwell_own_shop_12345678';\n"
              "CREATE USER 'tarnwell_imp_00000001_aaaaaaaaaa'@'localhost' IDENTIFIED BY PASSWORD '" +
                  AccountSql::nativeHash(account.password) +
                  "';\n"
                  "GRANT 'tarnwell_own_shop_12345678' TO 'tarnwell_imp_00000001_aaaaaaaaaa'@'localhost';");
    EXPECT_EQ(AccountSql::sessionStart(account, "shop"),
              "SET ROLE 'tarnwell_own_shop_12345678'; DO GET_LOCK('tarnwell_imp_00000001_aaaaaaaaaa', 0); USE `shop`");
    account.binlogOff = true;
    EXPECT_TRUE(AccountSql::creation(account).endsWith(
        "GRANT BINLOG ADMIN ON *.* TO 'tarnwell_binlog_off';\n"
        "GRANT 'tarnwell_binlog_off' TO 'tarnwell_imp_00000001_aaaaaaaaaa'@'localhost';"));
    EXPECT_TRUE(AccountSql::sessionStart(account, "shop")
                    .startsWith("SET ROLE 'tarnwell_binlog_off'; SET SESSION sql_log_bin=0; SET ROLE "
                                "'tarnwell_own_shop_12345678';"));
}

TEST(AccountRights, TheLoginMustCreateAccountsAndGrantOnEveryDatabase) {
    const QString root =
        "GRANT ALL PRIVILEGES ON *.* TO `root`@`localhost` IDENTIFIED BY PASSWORD '*30' WITH GRANT OPTION";
    EXPECT_TRUE(
        AccountRights::mayConfine({root, "GRANT PROXY ON ``@`%` TO `root`@`localhost` WITH GRANT OPTION"}, {"shop"}));
    // An ordinary user, such as the one an image makes for its database.
    EXPECT_FALSE(AccountRights::mayConfine(
        {"GRANT USAGE ON *.* TO `app`@`%` IDENTIFIED BY PASSWORD '*1'", "GRANT ALL PRIVILEGES ON `app`.* TO `app`@`%`"},
        {"app"}));
    const QStringList delegated = {"GRANT CREATE USER ON *.* TO `dlg`@`localhost`",
                                   "GRANT ALL PRIVILEGES ON `shop`.* TO `dlg`@`localhost` WITH GRANT OPTION"};
    EXPECT_TRUE(AccountRights::mayConfine(delegated, {"shop"}));
    EXPECT_FALSE(AccountRights::mayConfine(delegated, {"shop", "other"}));
    // ALL on every database without the grant option may not pass it on.
    EXPECT_FALSE(AccountRights::mayConfine({"GRANT ALL PRIVILEGES ON *.* TO `a`@`%`"}, {"shop"}));
    EXPECT_FALSE(AccountRights::mayConfine({}, {"shop"}));
}

}  // namespace
