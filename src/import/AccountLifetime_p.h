#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <optional>

#include "docker/DockerClient.h"
#include "import/ImportRequest.h"

// The temporary account of one import, from its making to its removal, through the user's
// login. Every step is a statement of the login in a session of its own.
namespace AccountLifetime {

using Log = std::function<void(const QString&)>;

// Accounts left by imports whose sessions no longer live are this old at least: a new
// account's session takes its lock within the time a client has to connect.
constexpr qint64 kLeftoverGraceSeconds = 120;

// A fresh account for the request: random name and password, the owner role of its plan.
TemporaryAccount prepared(const ImportRequest& request);

struct Made {
    std::optional<QString> failure;  // in the user's language, with the server's words
    bool trustTurnedOn = false;      // log_bin_trust_function_creators goes back to 0 at the end
};

// Removes what earlier imports left, then makes the account.
Made make(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login, const Log& log);

// Once its session has started: the role that switched binary logging off is taken back.
std::optional<QString> takeBackBinlogRole(const DockerClient& tools, const ImportRequest& request,
                                          const QProcessEnvironment& login);

// What removes the account: the statements, and the docker command that runs them as the login.
QString removal(const ImportRequest& request, bool trustTurnedOn);
QStringList removalCommand(const DockerClient& tools, const ImportRequest& request, bool trustTurnedOn);

// Removes it now, once its session has ended; the log says whether it is gone.
bool remove(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login,
            bool trustTurnedOn, const Log& log);

}  // namespace AccountLifetime
