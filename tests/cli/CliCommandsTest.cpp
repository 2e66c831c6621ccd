#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

#include "CliHarness.h"
#include "docker/DockerClient.h"
#include "support/Fixtures.h"

namespace {

using CommandsTest = CliTest;

// The output line that begins with the name, or an empty text.
QString lineOf(const QString& output, const QString& name) {
    for (const QString& line : output.split('\n')) {
        if (line.startsWith(name + ' ')) return line;
    }
    return {};
}

TEST_F(CommandsTest, ContainersAreListedInTheSidebarOrder) {
    const CliResult running = run({"containers"});
    ASSERT_EQ(running.status, 0) << running.err.toStdString();
    const QString seeded = lineOf(running.out, Fixtures::seeded());
    EXPECT_TRUE(seeded.contains(" running ") && seeded.contains(" MySQL ")) << seeded.toStdString();
    EXPECT_TRUE(seeded.contains(qEnvironmentVariable("TARNWELL_FIXTURE_IMAGE"))) << seeded.toStdString();
    EXPECT_TRUE(lineOf(running.out, Fixtures::notMysql()).contains(" Not MySQL ")) << running.out.toStdString();
    EXPECT_TRUE(lineOf(running.out, Fixtures::stopped()).isEmpty());
    EXPECT_LT(running.out.indexOf(Fixtures::seeded()), running.out.indexOf(Fixtures::notMysql()));

    const CliResult all = run({"containers", "--all"});
    const QString stopped = lineOf(all.out, Fixtures::stopped());
    EXPECT_TRUE(stopped.contains(" stopped ")) << all.out.toStdString();
    // MySQL containers first, running before stopped.
    EXPECT_LT(all.out.indexOf(Fixtures::seeded()), all.out.indexOf(Fixtures::stopped()));
    EXPECT_LT(all.out.indexOf(Fixtures::stopped()), all.out.indexOf(Fixtures::notMysql()));

    const CliResult json = run({"containers", "--all", "--json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_FALSE(json.out.contains(Fixtures::seededPassword())) << "the root password must stay in the container";
    bool found = false;
    for (const QJsonValue& value : QJsonDocument::fromJson(json.out.toUtf8()).array()) {
        const QJsonObject container = value.toObject();
        if (container["name"].toString() != Fixtures::stopped()) continue;
        found = true;
        EXPECT_TRUE(container["mysql"].toBool());
        EXPECT_FALSE(container["running"].toBool());
    }
    EXPECT_TRUE(found) << json.out.toStdString();
}

TEST_F(CommandsTest, DatabasesShowsTheServerAndItsSchemas) {
    const CliResult seeded = run({"databases", Fixtures::seeded()});
    ASSERT_EQ(seeded.status, 0) << seeded.err.toStdString();
    EXPECT_TRUE(lineOf(seeded.out, "Version").contains("MariaDB")) << seeded.out.toStdString();
    EXPECT_TRUE(lineOf(seeded.out, "Binary log").endsWith(" off"));
    EXPECT_TRUE(lineOf(seeded.out, "shop").contains(" tables ")) << seeded.out.toStdString();
    EXPECT_TRUE(lineOf(seeded.out, "mysql").contains("System · "));
    EXPECT_LT(seeded.out.indexOf("\nshop "), seeded.out.indexOf("\nmysql "));  // system schemas last

    const CliResult binlog = run({"databases", Fixtures::binlog(), "--json"});
    ASSERT_EQ(binlog.status, 0) << binlog.err.toStdString();
    const QJsonObject server = QJsonDocument::fromJson(binlog.out.toUtf8()).object();
    EXPECT_TRUE(server["binaryLog"].toBool());
    EXPECT_GT(server["maxAllowedPacket"].toDouble(), 0);
    EXPECT_FALSE(server["databases"].toArray().isEmpty());
}

TEST_F(CommandsTest, PasswordFromStandardInputReachesTheServerWithoutAPasswordVariable) {
    const CliResult without = run({"databases", Fixtures::noPasswordEnv()});
    EXPECT_EQ(without.status, 2);
    EXPECT_TRUE(without.err.contains("No password. Enter it under Login.")) << without.err.toStdString();

    const CliResult with = run({"databases", Fixtures::noPasswordEnv(), "--password-stdin"},
                               Fixtures::noPasswordEnvPassword().toUtf8() + "\n");
    ASSERT_EQ(with.status, 0) << with.err.toStdString();
    EXPECT_TRUE(lineOf(with.out, "mysql").contains("System · ")) << with.out.toStdString();

    const CliResult wrong = run({"databases", Fixtures::noPasswordEnv(), "--password-stdin"}, "not-it\n");
    EXPECT_EQ(wrong.status, 3);
    EXPECT_TRUE(wrong.err.contains("Access denied")) << wrong.err.toStdString();

    // Root's password in a file inside the container is read there, through no shell.
    QStringList carriers;
    const auto look = [&] { carriers << processesWith(Fixtures::passwordFilePassword()); };
    CliRun fromFile(settingsFolder(), {"databases", Fixtures::passwordFile()});
    const CliResult read = fromFile.finish(look);
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(lineOf(read.out, "mysql").contains("System · ")) << read.out.toStdString();
    EXPECT_TRUE(carriers.isEmpty()) << carriers.join('\n').toStdString();
    EXPECT_FALSE(read.err.contains(Fixtures::passwordFilePassword()));

    // An empty line is the empty password, not the container's own.
    const CliResult empty = run({"databases", Fixtures::seeded(), "--password-stdin"}, "\n");
    EXPECT_EQ(empty.status, 3);
    EXPECT_TRUE(empty.err.contains("(using password: NO)")) << empty.err.toStdString();
}

TEST_F(CommandsTest, InspectShowsTheDumpAndTheProposedDatabase) {
    const QString dump = writeFile("shop-2024.sql", "-- dump\nUSE `shop`;\nDROP TABLE IF EXISTS `a`;\n");
    ASSERT_EQ(std::system(("/usr/bin/gzip -k " + dump).toLocal8Bit().constData()), 0);

    const CliResult plain = run({"inspect", dump});
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_TRUE(lineOf(plain.out, "Compression").endsWith(" SQL")) << plain.out.toStdString();
    EXPECT_TRUE(lineOf(plain.out, "DROP TABLE").endsWith(" yes"));
    EXPECT_TRUE(lineOf(plain.out, "Database in dump").endsWith(" shop"));
    EXPECT_TRUE(lineOf(plain.out, "Proposed database").isEmpty());

    const CliResult gzip = run({"inspect", dump + ".gz", "--container", Fixtures::seeded(), "--json"});
    ASSERT_EQ(gzip.status, 0) << gzip.err.toStdString();
    const QJsonObject preview = QJsonDocument::fromJson(gzip.out.toUtf8()).object();
    EXPECT_TRUE(preview["compressed"].toBool());
    EXPECT_TRUE(preview["containsDropTable"].toBool());
    EXPECT_EQ(preview["database"].toString(), "shop");
    EXPECT_EQ(preview["proposedDatabase"].toString(), "shop");

    // Longer than its head: read to the end, every table with its size.
    QByteArray longDump = "CREATE TABLE early (x TEXT);\n";
    while (longDump.size() < 400000) longDump += "INSERT INTO early VALUES ('" + QByteArray(200, 'e') + "');\n";
    longDump += "CREATE TABLE late (x INT);\nINSERT INTO late VALUES (1);\n";
    const QString longFile = writeFile("long.sql", longDump);
    ASSERT_EQ(std::system(("/usr/bin/xz -k " + longFile).toLocal8Bit().constData()), 0);
    const CliResult whole = run({"inspect", longFile + ".xz", "--json"});
    ASSERT_EQ(whole.status, 0) << whole.err.toStdString();
    const QJsonObject scanned = QJsonDocument::fromJson(whole.out.toUtf8()).object();
    EXPECT_TRUE(scanned["tablesComplete"].toBool());
    EXPECT_EQ(scanned["tables"].toArray(), QJsonArray({"early", "late"}));
    EXPECT_GT(scanned["tableBytes"].toObject()["early"].toInteger(), 390000);
    EXPECT_GT(scanned["tableBytes"].toObject()["late"].toInteger(), 40);
}

TEST_F(CommandsTest, GateReasonsAndBadUsageEndWithStatus2) {
    const QString dump = writeFile("any.sql", "SELECT 1;\n");
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{"import", dump, "--container", Fixtures::stopped(), "--database", "shop", "--yes"},
         "The container is not running."},
        {{"import", dump, "--container", Fixtures::noPasswordEnv(), "--database", "shop", "--yes"},
         "No password. Enter it under Login."},
        {{"import", dump, "--container", Fixtures::notMysql(), "--yes"}, "The container is not MySQL."},
        {{"databases", "no-such-container"}, "no container is named 'no-such-container'"},
        {{"import", dump, "--container", Fixtures::seeded()}, "confirm with --yes"},  // no terminal here
        {{"import", dump + ".missing", "--container", Fixtures::seeded(), "--yes"}, "Could not read the dump"},
        {{"import", dump, "--yes"}, "'import' needs --container"},
        {{"databases", Fixtures::seeded(), "--password", "secret"}, "never taken from the command line"},
        {{"containers", "--colour"}, "unknown option '--colour'"},
    };
    for (const auto& [arguments, says] : cases) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(says)) << result.err.toStdString();
    }
}

}  // namespace

namespace {

// Started as a launcher may start it, with SIGCHLD ignored (children could not be waited for)
// and SIGHUP ignored (nohup): it still lists the containers, and its children keep SIGHUP
// ignored but get SIGPIPE back.
TEST_F(CommandsTest, InheritedSignalDispositionsNeitherBreakCommandsNorReachChildren) {
    const QString dispositions = dir_.filePath("dispositions");
    const QString docker = writeFile("docker", QStringLiteral("#!/bin/sh\ngrep SigIgn /proc/$$/status >> '%1'\n"
                                                              "exec '%2' \"$@\"\n")
                                                   .arg(dispositions, DockerClient::resolve().docker)
                                                   .toUtf8());
    QFile::setPermissions(docker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    struct sigaction ignore {
    }, oldChild{}, oldHangup{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGCHLD, &ignore, &oldChild);
    ::sigaction(SIGHUP, &ignore, &oldHangup);
    CliRun cli(settingsFolder(), {"containers"}, {}, {"TARNWELL_DOCKER=" + docker});
    ::sigaction(SIGCHLD, &oldChild, nullptr);
    ::sigaction(SIGHUP, &oldHangup, nullptr);
    const CliResult result = cli.finish();

    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_FALSE(lineOf(result.out, Fixtures::seeded()).isEmpty()) << result.out.toStdString();
    QFile recorded(dispositions);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = recorded.readAll().trimmed().split('\n');
    ASSERT_FALSE(lines.isEmpty());
    for (const QByteArray& line : lines) {
        const quint64 ignored = line.mid(line.indexOf(':') + 1).trimmed().toULongLong(nullptr, 16);
        EXPECT_TRUE(ignored & (1ULL << (SIGHUP - 1))) << line.toStdString();
        EXPECT_FALSE(ignored & (1ULL << (SIGPIPE - 1))) << line.toStdString();
        EXPECT_FALSE(ignored & (1ULL << (SIGINT - 1))) << line.toStdString();
    }
}

}  // namespace

namespace {

// A new target from the terminal: any name is one quoted identifier, a collation that is not a
// plain name never becomes SQL, and an existing name is refused with the server's words.
TEST_F(CommandsTest, CreateDatabaseMakesExactlyTheNamedDatabase) {
    const QString name = unique("new `db` 'x' ünï ");
    const QString literal = QString(name).replace("'", "''");
    const CliResult created =
        run({"create-database", Fixtures::seeded(), "--name", name, "--collation", "utf8mb4_unicode_520_ci"});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                            "SELECT DEFAULT_COLLATION_NAME FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = '" +
                                literal + "'"),
              "utf8mb4_unicode_520_ci");

    const CliResult again = run({"create-database", Fixtures::seeded(), "--name", name});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains("database exists")) << again.err.toStdString();

    const QString other = unique("plain_");
    const CliResult sneaky =
        run({"create-database", Fixtures::seeded(), "--name", other, "--collation", "utf8mb4_bin; DROP DATABASE shop"});
    EXPECT_EQ(sneaky.status, 0) << sneaky.err.toStdString();
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                            "SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = 'shop'"),
              "1");
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                  "DROP DATABASE `" + QString(name).replace("`", "``") + "`; DROP DATABASE `" + other + "`");
}

}  // namespace
