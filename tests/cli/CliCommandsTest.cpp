#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliHarness.h"
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
