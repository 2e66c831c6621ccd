// tarnwell-cli against the other engines: rootful Podman, a user's own rootless Podman, and a
// second Docker engine reached through DOCKER_HOST as a remote one would be. Listing, probe, an import checked by
// CHECKSUM TABLE with the password on no command line, and a cancel, once per engine.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <unistd.h>

#include "CliHarness.h"
#include "docker/DockerClient.h"

namespace {

struct EngineCase {
    const char* name;      // for the test's name
    const char* product;   // "podman" or "docker" in the JSON listing
    const char* variable;  // the state file variable that says the engine is there
};

class CliOnEngine : public CliTest, public ::testing::WithParamInterface<EngineCase> {
protected:
    void SetUp() override {
        const QString prefix = GetParam().variable;
        const QString missing = qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix + "_MISSING").toUtf8());
        if (qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix).toUtf8()).isEmpty() &&
            qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix + "_HOST").toUtf8()).isEmpty()) {
            GTEST_SKIP() << (missing.isEmpty() ? "tests/env/engines.sh up was not run" : missing.toStdString());
        }
        CliTest::SetUp();
        if (prefix == "PODMAN" || prefix == "ROOTLESS") {
            executable_ = qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix).toUtf8());
            engine_ = {"TARNWELL_DOCKER=" + executable_};
            endpoint_ = "";
            if (prefix == "ROOTLESS") {
                ASSERT_NO_FATAL_FAILURE(becomeRootlessUser());
            }
        } else {
            endpoint_ = qEnvironmentVariable("TARNWELL_FIXTURE_REMOTE_HOST");
            engine_ = {"DOCKER_HOST=" + endpoint_};
            executable_ = qEnvironmentVariable("TARNWELL_FIXTURE_DOCKER");
        }
        seeded_ = qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix + "_SEEDED").toUtf8());
        password_ = qEnvironmentVariable(("TARNWELL_FIXTURE_" + prefix + "_SEEDED_PASSWORD").toUtf8());
        database_ = unique("eng_");
        sql("CREATE DATABASE " + database_);
    }
    void TearDown() override {
        if (!database_.isEmpty()) sql("DROP DATABASE IF EXISTS " + database_);
    }

    // The CLI and the engine's client run as the user whose containers they are, with that
    // user's Podman configuration; the user reads the test's files and keeps its settings.
    void becomeRootlessUser() {
        const QString user = qEnvironmentVariable("TARNWELL_FIXTURE_ROOTLESS_USER");
        const QString home = qEnvironmentVariable("TARNWELL_FIXTURE_ROOTLESS_HOME");
        runAs_ = {"/usr/bin/setpriv",
                  "--reuid=" + user,
                  "--regid=" + user,
                  "--init-groups",
                  "/usr/bin/env",
                  "HOME=" + home,
                  "XDG_RUNTIME_DIR=" + qEnvironmentVariable("TARNWELL_FIXTURE_ROOTLESS_RUNTIME"),
                  "CONTAINERS_CONF=" + home + "/.config/containers/containers.conf",
                  "CONTAINERS_STORAGE_CONF=" + home + "/.config/containers/storage.conf"};
        ASSERT_TRUE(
            QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ReadOther | QFile::ExeOther));
        ASSERT_EQ(DockerClient::run("/usr/bin/chown", {"-R", user + ":", settingsFolder()}, {}).status, 0);
    }

    // The engine's own client, with the password in its environment only.
    CommandResult exec(const QStringList& command) const {
        QProcessEnvironment environment = DockerClient::processEnvironment();
        environment.insert("MYSQL_PWD", password_);
        for (const QString& entry : engine_) environment.insert(entry.section('=', 0, 0), entry.section('=', 1));
        const QStringList arguments = QStringList{"exec", "-e", "MYSQL_PWD", seeded_} + command;
        if (runAs_.isEmpty()) return DockerClient::run(executable_, arguments, environment);
        // Podman keeps network files under the configuration folder, which must be the user's.
        environment.insert("XDG_CONFIG_HOME", qEnvironmentVariable("TARNWELL_FIXTURE_ROOTLESS_HOME") + "/.config");
        // Its storage is under its own data folder, not under the test's.
        environment.remove("XDG_DATA_HOME");
        return DockerClient::run(runAs_.first(), runAs_.mid(1) + QStringList{executable_} + arguments, environment);
    }
    QString sql(const QString& statements) const {
        const CommandResult result = exec({"mariadb", "-uroot", "-N", "-B", "-e", statements});
        EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
        return QString::fromUtf8(result.stdoutBytes).trimmed();
    }
    QString checksums(const QString& database) const {
        return sql(QString("CHECKSUM TABLE %1.customers, %1.products, %1.orders, %1.audit_log").arg(database))
            .replace(database + ".", "");
    }

    CliRun* start(const QStringList& arguments) {
        cli_ = std::make_unique<CliRun>(settingsFolder(), arguments, QByteArray(), engine_, runAs_);
        return cli_.get();
    }
    CliResult runOn(const QStringList& arguments) { return start(arguments)->finish(); }

    QStringList engine_, runAs_;
    QString executable_, endpoint_, seeded_, password_, database_;
    std::unique_ptr<CliRun> cli_;
};

}  // namespace

TEST_P(CliOnEngine, ListsTheContainersWithTheirEngineAndEndpoint) {
    const CliResult listing = runOn({"containers", "--all", "--json"});
    ASSERT_EQ(listing.status, 0) << listing.err.toStdString();
    QJsonObject seeded, plain;
    for (const QJsonValue& item : QJsonDocument::fromJson(listing.out.toUtf8()).array()) {
        if (item["name"].toString() == seeded_) seeded = item.toObject();
        if (item["name"].toString() == qEnvironmentVariable("TARNWELL_FIXTURE_PODMAN_NOTMYSQL"))
            plain = item.toObject();
    }
    ASSERT_FALSE(seeded.isEmpty()) << listing.out.toStdString();
    EXPECT_TRUE(seeded["mysql"].toBool());
    EXPECT_TRUE(seeded["running"].toBool());
    EXPECT_EQ(seeded["engine"].toString(), GetParam().product);
    EXPECT_EQ(seeded["endpoint"].toString(), endpoint_);
    if (QString(GetParam().variable) == "PODMAN") {
        ASSERT_FALSE(plain.isEmpty()) << listing.out.toStdString();
        EXPECT_FALSE(plain["mysql"].toBool());
    }

    const CliResult table = runOn({"containers"});
    ASSERT_EQ(table.status, 0) << table.err.toStdString();
    const QString engine = !runAs_.isEmpty()                         ? "Podman (rootless)"
                           : QString(GetParam().product) == "podman" ? "Podman"
                                                                     : "Docker at " + endpoint_;
    EXPECT_TRUE(table.err.startsWith("Engine: " + engine + "\n")) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains(seeded_));

    const CliResult databases = runOn({"databases", seeded_});
    ASSERT_EQ(databases.status, 0) << databases.err.toStdString();
    EXPECT_TRUE(databases.out.contains("shop")) << databases.out.toStdString();
}

TEST_P(CliOnEngine, ImportsExactlyWithThePasswordOnNoCommandLine) {
    const CommandResult dump = exec({"mariadb-dump", "-uroot", "shop"});
    ASSERT_EQ(dump.status, 0) << dump.stderrBytes.toStdString();
    const QString file = writeFile("shop.sql", dump.stdoutBytes);

    QStringList carriers;
    CliRun* cli = start({"import", file, "--container", seeded_, "--database", database_, "--yes"});
    const CliResult result = cli->finish([&] { carriers << processesWith(password_); });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(carriers.isEmpty()) << carriers.join('\n').toStdString();
    EXPECT_TRUE(result.err.contains("MYSQL_PWD=***"));
    if (!endpoint_.isEmpty()) {
        EXPECT_TRUE(result.err.contains("Engine: Docker at " + endpoint_)) << result.err.toStdString();
    }
    EXPECT_EQ(checksums(database_), checksums("shop"));
}

TEST_P(CliOnEngine, SigintCancelsAndLeavesNoProcessBehind) {
    QByteArray text = "SELECT SLEEP(3);\nCREATE TABLE big (id INT PRIMARY KEY, payload VARCHAR(200));\n";
    for (int i = 0; i < 20000; i += 100) {
        text += "INSERT INTO big VALUES ";
        for (int j = i; j < i + 100; ++j)
            text += (j > i ? ",(" : "(") + QByteArray::number(j) + ",'" + QByteArray(180, 'x') + "')";
        text += ";\n";
    }
    CliRun* cli =
        start({"import", writeFile("slow.sql", text), "--container", seeded_, "--database", database_, "--yes"});
    ASSERT_TRUE(cli->readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }))
        << cli->err().toStdString();
    cli->signal(SIGINT);
    const CliResult result = cli->finish();
    EXPECT_EQ(result.status, 130) << result.err.toStdString();
    QStringList left = processesWith(database_);
    for (int i = 0; i < 600 && !left.isEmpty(); ++i) {
        ::usleep(100000);
        left = processesWith(database_);
    }
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, CliOnEngine,
                         ::testing::Values(EngineCase{"Podman", "podman", "PODMAN"},
                                           EngineCase{"RootlessPodman", "podman", "ROOTLESS"},
                                           EngineCase{"RemoteDocker", "docker", "REMOTE"}),
                         [](const ::testing::TestParamInfo<EngineCase>& info) { return info.param.name; });
