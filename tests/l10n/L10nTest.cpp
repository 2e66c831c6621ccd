#include <QSettings>

#include <gtest/gtest.h>

#include "l10n/Catalog.h"
#include "l10n/L10n.h"
#include "l10n/UserSettings.h"

namespace {

using L10n::Args;

class StoredLanguage : public ::testing::Test {
protected:
    void TearDown() override { UserSettings::open()->remove(QStringLiteral("appLanguage")); }
    static void store(const QString& code) { UserSettings::open()->setValue(QStringLiteral("appLanguage"), code); }
};

TEST(L10nFormat, FillsPositionalAndSequentialSpecifiers) {
    EXPECT_EQ(L10n::format("%1$@ of %2$@ · %3$@ · %4$@",
                           Args{QString("1 MB"), QString("2 MB"), QString("3 MB/s"), QString("4 sec")}),
              "1 MB of 2 MB · 3 MB/s · 4 sec");
    EXPECT_EQ(L10n::format("%2$@ に %1$@", Args{QString("db"), QString("box")}), "box に db");
    EXPECT_EQ(L10n::format("%d tables", Args{qint64(-1234567890123)}), "-1234567890123 tables");
    EXPECT_EQ(L10n::format("%@ and %@", Args{QString("a"), QString("b")}), "a and b");
    EXPECT_EQ(L10n::format("100%% of %@", Args{QString("x")}), "100% of x");
    EXPECT_EQ(L10n::format("%@", Args{QString("%1$@ stays")}), "%1$@ stays");
    EXPECT_EQ(L10n::format("only %@", Args{QString("a"), QString("unused")}), "only a");
    EXPECT_EQ(L10n::format("trailing %", Args{QString("a")}), "trailing %");
}

TEST(L10nFormat, KeepsAPositionTooLongForAnyNumberLiterally) {
    const QString huge = "%0" + QString(40, u'5') + "$@";
    EXPECT_EQ(L10n::format(huge + " 0$@ %%", Args{QString("a")}), huge + " 0$@ %");
    EXPECT_EQ(L10n::format("%99999999999999999999$d", Args{qint64(1)}), "%99999999999999999999$d");
}

TEST_F(StoredLanguage, RenderFallsBackToEnglishThenToTheKey) {
    store("de");
    EXPECT_EQ(L10n::render("seconds", Args{qint64(5)}), "5 Sek.");
    EXPECT_EQ(L10n::render("nonexistentKey"), "nonexistentKey");
    EXPECT_EQ(L10n::render("nonexistentKey", Args{QString("x")}), "nonexistentKey");
    Catalog::Tables tables = Catalog::parse("[en]\nonlyEnglish = %d left\n[de]\nother = x");
    EXPECT_EQ(L10n::renderIn(tables, "de", "onlyEnglish", Args{qint64(3)}), "3 left");
}

TEST_F(StoredLanguage, EmptyArgumentsLeaveTheTemplateUntouched) {
    store("en");
    EXPECT_EQ(L10n::render("progress"), "%1$@ of %2$@ · %3$@ · %4$@");
}

TEST_F(StoredLanguage, StoredChoiceWinsOnlyWhenItNamesASection) {
    store("fr");
    EXPECT_EQ(L10n::currentCode(), "fr");
    for (const char* unusable : {"system", "xx", ""}) {
        store(unusable);
        EXPECT_FALSE(L10n::storedLanguage().has_value()) << unusable;
        EXPECT_EQ(L10n::currentCode(), L10n::systemCode());
    }
    UserSettings::open()->remove("appLanguage");
    EXPECT_FALSE(L10n::storedLanguage().has_value());
}

TEST(L10nSpecifiers, ScanLikeTheChecker) {
    EXPECT_EQ(L10n::specifiers("%1$@ of %2$@ · %3$@ · %4$@"), QStringList({"%1$@", "%2$@", "%3$@", "%4$@"}));
    EXPECT_EQ(L10n::specifiers("%2$d hr %1$d min"), QStringList({"%1$d", "%2$d"}));
    EXPECT_EQ(L10n::specifiers("%d sec"), QStringList({"%d"}));
    EXPECT_EQ(L10n::specifiers("100%% sure %%"), QStringList());
    EXPECT_EQ(L10n::specifiers("50%"), QStringList({"%"}));
    EXPECT_EQ(L10n::specifiers("%s %@"), QStringList({"%s %@"}));
    EXPECT_EQ(L10n::specifiers("%s only"), QStringList({"%s only"}));
}

class Problems : public ::testing::Test {
protected:
    Catalog::Tables tables = Catalog::tables();
    QStringList check() const { return L10n::problems(tables, L10n::nativeNames()); }
};

TEST_F(Problems, ReportBannedSectionsMissingKeysAndWrongPlaceholders) {
    tables.insert("uk", tables["en"]);
    tables["fr"].remove("seconds");
    tables["fr"]["tables"] = "%@ tables";
    tables["de"]["surplus"] = "x";
    EXPECT_EQ(check(), QStringList({"banned uk", "de extra surplus", "fr missing seconds",
                                    "fr.tables placeholders [\"%@\"] expected [\"%d\"]", "uk has no native name"}));
}

TEST_F(Problems, ReportAMissingEnglishKeyTwice) {
    tables["en"].remove("cancel");
    EXPECT_EQ(check(), QStringList({"en has 358 strings", "en missing cancel", "en missing cancel"}));
}

TEST_F(Problems, ReportNamesWithoutTablesAndEmptyLists) {
    tables.remove("ko");
    tables["ja"]["remaining"] = "残り";
    EXPECT_EQ(check(), QStringList({"ja.remaining placeholders [] expected [\"%@\"]", "name without table ko"}));
}

TEST(SystemLanguage, MapsPreferredLanguagesOntoSections) {
    const struct {
        QStringList preferred;
        const char* code;
    } cases[] = {
        {{"de-AT", "en-US"}, "de"},
        {{"pt-BR"}, "pt"},
        {{"es-419"}, "es"},
        {{"fr-CA"}, "fr"},
        {{"nn-NO"}, "nn"},
        {{"nb-NO"}, "nb"},
        {{"no"}, "nb"},
        {{"sr-Latn-RS"}, "sr-Latn"},
        {{"sr-Cyrl-RS"}, "sr"},
        {{"sr-RS"}, "sr"},
        {{"zh-Hans-CN"}, "zh-Hans"},
        {{"zh-Hant-TW"}, "zh-Hant"},
        {{"zh-HK"}, "zh-Hant"},
        {{"zh-CN"}, "zh-Hans"},
        {{"zh-Hans-HK"}, "zh-Hant"},
        {{"yue-Hant-HK"}, "zh-Hant"},
        {{"yue-Hans-CN"}, "zh-Hans"},
        {{"uk-UA"}, "en"},
        {{"he-IL"}, "en"},
        {{}, "en"},
        {{"C"}, "en"},
        {{"ja_JP"}, "ja"},
        {{"de_DE.UTF-8"}, "de"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(L10n::systemCode(c.preferred, Catalog::tables()), c.code) << c.preferred.join(",").toStdString();
    }
}

TEST(LanguageList, OffersEverySectionOnceSortedByNativeName) {
    const auto options = L10n::languageOptions();
    ASSERT_EQ(options.size(), 34);
    QSet<QString> ids;
    for (const auto& option : options) {
        ids.insert(option.id);
        EXPECT_TRUE(Catalog::tables().contains(option.id)) << option.id.toStdString();
        EXPECT_NE(option.id, "uk");
    }
    EXPECT_EQ(ids.size(), 34);
    auto indexOf = [&](const char* id) {
        for (qsizetype i = 0; i < options.size(); ++i)
            if (options[i].id == id) return i;
        return qsizetype(-1);
    };
    EXPECT_LT(indexOf("da"), indexOf("de"));
    EXPECT_LT(indexOf("nb"), indexOf("nn"));
    EXPECT_LT(indexOf("sv"), indexOf("ru"));  // Latin script before Cyrillic
}

}  // namespace
