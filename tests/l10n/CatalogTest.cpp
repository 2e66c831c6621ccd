#include <gtest/gtest.h>

#include "l10n/Catalog.h"
#include "l10n/L10n.h"

namespace {

TEST(CatalogParse, RepeatedHeadersAddToTheEarlierTableAndLaterKeysWin) {
    const auto tables = Catalog::parse(QStringLiteral("[en]\na = b\n\n# note\nc = d\n[de]\na = x\n[en]\na = e"));
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(tables["en"]["a"], "e");
    EXPECT_EQ(tables["en"]["c"], "d");
    EXPECT_EQ(tables["de"]["a"], "x");
    EXPECT_EQ(tables["de"].size(), 1);
}

TEST(CatalogParse, SplitsAtTheFirstSpacedEqualsSignWithoutTrimmingKeyOrTemplate) {
    struct Case {
        const char* line;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"c  =  d", "c ", " d"},  // the first " = " starts after "c "
        {"c =  d", "c", " d"},
        {"  c = d  ", "c", "d"},
        {"\t\u00a0c = a = b\u3000", "c", "a = b"},
        {"currentSize =  Currently %1$d tables, %2$@.", "currentSize", " Currently %1$d tables, %2$@."},
    };
    for (const Case& c : cases) {
        const auto tables = Catalog::parse(QStringLiteral("[en]\n") + QString::fromUtf8(c.line));
        EXPECT_EQ(tables["en"].value(QString::fromUtf8(c.key), "<none>"), QString::fromUtf8(c.value)) << c.line;
    }
}

TEST(CatalogParse, IgnoresLinesBeforeHeadersWithoutSeparatorsAndUnderAnEmptyHeader) {
    const auto tables =
        Catalog::parse(QStringLiteral("early = x\n[en]\nkey=value\nkey =value\nok = 1\n[]\nlost = y\r\n"));
    EXPECT_EQ(tables["en"].size(), 1);
    EXPECT_EQ(tables["en"]["ok"], "1");
    ASSERT_TRUE(tables.contains(QString()));
    EXPECT_TRUE(tables[QString()].isEmpty());
}

TEST(CatalogParse, CarriageReturnsAreNotLineBreaks) {
    // Only line feeds separate lines and "\r" is not trimmed: "[en]\r" is no header.
    EXPECT_TRUE(Catalog::parse(QStringLiteral("[en]\r\na = b\r\n")).isEmpty());
    EXPECT_EQ(Catalog::parse(QStringLiteral("[en]\na = b\r\n"))["en"]["a"], "b\r");
}

TEST(CompiledCatalog, HasEverySectionInOrderWithEnglishVerbatim) {
    const auto& tables = Catalog::tables();
    EXPECT_EQ(tables.size(), 34);
    for (const auto& [code, name] : L10n::nativeNames()) EXPECT_TRUE(tables.contains(code)) << code.toStdString();
    const QString text = Catalog::text();
    EXPECT_FALSE(text.endsWith(u'\n'));
    EXPECT_TRUE(text.startsWith(QStringLiteral("// ")) || text.contains(QStringLiteral("[en]\n")));
    qsizetype last = -1;
    for (const auto& [code, name] : L10n::nativeNames()) {
        const qsizetype at = text.indexOf(u'[' + code + u']');
        EXPECT_GT(at, last) << "section out of order: " << code.toStdString();
        last = at;
    }
    EXPECT_EQ(tables["en"].size(), 359);
    EXPECT_EQ(tables["en"]["currentSize"], " Currently %1$d tables, %2$@.");
    EXPECT_EQ(
        tables["en"]["confirmDrop"],
        QString::fromUtf8("This dump contains DROP TABLE and replaces the tables in “%1$@” on container %2$@.%3$@"));
    for (auto section = tables.cbegin(); section != tables.cend(); ++section) {
        EXPECT_TRUE(section->value("currentSize").startsWith(u' ')) << section.key().toStdString();
        EXPECT_FALSE(section->value("currentSize").startsWith(QStringLiteral("  "))) << section.key().toStdString();
    }
}

TEST(CompiledCatalog, IsConsistentAndTranslated) {
    EXPECT_EQ(L10n::problems(), QStringList());
    const auto& tables = Catalog::tables();
    const auto& english = tables["en"];
    for (auto section = tables.cbegin(); section != tables.cend(); ++section) {
        if (section.key() == "en") continue;
        int same = 0;
        for (auto entry = english.cbegin(); entry != english.cend(); ++entry) {
            if (section->value(entry.key()) == entry.value()) ++same;
        }
        // Some words are the same in many languages ("Dump", "Menu", "Volume"); a few per twenty
        // keys may match English, an untranslated block may not.
        EXPECT_LE(same, english.size() / 20 + 4) << section.key().toStdString() << " keeps too many English texts";
    }
}

}  // namespace
