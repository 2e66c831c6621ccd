// What a stopped import's journal keeps, and how the import continues from it.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "dump/DumpScanning.h"
#include "journal/JournalStore.h"
#include "journal/ResumePlanning.h"

namespace {

ImportJournal journalOf(const QString& dump, qint64 keptEnd, const QString& table, qint64 rows) {
    ImportJournal journal;
    journal.dumpPath = dump;
    journal.dump = DumpIdentity::of(dump).value_or(DumpIdentity{});
    journal.container = "db";
    journal.database = "shop";
    journal.exceptTables = {"logs"};
    journal.kept = {keptEnd, 9, table, rows};
    return journal;
}

class ResumePlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        dump_ = dir_.filePath("shop.sql");
        QFile file(dump_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kDump);
    }

    static constexpr const char* kDump =
        "SET NAMES utf8mb4;\nDROP TABLE IF EXISTS a;\nCREATE TABLE a (x INT);\nINSERT INTO a VALUES (1);\n"
        "INSERT INTO a VALUES (2);\nCREATE TABLE b (x INT);\nINSERT INTO b VALUES (1);\n";
    qint64 endOf(const char* statement) const { return QByteArray(kDump).indexOf(statement) + qstrlen(statement); }

    QTemporaryDir dir_;
    QString dump_;
};

// A journal is written whole, read back as it was, belongs only to its target, and goes.
TEST_F(ResumePlanTest, AJournalKeepsItsImportPerTarget) {
    qputenv("XDG_STATE_HOME", dir_.filePath("state").toUtf8());
    const ImportJournal journal = journalOf(dump_, 123, "a", 7);
    ASSERT_TRUE(JournalStore::save(journal));
    EXPECT_EQ(JournalStore::load("db", "shop"), journal);
    EXPECT_FALSE(JournalStore::load("db", "other").has_value());
    EXPECT_EQ(QFileInfo(JournalStore::folder()).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    // Offsets past 2^53 survive, and anything else in the file is no journal.
    ImportJournal large = journal;
    large.kept.end = (qint64(1) << 60) + 1;
    EXPECT_EQ(ImportJournals::fromJson(ImportJournals::toJson(large)), large);
    EXPECT_FALSE(ImportJournals::fromJson("{\"version\": 1}").has_value());
    EXPECT_FALSE(ImportJournals::fromJson("not json").has_value());
    JournalStore::remove("db", "shop");
    EXPECT_FALSE(JournalStore::load("db", "shop").has_value());
}

// The same file only: another file, or this one changed since, does not continue.
TEST_F(ResumePlanTest, OnlyTheSameUnchangedFileContinues) {
    const ImportJournal journal = journalOf(dump_, 10, "a", 1);
    EXPECT_FALSE(ResumePlanning::mismatch(journal, dump_, DumpIdentity::of(dump_)).has_value());
    EXPECT_TRUE(ResumePlanning::mismatch(journal, dir_.filePath("other.sql"), DumpIdentity::of(dump_))
                    ->contains("not of this file"));
    DumpIdentity touched = *DumpIdentity::of(dump_);
    touched.modifiedNs += 1;
    EXPECT_TRUE(ResumePlanning::mismatch(journal, dump_, touched)->contains("changed since"));
    EXPECT_TRUE(ResumePlanning::mismatch(journalOf(dump_, 0, "", 0), dump_, DumpIdentity::of(dump_))
                    ->contains("Nothing of the stopped import"));
}

// Tables ended before the kept point are left alone; the one begun counts on where it holds what
// its commit left, starts over where the dump drops it first, and refuses otherwise.
TEST_F(ResumePlanTest, TheTableBegunCountsOnOrStartsOverOrRefuses) {
    const DumpScan scan = DumpScanning::scan(kDump, true);
    const qint64 midA = endOf("INSERT INTO a VALUES (1);");
    const ImportJournal inA = journalOf(dump_, midA, "a", 1);
    EXPECT_EQ(ResumePlanning::tableToCount(inA, scan), QString("a"));

    const ResumePlanning::Plan counts = ResumePlanning::plan(inA, scan, {"a"}, 1);
    EXPECT_TRUE(counts.refusal.isEmpty()) << counts.refusal.toStdString();
    EXPECT_EQ(counts.resume.keptEnd, midA);
    EXPECT_EQ(counts.resume.continued, "a");
    EXPECT_EQ(counts.resume.continuedRows, 1);
    EXPECT_TRUE(counts.resume.replayed.isEmpty());
    EXPECT_EQ(counts.tablesLeft, (QStringList{"a", "b"}));

    // More rows than the commit left (a batch committed unseen): the dump's DROP makes it exact.
    const ResumePlanning::Plan over = ResumePlanning::plan(inA, scan, {"a"}, 2);
    EXPECT_TRUE(over.refusal.isEmpty());
    EXPECT_EQ(over.resume.replayed, (QSet<QByteArray>{"a"}));
    EXPECT_TRUE(over.resume.continued.isEmpty());

    // b is begun and the dump does not drop it first: only its count lets it go on.
    const qint64 midB = endOf("CREATE TABLE b (x INT);");
    const ImportJournal inB = journalOf(dump_, midB, "b", 0);
    EXPECT_EQ(ResumePlanning::tableToCount(inB, scan), QString("b"));
    EXPECT_TRUE(ResumePlanning::plan(inB, scan, {"a", "b"}, 0).refusal.isEmpty());
    EXPECT_TRUE(ResumePlanning::plan(inB, scan, {"a", "b"}, 3).refusal.contains("no longer holds"));
    // Before b began, a b that is there already would get the dump's rows on top of its own.
    const ImportJournal afterA = journalOf(dump_, endOf("INSERT INTO a VALUES (2);"), "a", 2);
    EXPECT_FALSE(ResumePlanning::tableToCount(afterA, scan).has_value());
    EXPECT_TRUE(ResumePlanning::plan(afterA, scan, {"a", "b"}, std::nullopt).refusal.contains("already in the database"));
    EXPECT_TRUE(ResumePlanning::plan(afterA, scan, {"a"}, std::nullopt).refusal.isEmpty());
    // Only a dump read to its end tells where each table's statements lie.
    EXPECT_TRUE(ResumePlanning::plan(inA, DumpScanning::scan(kDump, false), {"a"}, 1).refusal.contains("whole dump"));
}

}  // namespace
