// Faults of the docker client that a real engine does not produce on demand, played by
// tests/tools/docker-standin.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "l10n/L10n.h"
#include "posix/Process.h"

namespace {

class DockerStandIn : public ::testing::Test {
protected:
    void SetUp() override { qputenv("TARNWELL_STANDIN_LOG", log.toUtf8()); }
    void TearDown() override {
        qunsetenv("TARNWELL_STANDIN");
        qunsetenv("TARNWELL_STANDIN_LOG");
    }

    // The calls the stand-in saw: subcommand and argument count.
    QStringList calls() const {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    static DockerError errorOf(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const DockerError& error) {
            return error;
        }
        ADD_FAILURE() << "no DockerError";
        return DockerError::dockerMissing();
    }

    QTemporaryDir dir;
    QString log = dir.filePath("calls");
    DockerClient client{qEnvironmentVariable("TARNWELL_TEST_TOOLS") + "/docker-standin", "/usr/bin/gzip"};
};

}  // namespace

TEST_F(DockerStandIn, ListingFailures) {
    const struct {
        const char* standIn;
        DockerError expected;
        QString shown;
        int calls;
    } cases[] = {
        {"down",
         DockerError::dockerNotRunning(
             "Cannot connect to the Docker daemon at unix:///var/run/docker.sock. Is the docker daemon running?\n"),
         L10n::render("dockerNotRunningDetail",
                      {QString("Cannot connect to the Docker daemon at "
                               "unix:///var/run/docker.sock. Is the docker daemon running?")}),
         1},
        {"down-silent", DockerError::dockerNotRunning(" \n"), L10n::render("dockerNotRunning"), 1},
        // Docker's first line, and what it usually means on Linux.
        {"denied",
         DockerError::dockerNotRunning("permission denied while trying to connect to the Docker daemon socket at "
                                       "unix:///var/run/docker.sock: connect: permission denied\nsecond line\n"),
         L10n::render("dockerNotRunningDetail", {QString("permission denied while trying to connect to the Docker "
                                                         "daemon socket at unix:///var/run/docker.sock: connect: "
                                                         "permission denied")}) +
             " " + L10n::render("dockerPermission"),
         1},
        {"ps-fails", DockerError::commandFailed("permission denied while trying to connect to the docker API"),
         "permission denied while trying to connect to the docker API", 2},
        {"ps-fails-silent", DockerError::commandFailed(L10n::render("dockerPsFailed")), L10n::render("dockerPsFailed"),
         2},
    };
    // Where Podman is installed too (as wherever the tests set up its fixtures), a Docker
    // that does not answer is told together with it.
    const bool podmanToo = DockerClient::podmanFound();
    for (const auto& c : cases) {
        QFile::remove(log);
        qputenv("TARNWELL_STANDIN", c.standIn);
        const DockerError error = errorOf([&] { client.listContainers(); });
        const bool told = podmanToo && c.expected.kind() == DockerError::Kind::dockerNotRunning;
        EXPECT_EQ(error, told ? c.expected.withPodmanToo() : c.expected) << c.standIn;
        EXPECT_EQ(error.errorDescription(), told ? c.shown + " " + L10n::render("dockerPermissionPodman") : c.shown)
            << c.standIn;
        EXPECT_EQ(calls().size(), c.calls) << c.standIn;
    }
}

TEST_F(DockerStandIn, NoContainersMeansNoInspect) {
    qputenv("TARNWELL_STANDIN", "empty");
    EXPECT_TRUE(client.listContainers().isEmpty());
    EXPECT_EQ(calls(), QStringList({"info 3", "ps 4"}));
}

TEST_F(DockerStandIn, InspectsInBatchesOfTwentyAndSurvivesAFailedBatch) {
    qputenv("TARNWELL_STANDIN", "many");
    const QList<DockerContainer> containers = client.listContainers();
    EXPECT_EQ(calls(), QStringList({"info 3", "ps 4", "inspect 21", "inspect 21", "inspect 2"}));
    ASSERT_EQ(containers.size(), 41);
    for (int n = 1; n <= 41; ++n) {
        const DockerContainer& container = containers[n - 1];
        const QString id = QString("c%1").arg(n, 11, 10, QChar('0'));
        const bool inspected = n <= 20 || n == 41;  // the batch 21-40 failed
        EXPECT_EQ(container.id, id);
        EXPECT_EQ(container.name, QString("n%1").arg(n));
        EXPECT_EQ(container.image, inspected ? "standin/db:1" : "");
        EXPECT_EQ(container.isMysql, inspected);  // through MARIADB_ROOT_PASSWORD only
        EXPECT_EQ(container.rootPassword, inspected ? std::optional<QString>("pw-" + id) : std::nullopt);
        EXPECT_EQ(container.volumeSummary, inspected ? "vol-" + id : "");
        EXPECT_EQ(container.status, "Up");
        EXPECT_TRUE(container.running);
    }
}

TEST_F(DockerStandIn, ListingLaunchFailurePassesThrough) {
    EXPECT_THROW((DockerClient{dir.filePath("gone"), "/usr/bin/gzip"}.listContainers()), Process::LaunchError);
    EXPECT_THROW((DockerClient{dir.filePath("gone"), "/usr/bin/gzip"}.fetchServerInfo("c", "root", "")),
                 Process::LaunchError);
}

TEST_F(DockerStandIn, ProbeFailures) {
    const struct {
        const char* standIn;
        QString message;
        int calls;
    } cases[] = {
        {"exec-silent", L10n::render("mysqlConnectFailed"), 1},
        {"exec-garbage", L10n::render("mysqlNoReply"), 1},
        {"exec-garbage-warning", "mysql: [Warning] odd", 1},
        {"exec-126", "exec: permission denied", 1},  // not a missing client: no second try
    };
    for (const auto& c : cases) {
        QFile::remove(log);
        qputenv("TARNWELL_STANDIN", c.standIn);
        EXPECT_EQ(errorOf([&] { client.fetchServerInfo("db", "root", "pw"); }), DockerError::mysqlFailed(c.message))
            << c.standIn;
        EXPECT_EQ(calls().size(), c.calls) << c.standIn;
    }
    // A client without a sandbox mode refuses the option and is asked again without it.
    const struct {
        const char* standIn;
        QString clientProgram;
        bool sandbox;
        int calls;
    } answered[] = {{"exec-meta-warning", "mysql", true, 1},
                    {"exec-missing-mysql", "mariadb", true, 2},
                    {"exec-no-sandbox", "mysql", false, 2}};
    for (const auto& c : answered) {
        QFile::remove(log);
        qputenv("TARNWELL_STANDIN", c.standIn);
        EXPECT_EQ(client.fetchServerInfo("db", "root", "pw"),
                  (ServerInfo{
                      "10.11.6-MariaDB", 16777216, false, 134217728, {{"shop", 4, 65536}}, c.clientProgram, c.sandbox}))
            << c.standIn;
        EXPECT_EQ(calls().size(), c.calls) << c.standIn;
    }
}

// An engine that never answers: listing and probe give up after the time limit with a clear
// message, and the hung docker child is stopped and reaped.
TEST_F(DockerStandIn, AHungEngineIsGivenUpOnInTime) {
    qputenv("TARNWELL_STANDIN", "hang");
    qputenv("TARNWELL_DOCKER_TIMEOUT", "1");
    EXPECT_EQ(errorOf([&] { client.listContainers(); }), DockerError::timedOut(1));
    EXPECT_EQ(DockerError::timedOut(1).errorDescription(), L10n::renderCount("dockerTimeout", 1));
    EXPECT_EQ(errorOf([&] { client.fetchServerInfo("c", "root", "pw"); }), DockerError::timedOut(1));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a hung child was left";
    qunsetenv("TARNWELL_DOCKER_TIMEOUT");
}
