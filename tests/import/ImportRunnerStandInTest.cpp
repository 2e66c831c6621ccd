// Runner behaviour that a real client cannot show on demand, played by small scripts in the
// place of docker.
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "import/ImportRunner.h"
#include "import/ProgressText.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "posix/SystemMessage.h"
#include "support/Fixtures.h"
#include "support/OutcomeEnd.h"

static void PrintTo(const ImportOutcome& outcome, std::ostream* out) {
    *out << int(outcome.kind) << " " << outcome.elapsed << " \"" << outcome.message.toStdString() << '"';
}

namespace {

class RunnerStandIn : public ::testing::Test {
protected:
    // A docker stand-in: for `exec -i` a client that names its session 7 as the real one
    // does and then runs the shell body; any other call (ending a session) is noted in the
    // file "control" and answers that the session is gone. Returns its path.
    QString script(const char* name, const QString& body, const QString& beforeSession = {}) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QString("#!/bin/sh\n"
                           "case \" $* \" in *\" -i \"*) ;; *) echo \"$*\" >> '%1/control'; echo 0; exit 0 ;; esac\n"
                           "IFS= read -r query\n%2\n"
                           "printf 'tarnwell_session\\ntarnwell-session 7\\n'\n")
                       .arg(dir.path(), beforeSession)
                       .toUtf8() +
                   (body + "\n").toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    // A sparse file of the given size: costs no disk space and reads as zeros.
    // A dump of that size: comment lines up to 16 MiB; beyond, a sparse file, whose zeros make one
    // statement too long to hold, which the stream passes as it comes.
    QString sparseFile(const char* name, qint64 size) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        if (size <= (16 << 20)) {
            const QByteArray line = "-- filler line of a dump\n";
            QByteArray text = line.repeated(size / line.size() + 1);
            text.resize(size);
            if (size > 0) text[size - 1] = '\n';
            file.write(text);
        } else {
            file.resize(size);
        }
        return path;
    }
    ImportOutcome run(const QString& docker, const QString& dump, ImportRunner* runner = nullptr,
                      const QString& gzip = "/usr/bin/gzip") {
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
            ->run(
                request, DockerClient{docker, gzip}, [this](const ImportProgress& progress) { reports << progress; },
                [this](const QString& line) {
                    std::lock_guard guard(logLock);
                    logged << line;
                });
    }

    QString controlCalls() const {
        QFile file(dir.filePath("control"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    ImportOutcome runCompressed(const QString& docker, const QString& dump) {
        return run(docker, dump, nullptr, "/usr/bin/gzip");
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
        {"directory", "cat >/dev/null", dir.path(),
         ImportOutcome::failed(L10n::render("notRegularFile", {dir.path()}))},
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
    EXPECT_TRUE(notStarted.message.startsWith(L10n::render("importNotStarted", {QString()})))
        << notStarted.message.toStdString();
}

TEST_F(RunnerStandIn, PasswordTravelsOnlyInTheClientEnvironment) {
    const QString docker = script("record", QString("printf '%s\\n' \"$@\" > '%1/args'; printf '%s' \"$MYSQL_PWD\" "
                                                    "> '%1/pwd'; exec cat >/dev/null")
                                                .arg(dir.path()));
    ASSERT_EQ(run(docker, sparseFile("small.sql", 1000)).kind, ImportOutcome::Kind::success);
    QFile args(dir.filePath("args")), pwd(dir.filePath("pwd"));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly) && pwd.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(),
              "exec\n-i\n-e\nMYSQL_PWD\nc\nmysql\n-uroot\n--batch\n--binary-mode\n--local-infile=0\n--unbuffered\n"
              "--skip-reconnect\n"
              "--default-character-set=utf8mb4\n--max-allowed-packet=512M\n--database=d\n");
    EXPECT_EQ(pwd.readAll(), "s3cret pass");
    EXPECT_FALSE(logged.join('\n').contains("s3cret"));
}

// A client that never reads blocks the copy on a full pipe; a cancel must still end the
// import promptly, ending its session on the server first, and stop a client that ignores
// SIGTERM with SIGKILL.
TEST_F(RunnerStandIn, CancelEndsTheSessionThenStopsAClientThatNeverReads) {
    for (const char* body : {"exec sleep 1000", "trap '' TERM; exec sleep 1000"}) {
        QFile::remove(dir.filePath("control"));
        const QString docker = script("stuck", body);
        ImportRunner runner;
        std::chrono::steady_clock::time_point cancelledAt;
        std::thread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            cancelledAt = std::chrono::steady_clock::now();
            runner.cancel();
        });
        EXPECT_EQ(endOf(run(docker, sparseFile("big.sql", 64 << 20), &runner)), ImportOutcome::cancelled()) << body;
        const auto took = std::chrono::steady_clock::now() - cancelledAt;
        canceller.join();
        // The client's grace, then SIGTERM's: a bound on the cancel, not a measure of speed.
        EXPECT_LT(took, std::chrono::seconds(8)) << body;
        EXPECT_TRUE(controlCalls().contains("KILL CONNECTION 7")) << body;
        ASSERT_FALSE(reports.isEmpty());
        EXPECT_FALSE(reports.back().inputFinished);
        EXPECT_LT(reports.back().bytesRead, qint64(64) << 20);
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child was left unreaped";
        runner.cancel();  // after the end: only sets the flag
    }
}

// gzip's own verdict counts: a warning (status 2, trailing garbage) is a finished import
// with the warning in the log; a cut trailer (all SQL decoded, then status 1) is a damaged
// file, and then the session is ended before the client sees the end of its input.
TEST_F(RunnerStandIn, GzipWarningsPassAndGzipFailuresFail) {
    const QString plain = Fixtures::writeFile(dir.path(), "d.sql", QByteArray("SELECT 1;\n").repeated(20000));
    const QByteArray packed = DockerClient::run("/usr/bin/gzip", {"-c", plain}, {}).stdoutBytes;
    const QString trailing = Fixtures::writeFile(dir.path(), "trailing.sql.gz", packed + "garbage");
    const QString cut = Fixtures::writeFile(dir.path(), "cut.sql.gz", packed.left(packed.size() - 4));
    const QString sink = script("sink", "exec cat >/dev/null");

    EXPECT_EQ(runCompressed(sink, trailing).kind, ImportOutcome::Kind::success) << logged.join('\n').toStdString();
    EXPECT_TRUE(logged.join('\n').contains("trailing garbage")) << logged.join('\n').toStdString();
    EXPECT_FALSE(logged.join('\n').contains("gzip: gzip:"));
    EXPECT_EQ(controlCalls(), "");

    // The file is what is wrong, in gzip's words.
    EXPECT_EQ(runCompressed(sink, cut),
              ImportOutcome::failed(L10n::render("fileDamaged", {QString("gzip: unexpected end of file")})));
    EXPECT_TRUE(controlCalls().contains("KILL CONNECTION 7"));
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

// Only a regular file that keeps its size is a dump: a pipe without a writer must not block,
// a device must not import for ever, and a file that shrinks or grows under the import fails
// it, in the safe order, naming both sizes.
TEST_F(RunnerStandIn, OnlyRegularFilesThatStayTheSame) {
    const QString fifo = dir.filePath("dump.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString sink = script("sink", "exec cat >/dev/null");
    for (const QString& path : {fifo, QString("/dev/zero")})
        EXPECT_EQ(run(sink, path), ImportOutcome::failed(L10n::render("notRegularFile", {path}))) << path.toStdString();

    const QString dump = Fixtures::writeFile(dir.path(), "changing.sql", QByteArray("SELECT 1;\n").repeated(100000));
    const QString before = ByteFormatting::bytes(qint64(1000000));
    const struct {
        const char* name;
        const char* change;
        qint64 after;
    } changes[] = {{"shrinks", "truncate -s 400000", 400000},
                   {"grows", "yes 'SELECT 2;' | head -c 200000 >>", 1200000}};
    for (const auto& c : changes) {
        Fixtures::writeFile(dir.path(), "changing.sql", QByteArray("SELECT 1;\n").repeated(100000));
        QFile::remove(dir.filePath("control"));
        // Changed after the import opened it, before the copy ends.
        const QString docker = script(c.name, "exec cat >/dev/null", QString("%1 '%2'").arg(c.change, dump));
        EXPECT_EQ(run(docker, dump),
                  ImportOutcome::failed(L10n::render("dumpChanged", {before, ByteFormatting::bytes(c.after)})))
            << c.name;
        EXPECT_TRUE(controlCalls().contains("KILL CONNECTION 7")) << c.name;
    }
}

// The engine's socket goes away mid-import: the client drops out and every later docker
// call is refused. The message says Docker went, not what the broken pipe says.
TEST_F(RunnerStandIn, AnEngineGoneMidImportIsNamed) {
    const QString path = dir.filePath("engine-gone");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\n"
        "gone() { echo 'Cannot connect to the Docker daemon at unix:///var/run/docker.sock. Is the docker daemon "
        "running?' >&2; exit 1; }\n"
        "case \" $* \" in *\" -i \"*) ;; *) gone ;; esac\n"
        "IFS= read -r query\n"
        "printf 'tarnwell_session\\ntarnwell-session 7\\n'\n"
        "head -c 300000 >/dev/null\n"
        "exit 1\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(run(path, sparseFile("big.sql", 8 << 20)),
              ImportOutcome::failed(L10n::render("importEngineGone", {QString("c")})));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child was left unreaped";
}

// A client that stops reading: once nothing has moved for a while the progress says so,
// instead of a speed and a time left from before the stall.
TEST_F(RunnerStandIn, AStalledCopySaysNoDataIsMoving) {
    ImportRunner runner;
    std::thread canceller([&] {
        for (int waited = 0; waited < 100; ++waited) {
            {
                std::lock_guard guard(logLock);
                if (!reports.isEmpty() && reports.back().idleSeconds >= ProgressText::kStalledSeconds) break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        runner.cancel();
    });
    ImportRequest request;
    request.fileURL = sparseFile("big.sql", 64 << 20);
    request.containerName = "c";
    request.database = "d";
    request.user = "root";
    const ImportOutcome outcome =
        runner.run(request,
                   DockerClient{script("stall",
                                       "i=0; while [ $i -lt 15 ]; do head -c 65536 >/dev/null; sleep 0.1; "
                                       "i=$((i + 1)); done; exec sleep 1000"),
                                "/usr/bin/gzip"},
                   [this](const ImportProgress& progress) {
                       std::lock_guard guard(logLock);
                       reports << progress;
                   },
                   {});
    canceller.join();
    EXPECT_EQ(endOf(outcome), ImportOutcome::cancelled());
    ASSERT_FALSE(reports.isEmpty());
    const ImportProgress last = reports.back();
    EXPECT_GE(last.idleSeconds, ProgressText::kStalledSeconds);
    EXPECT_EQ(ProgressText::line(last), L10n::render("progressStalled", {ByteFormatting::bytes(last.bytesRead),
                                                                         ByteFormatting::bytes(last.totalBytes)}));
    // The clock runs from the last byte that moved, not from the start.
    EXPECT_LT(last.idleSeconds, last.elapsed - 1) << last.elapsed;
}
