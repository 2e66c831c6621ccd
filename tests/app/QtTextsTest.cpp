#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/QtTexts.h"
#include "settings/SettingsStore.h"

namespace {

QString cancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

TEST(QtTexts, NamesQtsFilesForEveryCatalogCodeItHas) {
    EXPECT_EQ(QtTexts::fileNames("de"), QStringList({"qtbase_de"}));
    EXPECT_EQ(QtTexts::fileNames("zh-Hant"), QStringList({"qtbase_zh_TW"}));
    EXPECT_TRUE(QtTexts::fileNames("en").isEmpty());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // The distribution's package brings these; the others stay in English.
    for (const char* code : {"de", "fr", "ru", "pl", "cs", "ja", "ko", "zh-Hans", "zh-Hant", "pt", "nn"}) {
        EXPECT_FALSE(QtTexts::fileIn(code, folder).isEmpty()) << code << " in " << folder.toStdString();
    }
    EXPECT_TRUE(QtTexts::fileIn("sr-Latn", folder).isEmpty()) << "the Cyrillic file must not serve Latin";
}

TEST(QtTexts, StandardButtonsFollowTheLanguageAsItChanges) {
    SettingsStore settings;
    settings.setLanguageChoice("en");
    QtTexts texts(settings);
    EXPECT_EQ(cancelText(), "Cancel");
    settings.setLanguageChoice("de");
    EXPECT_EQ(cancelText(), "Abbrechen");
    settings.setLanguageChoice("ja");
    EXPECT_NE(cancelText(), "Cancel");
    settings.setLanguageChoice("is");  // Qt has no Icelandic: back to English, nothing left over
    EXPECT_EQ(cancelText(), "Cancel");
}

}  // namespace
