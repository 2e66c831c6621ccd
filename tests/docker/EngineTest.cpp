// Which engine a client is, where it talks to, and Podman's own record shapes.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "docker/DockerParse.h"
#include "docker/Engine.h"
#include "l10n/L10n.h"

namespace {

QString script(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    return file.fileName();
}

// Two records of rootful Podman 4.3's `ps -a --format '{{json .}}'`, as it prints them: one
// array, Names a list, Ports objects or null, Labels a map or null, times as numbers.
const char* const kPodmanPs = R"([
  {
    "AutoRemove": false,
    "Command": ["mariadbd", "--user=mysql"],
    "CreatedAt": "3 seconds ago",
    "Exited": false,
    "ExitedAt": -62135596800,
    "ExitCode": 0,
    "Id": "4acd2bf8bfdadd56c57f5b1e8b1f371c13756791a28e9f431170f5c983baa236",
    "Image": "localhost/tarnwell-test/mariadb:1",
    "Labels": {"tarnwell.test.recipe": "753df3c05e47d176"},
    "Mounts": ["/docker-entrypoint-initdb.d", "/var/lib/mysql"],
    "Names": ["pm-seed"],
    "Networks": [],
    "Pid": 9334,
    "Ports": [{"host_ip": "127.0.0.1", "container_port": 3306, "host_port": 4399, "range": 1, "protocol": "tcp"},
              {"host_ip": "", "container_port": 33060, "host_port": 5000, "range": 2, "protocol": ""}],
    "StartedAt": 1796830302,
    "State": "running",
    "Status": "Up 3 seconds ago",
    "Created": 1796830302
  },
  {
    "Command": ["sleep", "100000"],
    "Exited": true,
    "ExitCode": 137,
    "Id": "a2590f33fbde678c4f095c388f22209e2177dfc804987355207fb4830fc282bd",
    "Image": "localhost/tarnwell-test/busybox:1",
    "Labels": null,
    "Names": ["pm-plain"],
    "Ports": null,
    "State": "exited",
    "Status": "Exited (137) 2 minutes ago",
    "Created": 1796830302
  }
]
)";

}  // namespace

TEST(Engine, VersionAnswersNameTheEngine) {
    EXPECT_EQ(Engine::kindFromVersion("Docker version 20.10.24+dfsg1, build 297e128\n"), EngineKind::docker);
    EXPECT_EQ(Engine::kindFromVersion("podman version 4.3.1\n"), EngineKind::podman);
    // podman-docker's wrapper announces itself first.
    EXPECT_EQ(Engine::kindFromVersion("Emulate Docker CLI using podman. Create /etc/containers/nodocker to quiet msg.\n"
                                      "podman version 4.9.3\n"),
              EngineKind::podman);
    EXPECT_EQ(Engine::kindFromVersion("27.5.1\n"), std::nullopt);
    EXPECT_EQ(Engine::preferenceFromText(""), EnginePreference::found);
    EXPECT_EQ(Engine::preferenceFromText("Podman"), EnginePreference::podman);
    EXPECT_EQ(Engine::preferenceFromText("lxc"), std::nullopt);
}

TEST(Engine, ResolveKeepsToTheChosenEngine) {
    QTemporaryDir dir;
    const QString docker = script(dir, "docker", "echo 'Docker version 27.5.1, build 9f9e405'\n");
    // podman-docker: a `docker` that is Podman.
    const QString wrapped = script(dir, "docker-podman",
                                   "echo 'Emulate Docker CLI using podman.' >&2\n"
                                   "echo 'podman version 4.3.1'\n");
    const QString silent = script(dir, "silent", "exit 1\n");
    const QString gzip = script(dir, "gzip", "");

    EXPECT_EQ(DockerClient::identify(wrapped), EngineKind::podman);
    EXPECT_EQ(DockerClient::identify(silent), EngineKind::docker);  // says nothing: taken for Docker
    // A Podman with a broken configuration fails even --version; its name still tells.
    EXPECT_EQ(
        DockerClient::identify(script(dir, "podman", "echo 'level=error msg=\"finding config\"' >&2; exit 125\n")),
        EngineKind::podman);
    EXPECT_EQ(DockerClient::resolve({docker, wrapped}, gzip).docker, docker);
    EXPECT_EQ(DockerClient::resolve({wrapped, docker}, gzip).engine, EngineKind::podman);
    EXPECT_EQ(DockerClient::resolve({docker, wrapped}, gzip, EnginePreference::podman).docker, wrapped);
    EXPECT_EQ(DockerClient::resolve({wrapped, docker}, gzip, EnginePreference::docker).docker, docker);
    try {
        DockerClient::resolve({docker}, gzip, EnginePreference::podman);
        ADD_FAILURE() << "no Podman, no error";
    } catch (const DockerError& error) {
        EXPECT_EQ(error, DockerError::dockerMissing(EngineKind::podman));
        EXPECT_EQ(error.errorDescription(), L10n::render("podmanMissing"));
    }
}

TEST(Engine, EndpointsComeFromTheEnvironmentAndTheDockerContext) {
    QTemporaryDir home;
    QProcessEnvironment environment;
    environment.insert("HOME", home.path());
    EXPECT_EQ(Engine::endpoint(EngineKind::docker, environment), QString());
    EXPECT_EQ(Engine::endpoint(EngineKind::podman, environment), QString());

    // A current context in the configuration, described where the CLI keeps it.
    const QString meta = home.filePath(".docker/contexts/meta/" +
                                       QCryptographicHash::hash("build-box", QCryptographicHash::Sha256).toHex());
    ASSERT_TRUE(QDir().mkpath(meta));
    {
        QFile file(meta + "/meta.json");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"Name":"build-box","Endpoints":{"docker":{"Host":"ssh://ci@build-box","SkipTLSVerify":false}}})");
        QFile config(home.filePath(".docker/config.json"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(R"({"auths":{},"currentContext":"build-box"})");
    }
    EXPECT_EQ(Engine::endpoint(EngineKind::docker, environment), "ssh://ci@build-box");
    environment.insert("DOCKER_CONTEXT", "default");  // the variable wins over the file
    EXPECT_EQ(Engine::endpoint(EngineKind::docker, environment), QString());
    environment.insert("DOCKER_CONTEXT", "elsewhere");
    EXPECT_EQ(Engine::endpoint(EngineKind::docker, environment), "context elsewhere");
    environment.insert("DOCKER_HOST", "tcp://10.0.0.5:2376");
    EXPECT_EQ(Engine::endpoint(EngineKind::docker, environment), "tcp://10.0.0.5:2376");

    environment.insert("CONTAINER_CONNECTION", "lab");
    EXPECT_EQ(Engine::endpoint(EngineKind::podman, environment), "connection lab");
    environment.insert("CONTAINER_HOST", "ssh://me@lab/run/user/1000/podman/podman.sock");
    EXPECT_EQ(Engine::endpoint(EngineKind::podman, environment), "ssh://me@lab/run/user/1000/podman/podman.sock");

    EXPECT_EQ(Engine::describe(EngineKind::podman, true, QString()), "Podman (rootless)");
    EXPECT_EQ(Engine::describe(EngineKind::docker, false, "unix:///tmp/r.sock"), "Docker at unix:///tmp/r.sock");
}

TEST(Engine, PodmanRecordsReadAsDockerOnes) {
    const QList<PsEntry> entries = DockerParse::parsePsOutput(QString::fromUtf8(kPodmanPs));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], (PsEntry{"4acd2bf8bfdadd56c57f5b1e8b1f371c13756791a28e9f431170f5c983baa236", "pm-seed",
                                   "localhost/tarnwell-test/mariadb:1", "running", "Up 3 seconds ago",
                                   "127.0.0.1:4399->3306/tcp, 0.0.0.0:5000-5001->33060-33061/tcp"}));
    EXPECT_EQ(DockerParse::displayPorts(entries[0].ports), "localhost:4399, localhost:5000-5001");
    EXPECT_EQ(entries[1].name, "pm-plain");
    EXPECT_EQ(entries[1].state, "exited");
    EXPECT_EQ(entries[1].ports, QString());

    // Docker's lines still read the same, and an array member that is no object is passed over.
    EXPECT_EQ(DockerParse::parsePsOutput("{\"ID\":\"a1\",\"Names\":\"/x\",\"State\":\"running\"}\n").value(0).name,
              "x");
    EXPECT_EQ(DockerParse::parsePsOutput("[1, {\"Id\":\"b2\",\"Names\":[]}]").value(0).name, "b2");
    EXPECT_TRUE(DockerParse::parsePsOutput("[ not json").isEmpty());

    const DockerError down = DockerError::dockerNotRunning("Error: cannot connect\nmore", EngineKind::podman);
    EXPECT_EQ(down.errorDescription(), L10n::render("podmanNotRunningDetail", {QString("Error: cannot connect")}));
    EXPECT_NE(down, DockerError::dockerNotRunning("Error: cannot connect\nmore"));
}
