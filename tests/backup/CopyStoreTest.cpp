// Saved copies on disk: listed only when finished, newest first per target, pruned by age, and
// never touched outside their folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include "backup/CopyStore.h"

namespace {

class CopyStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
        ASSERT_TRUE(CopyStore::prepareFolder());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", saved_); }

    // A finished copy: its file, then its description.
    TableCopy saved(const QString& container, const QString& database, const QDateTime& created) {
        TableCopy copy{CopyStore::newCopyPath(container, database, created),
                       container,
                       database,
                       "/dumps/shop.sql",
                       created,
                       {"orders"},
                       {},
                       3};
        QFile file(copy.path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("zst");
        file.close();
        EXPECT_TRUE(CopyStore::record(copy));
        return copy;
    }

    QTemporaryDir dir_;
    QByteArray saved_;
    const QDateTime now_ = QDateTime(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
};

TEST_F(CopyStoreTest, TheNewestFinishedCopyOfATargetIsTheOneToUndoWith) {
    EXPECT_EQ(CopyStore::folder(), dir_.path() + "/Tarnwell/backups");
    EXPECT_EQ(QFile::permissions(CopyStore::folder()) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    const TableCopy older = saved("db", "shop", now_.addDays(-2));
    const TableCopy newer = saved("db", "shop", now_.addSecs(-60));
    const TableCopy elsewhere = saved("db", "other", now_);
    // Names that hold anything still make a file in the folder, and distinct ones.
    const TableCopy odd = saved("../db", "a/b c", now_);
    EXPECT_EQ(QFileInfo(odd.path).absolutePath(), CopyStore::folder());
    EXPECT_NE(CopyStore::newCopyPath("db", "shop", now_), CopyStore::newCopyPath("db", "shop2", now_));

    EXPECT_EQ(CopyStore::latest("db", "shop"), newer);
    EXPECT_EQ(CopyStore::latest("db", "other"), elsewhere);
    EXPECT_EQ(CopyStore::latest("db2", "shop"), std::nullopt);
    EXPECT_EQ(CopyStore::list().size(), 4);
    EXPECT_EQ(CopyStore::list().last(), older);

    // A copy that never finished has no description and is not listed.
    QFile unfinished(CopyStore::newCopyPath("db", "shop", now_));
    ASSERT_TRUE(unfinished.open(QIODevice::WriteOnly));
    unfinished.close();
    EXPECT_EQ(CopyStore::latest("db", "shop"), newer);

    // A copy whose file went is not listed either.
    QFile::remove(newer.path);
    EXPECT_EQ(CopyStore::latest("db", "shop"), older);

    CopyStore::remove(older);
    EXPECT_FALSE(QFile::exists(older.path));
    EXPECT_EQ(CopyStore::latest("db", "shop"), std::nullopt);
}

TEST_F(CopyStoreTest, CopiesOlderThanTheirDaysGoAndADescriptionCannotPointOutside) {
    const TableCopy old = saved("db", "shop", now_.addDays(-15));
    const TableCopy recent = saved("db", "shop", now_.addDays(-13));
    EXPECT_EQ(CopyStore::prune(14, now_), 1);
    EXPECT_FALSE(QFile::exists(old.path));
    EXPECT_EQ(CopyStore::list(), QList<TableCopy>({recent}));

    // A description naming a file elsewhere is not listed, and removing it leaves that file alone.
    const QString outside = dir_.filePath("precious.sql.zst");
    QFile precious(outside);
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.close();
    TableCopy forged = recent;
    forged.path = outside;
    EXPECT_FALSE(CopyStore::record(forged));
    QFile description(CopyStore::folder() + "/forged.json");
    ASSERT_TRUE(description.open(QIODevice::WriteOnly));
    description.write(TableCopies::toJson(forged));
    description.close();
    EXPECT_EQ(CopyStore::list(), QList<TableCopy>({recent}));
    CopyStore::remove(forged);
    EXPECT_TRUE(QFile::exists(outside));

    // The description's round trip keeps everything, 64-bit sizes too.
    TableCopy big = recent;
    big.bytes = qint64(1) << 40;
    big.removes = {"fresh"};
    EXPECT_EQ(TableCopies::fromJson(TableCopies::toJson(big)), big);
    EXPECT_EQ(TableCopies::fromJson("{\"format\":2}"), std::nullopt);
    EXPECT_EQ(TableCopies::fromJson("not json"), std::nullopt);
}

}  // namespace
