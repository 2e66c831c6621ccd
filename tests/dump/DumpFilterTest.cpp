// The stream between the dump and the client: fixes, guards and what they must leave alone.
#include <QFile>

#include <gtest/gtest.h>

#include "dump/DumpFilter.h"
#include "dump/DumpFixPlan.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

namespace {

QByteArray dumpFile(const char* name) {
    QFile file(QStringLiteral(TARNWELL_TEST_DUMPS "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct Filtered {
    QByteArray output;
    DumpFilter::Result result = DumpFilter::Result::goOn;
    QString refusal;
    QStringList log;
    bool operator==(const Filtered&) const = default;
};

Filtered filterChunks(const QList<QByteArrayView>& chunks, const DumpFixes& fixes) {
    Filtered filtered;
    DumpFilter filter(fixes, [&](const QString& line) { filtered.log << line; });
    const DumpFilter::Sink sink = [&](QByteArrayView bytes) {
        filtered.output += bytes;
        return true;
    };
    for (const QByteArrayView chunk : chunks) {
        filtered.result = filter.feed(chunk, sink);
        if (filtered.result != DumpFilter::Result::goOn) break;
    }
    if (filtered.result == DumpFilter::Result::goOn) filtered.result = filter.finish(sink);
    filtered.refusal = filter.refusal();
    return filtered;
}

// The text in chunks of 1 MiB, as a copy reads it.
QList<QByteArrayView> megabytes(const QByteArray& text) {
    QList<QByteArrayView> chunks;
    for (qsizetype at = 0; at < text.size(); at += 1 << 20)
        chunks << QByteArrayView(text).sliced(at).first(qMin<qsizetype>(1 << 20, text.size() - at));
    return chunks;
}

// The whole text at once, and checks that every cut into two chunks gives the same.
Filtered filterEverySplit(const QByteArray& text, const DumpFixes& fixes) {
    const Filtered whole = filterChunks({text}, fixes);
    // The sanitizer builds take every few cuts (TARNWELL_TEST_CUT_STRIDE); the plain build takes all.
    const qsizetype stride = qMax(1, qEnvironmentVariableIntValue("TARNWELL_TEST_CUT_STRIDE"));
    for (qsizetype cut = 1; cut < text.size(); cut += stride) {
        const Filtered split = filterChunks({QByteArrayView(text).first(cut), QByteArrayView(text).sliced(cut)}, fixes);
        EXPECT_EQ(split.output, whole.output) << "cut at " << cut;
        EXPECT_EQ(split.result, whole.result) << "cut at " << cut;
        if (split.output != whole.output) break;
    }
    return whole;
}

const QStringList kMariadbCollations = {"utf8mb4_general_ci",     "utf8mb4_bin",           "utf8mb4_unicode_ci",
                                        "utf8mb4_unicode_520_ci", "utf8mb4_uca1400_ai_ci", "utf8mb4_uca1400_as_cs"};

ServerInfo mariadb(bool sandbox) {
    ServerInfo server;
    server.version = "10.11.6-MariaDB-0+deb12u1";
    server.clientSandbox = sandbox;
    server.collations = kMariadbCollations;
    server.accounts = {"root@localhost", "root@%"};
    return server;
}

FixChoices unbatched() {
    FixChoices choices;
    choices.commitEvery = 0;
    return choices;
}

// Batches have a test of their own; here the stream's other changes are the point.
DumpFixes planFor(const QByteArray& dump, const ServerInfo& server, const QString& chosen, FixChoices choices = {}) {
    choices.commitEvery = 0;
    return DumpFixPlan::plan(DumpScanning::scan(dump, true), server, choices, chosen);
}

class DumpFilterTest : public ::testing::Test {};

TEST_F(DumpFilterTest, MysqlDumpBecomesMariadbWithStringsAndLineNumbersKept) {
    const QByteArray dump = dumpFile("mysql80.sql");
    const Filtered filtered = filterEverySplit(dump, planFor(dump, mariadb(true), "shop"));
    ASSERT_EQ(filtered.result, DumpFilter::Result::goOn) << filtered.refusal.toStdString();
    const QByteArray& out = filtered.output;
    EXPECT_EQ(out.count('\n'), dump.count('\n'));
    EXPECT_FALSE(out.contains("SET @@GLOBAL.GTID_PURGED"));
    EXPECT_FALSE(out.contains("ENCRYPTION"));
    EXPECT_TRUE(out.contains("COLLATE utf8mb4_uca1400_ai_ci */"));
    EXPECT_TRUE(out.contains("COLLATE utf8mb4_uca1400_as_cs NOT NULL"));
    EXPECT_TRUE(out.contains("collation_connection  = utf8mb4_uca1400_ai_ci */"));
    // Data stays byte for byte.
    EXPECT_TRUE(out.contains("'collation utf8mb4_0900_ai_ci stays as written'"));
    EXPECT_TRUE(out.contains("'DEFINER=`root`@`localhost` and USE elsewhere; are data'"));
    // app@% is no account here.
    EXPECT_FALSE(out.contains("DEFINER=`app`@`%`"));
    EXPECT_TRUE(out.contains("/*!50017 DEFINER=CURRENT_USER*/"));
    EXPECT_TRUE(out.contains("CREATE DEFINER=CURRENT_USER PROCEDURE"));
    EXPECT_TRUE(out.contains("/*!50013 DEFINER=CURRENT_USER SQL SECURITY DEFINER */"));
    EXPECT_TRUE(filtered.log.contains("Line 24: SET GTID_PURGED left out; MariaDB has no such variable."))
        << filtered.log.join('\n').toStdString();
    EXPECT_TRUE(filtered.log.join('\n').contains("collation utf8mb4_0900_ai_ci replaced by utf8mb4_uca1400_ai_ci"));

    // Without the fixes, or into a server that is not MariaDB, nothing changes.
    FixChoices off;
    off.mysqlToMariadb = false;
    off.rewriteDefiners = false;
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mariadb(true), "shop", off)).output, dump);
    ServerInfo mysql = mariadb(true);
    mysql.version = "8.0.36";
    mysql.accounts = {"app@%"};
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mysql, "shop")).output, dump);
}

TEST_F(DumpFilterTest, ANameWrittenAcrossLinesKeepsItsLineBreaks) {
    // The client's error lines must stay the dump's, also where a replaced account spans lines.
    const QByteArray dump = "CREATE DEFINER=`app`\n@`%` PROCEDURE p() SELECT 1;\nSELECT 2;\n";
    const Filtered filtered = filterEverySplit(dump, planFor(dump, mariadb(true), "tgt"));
    EXPECT_EQ(filtered.output, "CREATE DEFINER=CURRENT_USER\n PROCEDURE p() SELECT 1;\nSELECT 2;\n");
}

TEST_F(DumpFilterTest, CollationsMapToTheClosestTheServerHas) {
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_0900_ai_ci", kMariadbCollations), "utf8mb4_uca1400_ai_ci");
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_0900_bin", kMariadbCollations), "utf8mb4_bin");
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_de_pb_0900_as_ci", kMariadbCollations), "utf8mb4_uca1400_ai_ci");
    const QStringList older = {"utf8mb4_general_ci", "utf8mb4_unicode_520_ci"};
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_0900_ai_ci", older), "utf8mb4_unicode_520_ci");
    // A server that has the name keeps it; one that says nothing too.
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_0900_ai_ci", {"utf8mb4_0900_ai_ci"}), "utf8mb4_0900_ai_ci");
    EXPECT_EQ(DumpFixing::closestCollation("utf8mb4_0900_ai_ci", {}), "utf8mb4_0900_ai_ci");
}

TEST_F(DumpFilterTest, TheDumpsOneDatabaseGoesToTheChosenOne) {
    const QByteArray dump = dumpFile("elsewhere.sql");
    const Filtered filtered = filterEverySplit(dump, planFor(dump, mariadb(true), "tgt"));
    ASSERT_EQ(filtered.result, DumpFilter::Result::goOn) << filtered.refusal.toStdString();
    EXPECT_EQ(filtered.output,
              "CREATE DATABASE /*!32312 IF NOT EXISTS*/ `tgt`;\n"
              "USE `tgt`;\n"
              "DROP TABLE IF EXISTS `notes`;\n"
              "CREATE TABLE `notes` (`id` int NOT NULL, `body` varchar(200), PRIMARY KEY (`id`));\n"
              "INSERT INTO `notes` VALUES (1,'USE elsewhere; stays text'),(2,'`elsewhere`.`notes` too');\n"
              "INSERT INTO `tgt`.`notes` VALUES (3,'qualified');\n");
    // Off: the dump goes where it says, and the confirmation must name that database.
    FixChoices off;
    off.redirectDatabase = false;
    const DumpFixes kept = planFor(dump, mariadb(true), "tgt", off);
    EXPECT_EQ(filterChunks({dump}, kept).output, dump);
    EXPECT_EQ(DumpFixPlan::otherDatabases(kept), QStringList{"elsewhere"});
    // A name with a backtick stays one identifier.
    EXPECT_TRUE(filterChunks({dump}, planFor(dump, mariadb(true), "a`b"))
                    .output.startsWith("CREATE DATABASE /*!32312 IF NOT EXISTS*/ `a``b`;\nUSE `a``b`;"));
}

TEST_F(DumpFilterTest, ASwitchToADatabaseNobodyConfirmedStops) {
    // The head showed only `first`; `second` turns up later.
    const QByteArray dump = "USE `first`;\nCREATE TABLE a (x INT);\nUSE second;\nCREATE TABLE b (x INT);\n";
    DumpFixes fixes = planFor(dump.first(40), mariadb(true), "tgt");
    const Filtered filtered = filterEverySplit(dump, fixes);
    EXPECT_EQ(filtered.result, DumpFilter::Result::refused);
    EXPECT_EQ(filtered.output, "USE `tgt`;\nCREATE TABLE a (x INT);\n");
    EXPECT_TRUE(filtered.refusal.startsWith("Stopped before line 3: the dump switches to database “second”"));
}

// A statement too long to hold passes as it comes and cannot be rewritten; one that names the
// dump's database would land outside the chosen one, so the import stops before it instead.
TEST_F(DumpFilterTest, ALongStatementIntoTheDumpsDatabaseByNameStops) {
    const QByteArray row = "(1,'" + QByteArray(9 << 20, 'x') + "')";
    const QByteArray dump = "USE `elsewhere`;\nINSERT INTO `elsewhere`.`notes` VALUES " + row + ";\nSELECT 2;\n";
    const DumpFixes fixes = planFor(dump, mariadb(true), "tgt");
    const Filtered stopped = filterChunks(megabytes(dump), fixes);
    EXPECT_EQ(stopped.result, DumpFilter::Result::refused);
    EXPECT_EQ(stopped.output, "USE `tgt`;\n");
    EXPECT_EQ(stopped.refusal,
              L10n::render("longStatementNotRedirected", {qint64(2), QString("elsewhere"), QString("tgt")}));
    // Unqualified, it goes to the chosen database as it comes; with the redirect off, where it says.
    const QByteArray plain = "USE `elsewhere`;\nINSERT INTO `notes` VALUES " + row + ";\n";
    const Filtered passed = filterChunks(megabytes(plain), planFor(plain, mariadb(true), "tgt"));
    EXPECT_EQ(passed.result, DumpFilter::Result::goOn);
    EXPECT_EQ(passed.output.size(), plain.size() - qsizetype(sizeof "elsewhere") + qsizetype(sizeof "tgt"));
    FixChoices off;
    off.redirectDatabase = false;
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mariadb(true), "tgt", off)).output, dump);
}

TEST_F(DumpFilterTest, ClientCommandsStopAClientWithoutASandbox) {
    const QByteArray dump = dumpFile("shell.sql");
    const Filtered stopped = filterEverySplit(dump, planFor(dump, mariadb(false), "tgt"));
    EXPECT_EQ(stopped.result, DumpFilter::Result::refused);
    EXPECT_EQ(stopped.output, "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\n");
    EXPECT_TRUE(stopped.refusal.contains("line 3")) << stopped.refusal.toStdString();
    EXPECT_TRUE(stopped.refusal.contains("\\! touch MARKER")) << stopped.refusal.toStdString();
    // Inside a statement too: not one byte of the command goes out.
    const QByteArray nested = "INSERT INTO t VALUES\n(1),\\! touch MARKER\n(2);\n";
    const Filtered inside = filterEverySplit(nested, planFor(nested, mariadb(false), "tgt"));
    EXPECT_EQ(inside.result, DumpFilter::Result::refused);
    EXPECT_FALSE(inside.output.contains('\\'));
    // The sandbox refuses by itself; with the guard off the command goes to the client.
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mariadb(true), "tgt")).output, dump);
    FixChoices off;
    off.guardClientCommands = false;
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mariadb(false), "tgt", off)).output, dump);
}

TEST_F(DumpFilterTest, TheSandboxLineGoesOnlyWhereTheClientLacksASandbox) {
    const QByteArray dump = dumpFile("mariadb1011.sql");
    const Filtered forMysqlClient = filterEverySplit(dump, planFor(dump, mariadb(false), "tgt"));
    ASSERT_EQ(forMysqlClient.result, DumpFilter::Result::goOn) << forMysqlClient.refusal.toStdString();
    EXPECT_FALSE(forMysqlClient.output.startsWith("/*M!999999"));
    EXPECT_EQ(forMysqlClient.output.count('\n'), dump.count('\n'));
    // The same text inside a row is data.
    EXPECT_TRUE(forMysqlClient.output.contains("(1,'Ada','/*M!999999\\\\- enable the sandbox mode */')"));
    EXPECT_EQ(filterChunks({dump}, planFor(dump, mariadb(true), "tgt")).output, dump);
}

TEST_F(DumpFilterTest, PreflightSaysWhatItFoundAndWhatWillHappen) {
    // A server whose login may not create accounts: the first line says so.
    const QString kLoginOnly =
        "This login may not create accounts, so the server cannot hold the import to the "
        "chosen database; only the check of the dump as it streams does.";
    const QByteArray mysql = dumpFile("mysql80.sql");
    const DumpScan scan = DumpScanning::scan(mysql, true);
    EXPECT_EQ(scan.databases, QList<QByteArray>{"shop"});
    EXPECT_EQ(scan.gtidLine, 24);
    EXPECT_EQ(scan.encryptionLine, 30);
    EXPECT_EQ(scan.mysqlCollations, (QList<QByteArray>{"utf8mb4_0900_ai_ci", "utf8mb4_0900_as_cs"}));
    EXPECT_EQ(scan.definers, QList<QByteArray>{"app@%"});
    EXPECT_EQ(scan.tables, 2);
    EXPECT_EQ(DumpFixPlan::findings(scan, DumpFixPlan::plan(scan, mariadb(true), {}, "tgt")),
              QStringList({kLoginOnly, "The dump writes to database “shop”; its tables will go to “tgt” instead.",
                           "Line 24 sets MySQL’s GTID_PURGED, which this server lacks; it will be left out.",
                           "Line 30 uses MySQL’s DEFAULT ENCRYPTION, which this server lacks; it will be left out.",
                           "MySQL’s collation utf8mb4_0900_ai_ci will become utf8mb4_uca1400_ai_ci.",
                           "MySQL’s collation utf8mb4_0900_as_cs will become utf8mb4_uca1400_as_cs.",
                           "The DEFINER account app@% does not exist here; CURRENT_USER will take its place."}));
    const QByteArray shell = dumpFile("shell.sql");
    const DumpScan commands = DumpScanning::scan(shell, false);
    EXPECT_EQ(
        DumpFixPlan::findings(commands, DumpFixPlan::plan(commands, mariadb(false), {}, "tgt")),
        QStringList({kLoginOnly, "Line 3 asks the client to run “\\! touch MARKER”; the import will stop before it.",
                     "Checked the first " + ByteFormatting::bytes(shell.size()) +
                         " of the dump; the rest is checked while it streams."}));
}

}  // namespace

// The client runs in binary mode, which knows only DELIMITER at a line's start: `\d` there
// becomes it, with the same argument; anywhere else the import stops before it.
TEST_F(DumpFilterTest, ShortDelimiterBecomesTheLongFormOrStops) {
    const QByteArray dump =
        "CREATE TABLE t (a INT);\n\\d ;;\nCREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.a = 1;;\n\\d ;\n"
        "INSERT INTO t VALUES (0);\n";
    for (const bool sandbox : {true, false}) {
        const Filtered filtered = filterEverySplit(dump, planFor(dump, mariadb(sandbox), "shop"));
        ASSERT_EQ(filtered.result, DumpFilter::Result::goOn) << filtered.refusal.toStdString();
        EXPECT_EQ(filtered.output,
                  "CREATE TABLE t (a INT);\nDELIMITER  ;;\nCREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET "
                  "NEW.a = 1;;\nDELIMITER  ;\nINSERT INTO t VALUES (0);\n");
    }
    // After a statement on the same line, and inside a statement, it stops: whole statements before it.
    for (const QByteArray& cut : {QByteArray("INSERT INTO t VALUES (1); \\d ;;\nINSERT INTO t VALUES (2);;\n"),
                                  QByteArray("INSERT INTO t VALUES (1);\nINSERT INTO t \\d ;;\nVALUES (2);;\n")}) {
        const Filtered filtered = filterEverySplit(cut, planFor(cut, mariadb(true), "shop"));
        EXPECT_EQ(filtered.result, DumpFilter::Result::refused) << cut.toStdString();
        EXPECT_TRUE(filtered.refusal.contains("DELIMITER")) << filtered.refusal.toStdString();
        EXPECT_TRUE(filtered.output.startsWith("INSERT INTO t VALUES (1);")) << filtered.output.toStdString();
        EXPECT_FALSE(filtered.output.contains("(2)")) << filtered.output.toStdString();
    }
}

// Both forms of the line that turns MariaDB's sandbox on stop a client without one at `\-`.
TEST_F(DumpFilterTest, EitherSandboxLineIsBlankedForAClientWithoutOne) {
    for (const QByteArray& line : {QByteArray("/*M!999999\\- enable the sandbox mode */"),
                                   QByteArray("/*!999999\\- enable the sandbox mode */")}) {
        const QByteArray dump = line + " \nCREATE TABLE t (a INT);\n";
        const Filtered without = filterEverySplit(dump, planFor(dump, mariadb(false), "shop"));
        EXPECT_EQ(without.output, QByteArray(line.size(), ' ') + " \nCREATE TABLE t (a INT);\n");
        EXPECT_EQ(filterEverySplit(dump, planFor(dump, mariadb(true), "shop")).output, dump);
    }
}

// No SQL text holds a NUL byte; the client in binary mode would pass it on, and a binary file
// would end as a finished import. The statements before it are whole and go out.
TEST_F(DumpFilterTest, ANulByteStopsBeforeItsStatement) {
    const QByteArray dump = QByteArray("SELECT 1;\nINSERT INTO t VALUES ('a\0b');\nSELECT 2;\n", 50);
    const Filtered filtered = filterEverySplit(dump, planFor(dump, mariadb(true), "shop"));
    EXPECT_EQ(filtered.result, DumpFilter::Result::refused);
    EXPECT_TRUE(filtered.refusal.contains("line 2")) << filtered.refusal.toStdString();
    EXPECT_EQ(filtered.output, "SELECT 1;\n");
    const QByteArray garbage = QByteArray(4096, '\0') + "\x89PNG";
    const Filtered binary = filterChunks({garbage}, planFor(garbage, mariadb(true), "shop"));
    EXPECT_EQ(binary.result, DumpFilter::Result::refused);
    EXPECT_TRUE(binary.output.isEmpty());
}

// Where the stream cannot read a USE's name, nobody confirmed where it leads; an unterminated last
// statement, which the client runs at the end of its input, is redirected like the others.
TEST_F(DumpFilterTest, UnreadableUseStopsAndTheLastStatementIsLookedAt) {
    const QByteArray padded = "CREATE TABLE a (id INT);\nUSE\n/* " + QByteArray(2000, 'x') + " */\nelsewhere;\n";
    const Filtered stopped = filterEverySplit(padded, planFor(padded, mariadb(true), "shop"));
    EXPECT_EQ(stopped.result, DumpFilter::Result::refused);
    EXPECT_TRUE(stopped.refusal.contains("line 2")) << stopped.refusal.toStdString();
    EXPECT_EQ(stopped.output, "CREATE TABLE a (id INT);\n");

    const QByteArray unterminated = "USE elsewhere;\nINSERT INTO `elsewhere`.`t` VALUES (1)";
    const Filtered redirected = filterEverySplit(unterminated, planFor(unterminated, mariadb(true), "shop"));
    ASSERT_EQ(redirected.result, DumpFilter::Result::goOn) << redirected.refusal.toStdString();
    EXPECT_FALSE(redirected.output.contains("elsewhere")) << redirected.output.toStdString();
}

namespace {

// A dump that names its database only where it qualifies tables goes to the chosen one too; a
// table qualified with a database nobody confirmed stops the import, also past the head.
TEST_F(DumpFilterTest, QualifiedNamesAreRedirectedOrStopTheImport) {
    const QByteArray qualified = "CREATE TABLE `shop`.`t` (a INT);\nINSERT INTO shop.t VALUES (1);\n";
    const DumpFixes fixes = planFor(qualified, mariadb(false), "tgt");
    EXPECT_EQ(fixes.dumpDatabase, "shop");
    const Filtered redirected = filterEverySplit(qualified, fixes);
    EXPECT_EQ(redirected.result, DumpFilter::Result::goOn) << redirected.refusal.toStdString();
    EXPECT_EQ(redirected.output, "CREATE TABLE `tgt`.`t` (a INT);\nINSERT INTO `tgt`.t VALUES (1);\n");

    const QByteArray head = "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\n";
    const QByteArray later = head + "INSERT INTO `other`.t VALUES (2);\nINSERT INTO t VALUES (3);\n";
    const DumpFixes headOnly = DumpFixPlan::plan(DumpScanning::scan(head, false), mariadb(false), unbatched(), "tgt");
    const Filtered stopped = filterEverySplit(later, headOnly);
    EXPECT_EQ(stopped.result, DumpFilter::Result::refused);
    EXPECT_EQ(stopped.output, head);
    EXPECT_TRUE(stopped.refusal.startsWith("Stopped before line 3: the dump switches to database “other”"))
        << stopped.refusal.toStdString();
}

}  // namespace

namespace {

// The client splits strings by the server's NO_BACKSLASH_ESCAPES from the statement after the one
// that sets it; the stream must split and rewrite exactly so, or stop where it cannot know.
TEST_F(DumpFilterTest, TheStreamFollowsTheQuotingTheDumpsSqlModeSets) {
    // Without escapes, 'x\' ends at its second quote, and the next string holds a name as data.
    const QByteArray noEscapes =
        "USE shop;\nSET sql_mode = 'NO_BACKSLASH_ESCAPES';\n"
        "INSERT INTO t VALUES ('x\\', '`shop`.`t`;');\nINSERT INTO `shop`.t VALUES ('y');\n";
    const Filtered redirected = filterEverySplit(noEscapes, planFor(noEscapes, mariadb(false), "tgt"));
    EXPECT_EQ(redirected.result, DumpFilter::Result::goOn) << redirected.refusal.toStdString();
    EXPECT_EQ(redirected.output,
              "USE `tgt`;\nSET sql_mode = 'NO_BACKSLASH_ESCAPES';\n"
              "INSERT INTO t VALUES ('x\\', '`shop`.`t`;');\nINSERT INTO `tgt`.t VALUES ('y');\n");
    // A server that runs with it from the start.
    const QByteArray plain = "INSERT INTO t VALUES ('a\\');\nUSE other;\n";
    ServerInfo strict = mariadb(false);
    strict.sqlMode = "STRICT_TRANS_TABLES,NO_BACKSLASH_ESCAPES";
    const Filtered fromServer =
        filterEverySplit(plain, DumpFixPlan::plan(DumpScanning::scan("", false), strict, unbatched(), "tgt"));
    EXPECT_EQ(fromServer.result, DumpFilter::Result::refused);
    EXPECT_EQ(fromServer.output, "INSERT INTO t VALUES ('a\\');\n");

    // ANSI_QUOTES makes "other" a database, which nobody confirmed.
    const QByteArray ansi =
        "CREATE TABLE t (a INT);\nSET sql_mode = 'ANSI_QUOTES';\nINSERT INTO \"other\".\"t\" VALUES (1);\n";
    const Filtered named = filterEverySplit(
        ansi, DumpFixPlan::plan(DumpScanning::scan("CREATE TABLE t (a INT);\n", false), mariadb(false), unbatched(), "tgt"));
    EXPECT_EQ(named.result, DumpFilter::Result::refused);
    EXPECT_TRUE(named.refusal.contains("line 3")) << named.refusal.toStdString();

    // A mode that can only be read when it runs: what reads differently with it stops the import.
    const QByteArray unknown =
        "SET sql_mode = CONCAT(@@sql_mode, ',NO_BACKSLASH_ESCAPES');\n"
        "INSERT INTO t VALUES (1);\nINSERT INTO t VALUES ('a\\'), ('b');\n";
    const Filtered stopped = filterEverySplit(unknown, planFor(unknown, mariadb(false), "tgt"));
    EXPECT_EQ(stopped.result, DumpFilter::Result::refused);
    EXPECT_EQ(stopped.output, unknown.first(unknown.indexOf("INSERT INTO t VALUES ('a")));
    EXPECT_TRUE(stopped.refusal.startsWith("Stopped before line 3: the dump set sql_mode"))
        << stopped.refusal.toStdString();
}

}  // namespace

namespace {

DumpFixes batchesOf(int statements) {
    DumpFixes fixes;
    fixes.batchStatements = statements;
    fixes.batchTag = "tag";
    return fixes;
}

// Batches: a COMMIT and the marker after every few statements, and after each statement that
// commits by itself, on the statement's own line so line numbers stay the dump's; never after a
// client command or an unterminated last statement, whose line belongs to them; always one at the
// end, or what was sent would be undone.
TEST_F(DumpFilterTest, RowsGoInCommittedBatchesOnTheirOwnLines) {
    const QByteArray dump =
        "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\nSET NAMES utf8mb4;\nINSERT INTO t VALUES (2);\n"
        "use other\nINSERT INTO t VALUES (3); INSERT INTO t VALUES (4);\n";
    const Filtered batched = filterEverySplit(dump, batchesOf(3));
    EXPECT_EQ(batched.result, DumpFilter::Result::goOn);
    EXPECT_EQ(batched.output,
              "CREATE TABLE t (a INT); COMMIT ; SELECT 'tag 1' AS tarnwell_batch ;\nINSERT INTO t VALUES (1);\n"
              "SET NAMES utf8mb4;\nINSERT INTO t VALUES (2); COMMIT ; SELECT 'tag 2' AS tarnwell_batch ;\nuse other\n"
              "INSERT INTO t VALUES (3); INSERT INTO t VALUES (4);\n\nCOMMIT ;\n");

    // An unterminated last statement is ended before the last COMMIT, in the delimiter of the moment.
    const Filtered trailing = filterEverySplit("DELIMITER ;;\nINSERT INTO t VALUES (5)", batchesOf(1000));
    EXPECT_EQ(trailing.output, "DELIMITER ;;\nINSERT INTO t VALUES (5);;\nCOMMIT ;;\n");

    // Before a refusal, the whole statements are committed, as they were kept without batches.
    DumpFixes guarded = batchesOf(1000);
    guarded.confirmedDatabases = {"tgt"};
    const Filtered refused =
        filterEverySplit("INSERT INTO t VALUES (6);\nUSE elsewhere;\nINSERT INTO t VALUES (7);\n", guarded);
    EXPECT_EQ(refused.result, DumpFilter::Result::refused);
    EXPECT_EQ(refused.output, "INSERT INTO t VALUES (6);\n COMMIT ; SELECT 'tag 1' AS tarnwell_batch ;");

    // Without batches the stream adds nothing.
    EXPECT_EQ(filterEverySplit(dump, DumpFixes{}).output, dump);
}

}  // namespace

namespace {

Filtered filterInPieces(const QByteArray& text, const DumpFixes& fixes, qsizetype piece) {
    QList<QByteArrayView> chunks;
    for (qsizetype at = 0; at < text.size(); at += piece) chunks << QByteArrayView(text).sliced(at, qMin(piece, text.size() - at));
    return filterChunks(chunks, fixes);
}

}  // namespace

// Each batch knows where it ended in the dump and how many rows its table had by then, counted on
// from where a table that continues was left.
TEST_F(DumpFilterTest, EachBatchKnowsWhereItEndsAndItsTablesRows) {
    const QByteArray dump = "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1),(2);\nINSERT INTO t VALUES (3);\n"
                            "INSERT INTO t VALUES (4);\n";
    DumpFixes fixes = batchesOf(2);
    fixes.resume.continued = "t";
    fixes.resume.continuedRows = 10;
    DumpFilter filter(fixes, nullptr);
    QByteArray output;
    filter.feed(dump, [&](QByteArrayView bytes) { output += bytes; return true; });
    filter.finish([&](QByteArrayView bytes) { output += bytes; return true; });
    ASSERT_TRUE(filter.batchEnd(2).has_value());
    EXPECT_EQ(*filter.batchEnd(1), (KeptPoint{dump.indexOf('\n'), 1, "t", 10}));
    EXPECT_EQ(*filter.batchEnd(2), (KeptPoint{dump.indexOf("INSERT INTO t VALUES (4)") - 1, 3, "t", 13}));
    // The last batch's commit ends the import: nothing is left to continue then.
    EXPECT_FALSE(filter.batchEnd(3).has_value());
}

// Continuing: what ended before the kept point goes out as its line breaks only, but the session's
// database and settings are set again, and the tables that start over get all their statements.
TEST_F(DumpFilterTest, AContinuedImportSendsOnlyWhatWasNotKept) {
    // A dump of MariaDB's begins with the sandbox line and comments, which go with the first SET.
    const QByteArray first = "/*M!999999\\- enable the sandbox mode */ \n-- a dump\n/*!40101 SET @OLD_CS=@@CHARACTER_SET_CLIENT */;\n";
    const QByteArray head = first + "SET NAMES utf8mb4;\nUSE shop;\nDROP TABLE IF EXISTS a;\nCREATE TABLE a (x INT);\n"
                            "INSERT INTO a VALUES (1);\nDROP TABLE IF EXISTS b;\nCREATE TABLE b (x INT);\n"
                            "INSERT INTO b VALUES (1);\n";
    const QByteArray tail = "INSERT INTO b VALUES (2);\nCREATE TRIGGER tb AFTER INSERT ON b FOR EACH ROW SET @n = 1;\n";
    DumpFixes fixes;
    fixes.resume.keptEnd = head.size() - 1;
    const Filtered continued = filterEverySplit(head + tail, fixes);
    EXPECT_EQ(continued.result, DumpFilter::Result::goOn);
    EXPECT_EQ(continued.output, first + "SET NAMES utf8mb4;\nUSE shop;\n\n\n\n\n\n\n" + tail);

    fixes.resume.replayed = {"b"};
    const Filtered restarted = filterEverySplit(head + tail, fixes);
    EXPECT_EQ(restarted.output, first + "SET NAMES utf8mb4;\nUSE shop;\n\n\n\n"
                                "DROP TABLE IF EXISTS b;\nCREATE TABLE b (x INT);\nINSERT INTO b VALUES (1);\n" +
                                    tail);

    // A statement too long to hold that ran already is left out as it passes.
    const QByteArray longInsert = "INSERT INTO a VALUES ('" + QByteArray(DumpFilter::kHoldBytes + 100, 'x') + "');\n";
    fixes.resume = {};
    fixes.resume.keptEnd = longInsert.size() - 1;
    const Filtered passed = filterInPieces(longInsert + "INSERT INTO a VALUES ('y');\n", fixes, 1 << 20);
    EXPECT_FALSE(passed.output.contains('x'));
    EXPECT_TRUE(passed.output.endsWith("INSERT INTO a VALUES ('y');\n"));
}

// Tables left out by the user's choice: every statement that changes one goes out as blanks, with
// its line breaks, even one too long to hold; the rest of the dump is as it was.
// The pre-flight names each view, trigger and routine over a table left out, and what becomes of it;
// without a server read, it claims nothing about the client.
TEST_F(DumpFilterTest, PreflightNamesWhatDependsOnATableLeftOut) {
    const QByteArray dump = "CREATE TABLE a (id int);\nCREATE TABLE `b` (v int);\n"
                            "CREATE VIEW vb AS SELECT v FROM `b` JOIN a;\nCREATE VIEW va AS SELECT id FROM a;\n"
                            "DELIMITER ;;\nCREATE TRIGGER ta AFTER INSERT ON a FOR EACH ROW INSERT INTO b VALUES (1) ;;\n"
                            "CREATE PROCEDURE pb() SELECT COUNT(*) FROM b ;;\nDELIMITER ;\n";
    const DumpScan scan = DumpScanning::scan(dump, true);
    FixChoices choices = unbatched();
    choices.tables.except = {"b"};
    const QStringList lines = DumpFixPlan::findings(scan, DumpFixPlan::plan(scan, mariadb(true), choices, "tgt"));
    for (const char* expected :
         {"View “vb” reads “b”, which is left out, so the view is left out too.",
          "Trigger “ta” names “b”, which is left out, so the trigger is left out too.",
          "Routine “pb” names “b”, which is left out: it is created all the same and fails if it runs while that "
          "table is missing."})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(expected))) << expected << "\n" << lines.join('\n').toStdString();
    EXPECT_FALSE(lines.join('\n').contains(QString::fromUtf8("“va”")));

    // Not logged in yet: a sandbox line and a client command, and no word on what the client lacks.
    const QByteArray shell = "/*!999999\\- enable the sandbox mode */\nSELECT 1;\n\\! ls\n";
    const DumpScan unread = DumpScanning::scan(shell, true);
    const QString said = DumpFixPlan::findings(unread, DumpFixPlan::plan(unread, ServerInfo{}, {}, "tgt")).join('\n');
    EXPECT_FALSE(said.contains("lacks")) << said.toStdString();
    EXPECT_TRUE(said.contains("what happens to it is known once the server has been read")) << said.toStdString();
}

TEST(TableChoiceFilter, StatementsOfTablesLeftOutBecomeBlankLines) {
    const QByteArray longRow(DumpFilter::kHoldBytes + 4096, 'z');
    const QByteArray dump = "CREATE TABLE `a` (id int);\nINSERT INTO `a` VALUES (1);\n"
                            "DROP TABLE IF EXISTS `b`;\nCREATE TABLE `b` (v longtext);\nINSERT INTO `b` VALUES (2);\n"
                            "INSERT INTO `b` VALUES ('" + longRow + "'),\n(3);\n"
                            "INSERT INTO `a` VALUES (4);\nCREATE VIEW `vb` AS SELECT v FROM b;\n"
                            "CREATE VIEW `va` AS SELECT id FROM a;\n";
    DumpFixes fixes;
    fixes.tables.except = {"b"};
    for (const qsizetype piece : {qsizetype(1) << 20, dump.size()}) {
        const Filtered filtered = filterInPieces(dump, fixes, piece);
        ASSERT_EQ(filtered.result, DumpFilter::Result::goOn);
        EXPECT_EQ(filtered.output.size(), dump.size());
        EXPECT_EQ(filtered.output.count('\n'), dump.count('\n'));
        EXPECT_FALSE(filtered.output.contains("`b`") || filtered.output.contains("zzz") || filtered.output.contains("vb"));
        for (const char* kept : {"CREATE TABLE `a` (id int);\nINSERT INTO `a` VALUES (1);\n",
                                 "INSERT INTO `a` VALUES (4);\n", "CREATE VIEW `va` AS SELECT id FROM a;\n"})
            EXPECT_TRUE(filtered.output.contains(kept)) << kept;
        EXPECT_EQ(filtered.log, QStringList({"Line 3: table b is left out, as chosen; its statements are skipped.",
                                             "Line 9: a view or trigger that names table b is left out, since that table is."}));
    }
    // Only some: every other table is left out, the same way.
    fixes.tables = TableChoice{{"b"}, {}};
    const Filtered onlyB = filterInPieces(dump, fixes, dump.size());
    EXPECT_FALSE(onlyB.output.contains("`a`") || onlyB.output.contains("va"));
    EXPECT_TRUE(onlyB.output.contains("INSERT INTO `b` VALUES (2);"));
}
