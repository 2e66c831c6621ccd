// Rows spread over several sessions: which statements the stream hands to the rows' sessions, where
// their batches end, and what every session repeats first.
#include <gtest/gtest.h>

#include "dump/DumpFilter.h"

namespace {

struct Lanes {
    QByteArray transcript;  // the output, with <rows>, <main> and <batch> where the stream said so
    QList<QByteArray> settings;
    QStringList log;
    DumpFilter::Result result = DumpFilter::Result::goOn;
    bool operator==(const Lanes&) const = default;
};

DumpFixes spreading(int batchStatements) {
    DumpFixes fixes;
    fixes.batchStatements = batchStatements;
    fixes.batchTag = "tag";
    return fixes;
}

Lanes filterInLanes(const QList<QByteArrayView>& chunks, const DumpFixes& fixes) {
    Lanes lanes;
    DumpFilter filter(fixes, [&](const QString& line) { lanes.log << line; });
    filter.spreadRows({[&](bool rows) {
                           lanes.transcript += rows ? "<rows>" : "<main>";
                           return true;
                       },
                       [&](qint64) {
                           lanes.transcript += "<batch>";
                           return true;
                       },
                       [&](QByteArrayView statement) { lanes.settings << statement.toByteArray(); }});
    const DumpFilter::Sink sink = [&](QByteArrayView bytes) {
        lanes.transcript += bytes;
        return true;
    };
    for (const QByteArrayView chunk : chunks) {
        lanes.result = filter.feed(chunk, sink);
        if (lanes.result != DumpFilter::Result::goOn) return lanes;
    }
    lanes.result = filter.finish(sink);
    return lanes;
}

Lanes filterEverySplit(const QByteArray& text, const DumpFixes& fixes) {
    const Lanes whole = filterInLanes({text}, fixes);
    const qsizetype stride = qMax(1, qEnvironmentVariableIntValue("TARNWELL_TEST_CUT_STRIDE"));
    for (qsizetype cut = 1; cut < text.size(); cut += stride) {
        const Lanes split = filterInLanes({QByteArrayView(text).first(cut), QByteArrayView(text).sliced(cut)}, fixes);
        EXPECT_EQ(split, whole) << "cut at " << cut << "\n" << split.transcript.toStdString() << "\n----\n"
                                << whole.transcript.toStdString();
        if (split != whole) break;
    }
    return whole;
}

// The text of each stretch the transcript gives one kind of session, markers removed.
QByteArray stretches(const QByteArray& transcript, const char* open) {
    QByteArray kept;
    bool inside = QByteArrayView(open) == "<main>";
    qsizetype at = 0;
    while (at < transcript.size()) {
        const qsizetype next = transcript.indexOf('<', at);
        const qsizetype end = next < 0 ? transcript.size() : next;
        if (inside) kept += transcript.mid(at, end - at);
        if (next < 0) break;
        const qsizetype close = transcript.indexOf('>', next);
        const QByteArray marker = transcript.mid(next, close - next + 1);
        if (marker == "<rows>" || marker == "<main>") inside = marker == open;
        else if (marker != "<batch>") kept += marker;
        at = close + 1;
    }
    return kept;
}

const QByteArray kHeader =
    "/*!40101 SET NAMES utf8mb4 */;\n/*!40014 SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0 */;\n";

QByteArray table(const QByteArray& name, const QByteArray& options, int rows) {
    QByteArray text = "DROP TABLE IF EXISTS `" + name + "`;\nCREATE TABLE `" + name +
                      "` (\n  `id` int NOT NULL AUTO_INCREMENT,\n  `v` text,\n  PRIMARY KEY (`id`)\n) " + options +
                      ";\nLOCK TABLES `" + name + "` WRITE;\n/*!40000 ALTER TABLE `" + name + "` DISABLE KEYS */;\n";
    for (int i = 1; i <= rows; ++i)
        text += "INSERT INTO `" + name + "` VALUES (" + QByteArray::number(i) + ",'r;" + QByteArray::number(i) + "');\n";
    return text + "/*!40000 ALTER TABLE `" + name + "` ENABLE KEYS */;\nUNLOCK TABLES;\n";
}

TEST(RowLanes, RowsOfTablesTheDumpMadeGoToTheRowsSessionsInBatches) {
    const QByteArray dump = kHeader + table("a", "ENGINE=InnoDB", 5) +
                            "DELIMITER ;;\nCREATE TRIGGER tr BEFORE INSERT ON a FOR EACH ROW SET NEW.v = 'x' ;;\n"
                            "DELIMITER ;\n" +
                            table("b", "ENGINE=InnoDB", 2) + table("c", "ENGINE=MyISAM", 2) + table("d", "", 1);
    const Lanes lanes = filterEverySplit(dump, spreading(2));
    ASSERT_EQ(lanes.result, DumpFilter::Result::goOn);
    // a: 5 rows in batches of 2; b was made after the trigger, so its rows still spread; c and d not.
    EXPECT_EQ(lanes.transcript.count("<rows>"), 2);
    EXPECT_EQ(lanes.transcript.count("<batch>"), 4);
    const QByteArray rows = stretches(lanes.transcript, "<rows>");
    const QByteArray main = stretches(lanes.transcript, "<main>");
    for (const char* statement : {"INSERT INTO `a` VALUES (1,'r;1');", "INSERT INTO `a` VALUES (5,'r;5');",
                                  "INSERT INTO `b` VALUES (2,'r;2');"}) {
        EXPECT_TRUE(rows.contains(statement)) << statement;
        EXPECT_FALSE(main.contains(statement)) << statement;
    }
    EXPECT_TRUE(main.contains("INSERT INTO `c` VALUES (1,'r;1');"));
    EXPECT_TRUE(main.contains("INSERT INTO `d` VALUES (1,'r;1');"));
    EXPECT_FALSE(rows.contains("CREATE") || rows.contains("ALTER") || rows.contains("TRIGGER"));
    // No session locks a table the others load; the lines keep their numbers.
    EXPECT_FALSE(lanes.transcript.contains("LOCK TABLES"));
    // Only the first session's last COMMIT, on lines of its own, adds to them.
    EXPECT_EQ(main.count('\n') + rows.count('\n'), dump.count('\n') + 2);
    EXPECT_EQ(lanes.settings, (QList<QByteArray>{"/*!40101 SET NAMES utf8mb4 */",
                                                 "/*!40014 SET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0 */"}));
    EXPECT_TRUE(lanes.log.contains("Table a: all its rows are in (3 batches committed).")) << lanes.log.join('\n').toStdString();
}

TEST(RowLanes, WhatTheOrderOfRowsCouldChangeStaysInOrder) {
    // A trigger made between a table and its rows fires on them.
    const QByteArray trigger = "CREATE TABLE `t` (`id` int) ENGINE=InnoDB;\n"
                               "CREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET @n = @n + 1;\n"
                               "INSERT INTO `t` VALUES (1);\n";
    // A counted column left to the server; rows under another delimiter; a client command.
    const QByteArray counted = "CREATE TABLE `t` (`id` int AUTO_INCREMENT, KEY (`id`)) ENGINE=InnoDB;\n"
                               "INSERT INTO `t` VALUES (NULL);\n";
    const QByteArray delimited = "CREATE TABLE `t` (`id` int) ENGINE=InnoDB;\nDELIMITER //\n"
                                 "INSERT INTO `t` VALUES (1)//\n";
    const QByteArray command = "charset utf8mb4\nCREATE TABLE `t` (`id` int) ENGINE=InnoDB;\nINSERT INTO `t` VALUES (1);\n";
    // A table altered before its rows, and one the dump did not make.
    const QByteArray altered = "CREATE TABLE `t` (`id` int) ENGINE=InnoDB;\nALTER TABLE `t` ADD `n` int AUTO_INCREMENT "
                               "KEY;\nINSERT INTO `t` VALUES (1, NULL);\n";
    const QByteArray foreign = "INSERT INTO `t` VALUES (1);\n";
    for (const QByteArray& dump : {trigger, counted, delimited, command, altered, foreign}) {
        const Lanes lanes = filterInLanes({dump}, spreading(1000));
        EXPECT_FALSE(lanes.transcript.contains("<rows>")) << dump.toStdString();
    }
    // The same rows with their own numbers do spread.
    const QByteArray numbered = "CREATE TABLE `t` (`id` int AUTO_INCREMENT, KEY (`id`)) ENGINE=InnoDB;\n"
                                "INSERT INTO `t` VALUES (4);\n";
    EXPECT_TRUE(filterInLanes({numbered}, spreading(1000)).transcript.contains("<rows>"));
}

TEST(RowLanes, SecondaryKeysFollowTheRowsInTheFirstSession) {
    DumpFixes fixes = spreading(2);
    fixes.deferKeys = true;
    const QByteArray dump = "CREATE TABLE `t` (`id` int, `k` int, PRIMARY KEY (`id`), KEY `k` (`k`)) ENGINE=InnoDB;\n"
                            "LOCK TABLES `t` WRITE;\nINSERT INTO `t` VALUES (1,2);\nINSERT INTO `t` VALUES (2,2);\n"
                            "INSERT INTO `t` VALUES (3,2);\nUNLOCK TABLES;\nCREATE TABLE `u` (`id` int, KEY (`id`)) "
                            "ENGINE=InnoDB;\nINSERT INTO `u` VALUES (1)";
    const Lanes lanes = filterEverySplit(dump, fixes);
    ASSERT_EQ(lanes.result, DumpFilter::Result::goOn);
    const QByteArray main = stretches(lanes.transcript, "<main>");
    EXPECT_FALSE(main.contains("KEY `k` (`k`)) ENGINE"));
    // After all of t's rows, before u; u's keys come at the end, after its unterminated last row.
    const qsizetype keys = lanes.transcript.indexOf("ALTER TABLE `t` ADD KEY `k` (`k`) ;");
    EXPECT_GT(keys, lanes.transcript.lastIndexOf("<main>", lanes.transcript.indexOf("CREATE TABLE `u`")));
    EXPECT_LT(keys, lanes.transcript.indexOf("CREATE TABLE `u`"));
    EXPECT_TRUE(lanes.transcript.endsWith("INSERT INTO `u` VALUES (1);\nALTER TABLE `u` ADD KEY (`id`) ; \nCOMMIT ;\n"))
        << lanes.transcript.toStdString();
    EXPECT_EQ(lanes.transcript.count('\n'), dump.count('\n') + 3);
}

TEST(RowLanes, ARefusalEndsTheRowsFirstAndUseIsRepeated) {
    DumpFixes fixes = spreading(1000);
    fixes.confirmedDatabases = {"tgt"};
    const QByteArray dump = "USE `tgt`;\nCREATE TABLE `t` (`id` int) ENGINE=InnoDB;\nINSERT INTO `t` VALUES (1);\n"
                            "INSERT INTO `t` VALUES (2);\nUSE `other`;\nINSERT INTO `t` VALUES (3);\n";
    const Lanes lanes = filterEverySplit(dump, fixes);
    EXPECT_EQ(lanes.result, DumpFilter::Result::refused);
    // The two whole rows are a batch of their own, committed before the stream stops.
    EXPECT_TRUE(lanes.transcript.contains("(2);\n<batch><main>")) << lanes.transcript.toStdString();
    EXPECT_FALSE(lanes.transcript.contains("(3)"));
    EXPECT_EQ(lanes.settings, QList<QByteArray>{"USE `tgt`"});
}

}  // namespace

namespace {

struct BoardSnapshot {
    QList<TableLoad> atRows;  // when rows went to the rows' sessions the first time
    QList<TableLoad> atEnd;
};

BoardSnapshot boardOf(const QByteArray& dump, const QStringList& expected, bool spread) {
    BoardSnapshot snapshot;
    DumpFilter filter(spreading(2), {});
    filter.expectTables(expected);
    if (spread)
        filter.spreadRows({[&](bool rows) {
                               if (rows && snapshot.atRows.isEmpty()) snapshot.atRows = filter.tables();
                               return true;
                           },
                           [](qint64) { return true; }, [](QByteArrayView) {}, 3});
    const DumpFilter::Sink sink = [](QByteArrayView) { return true; };
    EXPECT_EQ(filter.feed(dump, sink), DumpFilter::Result::goOn);
    EXPECT_EQ(filter.finish(sink), DumpFilter::Result::goOn);
    snapshot.atEnd = filter.tables();
    return snapshot;
}

}  // namespace

TEST(TableBoard, EachTableShowsWhereItStandsWithItsBytesAndRows) {
    using State = TableLoad::State;
    const QByteArray dump = kHeader + table("a", "ENGINE=InnoDB", 5) + table("b", "ENGINE=MyISAM", 2) +
                            "INSERT INTO `b` VALUES (10,'x'),(11,'(y)'),(12,')');\n";
    const BoardSnapshot spread = boardOf(dump, {"later", "a"}, true);
    // Tables the inspection saw wait in its order; rows in three sessions show as such.
    ASSERT_EQ(spread.atRows.size(), 2);
    EXPECT_EQ(spread.atRows[1].state, State::loading);
    EXPECT_EQ(spread.atRows[1].sessions, 3);
    ASSERT_EQ(spread.atEnd.size(), 3);
    EXPECT_EQ(spread.atEnd[0].name, "later");
    EXPECT_EQ(spread.atEnd[0].state, State::waiting);
    EXPECT_EQ(spread.atEnd[1].state, State::done);
    EXPECT_EQ(spread.atEnd[1].sessions, 1);
    EXPECT_EQ(spread.atEnd[1].rows, 5);
    EXPECT_GT(spread.atEnd[1].bytes, 5 * 30);
    EXPECT_EQ(spread.atEnd[2].state, State::loading);
    EXPECT_EQ(spread.atEnd[2].rows, 5);
    // Once the import is over, what was loading has its end.
    EXPECT_EQ(TableBoards::settled(spread.atEnd, State::stopped)[2].state, State::stopped);
    EXPECT_EQ(TableBoards::counts(TableBoards::settled(spread.atEnd, State::done)).done, 2);

    // A dump that creates every table before it loads any: a table the dump comes back to loads again.
    const QByteArray createsFirst = kHeader + "CREATE TABLE `p` (`id` int) ENGINE=InnoDB;\n"
                                              "CREATE TABLE `q` (`id` int) ENGINE=InnoDB;\n"
                                              "INSERT INTO `p` VALUES (1),(2);\nINSERT INTO `q` VALUES (3);\n"
                                              "INSERT INTO `p` VALUES (4);\n";
    const QList<TableLoad> single = boardOf(createsFirst, {}, false).atEnd;
    ASSERT_EQ(single.size(), 2);
    EXPECT_EQ(single[0].rows, 3);
    EXPECT_EQ(single[0].state, State::loading);
    EXPECT_EQ(single[1].rows, 1);
    EXPECT_EQ(single[1].state, State::done);
}
