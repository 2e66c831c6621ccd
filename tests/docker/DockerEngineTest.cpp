// The listing and the server probe against the real engine and the fixture containers.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <iostream>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/DockerParse.h"
#include "support/Fixtures.h"

namespace {

const DockerContainer* findByName(const QList<DockerContainer>& containers, const QString& name) {
    for (const DockerContainer& container : containers) {
        if (container.name == name) return &container;
    }
    return nullptr;
}

// One value straight from the server, for comparison with what the probe read.
QString query(const QString& container, const QString& password, const QString& sql) {
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert("MYSQL_PWD", password);
    const CommandResult result = DockerClient::run(
        DockerClient::resolve().docker,
        {"exec", "-e", "MYSQL_PWD", container, "mariadb", "-uroot", "-N", "-B", "-e", sql}, environment);
    EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
    return QString::fromUtf8(result.stdoutBytes).trimmed();
}

QString probeError(const DockerClient& client, const QString& container, const QString& user, const QString& password) {
    try {
        client.fetchServerInfo(container, user, password);
    } catch (const DockerError& error) {
        EXPECT_EQ(error.kind(), DockerError::Kind::mysqlFailed);
        return error.errorDescription();
    }
    ADD_FAILURE() << "probe of " << container.toStdString() << " did not fail";
    return {};
}

void report(const char* what, const QElapsedTimer& timer) {
    std::cout << "[ timing   ] " << what << ": " << timer.elapsed() << " ms" << std::endl;
}

}  // namespace

TEST(DockerEngine, ListsEveryFixture) {
    const DockerClient client = DockerClient::resolve();
    QElapsedTimer timer;
    timer.start();
    const QList<DockerContainer> containers = client.listContainers();
    report("listContainers()", timer);

    const QString image = Fixtures::name("IMAGE");
    const struct {
        QString name;
        bool running, isMysql;
        std::optional<QString> rootPassword;
        QString image;
    } cases[] = {
        {Fixtures::seeded(), true, true, Fixtures::seededPassword(), image},              // MARIADB_ROOT_PASSWORD
        {Fixtures::binlog(), true, true, Fixtures::binlogPassword(), image},              // MYSQL_ROOT_PASSWORD
        {Fixtures::noPasswordEnv(), true, true, std::nullopt, image},                     // its secret file is gone
        {Fixtures::passwordFile(), true, true, Fixtures::passwordFilePassword(), image},  // read inside it
        {Fixtures::stopped(), false, true, Fixtures::name("STOPPED_PASSWORD"), image},
        {Fixtures::mariadbOnly(), true, true, Fixtures::mariadbOnlyPassword(), Fixtures::name("IMAGE_MARIADB_ONLY")},
        {Fixtures::notMysql(), true, false, std::nullopt, Fixtures::name("IMAGE_BUSYBOX")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const DockerContainer* container = findByName(containers, c.name);
        ASSERT_NE(container, nullptr);
        EXPECT_EQ(container->id.size(), 12);
        EXPECT_EQ(container->running, c.running);
        EXPECT_EQ(container->isMysql, c.isMysql);
        EXPECT_EQ(container->rootPassword, c.rootPassword);
        EXPECT_EQ(container->image, c.image);
        EXPECT_EQ(container->rootUser, "root");
        EXPECT_EQ(container->ports, "");  // --network none publishes nothing
        // The status is worded from the engine's times; they must be there and make sense.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        EXPECT_EQ(container->state, c.running ? "running" : "exited");
        EXPECT_TRUE(container->startedAt.isValid() && container->startedAt <= now);
        if (!c.running) {
            EXPECT_TRUE(container->finishedAt.isValid() && container->finishedAt >= container->startedAt);
        }
        // The password files are mounted too and may count.
        const QString volumes = c.isMysql ? c.name + "-data" : "";
        if (c.name == Fixtures::noPasswordEnv() || c.name == Fixtures::passwordFile())
            EXPECT_TRUE(container->volumeSummary.split(", ").contains(volumes))
                << container->volumeSummary.toStdString();
        else
            EXPECT_EQ(container->volumeSummary, volumes);
    }
    EXPECT_TRUE(findByName(containers, Fixtures::stopped())->status.startsWith("Exited"));
}

TEST(DockerEngine, ProbeReadsTheServer) {
    const DockerClient client = DockerClient::resolve();
    const struct {
        QString container, password;
        bool logBin;
        QString clientProgram;
    } cases[] = {
        {Fixtures::seeded(), Fixtures::seededPassword(), false, "mysql"},
        {Fixtures::binlog(), Fixtures::binlogPassword(), true, "mysql"},
        {Fixtures::mariadbOnly(), Fixtures::mariadbOnlyPassword(), false, "mariadb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.container.toStdString());
        QElapsedTimer timer;
        timer.start();
        const ServerInfo info = client.fetchServerInfo(c.container, "root", c.password);
        if (c.container == Fixtures::seeded()) report("fetchServerInfo()", timer);

        const QStringList settings =
            query(c.container, c.password, "SELECT @@version, @@max_allowed_packet, @@innodb_buffer_pool_size")
                .split('\t');
        ASSERT_EQ(settings.size(), 3);
        EXPECT_EQ(info.version, settings[0]);
        EXPECT_EQ(info.maxAllowedPacket, settings[1].toULongLong());
        EXPECT_EQ(info.bufferPoolBytes, settings[2].toULongLong());
        EXPECT_GT(info.maxAllowedPacket, 0u);
        EXPECT_EQ(info.logBin, c.logBin);
        EXPECT_EQ(info.clientProgram, c.clientProgram);
        EXPECT_EQ(DockerParse::sortedDatabases(info.databases), info.databases);
        ASSERT_FALSE(info.databases.isEmpty());
        EXPECT_TRUE(QStringList({"mysql", "sys"}).contains(info.databases.last().name));
    }

    const ServerInfo seeded = client.fetchServerInfo(Fixtures::seeded(), "root", Fixtures::seededPassword());
    const QString shopBytes = query(Fixtures::seeded(), Fixtures::seededPassword(),
                                    "SELECT SUM(data_length+index_length) FROM information_schema.tables "
                                    "WHERE table_schema = 'shop'");
    EXPECT_EQ(seeded.databases.first(), (MysqlDatabase{"shop", 4, shopBytes.toULongLong()}));
}

TEST(DockerEngine, ProbeFailuresShowTheirOwnMessages) {
    const DockerClient client = DockerClient::resolve();
    const struct {
        QString container, user, password;
        QStringList shown;
    } cases[] = {
        {Fixtures::seeded(), "root", "wrong", {"Access denied for user 'root'@", "(using password: YES)"}},
        {Fixtures::seeded(), "no such user", Fixtures::seededPassword(), {"Access denied for user 'no such user'@"}},
        {Fixtures::noPasswordEnv(), "root", "", {"Access denied for user 'root'@", "(using password: NO)"}},
        {Fixtures::stopped(), "root", Fixtures::name("STOPPED_PASSWORD"), {"is not running"}},
        {Fixtures::notMysql(), "root", "x", {"\"mysql\"", "executable file not found"}},
        {"tarnwell-no-such-container", "root", "x", {"No such container"}},
    };
    for (const auto& c : cases) {
        const QString shown = probeError(client, c.container, c.user, c.password);
        for (const QString& part : c.shown) EXPECT_TRUE(shown.contains(part)) << shown.toStdString();
    }
}

TEST(DockerEngine, PasswordTravelsOnlyInTheEnvironment) {
    QTemporaryDir records;
    struct Restore {
        ~Restore() {
            for (const char* name : {"TARNWELL_DOCKER", "TARNWELL_REAL_DOCKER", "TARNWELL_RECORD_DIR", "MYSQL_PWD"})
                qunsetenv(name);
        }
    } restore;
    qputenv("TARNWELL_REAL_DOCKER", DockerClient::resolve().docker.toUtf8());
    qputenv("TARNWELL_RECORD_DIR", records.path().toUtf8());
    qputenv("TARNWELL_DOCKER", (qEnvironmentVariable("TARNWELL_TEST_TOOLS") + "/recording-docker").toUtf8());
    const DockerClient client = DockerClient::resolve();
    ASSERT_TRUE(client.docker.endsWith("/recording-docker"));

    EXPECT_EQ(client.fetchServerInfo(Fixtures::seeded(), "root", Fixtures::seededPassword()).clientProgram, "mysql");
    EXPECT_EQ(client.fetchServerInfo(Fixtures::mariadbOnly(), "root", Fixtures::mariadbOnlyPassword()).clientProgram,
              "mariadb");
    // An inherited MYSQL_PWD must not stand in for an empty password.
    qputenv("MYSQL_PWD", Fixtures::seededPassword().toUtf8());
    EXPECT_TRUE(probeError(client, Fixtures::seeded(), "root", "").contains("(using password: NO)"));
    qunsetenv("MYSQL_PWD");

    const QStringList passwords{Fixtures::seededPassword(), Fixtures::mariadbOnlyPassword()};
    const qsizetype lengths[] = {passwords[0].size(), passwords[1].size(), passwords[1].size(), 0};
    const QStringList clients{"mysql", "mysql", "mariadb", "mysql"};
    ASSERT_EQ(QDir(records.path()).entryList({"*.args"}).size(), 4);
    for (int n = 0; n < 4; ++n) {
        QFile args(records.filePath(QString("%1.args").arg(n))), env(records.filePath(QString("%1.env").arg(n)));
        ASSERT_TRUE(args.open(QIODevice::ReadOnly) && env.open(QIODevice::ReadOnly));
        const QByteArray recorded = args.readAll();
        for (const QString& password : passwords) EXPECT_FALSE(recorded.contains(password.toUtf8())) << n;
        const QList<QByteArray> items = recorded.split('\0');
        ASSERT_GE(items.size(), 5);
        EXPECT_EQ(items.mid(0, 5), (QList<QByteArray>{"exec", "-e", "MYSQL_PWD", items[3], clients[n].toUtf8()})) << n;
        EXPECT_EQ(env.readAll().trimmed(), "set " + QByteArray::number(lengths[n])) << n;
    }
}
