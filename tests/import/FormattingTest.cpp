#include <QLocale>

#include <gtest/gtest.h>

#include "import/SpeedWindow.h"
#include "l10n/ByteFormatting.h"
#include "l10n/UserSettings.h"

namespace {

class English : public ::testing::Test {
protected:
    void SetUp() override { UserSettings::open()->setValue("appLanguage", "en"); }
    void TearDown() override { UserSettings::open()->remove("appLanguage"); }
};

// A size never wraps between number and unit.
QString local(QString text) { return text.replace(' ', QChar(0x00A0)); }

void useLanguage(const char* code) { UserSettings::open()->setValue("appLanguage", code); }

}  // namespace

TEST_F(English, Durations) {
    const std::pair<double, const char*> cases[] = {
        {0, "0 sec"},         {-3, "0 sec"},        {59.4, "59 sec"},        {59.5, "1 min"},
        {60, "1 min"},        {61, "1 min 1 sec"},  {3599, "59 min 59 sec"}, {3600, "1 hr 0 min"},
        {3659, "1 hr 0 min"}, {7384, "2 hr 3 min"}, {75, "1 min 15 sec"},    {360000, "100 hr 0 min"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(ByteFormatting::duration(seconds), text) << seconds;
}

TEST_F(English, Sizes) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "Zero KB"},
        {1, "1 byte"},
        {999, "999 bytes"},
        {1000, "1 KB"},
        {1499, "1 KB"},
        {1500, "2 KB"},
        {999499, "999 KB"},
        {999500, "1 MB"},
        {1500000, "1.5 MB"},
        {1049999, "1 MB"},
        {2147483648LL, "2.15 GB"},
        {11000000000LL, "11 GB"},
        {1234567890123LL, "1.23 TB"},
        {999999999999999999LL, "1 EB"},
        {9223372036854775807LL, "9.22 EB"},
        {-1500000, "-1.5 MB"},
    };
    for (const auto& [count, text] : cases) EXPECT_EQ(ByteFormatting::bytes(count), local(text)) << count;
    EXPECT_EQ(ByteFormatting::bytes(quint64(~0ULL)), local("9.22 EB"));
}

TEST_F(English, SizesFollowTheInterfaceLanguageNotTheSystem) {
    useLanguage("de");
    EXPECT_EQ(ByteFormatting::bytes(qint64(1500000)), local("1,5 MB"));
    EXPECT_EQ(ByteFormatting::bytes(qint64(0)), local("Null KB"));
    EXPECT_EQ(ByteFormatting::bytes(qint64(1)), local("1 Byte"));
    useLanguage("fr");
    EXPECT_EQ(ByteFormatting::bytes(qint64(2150000000LL)), local("2,15 Go"));
    useLanguage("ja");
    EXPECT_EQ(ByteFormatting::bytes(qint64(1500000)), local("1.5 MB"));
}

TEST_F(English, Speeds) {
    const std::pair<double, const char*> cases[] = {
        {0, "…"},
        {1, "…"},
        {0.5, "…"},
        {-5, "…"},
        {std::nan(""), "…"},
        {1.5, "1 byte/s"},
        {2500000, "2.5 MB/s"},
        {1e30, "9.22 EB/s"},
    };
    for (const auto& [speed, text] : cases) EXPECT_EQ(ByteFormatting::speed(speed), local(text)) << speed;
}

TEST(SpeedWindow, AveragesOverTheLastEightSeconds) {
    SpeedWindow window;
    // Steady 10 MB/s in 0.05 s steps: nothing until 0.4 s of samples exist.
    for (int step = 0; step <= 200; ++step) {
        const double now = step * 0.05;
        const double speed = window.sample(now, qint64(step) * 500000);
        if (now < 0.4 - 1e-9)
            EXPECT_EQ(speed, 0) << now;
        else
            EXPECT_NEAR(speed, 10000000, 1) << now;
    }
    // After a stall longer than the window only the new sample is left.
    EXPECT_EQ(window.sample(30, 200 * 500000), 0);
    EXPECT_EQ(window.sample(30.3, 200 * 500000 + 3000), 0);
    EXPECT_NEAR(window.sample(30.5, 200 * 500000 + 5000), 10000, 1e-6);
}
