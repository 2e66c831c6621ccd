#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/InstanceChannel.h"
#include "app/StartArguments.h"

namespace {

using StartArguments::dumpPath;

TEST(StartArguments, TakesTheFirstFileResolvedWhereTheProgramStarted) {
    EXPECT_EQ(dumpPath({"tarnwell"}, "/home/a"), std::nullopt);
    EXPECT_EQ(dumpPath({"tarnwell", "shop.sql.gz"}, "/home/a"), "/home/a/shop.sql.gz");
    EXPECT_EQ(dumpPath({"tarnwell", "../b/x.sql", "second.sql"}, "/home/a"), "/home/b/x.sql");
    EXPECT_EQ(dumpPath({"tarnwell", "/tmp/x.sql"}, "/home/a"), "/tmp/x.sql");
    EXPECT_EQ(dumpPath({"tarnwell", "--verbose", "x.sql"}, "/w"), "/w/x.sql");
    EXPECT_EQ(dumpPath({"tarnwell", "--", "-odd name.sql"}, "/w"), "/w/-odd name.sql");
    EXPECT_EQ(dumpPath({"tarnwell", "file:///tmp/caf%C3%A9.sql"}, "/w"), QString::fromUtf8("/tmp/café.sql"));
    EXPECT_EQ(dumpPath({"tarnwell", "file://elsewhere/x.sql"}, "/w"), std::nullopt);
}

TEST(InstanceChannel, HandsAnyFileNameOverIntact) {
    QTemporaryDir folder;
    const QString name = folder.filePath("channel.socket");
    InstanceChannel channel;
    ASSERT_TRUE(channel.listen(name));
    QSignalSpy dumps(&channel, &InstanceChannel::dumpRequested);
    QSignalSpy activations(&channel, &InstanceChannel::activationRequested);

    const QString odd = QString::fromUtf8("/tmp/line\nbreak «ü» \r.sql");
    EXPECT_TRUE(InstanceChannel::handOver(name, odd));
    EXPECT_TRUE(InstanceChannel::handOver(name));
    EXPECT_TRUE(activations.wait(5000) || activations.size() > 0);
    while (activations.size() < 2 && activations.wait(5000)) {
    }
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(dumps.first().first().toString(), odd);
    EXPECT_EQ(activations.size(), 2);
}

// The real program: a file on the command line selects that dump, and a second start hands
// its file to the running window and ends.
TEST(OpenDumpProgram, FirstAndSecondStartSelectTheirFile) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("config") && QDir(home.path()).mkpath("run") &&
                QDir(home.path()).mkpath("dumps"));
    for (const char* file : {"dumps/first.sql", "dumps/second.sql.gz"}) {
        QFile dump(home.filePath(file));
        ASSERT_TRUE(dump.open(QIODevice::WriteOnly));
        dump.write("SELECT 1;\n");
    }
    // Qt takes a runtime folder only when it is private: with any other mode it falls back to
    // the shared /tmp/runtime-<user>, and the test's program would hand its dumps to a window
    // the user has open.
    ASSERT_TRUE(QFile::setPermissions(home.filePath("run"),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", home.filePath("run"));
    const QString settingsFile = home.filePath("config/Tarnwell/Tarnwell.conf");
    const auto selectedDump = [&] {
        return QString::fromUtf8(QSettings(settingsFile, QSettings::IniFormat).value("dumpBookmark").toByteArray());
    };
    const auto waitForDump = [&](const QString& expected) {
        QDeadlineTimer deadline(30000);
        while (selectedDump() != expected && !deadline.hasExpired()) QThread::msleep(50);
        return selectedDump();
    };

    QProcess first;
    first.setProcessEnvironment(environment);
    first.setWorkingDirectory(home.filePath("dumps"));
    first.start(TARNWELL_BINARY, {"first.sql"});
    ASSERT_TRUE(first.waitForStarted());
    EXPECT_EQ(waitForDump(home.filePath("dumps/first.sql")), home.filePath("dumps/first.sql"));
    // Its channel is in the test's own runtime folder, where no window of the user's can hear it.
    EXPECT_TRUE(QFile::exists(home.filePath(QString("run/tarnwell-%1.socket").arg(::getuid()))));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(home.path());
    second.start(TARNWELL_BINARY, {"dumps/second.sql.gz"});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(waitForDump(home.filePath("dumps/second.sql.gz")), home.filePath("dumps/second.sql.gz"));
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();  // SIGTERM quits in order
    EXPECT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
}

}  // namespace
