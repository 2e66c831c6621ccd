#include "docker/DockerClient.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "docker/DockerError.h"
#include "docker/Process.h"
#include "settings/L10n.h"

namespace {

const QString kPathPrefix = QStringLiteral("/usr/local/bin:/usr/bin:/snap/bin:");

bool isExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Reads both pipes until each reaches end of file, whichever the child writes first.
void drain(int& outFd, int& errFd, QByteArray& out, QByteArray& err) {
    char buffer[65536];
    while (outFd >= 0 || errFd >= 0) {
        pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            int& fd = i == 0 ? outFd : errFd;
            QByteArray& sink = i == 0 ? out : err;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                sink.append(buffer, n);
            } else if (n == 0 || errno != EINTR) {
                Process::closeQuietly(fd);
            }
        }
    }
}

}  // namespace

QStringList DockerClient::dockerCandidates() {
    QStringList candidates;
    const QString custom = qEnvironmentVariable("TARNWELL_DOCKER");
    if (!custom.isEmpty()) candidates << custom;
    candidates << QStringLiteral("/usr/local/bin/docker") << QStringLiteral("/usr/bin/docker")
               << QStringLiteral("/snap/bin/docker");
    return candidates;
}

DockerClient DockerClient::resolve() {
    return resolve(dockerCandidates(), QStringLiteral("/usr/bin/gzip"));
}

DockerClient DockerClient::resolve(const QStringList& dockerCandidates, const QString& gzipPath) {
    QString docker;
    for (const QString& candidate : dockerCandidates) {
        if (isExecutableFile(candidate)) {
            docker = candidate;
            break;
        }
    }
    if (docker.isEmpty()) throw DockerError::dockerMissing();
    if (!isExecutableFile(gzipPath)) throw DockerError::commandFailed(L10n::render(QStringLiteral("gzipMissing")));
    return DockerClient{docker, gzipPath};
}

QProcessEnvironment DockerClient::processEnvironment() {
    return processEnvironment(QProcessEnvironment::systemEnvironment());
}

QProcessEnvironment DockerClient::processEnvironment(QProcessEnvironment base) {
    const QString oldPath = base.contains(QStringLiteral("PATH")) ? base.value(QStringLiteral("PATH"))
                                                                   : QStringLiteral("/usr/bin:/bin");
    base.insert(QStringLiteral("PATH"), kPathPrefix + oldPath);
    return base;
}

CommandResult DockerClient::run(const QString& executable, const QStringList& arguments) const {
    return run(executable, arguments, processEnvironment());
}

CommandResult DockerClient::run(const QString& executable, const QStringList& arguments,
                                const QProcessEnvironment& environment) {
    Process::Pipe out = Process::makePipe();
    Process::Pipe err;
    try {
        err = Process::makePipe();
    } catch (...) {
        Process::closeQuietly(out.readEnd);
        Process::closeQuietly(out.writeEnd);
        throw;
    }
    pid_t pid = -1;
    try {
        pid = Process::spawn({executable, arguments, environment, -1, out.writeEnd, err.writeEnd});
    } catch (...) {
        for (int* fd : {&out.readEnd, &out.writeEnd, &err.readEnd, &err.writeEnd}) Process::closeQuietly(*fd);
        throw;
    }
    // Our copies of the write ends must go, or the reads below never see end of file.
    Process::closeQuietly(out.writeEnd);
    Process::closeQuietly(err.writeEnd);

    CommandResult result;
    drain(out.readEnd, err.readEnd, result.stdoutBytes, result.stderrBytes);
    result.status = Process::waitForExit(pid);
    return result;
}

QString DockerClient::text(const QByteArray& bytes, const QString& fallback) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    if (decoder.hasError()) return fallback;
    const QString trimmed = decoded.trimmed();
    return trimmed.isEmpty() ? fallback : trimmed;
}

QString DockerClient::utf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return decoder.hasError() ? QString() : decoded;
}
