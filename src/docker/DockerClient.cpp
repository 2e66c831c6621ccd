#include "docker/DockerClient.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringDecoder>

#include <atomic>

#include "docker/DockerError.h"
#include "l10n/L10n.h"
#include "posix/PipeIo.h"
#include "posix/Process.h"

namespace {

const QString kPathPrefix = QStringLiteral("/usr/local/bin:/usr/bin:/snap/bin:");

bool isExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

constexpr int kVersionLimitMs = 5000;

std::atomic<EnginePreference> chosenEngine{EnginePreference::found};

bool accepts(EnginePreference preference, EngineKind kind) {
    switch (preference) {
    case EnginePreference::docker: return kind == EngineKind::docker;
    case EnginePreference::podman: return kind == EngineKind::podman;
    case EnginePreference::found: break;
    }
    return true;
}

}  // namespace

void DockerClient::setPreference(EnginePreference preference) { chosenEngine.store(preference); }

EnginePreference DockerClient::preference() { return chosenEngine.load(); }

EngineKind DockerClient::identify(const QString& executable) {
    // Keyed by the file's identity too: an upgrade or a new link changes the answer.
    const QFileInfo info(executable);
    const QString key = info.canonicalFilePath() + QLatin1Char('\n') +
                        QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
                        QString::number(info.size());
    static QMutex mutex;
    static QHash<QString, EngineKind> known;
    {
        const QMutexLocker lock(&mutex);
        const auto found = known.constFind(key);
        if (found != known.constEnd()) return *found;
    }
    // A Podman that cannot read its configuration fails even to say its version; then, and
    // when nothing answers, the file name tells.
    const EngineKind byName = QFileInfo(info.canonicalFilePath()).fileName().startsWith(QLatin1String("podman"))
                                  ? EngineKind::podman
                                  : EngineKind::docker;
    EngineKind kind = byName;
    bool answered = false;
    try {
        const CommandResult answer =
            run(executable, {QStringLiteral("--version")}, processEnvironment(), kVersionLimitMs);
        answered = !answer.timedOut;
        if (answered) kind = Engine::kindFromVersion(answer.stdoutBytes + '\n' + answer.stderrBytes).value_or(byName);
    } catch (const std::exception&) {
        // Not startable: the commands that follow report it.
    }
    // A slow or failed start is asked again next time rather than remembered as Docker.
    if (answered) {
        const QMutexLocker lock(&mutex);
        known.insert(key, kind);
    }
    return kind;
}

QStringList DockerClient::dockerCandidates() {
    QStringList candidates;
    const QString custom = qEnvironmentVariable("TARNWELL_DOCKER");
    if (!custom.isEmpty()) candidates << custom;
    candidates << QStringLiteral("/usr/local/bin/docker") << QStringLiteral("/usr/bin/docker")
               << QStringLiteral("/snap/bin/docker") << QStringLiteral("/usr/bin/podman")
               << QStringLiteral("/usr/local/bin/podman");
    return candidates;
}

bool DockerClient::podmanFound() {
    for (const QString& candidate : dockerCandidates()) {
        if (isExecutableFile(candidate) && identify(candidate) == EngineKind::podman) return true;
    }
    return false;
}

DockerClient DockerClient::resolve() {
    return resolve(dockerCandidates(), QStringLiteral("/usr/bin/gzip"), preference());
}

DockerClient DockerClient::resolve(const QStringList& dockerCandidates, const QString& gzipPath,
                                   EnginePreference preference) {
    QString docker;
    EngineKind engine = EngineKind::docker;
    for (const QString& candidate : dockerCandidates) {
        if (!isExecutableFile(candidate)) continue;
        engine = identify(candidate);
        if (accepts(preference, engine)) {
            docker = candidate;
            break;
        }
    }
    if (docker.isEmpty())
        throw preference == EnginePreference::podman ? DockerError::dockerMissing(EngineKind::podman)
                                                     : DockerError::dockerMissing();
    if (!isExecutableFile(gzipPath)) throw DockerError::commandFailed(L10n::render(QStringLiteral("gzipMissing")));
    return DockerClient{docker, gzipPath, engine, Engine::endpoint(engine, processEnvironment())};
}

QProcessEnvironment DockerClient::processEnvironment() {
    return processEnvironment(QProcessEnvironment::systemEnvironment());
}

QProcessEnvironment DockerClient::processEnvironment(QProcessEnvironment base) {
    const QString oldPath =
        base.contains(QStringLiteral("PATH")) ? base.value(QStringLiteral("PATH")) : QStringLiteral("/usr/bin:/bin");
    base.insert(QStringLiteral("PATH"), kPathPrefix + oldPath);
    return base;
}

CommandResult DockerClient::run(const QString& executable, const QStringList& arguments) const {
    return runBounded(executable, arguments, processEnvironment(), metadataLimitMs(), engine);
}

int DockerClient::metadataLimitMs() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TARNWELL_DOCKER_TIMEOUT", &ok);
    return ok && seconds > 0 ? seconds * 1000 : 20000;
}

CommandResult DockerClient::runBounded(const QString& executable, const QStringList& arguments,
                                       const QProcessEnvironment& environment, int limitMs, EngineKind engine) {
    CommandResult result = run(executable, arguments, environment, limitMs);
    if (result.timedOut) throw DockerError::timedOut(qMax(1, limitMs / 1000), engine);
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
