#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

// Which container engine a client executable drives. `podman-docker` installs a `docker`
// that is Podman, so the name of the executable says nothing.
enum class EngineKind { docker, podman };

// The user's choice between engines when both are installed.
enum class EnginePreference { found, docker, podman };

namespace Engine {

// "Docker" or "Podman": product names, the same in every language.
QString productName(EngineKind kind);

// "Podman (rootless)", "Docker at tcp://host:2376": the engine and, when it is not the local
// default, its endpoint, in the current language.
QString describe(EngineKind kind, bool rootless, const QString& endpoint);

// The engine a `--version` answer names ("Docker version 20.10…", "podman version 4.3.1");
// nothing for any other text.
std::optional<EngineKind> kindFromVersion(const QByteArray& versionOutput);

// "docker", "podman", or "" for what is found; nothing for any other word.
std::optional<EnginePreference> preferenceFromText(const QString& text);
QString preferenceText(EnginePreference preference);

// The engine address the client talks to, when it is not the local default: DOCKER_HOST,
// else DOCKER_CONTEXT or the current context of the docker configuration; for Podman
// CONTAINER_HOST, else CONTAINER_CONNECTION. Empty for the local default.
QString endpoint(EngineKind kind, const QProcessEnvironment& environment);

// The docker host of a named context in a docker configuration folder, or "context <name>"
// when its description cannot be read; empty for "default".
QString dockerContextEndpoint(const QString& configDir, const QString& context);

}  // namespace Engine
