#include <gtest/gtest.h>
#include <limits>

#include "l10n/Catalog.h"
#include "l10n/L10n.h"
#include "l10n/PluralRules.h"

namespace {

using PluralRules::Form;

QString counted(const char* code, const char* key, qint64 count) {
    return L10n::renderCountIn(Catalog::tables(), code, key, count);
}

QList<Form> formsOf(const char* code, std::initializer_list<qint64> counts) {
    QList<Form> forms;
    for (qint64 count : counts) forms << PluralRules::forCount(code, count);
    return forms;
}

TEST(PluralRules, GermanicLanguagesSingularOnlyForOne) {
    for (const char* code : {"en", "de", "nl", "sv", "nb", "da", "lb"}) {
        EXPECT_EQ(formsOf(code, {0, 1, 2, 11, 21, 1000000}),
                  QList<Form>({Form::other, Form::one, Form::other, Form::other, Form::other, Form::other}))
            << code;
    }
    EXPECT_EQ(counted("en", "tables", 1), "1 table");
    EXPECT_EQ(counted("en", "tables", 0), "0 tables");
    EXPECT_EQ(counted("en", "systemTables", 1), QString::fromUtf8("System · 1 table"));
    EXPECT_EQ(counted("de", "upDays", 3), QString::fromUtf8("Läuft seit 3 Tagen"));
    // Icelandic counts 21 like 1, but not 11.
    EXPECT_EQ(formsOf("is", {1, 11, 21, 111, 121}),
              QList<Form>({Form::one, Form::other, Form::one, Form::other, Form::one}));
}

TEST(PluralRules, RomanceLanguagesTreatZeroAndMillionsApart) {
    EXPECT_EQ(formsOf("fr", {0, 1, 2, 1000000, 2000000, 1000001}),
              QList<Form>({Form::one, Form::one, Form::other, Form::many, Form::many, Form::other}));
    EXPECT_EQ(formsOf("es", {0, 1, 2, 1000000}), QList<Form>({Form::other, Form::one, Form::other, Form::many}));
    EXPECT_EQ(counted("fr", "tables", 0), "0 table");
    EXPECT_EQ(counted("fr", "tables", 2), "2 tables");
    EXPECT_EQ(counted("fr", "tables", 3000000), "3000000 de tables");
    EXPECT_EQ(counted("it", "currentSize", 1), QString(" Attualmente 1 tabella, %2$@."));
    EXPECT_EQ(formsOf("ro", {1, 2, 19, 20, 101, 120}),
              QList<Form>({Form::one, Form::few, Form::few, Form::other, Form::few, Form::other}));
    EXPECT_EQ(counted("ro", "tables", 20), "20 de tabele");
}

TEST(PluralRules, SlavicLanguagesFollowTheLastDigits) {
    EXPECT_EQ(formsOf("ru", {1, 2, 4, 5, 11, 12, 14, 21, 22, 25, 111, 112}),
              QList<Form>({Form::one, Form::few, Form::few, Form::many, Form::many, Form::many, Form::many, Form::one,
                           Form::few, Form::many, Form::many, Form::many}));
    EXPECT_EQ(counted("ru", "tables", 1), QString::fromUtf8("1 таблица"));
    EXPECT_EQ(counted("ru", "tables", 3), QString::fromUtf8("3 таблицы"));
    EXPECT_EQ(counted("ru", "tables", 11), QString::fromUtf8("11 таблиц"));
    EXPECT_EQ(counted("ru", "upMinutes", 21), QString::fromUtf8("Работает 21 минуту"));
    // Polish: 21 is "many", unlike Russian.
    EXPECT_EQ(formsOf("pl", {1, 2, 5, 12, 21, 22}),
              QList<Form>({Form::one, Form::few, Form::many, Form::many, Form::many, Form::few}));
    EXPECT_EQ(counted("pl", "tables", 22), "22 tabele");
    EXPECT_EQ(counted("pl", "tables", 25), "25 tabel");
    // Czech: 2 to 4 only, everything else from 5 takes the plain plural.
    EXPECT_EQ(formsOf("cs", {1, 2, 4, 5, 22}),
              QList<Form>({Form::one, Form::few, Form::few, Form::other, Form::other}));
    EXPECT_EQ(counted("cs", "tables", 4), "4 tabulky");
    EXPECT_EQ(counted("cs", "tables", 22), "22 tabulek");
    EXPECT_EQ(formsOf("sl", {1, 2, 3, 5, 101, 102}),
              QList<Form>({Form::one, Form::two, Form::few, Form::other, Form::one, Form::two}));
    EXPECT_EQ(counted("sl", "tables", 102), "102 tabeli");
    EXPECT_EQ(formsOf("hr", {1, 3, 5, 11, 21}),
              QList<Form>({Form::one, Form::few, Form::other, Form::other, Form::one}));
    EXPECT_EQ(formsOf("sr-Latn", {21, 24, 25}), QList<Form>({Form::one, Form::few, Form::other}));
}

TEST(PluralRules, EastAsianLanguagesHaveOneForm) {
    for (const char* code : {"ja", "ko", "zh-Hans", "zh-Hant"}) {
        EXPECT_EQ(formsOf(code, {0, 1, 2, 5, 21}), QList<Form>(5, Form::other)) << code;
    }
    EXPECT_EQ(counted("ja", "tables", 1), QString::fromUtf8("1 テーブル"));
    EXPECT_EQ(PluralRules::forCount("xx", 1), Form::other);
}

TEST(PluralRules, NegativeCountsTakeTheFormOfTheirMagnitude) {
    EXPECT_EQ(PluralRules::forCount("ru", -21), Form::one);
    EXPECT_EQ(PluralRules::forCount("en", std::numeric_limits<qint64>::min()), Form::other);
}

TEST(PluralRules, MissingFormsFallBackToOtherThenToThePlainKey) {
    const Catalog::Tables tables = Catalog::parse(
        "[en]\nitems.one = %d item\nitems.other = %d items\nplain = %d things\n"
        "[ru]\nitems.other = %d штук\n[pl]\nplain = %d rzeczy");
    EXPECT_EQ(L10n::renderCountIn(tables, "ru", "items", 1), QString::fromUtf8("1 штук"));
    EXPECT_EQ(L10n::renderCountIn(tables, "pl", "items", 1), "1 item");
    EXPECT_EQ(L10n::renderCountIn(tables, "pl", "items", 5), "5 items");
    EXPECT_EQ(L10n::renderCountIn(tables, "pl", "plain", 5), "5 rzeczy");
    // Explicit arguments replace the count, which still picks the form.
    EXPECT_EQ(L10n::renderCountIn(tables, "en", "items", 1, {QString("one")}), "one item");
}

TEST(PluralRules, EveryLanguageHoldsEveryFormOfItsCountedTexts) {
    // A form its rule never picks still exists, so each language has English's key set.
    const Catalog::Table& english = Catalog::tables()["en"];
    for (auto section = Catalog::tables().cbegin(); section != Catalog::tables().cend(); ++section) {
        for (auto entry = english.cbegin(); entry != english.cend(); ++entry) {
            if (!entry.key().endsWith(QStringLiteral(".other"))) continue;
            const QString base = entry.key().chopped(6);
            for (Form form : PluralRules::all()) {
                EXPECT_TRUE(section->contains(base + u'.' + PluralRules::name(form)))
                    << section.key().toStdString() << ' ' << base.toStdString();
            }
        }
    }
}

}  // namespace
