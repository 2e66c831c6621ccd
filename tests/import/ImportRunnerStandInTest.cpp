// Runner behaviour that a real client cannot show on demand, played by small scripts in the
// place of docker.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

#include "import/ImportRunner.h"
#include "import/SystemMessage.h"
#include "settings/L10n.h"

static void PrintTo(const ImportOutcome& outcome, std::ostream* out) {
    *out << int(outcome.kind) << " " << outcome.elapsed << " \"" << outcome.message.toStdString() << '"';
}

namespace {

class RunnerStandIn : public ::testing::Test {
protected:
    // A docker stand-in running the shell body; returns its path.
    QString script(const char* name, const QString& body) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    // A sparse file of the given size: costs no disk space and reads as zeros.
    QString sparseFile(const char* name, qint64 size) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.resize(size);
        return path;
    }
    ImportOutcome run(const QString& docker, const QString& dump, ImportRunner* runner = nullptr) {
        ImportRunner own;
        ImportRequest request;
        request.fileURL = dump;
        request.containerName = "c";
        request.database = "d";
        request.user = "root";
        request.password = "s3cret pass";
        reports.clear();
        logged.clear();
        return (runner ? runner : &own)
            ->run(request, DockerClient{docker, "/usr/bin/gzip"},
                  [this](const ImportProgress& progress) { reports << progress; },
                  [this](const QString& line) {
                      std::lock_guard guard(logLock);
                      logged << line;
                  });
    }

    QTemporaryDir dir;
    QList<ImportProgress> reports;
    std::mutex logLock;
    QStringList logged;
};

}  // namespace

TEST_F(RunnerStandIn, OutcomesByClientBehaviour) {
    QStringList tail;
    for (int i = 2489; i <= 2500; ++i) tail << QString("ERROR %1").arg(i);
    const QString empty = sparseFile("empty.sql", 0);
    const QString small = sparseFile("small.sql", 100000);
    const struct {
        const char* name;
        QString body;
        QString dump;
        ImportOutcome expected;
    } cases[] = {
        {"silent", "cat >/dev/null; exit 1", small, ImportOutcome::failed(L10n::render("mysqlStatus", {qint64(1)}))},
        {"chatty", "cat >/dev/null; i=1; while [ $i -le 2500 ]; do echo \"ERROR $i\" >&2; i=$((i+1)); done; exit 3",
         small, ImportOutcome::failed(tail.join('\n'))},
        {"missing", "cat >/dev/null", dir.filePath("missing.sql"),
         ImportOutcome::failed(L10n::render("sizeUnreadable", {systemMessage(ENOENT)}))},
        // Not something splice can read: the plain copy takes over and names the error.
        {"directory", "cat >/dev/null", dir.path(),
         ImportOutcome::failed(L10n::render("readFailed", {systemMessage(EISDIR)}))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(script(c.name, c.body), c.dump), c.expected) << c.name;
    }

    // An empty dump: the first report and the end-of-file report, both at zero.
    EXPECT_EQ(run(script("sink", "exec cat >/dev/null"), empty).kind, ImportOutcome::Kind::success);
    ASSERT_EQ(reports.size(), 2);
    EXPECT_EQ(reports[0].bytesRead + reports[1].bytesRead, 0);
    EXPECT_FALSE(reports[0].inputFinished);
    EXPECT_TRUE(reports[1].inputFinished);

    const ImportOutcome notStarted = run(dir.filePath("no-docker-here"), small);
    EXPECT_EQ(notStarted.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(notStarted.message.startsWith(L10n::render("importNotStarted", {QString()}))) << notStarted.message.toStdString();
}

TEST_F(RunnerStandIn, PasswordTravelsOnlyInTheClientEnvironment) {
    const QString docker = script("record", QString("printf '%s\\n' \"$@\" > '%1/args'; printf '%s' \"$MYSQL_PWD\" "
                                                    "> '%1/pwd'; exec cat >/dev/null")
                                                .arg(dir.path()));
    ASSERT_EQ(run(docker, sparseFile("small.sql", 1000)).kind, ImportOutcome::Kind::success);
    QFile args(dir.filePath("args")), pwd(dir.filePath("pwd"));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly) && pwd.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "exec\n-i\n-e\nMYSQL_PWD\nc\nmysql\n-uroot\n--batch\n--default-character-set=utf8mb4\n"
                              "--max-allowed-packet=512M\nd\n");
    EXPECT_EQ(pwd.readAll(), "s3cret pass");
    EXPECT_FALSE(logged.join('\n').contains("s3cret"));
}

TEST_F(RunnerStandIn, CancelEndsAWriteBlockedOnAClientThatNeverReads) {
    const QString docker = script("stuck", "exec sleep 1000");
    ImportRunner runner;
    std::thread canceller([&runner] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        runner.cancel();
    });
    EXPECT_EQ(run(docker, sparseFile("big.sql", 64 << 20), &runner), ImportOutcome::cancelled());
    canceller.join();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_FALSE(reports.back().inputFinished);
    EXPECT_LT(reports.back().bytesRead, qint64(64) << 20);
    runner.cancel();  // after the end: only sets the flag
}

TEST_F(RunnerStandIn, CountsBeyondTwoGibibytesExactly) {
    struct statvfs space {};
    ASSERT_EQ(::statvfs(dir.path().toLocal8Bit().constData(), &space), 0);
    if (quint64(space.f_bavail) * space.f_frsize < (quint64(1) << 30)) GTEST_SKIP() << "less than 1 GiB free";
    const qint64 size = (qint64(2) << 30) + 262144 * 3 + 12345;
    const QString dump = sparseFile("huge.sql", size);
    ASSERT_EQ(run(script("sink", "exec cat >/dev/null"), dump).kind, ImportOutcome::Kind::success);
    ASSERT_GE(reports.size(), 2);
    qint64 previous = -1;
    for (const ImportProgress& report : reports) {
        EXPECT_EQ(report.totalBytes, size);
        EXPECT_GE(report.bytesRead, previous);
        previous = report.bytesRead;
    }
    EXPECT_EQ(reports.back().bytesRead, size);
    EXPECT_TRUE(reports.back().inputFinished);
    QFile::remove(dump);
}
