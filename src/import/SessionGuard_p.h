#pragma once

#include <QProcessEnvironment>
#include <QStringList>

#include "posix/Process.h"
#include "posix/UniqueFd.h"

// A small watchdog beside an import that holds a copy of the client's input. Should this
// program die without warning (SIGKILL, a crash), the client would see the end of its input
// and run whatever half statement it holds; the watchdog notices the death first, ends the
// import's session on the server, and only then lets the input go.
class SessionGuard {
public:
    SessionGuard() = default;
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;
    ~SessionGuard() { done(); }

    // `endSession` is the docker command, program first, that ends the session in
    // `container`; the environment carries its password. `removeAccount`, when not empty, is
    // the command that then removes the session's temporary account; `loginPassword` is its
    // password. Throws Process::LaunchError.
    void start(const QString& container, const QStringList& endSession, const QProcessEnvironment& environment,
               int clientInput, const QStringList& removeAccount = {}, const QString& loginPassword = {});

    // The import ends as planned, or its session has been ended already: the watchdog lets
    // go of the input. Without an account to remove it exits; with one it stays until done(),
    // and should this program die first, it ends the session and removes the account.
    void release();
    // The account is removed: the watchdog exits.
    void done();

    // The session could not be ended now (a paused container): the watchdog ends it once
    // the container runs again, and only then lets go of the input.
    void leave();
    // After leave(): waits until the watchdog has done so.
    void awaitEnd();

private:
    void stopWatching();

    UniqueFd lifeline_;
    Process::Child watchdog_;
    bool removesAccount_ = false;
    bool released_ = false;
};
