// Dumps written to break the promise that no client command in a dump runs, imported through
// the real runner into a client with a sandbox and into one without (a stand-in for MySQL's and
// older MariaDB clients). The stream's guard is off: the client's own binary mode must hold.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "docker/DockerClient.h"
#include "dump/DumpFixPlan.h"
#include "import/ImportRunner.h"
#include "support/FixtureServer.h"
#include "support/Fixtures.h"

namespace {

const QString kHostile = QStringLiteral(TARNWELL_TEST_DUMPS "/hostile");

struct Case {
    QString file;
    QString name;  // the `-- case:` name, which the markers carry
    QString holds;
    bool operator==(const Case&) const = default;
};

// The rows of cases.tsv of one class.
QList<Case> casesOf(const QString& wanted) {
    QFile table(kHostile + "/cases.tsv");
    EXPECT_TRUE(table.open(QIODevice::ReadOnly));
    QList<Case> cases;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3 || fields[1] != wanted.toUtf8()) continue;
        // "07-shell-after-quote-in-comment.sql" is case "shell-after-quote-in-comment".
        const QString file = QString::fromUtf8(fields[0]);
        cases << Case{file, file.section('-', 1).chopped(4), QString::fromUtf8(fields[2])};
    }
    return cases;
}

// What is in the container's /tmp, less the files a dump has the server write (a server
// matter, not the client's), which are removed.
QStringList tmpFiles(const FixtureServer& server) {
    QStringList files =
        QString::fromUtf8(server.exec({"ls", "-a", "/tmp"}).stdoutBytes).split('\n', Qt::SkipEmptyParts);
    files.removeIf([](const QString& name) { return name.startsWith("tw-hostile-"); });
    server.exec({"sh", "-c", "rm -f /tmp/tw-hostile-*"});
    return files;
}

class HostileDumps : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        server = GetParam() ? FixtureServer{Fixtures::seeded(), Fixtures::seededPassword()}
                            : FixtureServer{Fixtures::noSandbox(), Fixtures::noSandboxPassword()};
        info = server.client.fetchServerInfo(server.container, "root", server.password);
        ASSERT_EQ(info.clientSandbox, GetParam()) << server.container.toStdString();
    }
    void TearDown() override { server.sql("DROP DATABASE IF EXISTS target; DROP DATABASE IF EXISTS elsewhere"); }

    QString elsewhereState() const { return server.sql("SHOW TABLES IN elsewhere; CHECKSUM TABLE elsewhere.t"); }

    FixtureServer server;
    ServerInfo info;
    QTemporaryDir dir;
};

}  // namespace

TEST_P(HostileDumps, NoClientCommandRuns) {
    const QList<Case> cases = casesOf("client-command");
    ASSERT_GE(cases.size(), 20);
    for (const Case& hostile : cases) {
        SCOPED_TRACE(hostile.file.toStdString());
        server.sql(
            "DROP DATABASE IF EXISTS target; CREATE DATABASE target; DROP DATABASE IF EXISTS elsewhere; "
            "CREATE DATABASE elsewhere; CREATE TABLE elsewhere.t (id INT PRIMARY KEY, v VARCHAR(100)); "
            "INSERT INTO elsewhere.t VALUES (1, 'original')");
        const QString before = elsewhereState();
        const QStringList tmpBefore = tmpFiles(server);

        QFile file(kHostile + "/" + hostile.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        FixChoices choices;
        choices.guardClientCommands = false;
        ImportRequest request;
        request.fileURL = file.fileName();
        request.containerName = server.container;
        request.database = "target";
        request.user = "root";
        request.password = server.password;
        request.clientProgram = info.clientProgram;
        request.fixes = DumpFixPlan::plan(DumpScanning::scan(text, true), info, choices, "target");
        QStringList log;
        ImportRunner runner;
        const ImportOutcome outcome = runner.run(request, server.client, {}, [&](const QString& line) { log << line; });

        // Whatever it did, it ran no program and left no file: no marker, no editor's temporary file.
        EXPECT_EQ(tmpFiles(server), tmpBefore) << log.join('\n').toStdString();
        if (hostile.holds == "target.leak empty") {
            EXPECT_EQ(server.sql("SELECT COUNT(*) FROM target.leak"), "0");
        }
        EXPECT_EQ(elsewhereState(), before);
        // Stopped where the dump asked for the command, in the client's words and line.
        if (outcome.kind != ImportOutcome::Kind::success) {
            EXPECT_TRUE(outcome.message.contains("line")) << outcome.message.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ClientWithAndWithoutSandbox, HostileDumps, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("sandbox") : std::string("noSandbox");
                         });

namespace {

// The same kind of dumps, written to write or reach beyond the confirmed database, through a
// stored program owned by a powerful account among others, imported with the stream's checks
// as they are by default: the temporary account must hold whatever the stream lets through.
class HostileDumpsUnderAccount : public ::testing::Test {
protected:
    void SetUp() override {
        server = FixtureServer{Fixtures::seeded(), Fixtures::seededPassword()};
        info = server.client.fetchServerInfo(server.container, "root", server.password);
    }
    void TearDown() override {
        server.sql(
            "SET GLOBAL event_scheduler = OFF; DROP DATABASE IF EXISTS target; DROP DATABASE IF EXISTS my_db; "
            "DROP DATABASE IF EXISTS myXdb; DROP DATABASE IF EXISTS elsewhere; DROP USER IF EXISTS 'tw_hostile'@'%'");
    }

    // Tables, rows and checksums of the databases no dump was confirmed for.
    QString untouched() const {
        return server.sql(
            "SHOW TABLES IN elsewhere; CHECKSUM TABLE elsewhere.t; SHOW TABLES IN myXdb; CHECKSUM TABLE myXdb.t; "
            "SELECT COUNT(*) FROM mysql.user WHERE User = 'tw_hostile'");
    }

    FixtureServer server;
    ServerInfo info;
};

}  // namespace

TEST_F(HostileDumpsUnderAccount, NothingReachesAnotherDatabase) {
    QList<Case> cases = casesOf("other-database");
    cases << casesOf("definer");
    ASSERT_GE(cases.size(), 30);
    ASSERT_TRUE(DumpFixPlan::plan({}, info, {}, "target").confinement == DumpFixes::Confinement::account);
    for (const Case& hostile : cases) {
        SCOPED_TRACE(hostile.file.toStdString());
        // The wildcard case is imported into my_db, whose GRANT pattern would also match myXdb.
        const QString target = hostile.name == "grant-wildcard" ? "my_db" : "target";
        server.sql(
            "DROP DATABASE IF EXISTS target; DROP DATABASE IF EXISTS my_db; CREATE DATABASE " + target +
            "; DROP DATABASE IF EXISTS elsewhere; CREATE DATABASE elsewhere; "
            "CREATE TABLE elsewhere.t (id INT PRIMARY KEY, v VARCHAR(100)); "
            "INSERT INTO elsewhere.t VALUES (1, 'original'); DROP DATABASE IF EXISTS myXdb; CREATE DATABASE myXdb; "
            "CREATE TABLE myXdb.t (id INT PRIMARY KEY, v VARCHAR(100))");
        const QString before = untouched();
        server.exec({"sh", "-c", "rm -f /tmp/tw-marker-*"});

        QFile file(kHostile + "/" + hostile.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ImportRequest request = server.request(file.fileName(), target);
        request.clientProgram = info.clientProgram;
        request.fixes = DumpFixPlan::plan(DumpScanning::scan(file.readAll(), true), info, {}, target);
        QStringList log;
        ImportRunner runner;
        const ImportOutcome outcome = runner.run(request, server.client, {}, [&](const QString& line) { log << line; });
        const std::string said = (log.join('\n') + '\n' + outcome.message).toStdString();

        EXPECT_EQ(untouched(), before) << said;
        EXPECT_EQ(server.exec({"sh", "-c", "ls /tmp | grep -c tw-marker-"}).stdoutBytes.trimmed(), "0") << said;
        // What it left behind runs later: events with the scheduler on, triggers and views when used.
        // Run as root, as a later user would; whether each use succeeds does not matter here.
        const auto use = [&](const QString& sql) { server.exec({"mariadb", "-uroot", "-e", sql}); };
        if (hostile.holds.isEmpty() || casesOf("definer").contains(hostile))
            use("SET GLOBAL event_scheduler = ON; DO SLEEP(2.5); SET GLOBAL event_scheduler = OFF");
        for (const QString& table : server.sql("SHOW TABLES IN " + target).split('\n', Qt::SkipEmptyParts)) {
            use("INSERT IGNORE INTO " + target + ".`" + table + "` () VALUES ()");
            use("SELECT * FROM " + target + ".`" + table + "`");
        }
        for (const QString& routine : server
                                          .sql("SELECT ROUTINE_NAME FROM information_schema.ROUTINES WHERE "
                                               "ROUTINE_SCHEMA = '" +
                                               target + "' AND ROUTINE_TYPE = 'PROCEDURE'")
                                          .split('\n', Qt::SkipEmptyParts))
            use("CALL " + target + ".`" + routine + "`()");
        EXPECT_EQ(untouched(), before) << said;
        // Everything the dump made belongs to the owner role, and the account is gone.
        EXPECT_EQ(server.sql("SELECT COUNT(*) FROM mysql.user WHERE User LIKE 'tarnwell\\\\_imp\\\\_%'"), "0") << said;
        EXPECT_EQ(server.sql("SELECT COUNT(*) FROM (SELECT DEFINER FROM information_schema.TRIGGERS WHERE "
                             "TRIGGER_SCHEMA = '" +
                             target +
                             "' UNION ALL SELECT DEFINER FROM information_schema.VIEWS "
                             "WHERE TABLE_SCHEMA = '" +
                             target +
                             "' UNION ALL SELECT DEFINER FROM "
                             "information_schema.EVENTS WHERE EVENT_SCHEMA = '" +
                             target +
                             "' UNION ALL SELECT "
                             "DEFINER FROM information_schema.ROUTINES WHERE ROUTINE_SCHEMA = '" +
                             target + "') d WHERE DEFINER NOT LIKE 'tarnwell\\\\_own\\\\_%'"),
                  "0")
            << said;
        if (outcome.kind != ImportOutcome::Kind::success) {
            EXPECT_TRUE(outcome.message.contains("line")) << said;
        }
    }
}
