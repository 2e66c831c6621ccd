// Continuing a stopped import: after a cancel, a kill or a failing statement at a random moment,
// --resume ends with what one uninterrupted import makes, table for table.
#include <QDateTime>
#include <QFile>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "CliHarness.h"
#include "docker/DockerClient.h"
#include "support/Fixtures.h"

namespace {

const QString kTables = "a, b, c";

class ResumeTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        source_ = unique("src_");
        target_ = unique("resume_");
        // The source's own server dumps it: a real dump, one row per INSERT, with a trigger and a view.
        sql("CREATE DATABASE " + source_ + "; USE " + source_ +
            "; CREATE TABLE a (id INT PRIMARY KEY, v VARCHAR(40), KEY (v)) ENGINE=InnoDB;"
            " INSERT INTO a SELECT seq, CONCAT('a', seq) FROM seq_1_to_20000;"
            " CREATE TABLE b (id INT PRIMARY KEY, n INT) ENGINE=InnoDB;"
            " INSERT INTO b SELECT seq, seq * 7 FROM seq_1_to_20000;"
            " CREATE TABLE c (id INT PRIMARY KEY, total INT) ENGINE=InnoDB; INSERT INTO c VALUES (1, 0);"
            " CREATE TRIGGER b_total AFTER INSERT ON b FOR EACH ROW UPDATE c SET total = total + 1 WHERE id = 1;"
            " CREATE VIEW v AS SELECT a.id, b.n FROM a JOIN b USING (id)");
        const CommandResult dumped = DockerClient::run(DockerClient::resolve().docker,
                                                       {"exec", "-e", "MYSQL_PWD", Fixtures::seeded(), "mariadb-dump",
                                                        "-uroot", "--skip-extended-insert", "--triggers", source_},
                                                       passwordEnvironment());
        ASSERT_EQ(dumped.status, 0) << dumped.stderrBytes.toStdString();
        dump_ = writeFile("source.sql", dumped.stdoutBytes);
        fingerprint_ = checksums(source_);
    }
    void TearDown() override {
        sql("DROP DATABASE IF EXISTS " + source_ + "; DROP DATABASE IF EXISTS " + target_ +
            "; SET GLOBAL lock_wait_timeout = DEFAULT");
    }

    static QProcessEnvironment passwordEnvironment() {
        QProcessEnvironment environment = DockerClient::processEnvironment();
        environment.insert("MYSQL_PWD", Fixtures::seededPassword());
        return environment;
    }
    static QString sql(const QString& statements) {
        return Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), statements);
    }
    // Every table's checksum, the trigger and the view: what an import makes.
    static QString checksums(const QString& database) {
        return sql("CHECKSUM TABLE " + database + ".a, " + database + ".b, " + database + ".c")
                   .replace(database + '.', QString()) +
               sql("SELECT GROUP_CONCAT(TRIGGER_NAME) FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA='" +
                   database + "'") +
               sql("SELECT COUNT(*) FROM " + database + ".v");
    }
    QStringList importArguments() const {
        // No copy first: a table held locked would stop the copy, not the statement under test.
        return {"import", dump_,       "--container", Fixtures::seeded(), "--database", target_, "--commit-every",
                "500",    "--no-copy", "--yes"};
    }
    // Waits until nothing of a run that was killed is left in the container.
    void awaitSessionsGone() const {
        for (int i = 0; i < 100 && !processesWith(target_).isEmpty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (int i = 0; i < 100; ++i) {
            const QString left = sql("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE DB='" + target_ + "'");
            if (left == "0") return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    // The run that continues, and what it made.
    void expectResumeMakesTheWhole(const char* how) {
        const CliResult resumed = run(importArguments() << "--resume");
        ASSERT_EQ(resumed.status, 0) << how << ": " << resumed.err.toStdString();
        EXPECT_TRUE(resumed.err.contains("Continuing from line ")) << resumed.err.toStdString();
        EXPECT_EQ(checksums(target_), fingerprint_) << how;
        // Done: nothing is left to continue.
        EXPECT_EQ(run(importArguments() << "--resume").status, 2);
    }

    QString source_;
    QString target_;
    QString dump_;
    QString fingerprint_;
};

TEST_F(ResumeTest, ACancelOrAKillAtAnyMomentContinuesToTheWhole) {
    std::mt19937 random(20261211);
    for (const int signal : {SIGINT, SIGKILL, SIGINT, SIGKILL}) {
        sql("DROP DATABASE IF EXISTS " + target_ + "; CREATE DATABASE " + target_);
        CliRun cli(settingsFolder(), importArguments());
        ASSERT_TRUE(cli.readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }))
            << cli.err().toStdString();
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + random() % 2500));
        if (signal == SIGKILL) {
            cli.kill();
            awaitSessionsGone();
        } else {
            cli.signalGroup(signal);
            const CliResult ended = cli.finish();
            if (ended.status == 0) continue;  // it finished first: nothing to continue
        }
        expectResumeMakesTheWhole(signal == SIGKILL ? "after a kill" : "after a cancel");
    }
}

// A statement that fails (a lock held elsewhere past the server's wait) stops the import; once the
// lock is gone, the import continues to the whole.
TEST_F(ResumeTest, AFailedStatementContinuesOnceItsCauseIsGone) {
    std::mt19937 random(20261212);
    for (const QString table : {"b", "c"}) {
        sql("DROP DATABASE IF EXISTS " + target_ + "; CREATE DATABASE " + target_ + "; CREATE TABLE " + target_ + '.' +
            table + " (id INT); SET GLOBAL lock_wait_timeout = 2");
        Process::Child holder =
            Process::Child::start({DockerClient::resolve().docker,
                                   {"exec", "-e", "MYSQL_PWD", Fixtures::seeded(), "mariadb", "-uroot", "-e",
                                    "LOCK TABLES " + target_ + '.' + table + " WRITE; SELECT SLEEP(600)"},
                                   passwordEnvironment()});
        std::this_thread::sleep_for(std::chrono::milliseconds(500 + random() % 500));
        const CliResult failed = run(importArguments());
        EXPECT_EQ(failed.status, 1) << failed.err.toStdString();
        EXPECT_TRUE(failed.err.contains("Lock wait timeout")) << failed.err.toStdString();
        const QString locker =
            sql("SELECT ID FROM information_schema.PROCESSLIST WHERE INFO LIKE 'SELECT SLEEP(600)%' LIMIT 1");
        ASSERT_FALSE(locker.isEmpty());
        sql("KILL " + locker);
        holder.terminate();
        sql("SET GLOBAL lock_wait_timeout = DEFAULT");
        expectResumeMakesTheWhole("after a failed statement");
    }
}

// A dump that changed since, or another dump, does not continue: it says why.
TEST_F(ResumeTest, AChangedFileOrAnotherFileDoesNotContinue) {
    sql("DROP DATABASE IF EXISTS " + target_ + "; CREATE DATABASE " + target_);
    CliRun cli(settingsFolder(), importArguments());
    ASSERT_TRUE(cli.readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    cli.signalGroup(SIGINT);
    ASSERT_EQ(cli.finish().status, 130);

    QFile file(dump_);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("-- one more line\n");
    file.close();
    const CliResult changed = run(importArguments() << "--resume");
    EXPECT_EQ(changed.status, 2);
    EXPECT_TRUE(changed.err.contains("changed since its import stopped")) << changed.err.toStdString();

    const QString other = writeFile("other.sql", "SELECT 1;\n");
    QStringList arguments = importArguments();
    arguments[1] = other;
    const CliResult another = run(arguments << "--resume");
    EXPECT_EQ(another.status, 2);
    EXPECT_TRUE(another.err.contains("not of this file")) << another.err.toStdString();
}

}  // namespace
