#include "ModelHarness.h"

#include <QFile>
#include <QTest>

#include <qcoro/qcorotask.h>

#include "docker/DockerClient.h"
#include "settings/UserSettings.h"

void ModelTest::SetUp() {
    UserSettings::open()->clear();
    UserSettings::open()->setValue("appLanguage", "en");
}

void ModelTest::TearDown() {
    UserSettings::open()->clear();
}

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

QString ModelTest::sql(const QString& container, const QString& password, const QString& statements) {
    const DockerClient client = DockerClient::resolve();
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert("MYSQL_PWD", password);
    const CommandResult result = DockerClient::run(
        client.docker, {"exec", "-e", "MYSQL_PWD", container, "mariadb", "-uroot", "-N", "-B", "-e", statements},
        environment);
    EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
    return QString::fromUtf8(result.stdoutBytes).trimmed();
}

QString ModelTest::writeFile(const QString& name, const QByteArray& content) const {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

void ModelTest::waitForImportEnd(AppModel& model) {
    waitUntil([&] { return !model.isImportRunning(); }, 180000);
}
