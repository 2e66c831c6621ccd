#include <unistd.h>

#include "import/ImportCommand.h"
#include "import/SessionGuard_p.h"
#include "posix/PipeIo.h"

namespace {

// Waits for a word from this program; end of input without "release" means it is gone, or
// has left the session to this watchdog. A paused container cannot be asked, and the client
// inside must not see the end of its input before its session has ended: the watchdog
// keeps trying while the container stays paused. A temporary account goes only after its
// session: "done" says this program removed it; without it, the watchdog does.
const QString kWatchdogScript = QStringLiteral(
    "IFS= read -r word\n"
    "container=$1; remove=$2; shift 2\n"
    "if [ \"$word\" = release ]; then\n"
    "    exec 3<&-\n"
    "    [ -z \"$remove\" ] && exit 0\n"
    "    IFS= read -r word\n"
    "    [ \"$word\" = done ] && exit 0\n"
    "fi\n"
    "until \"$@\" </dev/null >/dev/null 2>&1; do\n"
    "    state=$(\"$1\" inspect --type container --format '{{.State.Status}}' -- \"$container\" 2>/dev/null)\n"
    "    [ \"$state\" = paused ] || break\n"
    "    sleep 1\n"
    "done\n"
    "[ -n \"$remove\" ] || exit 0\n"
    "MYSQL_PWD=$TARNWELL_LOGIN_PWD; export MYSQL_PWD; unset TARNWELL_LOGIN_PWD\n"
    "eval \"$remove\" </dev/null >/dev/null 2>&1\n");

const QString kLoginPasswordVariable = QStringLiteral("TARNWELL_LOGIN_PWD");

constexpr int kClientInputNumber = 3;

}  // namespace

void SessionGuard::start(const QString& container, const QStringList& endSession,
                         const QProcessEnvironment& environment, int clientInput, const QStringList& removeAccount,
                         const QString& loginPassword) {
    Process::Pipe lifeline = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    removesAccount_ = !removeAccount.isEmpty();
    const QString removal = removesAccount_ ? ImportCommand::shellLine(removeAccount) : QString();
    QStringList arguments{QStringLiteral("-c"), kWatchdogScript, QStringLiteral("tarnwell-guard"), container, removal};
    arguments << endSession;
    QProcessEnvironment watchdogEnvironment = environment;
    if (removesAccount_) watchdogEnvironment.insert(kLoginPasswordVariable, loginPassword);
    Process::Spec spec{QStringLiteral("/bin/sh"), arguments,        watchdogEnvironment,
                       lifeline.readEnd.get(),    nullDevice.get(), nullDevice.get()};
    spec.extraDescriptors = {{clientInput, kClientInputNumber}};
    watchdog_ = Process::Child::start(spec);
    lifeline_ = std::move(lifeline.writeEnd);
}

void SessionGuard::release() {
    if (!lifeline_ || released_) return;
    static const char word[] = "release\n";
    PipeIo::writeAll(lifeline_.get(), word, sizeof word - 1);
    released_ = true;
    if (!removesAccount_) stopWatching();
}

void SessionGuard::done() {
    if (!lifeline_) return;
    release();
    if (lifeline_) {
        static const char word[] = "done\n";
        PipeIo::writeAll(lifeline_.get(), word, sizeof word - 1);
    }
    stopWatching();
}

void SessionGuard::stopWatching() {
    lifeline_.reset();
    watchdog_.waitFor(Process::kStopGrace);
    watchdog_.stop(Process::kStopGrace);
}

void SessionGuard::leave() { lifeline_.reset(); }

void SessionGuard::awaitEnd() {
    lifeline_.reset();
    if (watchdog_.isStarted()) watchdog_.wait();
}
