#include <gtest/gtest.h>

#include "cli/LiveProgress.h"
#include "import/ProgressText.h"
#include "l10n/UserSettings.h"

namespace {

// Sizes keep their number and unit together with a no-break space; these lines compare words.
QString spaced(QString text) { return text.replace(QChar(0x00A0), QLatin1Char(' ')); }

class ProgressTextTest : public ::testing::Test {
protected:
    void SetUp() override { UserSettings::open()->setValue("appLanguage", "en"); }
    void TearDown() override { UserSettings::open()->clear(); }
};

TEST_F(ProgressTextTest, TheLineIsComposedAsInTheWindow) {
    const struct {
        ImportProgress progress;
        QString line;
        double fraction;
    } cases[] = {
        {{0, 0, 0, 0, false, 0, {}, 0, 0}, "Zero KB of Zero KB · … · Measuring speed…", 0},
        {{50000000, 200000000, 25000000, 2, false, 0, {}, 0, 0}, "50 MB of 200 MB · 25 MB/s · 6 sec left", 0.25},
        {{50000000, 200000000, 25000000, 2, false, 0, "orders", 2, 12},
         "orders, 2 of 12 tables · 50 MB of 200 MB · 25 MB/s · 6 sec left",
         0.25},
        {{50000000, 200000000, 25000000, 2, false, 0, "orders", 13, 0},
         "orders, table 13 · 50 MB of 200 MB · 25 MB/s · 6 sec left",
         0.25},
        {{50000000, 200000000, 0.5, 2, false, 0, {}, 0, 0}, "50 MB of 200 MB · … · Measuring speed…", 0.25},
        {{300, 200, 5000, 1, false, 0, {}, 0, 0}, "300 bytes of 200 bytes · 5 KB/s · Measuring speed…", 1},
        {{200, 200, 5000, 1, true, 0, {}, 0, 0}, "File read. The server is still writing the last data…", 1},
    };
    for (const auto& [progress, line, fraction] : cases) {
        EXPECT_EQ(spaced(ProgressText::line(progress)), line);
        EXPECT_DOUBLE_EQ(ProgressText::fraction(progress), fraction);
    }
}

TEST_F(ProgressTextTest, TablesAreCountedByTheirRowsNotByTheirCreation) {
    // A dump that creates all its tables first, then loads them.
    QList<TableLoad> tables;
    for (const char* name : {"a", "b", "c", "d"}) tables.append(TableLoad{name, TableLoad::State::done, 1, 100, 0});
    ImportProgress progress{50, 200, 10, 1, false, 0, "d", 4, 4, tables};
    EXPECT_EQ(spaced(ProgressText::line(progress)), "d · 50 bytes of 200 bytes · 10 bytes/s · 15 sec left");
    progress.table = "a";
    progress.tables[0].rows = 10;
    progress.tables[0].state = TableLoad::State::loading;
    EXPECT_EQ(ProgressText::tableNumber(progress), 1);
    progress.table = "b";
    progress.tables[1].state = TableLoad::State::loading;
    EXPECT_TRUE(ProgressText::line(progress).startsWith("b, 2 of 4 tables · "));
    progress.tables[1].rows = 5;
    EXPECT_EQ(ProgressText::tableNumber(progress), 2);
}

TEST_F(ProgressTextTest, TheLiveLineHasABarAndFitsTheTerminal) {
    EXPECT_EQ(LiveProgress::bar(0.5, 4), "[██░░]");
    EXPECT_EQ(LiveProgress::bar(1.5, 2), "[██]");
    const ImportProgress half{100, 200, 10, 1, false, 0, {}, 0, 0};
    EXPECT_TRUE(spaced(LiveProgress::liveLine(half, 0)).endsWith(" 50% 100 bytes of 200 bytes · 10 bytes/s · 10 sec left"))
        << LiveProgress::liveLine(half, 0).toStdString();
    const QString cut = LiveProgress::liveLine(half, 30);
    EXPECT_EQ(cut.size(), 29);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
}

}  // namespace
