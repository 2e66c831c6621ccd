// What an engine executable is and which endpoint it talks to.
#include "docker/Engine.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "l10n/L10n.h"

namespace Engine {
namespace {

QJsonObject readJsonObject(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString dockerConfigDir(const QProcessEnvironment& environment) {
    const QString custom = environment.value(QStringLiteral("DOCKER_CONFIG"));
    if (!custom.isEmpty()) return custom;
    const QString home = environment.value(QStringLiteral("HOME"), QDir::homePath());
    return home + QStringLiteral("/.docker");
}

}  // namespace

QString productName(EngineKind kind) {
    return kind == EngineKind::podman ? QStringLiteral("Podman") : QStringLiteral("Docker");
}

QString describe(EngineKind kind, bool rootless, const QString& endpoint) {
    QString name = productName(kind);
    if (rootless) name = L10n::render(QStringLiteral("engineRootless"), {name});
    if (endpoint.isEmpty()) return name;
    return L10n::render(QStringLiteral("engineAt"), {name, endpoint});
}

std::optional<EngineKind> kindFromVersion(const QByteArray& versionOutput) {
    // podman-docker's wrapper may print a notice first; the version line is what counts.
    for (const QByteArray& line : versionOutput.split('\n')) {
        const QByteArray lower = line.trimmed().toLower();
        if (lower.startsWith("podman version") || lower.startsWith("podman-remote version")) return EngineKind::podman;
        if (lower.startsWith("docker version")) return EngineKind::docker;
    }
    return std::nullopt;
}

std::optional<EnginePreference> preferenceFromText(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word.isEmpty() || word == QLatin1String("found")) return EnginePreference::found;
    if (word == QLatin1String("docker")) return EnginePreference::docker;
    if (word == QLatin1String("podman")) return EnginePreference::podman;
    return std::nullopt;
}

QString preferenceText(EnginePreference preference) {
    switch (preference) {
    case EnginePreference::docker: return QStringLiteral("docker");
    case EnginePreference::podman: return QStringLiteral("podman");
    case EnginePreference::found: break;
    }
    return QString();
}

QString dockerContextEndpoint(const QString& configDir, const QString& context) {
    if (context.isEmpty() || context == QLatin1String("default")) return QString();
    // The CLI keeps each context under the SHA-256 of its name.
    const QByteArray digest = QCryptographicHash::hash(context.toUtf8(), QCryptographicHash::Sha256).toHex();
    const QJsonObject meta =
        readJsonObject(configDir + QStringLiteral("/contexts/meta/") + QString::fromLatin1(digest) + "/meta.json");
    const QString host = meta.value(QStringLiteral("Endpoints"))
                             .toObject()
                             .value(QStringLiteral("docker"))
                             .toObject()
                             .value(QStringLiteral("Host"))
                             .toString();
    return host.isEmpty() ? QStringLiteral("context ") + context : host;
}

QString endpoint(EngineKind kind, const QProcessEnvironment& environment) {
    if (kind == EngineKind::podman) {
        const QString host = environment.value(QStringLiteral("CONTAINER_HOST"));
        if (!host.isEmpty()) return host;
        const QString connection = environment.value(QStringLiteral("CONTAINER_CONNECTION"));
        if (!connection.isEmpty()) return QStringLiteral("connection ") + connection;
        return QString();
    }
    const QString host = environment.value(QStringLiteral("DOCKER_HOST"));
    if (!host.isEmpty()) return host;
    const QString configDir = dockerConfigDir(environment);
    QString context = environment.value(QStringLiteral("DOCKER_CONTEXT"));
    if (context.isEmpty())
        context = readJsonObject(configDir + QStringLiteral("/config.json"))
                      .value(QStringLiteral("currentContext"))
                      .toString();
    return dockerContextEndpoint(configDir, context);
}

}  // namespace Engine
