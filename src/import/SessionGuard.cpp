#include <unistd.h>

#include "import/SessionGuard_p.h"
#include "posix/PipeIo.h"

namespace {

// Waits for a word from this program; end of input without "release" means it is gone, or
// has left the session to this watchdog. A paused container cannot be asked, and the client
// inside must not see the end of its input before its session has ended: the watchdog
// keeps trying while the container stays paused.
const QString kWatchdogScript = QStringLiteral(
    "IFS= read -r word\n"
    "[ \"$word\" = release ] && exit 0\n"
    "container=$1; shift\n"
    "until \"$@\" </dev/null >/dev/null 2>&1; do\n"
    "    state=$(\"$1\" inspect --type container --format '{{.State.Status}}' -- \"$container\" 2>/dev/null)\n"
    "    [ \"$state\" = paused ] || exit 0\n"
    "    sleep 1\n"
    "done\n");

constexpr int kClientInputNumber = 3;

}  // namespace

void SessionGuard::start(const QString& container, const QStringList& endSession,
                         const QProcessEnvironment& environment, int clientInput) {
    Process::Pipe lifeline = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    QStringList arguments{QStringLiteral("-c"), kWatchdogScript, QStringLiteral("tarnwell-guard"), container};
    arguments << endSession;
    Process::Spec spec{QStringLiteral("/bin/sh"), arguments,        environment,
                       lifeline.readEnd.get(),    nullDevice.get(), nullDevice.get()};
    spec.extraDescriptors = {{clientInput, kClientInputNumber}};
    watchdog_ = Process::Child::start(spec);
    lifeline_ = std::move(lifeline.writeEnd);
}

void SessionGuard::release() {
    if (!lifeline_) return;
    static const char word[] = "release\n";
    PipeIo::writeAll(lifeline_.get(), word, sizeof word - 1);
    lifeline_.reset();
    watchdog_.waitFor(Process::kStopGrace);
    watchdog_.stop(Process::kStopGrace);
}

void SessionGuard::leave() { lifeline_.reset(); }

void SessionGuard::awaitEnd() {
    lifeline_.reset();
    if (watchdog_.isStarted()) watchdog_.wait();
}
