#include <QSignalSpy>
#include <QTemporaryDir>
#include <qcoro/qcorotask.h>

#include <gtest/gtest.h>

#include "l10n/L10n.h"
#include "l10n/UserSettings.h"
#include "model/AppModel.h"
#include "model/PersistedKeys.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override { UserSettings::open()->clear(); }
    void TearDown() override { UserSettings::open()->clear(); }
};

TEST_F(Settings, AFreshModelHasItsOptionsOnAndNoDump) {
    AppModel model;
    EXPECT_TRUE(model.disableUniqueChecks());
    EXPECT_TRUE(model.disableForeignKeyChecks());
    EXPECT_TRUE(model.disableBinlog());
    EXPECT_TRUE(model.userOverride().isEmpty());
    EXPECT_FALSE(model.dumpURL().has_value());
    EXPECT_EQ(model.phase(), AppModel::Phase::idle());
}

TEST_F(Settings, TheStoredDumpComesBackOnlyWhileItIsAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dump.sql");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    PersistedKeys::setPath("dumpBookmark", path);
    {
        AppModel model;
        EXPECT_EQ(model.dumpURL(), path);
        EXPECT_FALSE(model.dumpPreview().has_value());
        EXPECT_FALSE(model.errorMessage().has_value());
    }
    QFile::remove(path);
    AppModel model;
    EXPECT_FALSE(model.dumpURL().has_value());
    EXPECT_FALSE(model.errorMessage().has_value());
}

TEST_F(Settings, EqualAssignmentsNotifyNobody) {
    AppModel model;
    QSignalSpy spy(&model, &AppModel::fieldChanged);
    model.setShowStopped(false);
    model.setDisableBinlog(true);
    model.setUserOverride(QString());
    EXPECT_EQ(spy.count(), 0);
    model.setShowStopped(true);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<AppModel::Field>(), AppModel::Field::showStopped);
}

TEST_F(Settings, RunningPhasesCompareEveryProgressField) {
    ImportProgress a;
    a.bytesRead = 10;
    ImportProgress b = a;
    EXPECT_EQ(AppModel::Phase::running(a), AppModel::Phase::running(b));
    b.elapsed = 0.5;
    EXPECT_NE(AppModel::Phase::running(a), AppModel::Phase::running(b));
    EXPECT_NE(AppModel::Phase::success(1), AppModel::Phase::success(2));
    EXPECT_EQ(AppModel::Phase::cancelled(), AppModel::Phase::cancelled());
}

TEST_F(Settings, TheGateNamesTheFirstMissingPieceWithoutAContainer) {
    UserSettings::open()->setValue("appLanguage", "en");
    AppModel model;
    // One session, whatever the machine's cores.
    FixChoices choices = model.fixChoices();
    choices.jobs = 1;
    model.setFixChoices(choices);
    EXPECT_EQ(model.importBlockedReason(), "No container selected.");
    EXPECT_EQ(model.confirmMessage(),
              QString::fromUtf8("The file will be imported into “—” on container —. If the dump contains DROP TABLE, "
                                "existing tables are replaced.\n\nRows are committed in batches of 1000 statements: if "
                                "the import stops early, each table keeps its rows up to the last batch committed."));
    model.requestImport();
    EXPECT_FALSE(model.confirmImport());
}

// A usable container, a dump and a password, but no database: nothing to confirm yet. The
// docker client is a script that shows one running server without user databases.
TEST_F(Settings, TheGateOpensNoConfirmationWithoutADatabase) {
    UserSettings::open()->setValue("appLanguage", "en");
    QTemporaryDir dir;
    const QString docker = dir.filePath("docker");
    QFile script(docker);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(R"(#!/bin/sh
case "$1" in
info) echo 27.5.1 ;;
ps) echo '{"ID":"c00000000001","Names":"db","Image":"mariadb:11","State":"running","Status":"Up","Ports":""}' ;;
inspect) echo '[{"Id":"c000000000010000","Name":"/db","Config":{"Image":"mariadb:11","Env":["MARIADB_ROOT_PASSWORD=pw"],"Cmd":["mariadbd"]},"State":{"Running":true,"Status":"running"},"Mounts":[]}]' ;;
exec) printf 'META\t11.4.2-MariaDB\t16777216\t0\t134217728\n' ;;
*) exit 99 ;;
esac
)");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile dump(dir.filePath("dump.sql"));
    ASSERT_TRUE(dump.open(QIODevice::WriteOnly));
    dump.write("CREATE TABLE t (x INT);\n");
    dump.close();
    qputenv("TARNWELL_DOCKER", docker.toLocal8Bit());

    AppModel model;
    model.setDump(dump.fileName());
    QCoro::waitFor(model.refresh());
    qunsetenv("TARNWELL_DOCKER");
    ASSERT_EQ(model.selectedContainer().value_or(DockerContainer{}).name, "db");
    ASSERT_TRUE(model.serverInfo().has_value()) << model.errorMessage().value_or("").toStdString();
    ASSERT_TRUE(model.dumpPreview().has_value());
    EXPECT_FALSE(model.selectedDatabase().has_value());
    EXPECT_EQ(model.importBlockedReason(), "No database selected.");
    model.requestImport();
    EXPECT_FALSE(model.confirmImport());
    model.startImport();
    EXPECT_FALSE(model.isImportRunning());
    EXPECT_EQ(model.phase(), AppModel::Phase::idle());

    // The same server with nothing to log in with, and a database named: still nothing to confirm.
    QFile noPassword(docker);
    ASSERT_TRUE(noPassword.open(QIODevice::ReadOnly));
    const QByteArray text = noPassword.readAll().replace("\"MARIADB_ROOT_PASSWORD=pw\"", "\"MARIADB_DATABASE=shop\"");
    noPassword.close();
    QFile::remove(docker);
    Fixtures::writeFile(dir.path(), "docker", text);
    QFile::setPermissions(docker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TARNWELL_DOCKER", docker.toLocal8Bit());
    AppModel locked;
    locked.setDump(dump.fileName());
    QCoro::waitFor(locked.refresh());
    qunsetenv("TARNWELL_DOCKER");
    locked.pinDatabase("shop");
    EXPECT_EQ(locked.importBlockedReason(), L10n::render("blockedNoPassword"));
    locked.requestImport();
    EXPECT_FALSE(locked.confirmImport());
}

TEST_F(Settings, TheFirstStartStoresTheSystemLanguageAndLaterStartsKeepIt) {
    SettingsStore first;
    EXPECT_EQ(UserSettings::open()->value("appLanguage").toString(), first.languageChoice());
    UserSettings::open()->setValue("appLanguage", "system");
    SettingsStore replaced;
    EXPECT_EQ(UserSettings::open()->value("appLanguage").toString(), L10n::systemCode());

    QSignalSpy spy(&replaced, &SettingsStore::languageChoiceChanged);
    replaced.setLanguageChoice("de");
    replaced.setLanguageChoice("de");
    EXPECT_EQ(spy.count(), 1);
    SettingsStore later;
    EXPECT_EQ(later.languageChoice(), "de");
}

TEST_F(Settings, TheDumpFolderSurvivesARestartWhileItExists) {
    QTemporaryDir a;
    QTemporaryDir b;
    {
        SettingsStore store;
        QSignalSpy spy(&store, &SettingsStore::dumpFolderChanged);
        store.setDumpFolder(a.path());
        store.setDumpFolder(b.path());
        store.setDumpFolder(b.path());
        EXPECT_EQ(spy.count(), 2);
    }
    EXPECT_EQ(SettingsStore().dumpFolderURL(), b.path());
    {
        SettingsStore store;
        store.clearDumpFolder();
        store.clearDumpFolder();
        EXPECT_FALSE(store.dumpFolderURL().has_value());
    }
    EXPECT_FALSE(UserSettings::open()->contains("dumpFolderBookmark"));
    SettingsStore().setDumpFolder(a.path());
    a.remove();
    EXPECT_FALSE(SettingsStore().dumpFolderURL().has_value());
}

}  // namespace
