#include "docker/DockerClient.h"

#include <QFileInfo>
#include <QStringDecoder>


#include "docker/DockerError.h"
#include "docker/PipeIo.h"
#include "docker/Process.h"
#include "settings/L10n.h"

namespace {

const QString kPathPrefix = QStringLiteral("/usr/local/bin:/usr/bin:/snap/bin:");

bool isExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
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
    return runBounded(executable, arguments, processEnvironment());
}

int DockerClient::metadataLimitMs() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TARNWELL_DOCKER_TIMEOUT", &ok);
    return ok && seconds > 0 ? seconds * 1000 : 20000;
}

CommandResult DockerClient::runBounded(const QString& executable, const QStringList& arguments,
                                       const QProcessEnvironment& environment, int limitMs) {
    CommandResult result = run(executable, arguments, environment, limitMs);
    if (result.timedOut) throw DockerError::timedOut(qMax(1, limitMs / 1000));
    return result;
}

CommandResult DockerClient::run(const QString& executable, const QStringList& arguments,
                                const QProcessEnvironment& environment, int limitMs) {
    Process::Pipe out = Process::makePipe();
    Process::Pipe err = Process::makePipe();
    Process::Child child =
        Process::Child::start({executable, arguments, environment, -1, out.writeEnd.get(), err.writeEnd.get()});
    // Our copies of the write ends must go, or the reads below never see end of file.
    out.writeEnd.reset();
    err.writeEnd.reset();

    CommandResult result;
    if (PipeIo::readBothUntilEnd(out.readEnd.get(), result.stdoutBytes, err.readEnd.get(), result.stderrBytes,
                                 limitMs)) {
        result.status = child.wait();
    } else {
        result.timedOut = true;
        result.status = child.stop(Process::kStopGrace);
    }
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
