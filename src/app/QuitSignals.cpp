#include "app/QuitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        int last = 0;
        while (::read(pipeEnds[0], &byte, 1) == 1) last = byte;
        if (last != 0) Q_EMIT quitRequested(last);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kSignals) ::sigaction(number, &action, nullptr);
    delete notifier_;
    for (int& end : pipeEnds) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}
