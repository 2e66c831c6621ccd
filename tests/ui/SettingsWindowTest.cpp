#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "UiHarness.h"
#include "docker/DockerClient.h"
#include "l10n/L10n.h"
#include "l10n/UserSettings.h"
#include "settings/SettingsStore.h"
#include "ui/ElidedLabel.h"
#include "ui/SettingsView.h"

namespace {

using SettingsWindowTest = UiTest;

TEST_F(SettingsWindowTest, ChoosingALanguageRedrawsEveryWindow) {
    window_->settingsButton()->click();
    SettingsView* settings = shell_->settingsWindow();
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->parentWidget(), window_);  // a child window of the main window
    EXPECT_TRUE(settings->isWindow());
    EXPECT_EQ(settings->width(), SettingsView::kWidth);
    EXPECT_EQ(settings->windowTitle(), "Settings");
    EXPECT_EQ(settings->licenseButton()->text(), "Open license…");

    QComboBox* picker = settings->languagePicker();
    const QList<LanguageOption> options = L10n::languageOptions();
    ASSERT_EQ(picker->count(), options.size());
    for (int i = 0; i < picker->count(); ++i) EXPECT_EQ(picker->itemData(i).toString(), options[i].id);
    EXPECT_EQ(picker->currentData().toString(), "en");

    picker->setCurrentIndex(picker->findText("Deutsch"));
    EXPECT_EQ(SettingsStore::shared().languageChoice(), "de");
    const QString germanTitle = L10n::render("settings");
    EXPECT_NE(germanTitle, "Settings");
    EXPECT_EQ(settings->windowTitle(), germanTitle);
    EXPECT_EQ(settings->licenseButton()->text(), "Lizenz öffnen…");
    EXPECT_TRUE(settings->websiteLink()->text().contains("Website"));
    EXPECT_EQ(picker->currentText(), "Deutsch");
    EXPECT_EQ(find<QCheckBox>("showStopped")->text(), L10n::render("showStopped"));
    EXPECT_NE(find<QCheckBox>("showStopped")->text(), "Show stopped");
    EXPECT_EQ(window_->refreshAction()->text(), L10n::render("refresh"));
    EXPECT_EQ(window_->settingsButton()->accessibleName(), germanTitle);

    picker->setCurrentIndex(picker->findData("es"));
    EXPECT_EQ(settings->licenseButton()->text(), "Abrir licencia…");
    EXPECT_TRUE(settings->websiteLink()->text().contains("Sitio web"));
    picker->setCurrentIndex(picker->findData("fr"));
    EXPECT_EQ(settings->licenseButton()->text(), "Ouvrir la licence…");
    EXPECT_EQ(find<QCheckBox>("showStopped")->text(), L10n::render("showStopped"));
}

TEST_F(SettingsWindowTest, TheFolderRowFollowsTheDefaultFolder) {
    SettingsView* settings = shell_->openSettings();
    EXPECT_EQ(settings->folderPath()->text(), "None");
    EXPECT_FALSE(settings->clearFolderButton()->isVisibleTo(settings));

    const QString folder = dir_.path() + "/a rather long folder name for dumps/and one more level below it";
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsStore::shared().setDumpFolder(folder);
    EXPECT_EQ(settings->folderPath()->text(), folder);
    // Shortened in the middle to fit its 280 points.
    waitUntil([&] { return settings->folderPath()->shownText().contains(QChar(0x2026)); });
    EXPECT_LE(settings->folderPath()->width(), 280);
    ASSERT_TRUE(settings->clearFolderButton()->isVisibleTo(settings));

    settings->clearFolderButton()->click();
    EXPECT_EQ(settings->folderPath()->text(), "None");
    EXPECT_FALSE(settings->clearFolderButton()->isVisibleTo(settings));
    EXPECT_FALSE(SettingsStore::shared().dumpFolderURL().has_value());
}

}  // namespace

TEST_F(SettingsWindowTest, TheEngineChoiceReachesEveryLaterLookUp) {
    SettingsView* settings = shell_->openSettings();
    QComboBox* picker = settings->enginePicker();
    ASSERT_EQ(picker->count(), 3);
    EXPECT_EQ(picker->currentText(), "As found (Docker first)");
    EXPECT_EQ(DockerClient::preference(), EnginePreference::found);

    picker->setCurrentIndex(picker->findData("podman"));
    EXPECT_EQ(SettingsStore::shared().engineChoice(), "podman");
    EXPECT_EQ(DockerClient::preference(), EnginePreference::podman);
    // Kept across starts, and shown again in the picker.
    EXPECT_EQ(UserSettings::open()->value("containerEngine").toString(), "podman");
    // The window lists Podman's containers at once.
    const QString podmanSeeded = qEnvironmentVariable("TARNWELL_FIXTURE_PODMAN_SEEDED");
    if (!podmanSeeded.isEmpty()) {
        waitUntil([&] { return !model().isLoading() && sidebarNames().contains(podmanSeeded); });
        EXPECT_EQ(model().engine(), EngineKind::podman);
        EXPECT_FALSE(sidebarNames().contains(Fixtures::seeded()));
    }

    picker->setCurrentIndex(0);
    EXPECT_EQ(SettingsStore::shared().engineChoice(), "");
    EXPECT_EQ(DockerClient::preference(), EnginePreference::found);
    EXPECT_FALSE(UserSettings::open()->contains("containerEngine"));
    waitUntil([this] { return !model().isLoading() && sidebarNames().contains(Fixtures::seeded()); });
    EXPECT_EQ(model().engine(), EngineKind::docker);
}
