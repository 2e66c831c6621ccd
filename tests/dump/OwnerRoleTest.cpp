// Under a temporary account, what a dump creates must belong to the owner role, and the lines the
// account may not run are left out; the pre-flight says who holds the import to its databases.
#include <QFile>

#include <gtest/gtest.h>

#include "dump/DumpFilter.h"
#include "dump/DumpFixPlan.h"

namespace {

QByteArray dumpFile(const char* name) {
    QFile file(QStringLiteral(TARNWELL_TEST_DUMPS "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

ServerInfo server(const QString& version, const QStringList& grants) {
    ServerInfo info;
    info.version = version;
    info.accounts = {"root@localhost"};
    info.grants = grants;
    return info;
}

const QString kMariadb = "10.11.6-MariaDB-0+deb12u1";
const QStringList kRootGrants = {
    "GRANT ALL PRIVILEGES ON *.* TO `root`@`localhost` IDENTIFIED BY PASSWORD '*30' WITH GRANT OPTION"};

DumpFixes planFor(const QByteArray& dump, const ServerInfo& info, FixChoices choices = {}) {
    choices.commitEvery = 0;  // batches add a COMMIT at the end
    return DumpFixPlan::plan(DumpScanning::scan(dump, true), info, choices, "tgt");
}

struct Filtered {
    QByteArray output;
    QStringList log;
};

// Whole, and cut in two at every byte: the same output each time.
Filtered filtered(const QByteArray& text, const DumpFixes& fixes) {
    const auto run = [&](QList<QByteArrayView> chunks) {
        Filtered result;
        DumpFilter filter(fixes, [&](const QString& line) { result.log << line; });
        const DumpFilter::Sink sink = [&](QByteArrayView bytes) {
            result.output += bytes;
            return true;
        };
        for (const QByteArrayView chunk : chunks) EXPECT_EQ(filter.feed(chunk, sink), DumpFilter::Result::goOn);
        EXPECT_EQ(filter.finish(sink), DumpFilter::Result::goOn) << filter.refusal().toStdString();
        return result;
    };
    const Filtered whole = run({text});
    // The sanitizer builds take every few cuts (TARNWELL_TEST_CUT_STRIDE); the plain build takes all.
    const qsizetype stride = qMax(1, qEnvironmentVariableIntValue("TARNWELL_TEST_CUT_STRIDE"));
    for (qsizetype cut = 1; cut < text.size(); cut += stride) {
        const Filtered split = run({QByteArrayView(text).first(cut), QByteArrayView(text).sliced(cut)});
        EXPECT_EQ(split.output, whole.output) << "cut at " << cut;
        if (split.output != whole.output) break;
    }
    return whole;
}

class OwnerRoleTest : public ::testing::Test {};

TEST_F(OwnerRoleTest, ThePreflightSaysFirstWhetherTheServerHoldsTheImport) {
    const QByteArray dump = dumpFile("mysql80.sql");
    const DumpScan scan = DumpScanning::scan(dump, true);
    const DumpFixes root = planFor(dump, server(kMariadb, kRootGrants));
    ASSERT_EQ(root.confinement, DumpFixes::Confinement::account);
    EXPECT_TRUE(root.ownerRole.startsWith("tarnwell_own_tgt_")) << root.ownerRole.constData();
    const QStringList lines = DumpFixPlan::findings(scan, root);
    EXPECT_EQ(lines.first(),
              "The server holds this import to “tgt”: it runs as a temporary account that can write "
              "nowhere else, removed when the import ends.");
    EXPECT_TRUE(
        lines.contains("Line 18 turns binary logging off for the session, which the temporary account may "
                       "not do; it will be left out."));
    EXPECT_TRUE(lines.contains("What the dump gives to app@% will belong to the role " + QString(root.ownerRole) +
                               ", which reaches only this import’s databases."));
    // The missing account is not the question under a role: nothing says CURRENT_USER.
    EXPECT_FALSE(lines.join('\n').contains("CURRENT_USER"));
    EXPECT_FALSE(DumpFixPlan::unconfinedLine(root));

    // Each way the server cannot hold it says why, in one line, first.
    FixChoices off;
    off.importAccount = false;
    const struct {
        DumpFixes fixes;
        DumpFixes::Confinement confinement;
        const char* begins;
    } unconfined[] = {
        {planFor(dump, server(kMariadb, {"GRANT ALL PRIVILEGES ON `shop`.* TO `app`@`%`"})),
         DumpFixes::Confinement::loginMayNot, "This login may not create accounts"},
        {planFor(dump, server("8.0.36", kRootGrants)), DumpFixes::Confinement::serverHasNoRoles,
         "This server cannot give what the dump creates to a role"},
        {planFor(dump, server(kMariadb, kRootGrants), off), DumpFixes::Confinement::turnedOff,
         "The temporary account is turned off"},
    };
    for (const auto& each : unconfined) {
        EXPECT_EQ(each.fixes.confinement, each.confinement);
        EXPECT_TRUE(each.fixes.ownerRole.isEmpty());
        const QStringList said = DumpFixPlan::findings(scan, each.fixes);
        EXPECT_TRUE(said.first().startsWith(each.begins)) << said.first().toStdString();
        EXPECT_EQ(DumpFixPlan::unconfinedLine(each.fixes), said.first());
        EXPECT_FALSE(said.join('\n').contains("binary logging"));
    }
}

TEST_F(OwnerRoleTest, LoginsThatMayGrantOnlyTheTargetStillGetTheAccount) {
    const QByteArray dump = "CREATE TABLE t (a INT);\n";
    const QStringList delegated = {"GRANT CREATE USER ON *.* TO `dlg`@`localhost`",
                                   "GRANT ALL PRIVILEGES ON `tgt`.* TO `dlg`@`localhost` WITH GRANT OPTION"};
    EXPECT_EQ(planFor(dump, server(kMariadb, delegated)).confinement, DumpFixes::Confinement::account);
    // Without the grant option, or for a database whose wildcard escape differs, it may not.
    const QStringList noOption = {"GRANT CREATE USER ON *.* TO `dlg`@`localhost`",
                                  "GRANT ALL PRIVILEGES ON `tgt`.* TO `dlg`@`localhost`"};
    EXPECT_EQ(planFor(dump, server(kMariadb, noOption)).confinement, DumpFixes::Confinement::loginMayNot);
    const QByteArray other = "USE `my_db`;\nCREATE TABLE t (a INT);\n";
    FixChoices noRedirect;
    noRedirect.redirectDatabase = false;
    EXPECT_EQ(planFor(other, server(kMariadb, delegated), noRedirect).confinement, DumpFixes::Confinement::loginMayNot);
}

TEST_F(OwnerRoleTest, EveryStoredObjectOfARealDumpGoesToTheRole) {
    for (const char* name : {"mysql80.sql", "mariadb1011.sql"}) {
        const QByteArray dump = dumpFile(name);
        const DumpFixes fixes = planFor(dump, server(kMariadb, kRootGrants));
        const Filtered out = filtered(dump, fixes);
        EXPECT_EQ(out.output.count('\n'), dump.count('\n')) << name;
        // Only the data row that mentions a definer keeps its text.
        EXPECT_EQ(out.output.count("DEFINER=`"), dump.count("'DEFINER=`")) << name;
        EXPECT_EQ(out.output.count("DEFINER=CURRENT_ROLE"), dump.count("DEFINER=`") - dump.count("'DEFINER=`")) << name;
        EXPECT_FALSE(out.output.contains("@@SESSION.SQL_LOG_BIN=")) << name;
        EXPECT_FALSE(out.output.contains("SET @@SESSION.SQL_LOG_BIN")) << name;
        // The user variable that only reads it stays.
        if (dump.contains("SET @MYSQLDUMP_TEMP_LOG_BIN")) {
            EXPECT_TRUE(out.output.contains("SET @MYSQLDUMP_TEMP_LOG_BIN = @@SESSION.SQL_LOG_BIN;"));
        }
    }
}

TEST_F(OwnerRoleTest, ObjectsWithoutADefinerOrWithTheCurrentUserGetTheRole) {
    const DumpFixes fixes = planFor("CREATE TABLE t (a INT);\n", server(kMariadb, kRootGrants));
    const struct {
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {"CREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.a = 1;\n",
         "CREATE DEFINER=CURRENT_ROLE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.a = 1;\n"},
        {"create or replace algorithm = merge sql security invoker view v as select 1;\n",
         "create or replace algorithm = merge DEFINER=CURRENT_ROLE sql security invoker view v as select 1;\n"},
        {"/*!50001 CREATE VIEW `v` AS SELECT 1 AS `a`*/;\n",
         "/*!50001 CREATE DEFINER=CURRENT_ROLE VIEW `v` AS SELECT 1 AS `a`*/;\n"},
        {"CREATE AGGREGATE FUNCTION f(x INT) RETURNS INT BEGIN RETURN 1; END;\n",
         "CREATE DEFINER=CURRENT_ROLE AGGREGATE FUNCTION f(x INT) RETURNS INT BEGIN RETURN 1; END;\n"},
        {"CREATE EVENT e ON SCHEDULE EVERY 1 DAY DO DELETE FROM t;\n",
         "CREATE DEFINER=CURRENT_ROLE EVENT e ON SCHEDULE EVERY 1 DAY DO DELETE FROM t;\n"},
        {"CREATE DEFINER = CURRENT_USER() PROCEDURE p() SELECT 1;\n",
         "CREATE DEFINER = CURRENT_ROLE PROCEDURE p() SELECT 1;\n"},
        {"ALTER DEFINER=current_user VIEW v AS SELECT 2;\n", "ALTER DEFINER=CURRENT_ROLE VIEW v AS SELECT 2;\n"},
        {"CREATE DEFINER='root'@'%' EVENT e ON SCHEDULE EVERY 1 DAY DO DELETE FROM t;\n",
         "CREATE DEFINER=CURRENT_ROLE EVENT e ON SCHEDULE EVERY 1 DAY DO DELETE FROM t;\n"},
        // What creates no stored object is left alone.
        {"CREATE TABLE definer (a INT);\n", "CREATE TABLE definer (a INT);\n"},
        {"CREATE INDEX i ON t (a);\n", "CREATE INDEX i ON t (a);\n"},
        {"INSERT INTO t VALUES ('CREATE VIEW v');\n", "INSERT INTO t VALUES ('CREATE VIEW v');\n"},
        {"SET @keep = @@SESSION.SQL_LOG_BIN;\n", "SET @keep = @@SESSION.SQL_LOG_BIN;\n"},
        {"SET sql_log_bin = 0;\n", "\n"},
        {"SET SESSION SQL_LOG_BIN=1;\n", "\n"},
    };
    for (const auto& each : cases) EXPECT_EQ(filtered(each.in, fixes).output, each.out) << each.in.constData();
    // As the login, a definer that exists and CURRENT_USER stay.
    FixChoices off;
    off.importAccount = false;
    const DumpFixes login = planFor("CREATE TABLE t (a INT);\n", server(kMariadb, kRootGrants), off);
    for (const QByteArray& text : {QByteArray("CREATE DEFINER=`root`@`localhost` PROCEDURE p() SELECT 1;\n"),
                                   QByteArray("CREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.a = 1;\n"),
                                   QByteArray("SET sql_log_bin = 0;\n")})
        EXPECT_EQ(filtered(text, login).output, text);
}

}  // namespace
