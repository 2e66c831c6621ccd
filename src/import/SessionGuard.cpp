#include "import/SessionGuard.h"

#include <unistd.h>

#include "docker/PipeIo.h"

namespace {

// Waits for a word from this program; end of input without "release" means it is gone.
const QString kWatchdogScript = QStringLiteral(
    "IFS= read -r word\n"
    "[ \"$word\" = release ] || \"$@\" </dev/null >/dev/null 2>&1\n");

constexpr int kClientInputNumber = 3;

}  // namespace

void SessionGuard::start(const QStringList& endSession, const QProcessEnvironment& environment, int clientInput) {
    Process::Pipe lifeline = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    QStringList arguments{QStringLiteral("-c"), kWatchdogScript, QStringLiteral("tarnwell-guard")};
    arguments << endSession;
    Process::Spec spec{QStringLiteral("/bin/sh"), arguments, environment, lifeline.readEnd.get(),
                       nullDevice.get(), nullDevice.get()};
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
