#include "UiHarness.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "docker/DockerClient.h"
#include "l10n/UserSettings.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "ui/ContainerList.h"
#include "ui/ContainerRow.h"

void UiTest::SetUp() {
    UserSettings::open()->clear();
    SettingsStore::shared().setLanguageChoice(QStringLiteral("en"));
    SettingsStore::shared().clearDumpFolder();
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                  QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1").arg(QLatin1String(kTarget)));
    shell_ = std::make_unique<AppShell>();
    window_ = shell_->openMainWindow();
    QApplication::setActiveWindow(window_);
    // The window's first refresh lists the fixtures.
    waitUntil([this] { return !model().isLoading() && !model().containers().isEmpty(); });
}

void UiTest::TearDown() {
    if (shell_) shell_->waitForImportToEnd(60000);
    shell_.reset();
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                  QStringLiteral("DROP DATABASE IF EXISTS %1").arg(QLatin1String(kTarget)));
    SettingsStore::shared().setLanguageChoice(QStringLiteral("en"));
    UserSettings::open()->clear();
}

bool UiTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const bool met = QTest::qWaitFor(condition, timeoutMs);
    EXPECT_TRUE(met) << "condition not met within " << timeoutMs << " ms";
    return met;
}

QStringList UiTest::sidebarNames() const {
    QStringList names;
    const QListWidget* list = window_->sidebar()->list();
    for (int row = 0; row < list->count(); ++row) names << list->item(row)->data(ContainerRow::nameRole).toString();
    return names;
}

void UiTest::clickContainer(const QString& name) {
    QListWidget* list = window_->sidebar()->list();
    const auto items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << "no row for " << name.toStdString();
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    waitUntil([&] { return model().selectedContainer() && model().selectedContainer()->name == name; });
    waitUntil([&] { return !model().isLoadingDatabases(); });
}

void UiTest::dropFiles(QWidget* target, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
}

void UiTest::prepareImport(const QString& dumpPath) {
    clickContainer(Fixtures::seeded());
    model().pinDatabase(QLatin1String(kTarget));
    model().setDump(dumpPath);
    waitUntil([&] { return model().dumpPreview().has_value(); });
}
