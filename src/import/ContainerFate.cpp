#include "import/ContainerFate.h"

#include <QRegularExpression>

#include <chrono>
#include <cstring>
#include <thread>

#include "l10n/L10n.h"

namespace ContainerFate {

namespace {

constexpr int kAskLimitMs = 3000;     // a hung engine must not hold the end of the import long
constexpr int kSettleLimitMs = 3000;  // a container being stopped answers "running" a moment longer

// The client lost its server or was ended by a signal: a sign that the container itself went.
bool connectionLost(const QString& message) {
    static const QRegularExpression lost(QStringLiteral("ERROR (2002|2006|2013)|Lost connection|server has gone away"));
    return lost.match(message).hasMatch();
}

std::optional<int> signalOf(const QString& message) {
    for (int number = 1; number < 32; ++number) {
        if (message == L10n::render(QStringLiteral("mysqlStatus"), {qint64(128 + number)})) return number;
    }
    return std::nullopt;
}

}  // namespace

State parseState(int status, const QByteArray& output, const QByteArray& errors) {
    if (status != 0) {
        const QByteArray said = errors.toLower();
        if (said.contains("no such container") || said.contains("no such object")) return State::gone;
        if (said.contains("cannot connect to the docker daemon") || said.contains("error during connect") ||
            said.contains("connect: no such file") || said.contains("connection refused"))
            return State::engineGone;
        return State::running;  // an answer that says nothing: the outcome stands
    }
    const QByteArray state = output.trimmed();
    if (state == "paused") return State::paused;
    if (state == "exited" || state == "created") return State::stopped;
    if (state == "removing" || state == "dead") return State::gone;
    return State::running;
}

State stateOf(const DockerClient& client, const QString& container) {
    try {
        const CommandResult inspect = DockerClient::run(
            client.docker,
            {QStringLiteral("inspect"), QStringLiteral("--type"), QStringLiteral("container"),
             QStringLiteral("--format"), QStringLiteral("{{.State.Status}}"), QStringLiteral("--"), container},
            DockerClient::processEnvironment(), kAskLimitMs);
        if (inspect.timedOut) return State::engineGone;
        return parseState(inspect.status, inspect.stdoutBytes, inspect.stderrBytes);
    } catch (const std::exception&) {
        return State::running;  // no docker to ask: nothing to add
    }
}

std::optional<QString> explain(State state, const QString& container, const ImportOutcome& outcome) {
    if (outcome.kind == ImportOutcome::Kind::success) return std::nullopt;
    switch (state) {
    case State::stopped: return L10n::render(QStringLiteral("importContainerStopped"), {container});
    case State::gone: return L10n::render(QStringLiteral("importContainerGone"), {container});
    case State::paused: return L10n::render(QStringLiteral("importContainerPaused"), {container});
    case State::engineGone: return L10n::render(QStringLiteral("importEngineGone"), {container});
    case State::running: break;
    }
    if (outcome.kind != ImportOutcome::Kind::failed) return std::nullopt;
    if (const auto number = signalOf(outcome.message)) {
        return L10n::render(QStringLiteral("importClientSignalled"),
                            {qint64(*number), QString::fromLocal8Bit(::strsignal(*number))});
    }
    return std::nullopt;
}

ImportOutcome explained(const DockerClient& client, const QString& container, const ImportOutcome& outcome) {
    if (outcome.kind == ImportOutcome::Kind::success) return outcome;
    State state = stateOf(client, container);
    // A stop in progress: the server went first, the container follows within moments.
    const bool suspicious =
        outcome.kind == ImportOutcome::Kind::failed && (connectionLost(outcome.message) || signalOf(outcome.message));
    for (int waited = 0; state == State::running && suspicious && waited < kSettleLimitMs; waited += 250) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        state = stateOf(client, container);
    }
    const auto message = explain(state, container, outcome);
    return message ? ImportOutcome::failed(*message) : outcome;
}

}  // namespace ContainerFate
