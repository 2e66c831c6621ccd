#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "docker/DockerClient.h"
#include "docker/DockerError.h"
#include "l10n/L10n.h"
#include "posix/Process.h"

namespace {

const QString kShell = QStringLiteral("/bin/sh");

}  // namespace

TEST(CommandRunner, DrainsBothStreamsWhateverTheChildWritesFirst) {
    const struct {
        QString script;
        qsizetype outBytes, errBytes;
    } cases[] = {
        {"head -c 6000000 /dev/zero | tr '\\0' e >&2", 0, 6000000},
        {"head -c 3000000 /dev/zero | tr '\\0' o & head -c 3000000 /dev/zero | tr '\\0' e >&2; wait", 3000000, 3000000},
    };
    for (const auto& c : cases) {
        const CommandResult result = DockerClient{}.run(kShell, {"-c", c.script});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.stdoutBytes, QByteArray(c.outBytes, 'o'));
        EXPECT_EQ(result.stderrBytes, QByteArray(c.errBytes, 'e'));
    }
}

TEST(CommandRunner, ReturnsExitStatusAndGivesTheChildTheEnvironment) {
    const CommandResult failed = DockerClient{}.run(kShell, {"-c", "echo out; echo err >&2; exit 3"});
    EXPECT_EQ(failed, (CommandResult{3, "out\n", "err\n"}));

    QProcessEnvironment environment;
    environment.insert("ONLY", "this");
    EXPECT_EQ(DockerClient::run("/usr/bin/env", {}, environment).stdoutBytes, QByteArray("ONLY=this\n"));
    const QByteArray inherited = DockerClient{}.run(kShell, {"-c", "echo \"$PATH\""}).stdoutBytes;
    EXPECT_TRUE(inherited.startsWith("/usr/local/bin:/usr/bin:/snap/bin:")) << inherited.toStdString();
}

TEST(CommandRunner, LaunchFailureThrowsTheSystemsMessage) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const std::pair<QString, const char*> cases[] = {
        {dir.filePath("missing"), "No such file or directory"},
        {dir.filePath("plain"), "Permission denied"},
    };
    for (const auto& [program, message] : cases) {
        try {
            DockerClient{}.run(program, {});
            ADD_FAILURE() << "no error for " << program.toStdString();
        } catch (const Process::LaunchError& error) {
            EXPECT_NE(describeError(error).indexOf(message), -1) << error.what();
        }
    }
}

TEST(DockerClientResolve, TakesTheFirstExecutableCandidate) {
    QTemporaryDir dir;
    auto make = [&](const QString& name, bool executable) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        return file.fileName();
    };
    const QString missing = dir.filePath("missing"), plain = make("plain", false);
    const QString first = make("first", true), second = make("second", true), gzip = make("gzip", true);

    EXPECT_EQ(DockerClient::resolve({missing, plain, first, second}, gzip), (DockerClient{first, gzip}));
    EXPECT_EQ(DockerClient::resolve({second, first}, gzip).docker, second);
    EXPECT_EQ(DockerClient::resolve({dir.path(), first}, gzip).docker, first);  // a directory is no program
    try {
        DockerClient::resolve({missing, plain}, gzip);
        ADD_FAILURE() << "no docker, no error";
    } catch (const DockerError& error) {
        EXPECT_EQ(error, DockerError::dockerMissing());
    }
    try {
        DockerClient::resolve({first}, dir.filePath("nogzip"));
        ADD_FAILURE() << "no gzip, no error";
    } catch (const DockerError& error) {
        EXPECT_EQ(error, DockerError::commandFailed(L10n::render("gzipMissing")));
    }

    qputenv("TARNWELL_DOCKER", first.toUtf8());
    EXPECT_EQ(DockerClient::dockerCandidates(),
              QStringList({first, "/usr/local/bin/docker", "/usr/bin/docker", "/snap/bin/docker", "/usr/bin/podman",
                           "/usr/local/bin/podman"}));
    qunsetenv("TARNWELL_DOCKER");
    EXPECT_EQ(DockerClient::dockerCandidates().first(), "/usr/local/bin/docker");
}

TEST(DockerClientEnvironment, PrefixesPath) {
    QProcessEnvironment withPath;
    withPath.insert("PATH", "/usr/bin:/bin:/usr/sbin:/sbin");
    withPath.insert("HOME", "/home/x");
    const QProcessEnvironment prepared = DockerClient::processEnvironment(withPath);
    EXPECT_EQ(prepared.value("PATH"), "/usr/local/bin:/usr/bin:/snap/bin:/usr/bin:/bin:/usr/sbin:/sbin");
    EXPECT_EQ(prepared.value("HOME"), "/home/x");
    EXPECT_EQ(prepared.keys().size(), 2);
    EXPECT_EQ(DockerClient::processEnvironment(QProcessEnvironment()).toStringList(),
              QStringList({"PATH=/usr/local/bin:/usr/bin:/snap/bin:/usr/bin:/bin"}));
}

TEST(DockerClientText, TrimsOrFallsBack) {
    const std::pair<QByteArray, QString> cases[] = {
        {" \n\t", "docker ps failed."},
        {"  Error: x \n", "Error: x"},
        {"\xff\xfe bad", "docker ps failed."},
        {"", "docker ps failed."},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(DockerClient::text(bytes, "docker ps failed."), expected);
    EXPECT_EQ(DockerClient::text("", " keep "), " keep ");
}
