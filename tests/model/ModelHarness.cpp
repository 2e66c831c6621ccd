#include "ModelHarness.h"

#include <QFile>
#include <QTest>
#include <qcoro/qcorotask.h>

#include "docker/DockerClient.h"
#include "l10n/UserSettings.h"

void ModelTest::SetUp() {
    UserSettings::open()->clear();
    UserSettings::open()->setValue("appLanguage", "en");
}

void ModelTest::TearDown() { UserSettings::open()->clear(); }

bool ModelTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const bool met = QTest::qWaitFor(condition, timeoutMs);
    EXPECT_TRUE(met) << "condition not met within " << timeoutMs << " ms";
    return met;
}

QString ModelTest::idOf(const AppModel& model, const QString& name) {
    for (const auto& container : model.containers()) {
        if (container.name == name) return container.id;
    }
    ADD_FAILURE() << "no container named " << name.toStdString();
    return {};
}

void ModelTest::refreshAndSelect(AppModel& model, const QString& name) {
    QCoro::waitFor(model.refresh());
    model.selectContainer(idOf(model, name));
    waitUntil([&] { return !model.isLoadingDatabases(); });
}

void ModelTest::waitForImportEnd(AppModel& model) {
    waitUntil([&] { return !model.isImportRunning(); }, 180000);
}
