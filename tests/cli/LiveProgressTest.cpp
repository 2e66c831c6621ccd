#include <gtest/gtest.h>

#include "cli/LiveProgress.h"
#include "import/ProgressText.h"
#include "l10n/UserSettings.h"

namespace {

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
        {{200, 200, 5000, 1, true, 0, {}, 0, 0}, "File read. MySQL is still writing the last data…", 1},
    };
    for (const auto& [progress, line, fraction] : cases) {
        EXPECT_EQ(ProgressText::line(progress), line);
        EXPECT_DOUBLE_EQ(ProgressText::fraction(progress), fraction);
    }
}

TEST_F(ProgressTextTest, TheLiveLineHasABarAndFitsTheTerminal) {
    EXPECT_EQ(LiveProgress::bar(0.5, 4), "[██░░]");
    EXPECT_EQ(LiveProgress::bar(1.5, 2), "[██]");
    const ImportProgress half{100, 200, 10, 1, false, 0, {}, 0, 0};
    EXPECT_TRUE(LiveProgress::liveLine(half, 0).endsWith(" 50% 100 bytes of 200 bytes · 10 bytes/s · 10 sec left"))
        << LiveProgress::liveLine(half, 0).toStdString();
    const QString cut = LiveProgress::liveLine(half, 30);
    EXPECT_EQ(cut.size(), 29);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
}

}  // namespace
