// Rows loaded in several sessions at once, into a real server: the same tables as one session
// makes, and a failure in any session stops them all with whole batches kept.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <mutex>
#include <sys/wait.h>

#include "docker/DockerClient.h"
#include "dump/DumpFixPlan.h"
#include "dump/DumpScanning.h"
#include "import/ImportRunner.h"
#include "support/FixtureServer.h"
#include "support/Fixtures.h"

namespace {

class SpreadRows : public ::testing::Test {
protected:
    void TearDown() override {
        for (const QString& database : created) seeded.sql("DROP DATABASE IF EXISTS `" + database + "`");
    }
    QString newDatabase(const QString& role) {
        const QString name = QString("spread_%1_%2_%3")
                                 .arg(qEnvironmentVariable("TARNWELL_FIXTURE_RUN", "run"))
                                 .arg(::getpid())
                                 .arg(role)
                                 .replace('-', '_');
        seeded.sql("DROP DATABASE IF EXISTS `" + name + "`; CREATE DATABASE `" + name + "`");
        created << name;
        return name;
    }
    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    // The import as the window plans it for this server, in `jobs` sessions.
    ImportOutcome importInto(const QString& database, const QString& file, const QByteArray& text, int jobs,
                             int batchStatements) {
        ImportRequest request = seeded.request(file, database);
        request.fixes = DumpFixPlan::plan(DumpScanning::scan(text, true), server, {}, database);
        request.fixes.batchStatements = batchStatements;
        request.jobs = jobs;
        ImportRunner runner;
        logged.clear();
        return runner.run(request, seeded.client, {}, [this](const QString& line) {
            std::lock_guard hold(logLock);
            logged << line;
        });
    }
    // Tables with rows, checksums and keys, and the views, triggers and routines with their bodies.
    QString everything(const QString& database) const {
        return QString(seeded.fingerprint(database) + '\n' +
                       seeded.sql("SELECT TABLE_NAME, INDEX_NAME, SEQ_IN_INDEX, COLUMN_NAME, NON_UNIQUE FROM "
                                  "information_schema.STATISTICS WHERE TABLE_SCHEMA='" +
                                  database + "' ORDER BY 1, 2, 3") +
                       '\n' +
               seeded.sql("SELECT TABLE_NAME, VIEW_DEFINITION FROM information_schema.VIEWS WHERE TABLE_SCHEMA='" +
                          database + "' ORDER BY 1") +
               '\n' +
               seeded.sql("SELECT TRIGGER_NAME, ACTION_STATEMENT FROM information_schema.TRIGGERS WHERE "
                          "TRIGGER_SCHEMA='" +
                          database + "' ORDER BY 1") +
               '\n' +
               seeded.sql("SELECT ROUTINE_NAME, ROUTINE_DEFINITION FROM information_schema.ROUTINES WHERE "
                          "ROUTINE_SCHEMA='" +
                          database + "' ORDER BY 1"))
            .replace(database, "db");
    }
    static QByteArray dumpNamed(const char* name) {
        QFile file(QStringLiteral(TARNWELL_TEST_DUMPS "/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    }

    FixtureServer seeded{Fixtures::seeded(), Fixtures::seededPassword()};
    ServerInfo server = seeded.client.fetchServerInfo(seeded.container, "root", seeded.password);
    QStringList created;
    QTemporaryDir dir;
    std::mutex logLock;
    QStringList logged;
};

// A dump as the dump tools write one, with what makes the order of rows matter around it: a
// trigger that counts rows once they are in, a character set switched for one table's rows, a
// numbered column, a MyISAM table, a view and a routine, strings with delimiters and line breaks.
QByteArray mixedDump() {
    QByteArray dump =
        "/*!40101 SET NAMES utf8mb4 */;\n/*!40103 SET TIME_ZONE='+00:00' */;\n"
        "/*!40014 SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0 */;\n"
        "/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO' */;\n"
        "CREATE TABLE `tally` (`n` int NOT NULL) ENGINE=InnoDB;\nINSERT INTO `tally` VALUES (0);\n";
    const auto rowsOf = [&](const QByteArray& table, int count, int perStatement, const QByteArray& extra) {
        dump += "DROP TABLE IF EXISTS `" + table + "`;\nCREATE TABLE `" + table +
                "` (\n  `id` int NOT NULL AUTO_INCREMENT,\n  `v` varchar(64),\n  `at` timestamp NULL,\n  PRIMARY KEY "
                "(`id`),\n  KEY `v` (`v`(8),`at`)\n) " +
                extra + ";\nLOCK TABLES `" + table + "` WRITE;\n/*!40000 ALTER TABLE `" + table +
                "` DISABLE KEYS */;\n";
        for (int id = 1; id <= count;) {
            dump += "INSERT INTO `" + table + "` VALUES ";
            for (int k = 0; k < perStatement && id <= count; ++k, ++id)
                dump += (k ? ",(" : "(") + QByteArray::number(id) + ",'" + table + " ;\\n" + QByteArray::number(id) +
                        "','2026-03-29 01:30:00')";
            dump += ";\n";
        }
        dump += "/*!40000 ALTER TABLE `" + table + "` ENABLE KEYS */;\nUNLOCK TABLES;\n";
    };
    rowsOf("one_row", 400, 1, "ENGINE=InnoDB AUTO_INCREMENT=401");
    dump += "DELIMITER ;;\n/*!50003 CREATE*/ /*!50003 TRIGGER `count_one` AFTER INSERT ON `one_row` FOR EACH ROW "
            "UPDATE tally SET n = n + 1 */;;\nDELIMITER ;\n";
    rowsOf("extended", 3000, 50, "ENGINE=InnoDB DEFAULT CHARSET=utf8mb4");
    dump += "/*!40101 SET NAMES latin1 */;\n";
    rowsOf("latin", 200, 3, "ENGINE=InnoDB DEFAULT CHARSET=utf8mb4");
    dump.replace("'latin ;", "'l\xe9tin ;");
    dump += "/*!40101 SET NAMES utf8mb4 */;\n";
    rowsOf("plain_myisam", 300, 7, "ENGINE=MyISAM");
    dump += "INSERT INTO `one_row` VALUES (1000,'after the trigger',NULL);\n"
            "CREATE VIEW `both` AS SELECT o.id, e.v FROM one_row o JOIN extended e USING (id);\n"
            "DELIMITER ;;\nCREATE PROCEDURE `rows_of`(OUT c int) BEGIN SELECT COUNT(*) INTO c FROM extended; END ;;\n"
            "DELIMITER ;\n/*!40101 SET SQL_MODE=@OLD_SQL_MODE */;\n";
    return dump;
}

TEST_F(SpreadRows, SeveralSessionsMakeWhatOneSessionMakes) {
    ASSERT_TRUE(server.isMariadb());
    for (const char* name : {"mixed", "mysql80.sql", "mariadb1011.sql"}) {
        const QByteArray text = QByteArrayView(name) == "mixed" ? mixedDump() : dumpNamed(name);
        const QString file = write(QString::fromLatin1(name), text);
        const QString one = newDatabase(QString::fromLatin1(name).section('.', 0, 0) + "_1");
        const ImportOutcome single = importInto(one, file, text, 1, 7);
        ASSERT_EQ(single.kind, ImportOutcome::Kind::success) << name << single.message.toStdString();
        const QString three = newDatabase(QString::fromLatin1(name).section('.', 0, 0) + "_3");
        const ImportOutcome spread = importInto(three, file, text, 3, 7);
        ASSERT_EQ(spread.kind, ImportOutcome::Kind::success) << name << spread.message.toStdString();
        EXPECT_EQ(everything(three), everything(one)) << name;
        if (QByteArrayView(name) == "mixed") {
            // The rows did go elsewhere, and the trigger counted only the row after it.
            EXPECT_TRUE(logged.contains("Table extended: all its rows are in (9 batches committed)."))
                << logged.join('\n').toStdString();
            EXPECT_EQ(seeded.sql("SELECT n FROM `" + three + "`.tally"), "1");
            EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM `" + three + "`.latin WHERE v LIKE 'l\xc3\xa9tin%'"), "200");
            // The list of tables tells every table done with the rows the server holds.
            ASSERT_EQ(spread.tables.size(), 5);
            for (const TableLoad& table : spread.tables) {
                EXPECT_EQ(table.state, TableLoad::State::done) << table.name.toStdString();
                EXPECT_EQ(QString::number(table.rows),
                          seeded.sql("SELECT COUNT(*) FROM `" + three + "`.`" + table.name + "`"))
                    << table.name.toStdString();
            }
        }
    }
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

// Rows into an empty table with the checks off may lock the whole table until they are committed
// (MariaDB's bulk insert): a small second batch that got there first would wait for its turn to
// commit behind a first batch that waits for its lock. The first batch of a table goes alone.
TEST_F(SpreadRows, ALaterBatchNeverTakesAnEmptyTableFromTheFirst) {
    QByteArray dump = "SET UNIQUE_CHECKS=0;\nSET FOREIGN_KEY_CHECKS=0;\n"
                      "CREATE TABLE `r` (`id` int PRIMARY KEY, `v` varchar(60)) ENGINE=InnoDB;\nINSERT INTO `r` VALUES ";
    for (int id = 1; id <= 30000; ++id)
        dump += (id > 1 ? ",(" : "(") + QByteArray::number(id) + ",'a long enough value to make one big batch')";
    dump += ";\n";
    for (int id = 30001; id <= 30400; ++id) dump += "INSERT INTO `r` VALUES (" + QByteArray::number(id) + ",'x');\n";
    const QString database = newDatabase("empty");
    const ImportOutcome outcome = importInto(database, write("empty.sql", dump), dump, 3, 50);
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM `" + database + "`.r"), "30400");
}

// A duplicate row in one session's batch: every session stops, the tables keep whole batches from
// the first on, and the failure names the statement in the dump's own line.
TEST_F(SpreadRows, AFailureInOneSessionStopsThemAllWithWholeBatchesKept) {
    QByteArray dump = "CREATE TABLE `r` (`id` int PRIMARY KEY) ENGINE=InnoDB;\n";
    for (int i = 1; i <= 6000; ++i)
        dump += "INSERT INTO `r` VALUES (" + QByteArray::number(i == 1700 ? 1699 : i) + ");\n";
    const QString database = newDatabase("failure");
    const ImportOutcome outcome = importInto(database, write("dup.sql", dump), dump, 3, 100);
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::failed);
    ASSERT_EQ(outcome.tables.size(), 1);
    EXPECT_EQ(outcome.tables[0].state, TableLoad::State::failed);
    EXPECT_TRUE(outcome.message.contains("at line 1701: Duplicate entry '1699'")) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains("INSERT INTO `r` VALUES (1699);")) << outcome.message.toStdString();
    const QStringList kept = seeded.sql("SELECT COUNT(*), COALESCE(MAX(id), 0) FROM `" + database + "`.r").split('\t');
    ASSERT_EQ(kept.size(), 2);
    // Batch 17 holds the duplicate: batches 1 to 16 at most, and never one after a missing one.
    EXPECT_EQ(kept[0], kept[1]);
    EXPECT_EQ(kept[1].toInt() % 100, 0);
    EXPECT_LE(kept[1].toInt(), 1600);
    const QString told = logged.join('\n');
    EXPECT_TRUE(told.contains(QString("up to line %1 (table r)").arg(kept[1].toInt() + 1)) ||
                (kept[1] == "0" && told.contains("No batch of rows was committed yet")))
        << told.toStdString();
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

}  // namespace
