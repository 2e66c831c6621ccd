// Imports into real MariaDB containers through the real docker client and gzip.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "account/AccountNames.h"
#include "dump/DumpFixPlan.h"
#include "dump/DumpInspection.h"
#include "import/ImportRunner.h"
#include "support/FixtureServer.h"
#include "support/Fixtures.h"
#include "support/OutcomeEnd.h"

static void PrintTo(const ImportOutcome& outcome, std::ostream* out) {
    *out << int(outcome.kind) << " \"" << outcome.message.toStdString() << '"';
}

namespace {

class RunnerOnDocker : public ::testing::Test {
protected:
    void TearDown() override {
        for (const QString& database : created) seeded.sql("DROP DATABASE IF EXISTS `" + database + "`");
    }
    QString newDatabase(const FixtureServer& server, const char* role) {
        const QString name = QString("imp_%1_%2_%3")
                                 .arg(qEnvironmentVariable("TARNWELL_FIXTURE_RUN", "run"))
                                 .arg(::getpid())
                                 .arg(role)
                                 .replace('-', '_');
        server.sql("DROP DATABASE IF EXISTS `" + name + "`; CREATE DATABASE `" + name + "`");
        if (&server == &seeded) created << name;
        return name;
    }
    QString write(const char* name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QString gzip(const char* name, const QString& plain) {
        return write(name, DockerClient::run("/usr/bin/gzip", {"-1", "-c", plain}, {}).stdoutBytes);
    }
    ImportOutcome run(const ImportRequest& request, ImportRunner* runner = nullptr,
                      const std::function<void(qint64)>& onBytes = {}) {
        ImportRunner own;
        reports.clear();
        logged.clear();
        return (runner ? runner : &own)
            ->run(
                request, seeded.client,
                [&](const ImportProgress& progress) {
                    reports << progress;
                    if (onBytes) onBytes(progress.bytesRead);
                },
                [this](const QString& line) {
                    std::lock_guard guard(logLock);
                    logged << line;
                });
    }
    // INSERT statements of about 1 MB each with random payloads (they do not compress away).
    static QByteArray generatedDump(qint64 size) {
        QByteArray dump = "DROP TABLE IF EXISTS big;\nCREATE TABLE big (id INT PRIMARY KEY, payload VARCHAR(64));\n";
        qint64 id = 0;
        while (dump.size() < size) {
            dump += "INSERT INTO big VALUES ";
            for (int row = 0; row < 12000; ++row) {
                dump += (row ? ",(" : "(") + QByteArray::number(++id) + ",'" +
                        QByteArray::number(QRandomGenerator::global()->generate64(), 36) + "')";
            }
            dump += ";\n";
        }
        return dump;
    }
    // The lines of `ps` inside the container that belong to an import client into the
    // database (other tests may import into the same container meanwhile).
    QStringList clientsInside(const QString& database) const {
        const CommandResult ps = DockerClient::run(seeded.client.docker, {"exec", seeded.container, "ps", "-o", "args"},
                                                   DockerClient::processEnvironment());
        QStringList clients;
        for (const QString& line : QString::fromUtf8(ps.stdoutBytes).split('\n')) {
            if (line.contains("--batch") && line.trimmed().endsWith(' ' + database)) clients << line;
        }
        return clients;
    }

    FixtureServer seeded{Fixtures::seeded(), Fixtures::seededPassword()};
    QStringList created;
    QTemporaryDir dir;
    QList<ImportProgress> reports;
    std::mutex logLock;
    QStringList logged;
};

bool noChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

}  // namespace

TEST_F(RunnerOnDocker, PlainAndGzipDumpsReplaceTablesAndMatchTheSource) {
    const CommandResult dump = seeded.exec({"mariadb-dump", "-uroot", "shop"});
    ASSERT_EQ(dump.status, 0) << dump.stderrBytes.toStdString();
    const QString plain = write("shop.sql", dump.stdoutBytes);
    const QString source = seeded.fingerprint("shop");
    ASSERT_FALSE(source.isEmpty());
    for (const QString& file : {plain, gzip("shop.sql.gz", plain)}) {
        const DumpPreview preview = DumpInspection::peekDump(seeded.client, file);
        EXPECT_TRUE(preview.containsDropTable);
        const QString target = newDatabase(seeded, preview.compressed ? "gz" : "plain");
        // A table of the same name with other content, which the dump replaces.
        seeded.sql("CREATE TABLE `" + target + "`.audit_log (junk INT); INSERT INTO `" + target +
                   "`.audit_log VALUES (1),(2)");
        ImportRequest request = seeded.request(file, target);
        request.disableForeignKeyChecks = request.disableUniqueChecks = true;
        EXPECT_EQ(run(request).kind, ImportOutcome::Kind::success) << logged.join('\n').toStdString();
        EXPECT_EQ(seeded.fingerprint(target), source) << file.toStdString();
        EXPECT_EQ(reports.back().bytesRead, preview.byteCount);
        EXPECT_TRUE(reports.back().inputFinished);
    }
}

TEST_F(RunnerOnDocker, FailuresCarryTheClientsAndGzipsOwnLines) {
    const QString target = newDatabase(seeded, "fail");
    const QString bad = write("bad.sql",
                              "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\nINSERT INTO t VALUES (2);\n"
                              "INSERT INTO t VALUES (3);\nINSERT INTO no_such_table VALUES (4);\n"
                              "INSERT INTO t VALUES (5);\n");
    // One session: its live log already counts the dump's lines.
    ImportRequest request = seeded.request(bad, target);
    request.jobs = 1;
    const ImportOutcome failed = run(request);
    EXPECT_EQ(failed.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(failed.message.contains("at line 5")) << failed.message.toStdString();
    EXPECT_TRUE(logged.join('\n').contains(failed.message));
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM `" + target + "`.t"), "3");

    // Valid for its first megabyte, garbage after it.
    QFile compressed(gzip("corrupt.sql.gz", write("big.sql", generatedDump(6 << 20))));
    ASSERT_TRUE(compressed.open(QIODevice::ReadWrite));
    ASSERT_GT(compressed.size(), 2 << 20);
    compressed.seek(1 << 20);
    compressed.write(QByteArray(64 << 10, '\x5a'));
    compressed.close();
    const ImportOutcome corrupt = run(seeded.request(compressed.fileName(), target));
    EXPECT_EQ(corrupt.kind, ImportOutcome::Kind::failed);
    EXPECT_FALSE(logged.filter(QRegularExpression("^gzip: .+")).isEmpty()) << logged.join('\n').toStdString();
    // The broken pipe is only the symptom; the message names the child that failed.
    EXPECT_FALSE(corrupt.message.contains("Broken pipe")) << corrupt.message.toStdString();

    // A statement that fails early in a large dump: the client quits while the copy still
    // writes, and its error, not the broken pipe, is the message.
    const QString early = write("early.sql", "INSERT INTO no_such_table VALUES (1);\n" + generatedDump(16 << 20));
    const ImportOutcome refused = run(seeded.request(early, target));
    EXPECT_EQ(refused.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(refused.message.contains("no_such_table")) << refused.message.toStdString();
    EXPECT_TRUE(noChildLeft());
}

TEST_F(RunnerOnDocker, CancelMidCopyLeavesNoProcessAndNoPasswordInArguments) {
    const QString plain = write("huge.sql", generatedDump(96 << 20));
    for (const QString& file : {plain, gzip("huge.sql.gz", plain)}) {
        const ImportRequest request = seeded.request(file, newDatabase(seeded, "cancel"));
        const qint64 size = QFileInfo(file).size();
        ImportRunner runner;
        std::atomic<qint64> copied{0};
        std::atomic<std::chrono::steady_clock::time_point> cancelledAt{};
        QStringList leaks;
        std::thread canceller([&] {
            while (copied < size / 10) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            // Every command line on this machine and in the container, while the import runs.
            for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
                QFile cmdline("/proc/" + entry + "/cmdline");
                if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(seeded.password.toUtf8()))
                    leaks << entry;
            }
            if (seeded.exec({"ps", "-o", "args"}).stdoutBytes.contains(seeded.password.toUtf8())) leaks << "container";
            cancelledAt = std::chrono::steady_clock::now();
            runner.cancel();
        });
        EXPECT_EQ(endOf(run(request, &runner, [&copied](qint64 bytes) { copied = bytes; })),
                  ImportOutcome::cancelled());
        const auto took = std::chrono::steady_clock::now() - cancelledAt.load();
        canceller.join();
        // A bound, not a speed: a cancel that no longer reaches the children hangs far longer.
        EXPECT_LT(took, std::chrono::seconds(10)) << file.toStdString();
        EXPECT_EQ(leaks, QStringList());
        ASSERT_FALSE(reports.isEmpty());
        EXPECT_FALSE(reports.back().inputFinished);
        EXPECT_LT(reports.back().bytesRead, size);
        EXPECT_TRUE(noChildLeft());
        // The client inside ends once its input is gone; wait for it, without a time limit
        // beyond what a hung client would need.
        QStringList inside = clientsInside(request.database);
        for (int attempt = 0; attempt < 150 && !inside.isEmpty(); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            inside = clientsInside(request.database);
        }
        EXPECT_EQ(inside, QStringList()) << file.toStdString();
    }
}

TEST_F(RunnerOnDocker, MariadbOnlyImageImportsThroughMariadb) {
    const FixtureServer only{Fixtures::mariadbOnly(), Fixtures::mariadbOnlyPassword()};
    const QString dump = write("mini.sql", "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1),(2);\n");
    const QString target = newDatabase(only, "only");
    ImportRequest request = only.request(dump, target);
    EXPECT_EQ(run(request).kind, ImportOutcome::Kind::failed);  // no `mysql` in the image
    request.clientProgram = "mariadb";
    EXPECT_EQ(run(request).kind, ImportOutcome::Kind::success) << logged.join('\n').toStdString();
    EXPECT_TRUE(logged.front().contains(" mariadb -uroot "));
    EXPECT_EQ(only.sql("SELECT SUM(a) FROM `" + target + "`.t"), "3");
    only.sql("DROP DATABASE `" + target + "`");
}

// Database names that look like client options or need quoting: the rows land in exactly
// the database named, and nowhere else.
TEST_F(RunnerOnDocker, EveryDatabaseNameIsOnlyAName) {
    const QString dump = write("names.sql", "CREATE TABLE landed (a INT);\nINSERT INTO landed VALUES (7);\n");
    const QString suffix = QString::number(::getpid());
    for (const QString& base : {QString("-e"), QString("--version"), QString("-x"), QString("back`tick"),
                                QString("quo'te"), QString("with space"), QString::fromUtf8("Grüße_данные_名前")}) {
        const QString name = base + suffix;
        const QString quoted = "`" + QString(name).replace("`", "``") + "`";
        seeded.sql("DROP DATABASE IF EXISTS " + quoted + "; CREATE DATABASE " + quoted);
        const ImportOutcome outcome = run(seeded.request(dump, name));
        EXPECT_EQ(outcome.kind, ImportOutcome::Kind::success)
            << name.toStdString() << " " << outcome.message.toStdString();
        EXPECT_EQ(seeded.sql("SELECT a FROM " + quoted + ".landed"), "7") << name.toStdString();
        const QString elsewhere = seeded.sql(
            "SELECT COUNT(*) FROM information_schema.tables WHERE table_name = 'landed' AND table_schema <> '" +
            QString(name).replace("'", "''") + "'");
        EXPECT_EQ(elsewhere, "0") << name.toStdString();
        seeded.sql("DROP DATABASE " + quoted);
    }
}

// A dump is data: with a client that has a sandbox mode, a shell command written into it is
// refused and ends the import at its line; the statements before it stay.
TEST_F(RunnerOnDocker, ShellCommandsInADumpNeverRun) {
    const QString marker = QString("/tmp/tarnwell-shell-%1").arg(::getpid());
    const QString dump = write("shell.sql", ("CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\n\\! touch " + marker +
                                             "\nINSERT INTO t VALUES (2);\n")
                                                .toUtf8());
    const QString target = newDatabase(seeded, "shell");
    ImportRequest request = seeded.request(dump, target);
    request.fixes.clientHasSandbox = true;
    const ImportOutcome outcome = run(request);
    EXPECT_EQ(outcome.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(outcome.message.contains("at line 3")) << outcome.message.toStdString();
    // Binary mode refuses it before the sandbox would.
    EXPECT_TRUE(outcome.message.contains("Unknown command '\\!'")) << outcome.message.toStdString();
    EXPECT_NE(seeded.exec({"ls", marker}).status, 0) << "the shell command ran";
    EXPECT_EQ(seeded.sql("SELECT GROUP_CONCAT(a) FROM `" + target + "`.t"), "1");
}

// The server stops reading in the middle of the dump (a statement that takes its time): the
// copy blocks on a full pipe, and a cancel must still end everything within a bound, with the
// statements after the slow one never run.
TEST_F(RunnerOnDocker, ACancelEndsAnImportWhoseServerStoppedReading) {
    const QString target = newDatabase(seeded, "stall");
    const QString dump = write(
        "stall.sql", "CREATE TABLE t (a INT);\nINSERT INTO t VALUES (1);\nDO SLEEP(600);\n" + generatedDump(24 << 20));
    ImportRunner runner;
    std::atomic<qint64> copied{0};
    std::chrono::steady_clock::time_point cancelledAt;
    std::thread canceller([&] {
        // The pipe is full and the client busy: the copy stands still.
        qint64 seen = -1;
        while (seen != copied || copied == 0) {
            seen = copied;
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        }
        cancelledAt = std::chrono::steady_clock::now();
        runner.cancel();
    });
    EXPECT_EQ(endOf(run(seeded.request(dump, target), &runner, [&copied](qint64 bytes) { copied = bytes; })),
              ImportOutcome::cancelled());
    const auto took = std::chrono::steady_clock::now() - cancelledAt;
    canceller.join();
    EXPECT_LT(took, std::chrono::seconds(10));
    EXPECT_LT(reports.back().bytesRead, QFileInfo(dump).size());
    EXPECT_TRUE(noChildLeft());
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM `" + target + "`.t"), "1");
    EXPECT_EQ(seeded.sql("SHOW TABLES FROM `" + target + "` LIKE 'big'"), "");
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE INFO LIKE 'DO SLEEP(600)%'"), "0");
}

namespace {

QByteArray dumpNamed(const char* name) {
    QFile file(QStringLiteral(TARNWELL_TEST_DUMPS "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

}  // namespace

// Dumps made elsewhere, with what the stream does by default for this server.
TEST_F(RunnerOnDocker, DumpsFromOtherServersImportCleanlyByDefault) {
    const ServerInfo server = seeded.client.fetchServerInfo(seeded.container, "root", seeded.password);
    ASSERT_TRUE(server.isMariadb());
    ASSERT_FALSE(server.collations.isEmpty());
    const auto planned = [&](const QString& file, const QString& target, const QByteArray& text) {
        ImportRequest request = seeded.request(file, target);
        request.fixes.clientHasSandbox = server.clientSandbox;
        request.fixes = DumpFixPlan::plan(DumpScanning::scan(text, true), server, {}, target);
        return request;
    };

    // MySQL 8: GTID_PURGED, 0900 collations, DEFAULT ENCRYPTION, a trigger, a routine and a
    // view whose DEFINER is no account here.
    const QByteArray mysql = dumpNamed("mysql80.sql");
    const QString shop = newDatabase(seeded, "mysql80");
    const ImportOutcome imported = run(planned(write("mysql80.sql", mysql), shop, mysql));
    ASSERT_EQ(imported.kind, ImportOutcome::Kind::success) << imported.message.toStdString();
    const QString reference = newDatabase(seeded, "mysql80ref");
    seeded.sql(
        "USE `" + reference +
        "`; "
        "CREATE TABLE customers (id int NOT NULL AUTO_INCREMENT, name varchar(100) NOT NULL, note text, PRIMARY KEY (id)); "
        "INSERT INTO customers VALUES (1,'Ada','collation utf8mb4_0900_ai_ci stays as written'),"
        "(2,'Bo','DEFINER=`root`@`localhost` and USE elsewhere; are data'),(3,'Cy','line one\\nline two; -- not a comment'); "
        "CREATE TABLE orders (id int NOT NULL, customer_id int NOT NULL, total decimal(10,2) NOT NULL, PRIMARY KEY (id)); "
        "INSERT INTO orders VALUES (10,1,9.50),(11,2,120.00),(12,3,0.99); "
        "CREATE VIEW big_orders AS SELECT id, total FROM orders WHERE total > 100;");
    EXPECT_EQ(seeded.fingerprint(shop), seeded.fingerprint(reference));
    EXPECT_EQ(seeded.sql("SELECT TABLE_COLLATION FROM information_schema.TABLES WHERE TABLE_SCHEMA='" + shop +
                         "' AND TABLE_NAME='orders'"),
              QString::fromUtf8(DumpFixing::closestCollation("utf8mb4_0900_ai_ci", server.collations)));
    // What the dump defines works, and belongs to the role that reaches only this database.
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM `" + shop + "`.big_orders"), "1");
    EXPECT_EQ(seeded.sql("SELECT DEFINER FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA='" + shop + "'"),
              AccountNames::ownerRole({shop.toUtf8()}) + "@");
    seeded.sql("INSERT INTO `" + shop + "`.orders VALUES (13, 1, -5)");
    EXPECT_EQ(seeded.sql("SELECT total FROM `" + shop + "`.orders WHERE id = 13"), "0.00");
    EXPECT_EQ(seeded.sql("CALL `" + shop + "`.order_count(@n); SELECT @n"), "4");
    EXPECT_TRUE(logged.join('\n').contains("SET GTID_PURGED left out")) << logged.join('\n').toStdString();
    // The fixture has a `shop` of its own: the dump's database, which it must not get.
    EXPECT_EQ(seeded.sql("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA='shop' AND "
                         "TABLE_NAME='big_orders'"),
              "0");

    // CREATE DATABASE elsewhere; USE elsewhere; lands in the chosen database.
    const QByteArray elsewhere = dumpNamed("elsewhere.sql");
    const QString chosen = newDatabase(seeded, "redirect");
    const ImportOutcome redirected = run(planned(write("elsewhere.sql", elsewhere), chosen, elsewhere));
    ASSERT_EQ(redirected.kind, ImportOutcome::Kind::success) << redirected.message.toStdString();
    EXPECT_EQ(seeded.sql("SELECT GROUP_CONCAT(body ORDER BY id SEPARATOR '|') FROM `" + chosen + "`.notes"),
              "USE elsewhere; stays text|`elsewhere`.`notes` too|qualified");
    EXPECT_TRUE(seeded.sql("SHOW DATABASES LIKE 'elsewhere'").isEmpty());

    // A shell command: the sandbox refuses it, and a client without one never gets it.
    const QString marker = QString("/tmp/tarnwell-guard-%1").arg(::getpid());
    const QByteArray shell = dumpNamed("shell.sql").replace("MARKER", marker.toUtf8());
    for (const bool sandbox : {true, false}) {
        const QString target = newDatabase(seeded, sandbox ? "sandboxed" : "guarded");
        ImportRequest request = planned(write("shell.sql", shell), target, shell);
        request.fixes.clientHasSandbox = sandbox;
        // One session in batches: with rows spread, the first session commits each statement.
        request.jobs = 1;
        const ImportOutcome stopped = run(request);
        EXPECT_EQ(stopped.kind, ImportOutcome::Kind::failed);
        EXPECT_TRUE(stopped.message.contains("line 3")) << stopped.message.toStdString();
        EXPECT_NE(seeded.exec({"ls", marker}).status, 0) << "the shell command ran";
        // Before the command, whole batches only: the stream's own stop commits the statements
        // before it; the client's refusal is a failure, which undoes the batch it was in.
        EXPECT_EQ(seeded.sql("SELECT IFNULL(GROUP_CONCAT(a), 'none') FROM `" + target + "`.t"), sandbox ? "none" : "1")
            << sandbox;
    }
    EXPECT_TRUE(noChildLeft());
}

// The client runs in binary mode, which keeps a carriage return before a line feed; the rows must
// still be what a plain pipe made of them, where the client dropped it. `\d` still changes the
// delimiter.
TEST_F(RunnerOnDocker, LineEndsAndDelimitersImportAsThroughAPlainPipe) {
    const QByteArray lf =
        "CREATE TABLE t (id INT PRIMARY KEY, v VARBINARY(100));\nINSERT INTO t VALUES (1, 'a\nb'), (2, 'c\rd');\n"
        "\\d ;;\nCREATE TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.v = CONCAT(NEW.v, '!');;\n\\d ;\n"
        "INSERT INTO t VALUES (3, 'e');\n";
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const QString viaLf = newDatabase(seeded, "lf"), viaCrlf = newDatabase(seeded, "crlf");
    ASSERT_EQ(run(seeded.request(write("lf.sql", lf), viaLf)).kind, ImportOutcome::Kind::success);
    const ImportOutcome outcome = run(seeded.request(write("crlf.sql", crlf), viaCrlf));
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_EQ(seeded.fingerprint(viaCrlf), seeded.fingerprint(viaLf));
    EXPECT_EQ(seeded.sql("SELECT HEX(v) FROM `" + viaCrlf + "`.t ORDER BY id"), "610A62\n630D64\n6521");
}

// A dump that turns NO_BACKSLASH_ESCAPES on and off again, as tools write it around stored
// programs: redirected and with the temporary account, the rows are what a plain pipe into the
// dump's own database makes of them.
TEST_F(RunnerOnDocker, SqlModeQuotingImportsAsThroughAPlainPipe) {
    const ServerInfo server = seeded.client.fetchServerInfo(seeded.container, "root", seeded.password);
    const QString named = newDatabase(seeded, "nbe_named");
    const QByteArray dump = "USE `" + named.toUtf8() +
                            "`;\nCREATE TABLE t (id INT PRIMARY KEY, v VARCHAR(100));\n"
                            "SET @saved = @@sql_mode;\nSET sql_mode = 'NO_BACKSLASH_ESCAPES';\n"
                            "INSERT INTO t VALUES (1, 'x\\'), (2, '`" +
                            named.toUtf8() +
                            "`.`t`;'), (3, 'it''s');\n"
                            "SET sql_mode = @saved;\nINSERT INTO t VALUES (4, 'y\\'z'), (5, '\\\\');\n";
    const QString file = write("nbe.sql", dump);
    const CommandResult bare =
        DockerClient::run("/bin/sh",
                          {"-c", QString("\"$0\" exec -i -e MYSQL_PWD \"$1\" mariadb -uroot < \"$2\""),
                           seeded.client.docker, seeded.container, file},
                          [&] {
                              QProcessEnvironment environment = DockerClient::processEnvironment();
                              environment.insert("MYSQL_PWD", seeded.password);
                              return environment;
                          }());
    ASSERT_EQ(bare.status, 0) << bare.stderrBytes.toStdString();
    const QString chosen = newDatabase(seeded, "nbe_chosen");
    ImportRequest request = seeded.request(file, chosen);
    request.fixes = DumpFixPlan::plan(DumpScanning::scan(dump, true), server, {}, chosen);
    ASSERT_FALSE(request.fixes.ownerRole.isEmpty());
    const ImportOutcome outcome = run(request);
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_EQ(seeded.fingerprint(chosen), seeded.fingerprint(named));
    EXPECT_EQ(seeded.sql("SELECT GROUP_CONCAT(v ORDER BY id SEPARATOR '|') FROM `" + chosen + "`.t"),
              "x\\\\|`" + named + "`.`t`;|it's|y'z|\\\\");
}

// In batches, a failure undoes the batch that was loading; the database keeps whole batches, and the
// log says up to which line.
TEST_F(RunnerOnDocker, AFailureKeepsWholeBatchesAndSaysUpToWhere) {
    QByteArray dump = "CREATE TABLE r (id INT PRIMARY KEY);\n";
    for (int i = 1; i <= 2500; ++i) dump += "INSERT INTO r VALUES (" + QByteArray::number(i) + ");\n";
    dump.replace("INSERT INTO r VALUES (1700);", "INSERT INTO r VALUES (1699);");
    const QString database = newDatabase(seeded, "batches");
    ImportRequest request = seeded.request(write("batches.sql", dump), database);
    request.fixes.batchStatements = 1000;
    request.jobs = 1;
    const ImportOutcome outcome = run(request);
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(outcome.message.contains("Duplicate entry '1699'")) << outcome.message.toStdString();
    // The CREATE TABLE commits by itself and ends the first batch; the second is 1000 rows, up to
    // line 1001, and the outcome says where that is in the dump and how many rows r had by then.
    EXPECT_EQ(seeded.sql("SELECT COUNT(*), MAX(id) FROM `" + database + "`.r"), "1000\t1000");
    EXPECT_TRUE(
        logged.contains("Rows are committed in batches: the database keeps what the dump’s statements up to "
                        "line 1001 (table r) made, at least; the batch that was loading was undone."))
        << logged.join('\n').toStdString();
    const qint64 end = dump.indexOf("INSERT INTO r VALUES (1001);") - 1;
    EXPECT_EQ(outcome.kept, (KeptPoint{end, 1001, "r", 1000}));
}

// zstd, xz and bzip2 dumps, told by their first bytes, import as the plain one does; a damaged
// one is the file's fault, in its program's words.
TEST_F(RunnerOnDocker, ZstdXzAndBzip2DumpsImportAsThePlainOne) {
    const QString plain = write("formats.sql", generatedDump(2 << 20));
    const QString reference = newDatabase(seeded, "fmt_plain");
    ASSERT_EQ(run(seeded.request(plain, reference)).kind, ImportOutcome::Kind::success);
    const QString expected = seeded.fingerprint(reference);
    const struct {
        const char* program;
        const char* name;
    } formats[] = {{"/usr/bin/zstd", "zstd"}, {"/usr/bin/xz", "xz"}, {"/usr/bin/bzip2", "bzip2"}};
    for (const auto& format : formats) {
        const QByteArray packed = DockerClient::run(format.program, {"-c", plain}, {}).stdoutBytes;
        ASSERT_GT(packed.size(), 1000) << format.name;
        const QString target = newDatabase(seeded, format.name);
        // No telling suffix: the content decides.
        const ImportOutcome whole = run(seeded.request(write("packed.dump", packed), target));
        EXPECT_EQ(whole.kind, ImportOutcome::Kind::success) << format.name << ' ' << whole.message.toStdString();
        EXPECT_EQ(seeded.fingerprint(target), expected) << format.name;

        const ImportOutcome cut = run(seeded.request(write("cut.dump", packed.first(packed.size() / 2)), target));
        EXPECT_EQ(cut.kind, ImportOutcome::Kind::failed) << format.name;
        EXPECT_TRUE(cut.message.startsWith("The file is damaged (" + QString(format.name) + ": "))
            << format.name << ' ' << cut.message.toStdString();
        EXPECT_TRUE(noChildLeft()) << format.name;
    }
}
