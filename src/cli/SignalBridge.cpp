#include "cli/SignalBridge.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t writeEnd = -1;

void forward(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = (unsigned char)signalNumber;
    if (writeEnd >= 0) (void)!::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

SignalBridge::SignalBridge(const QList<int>& numbers, QObject* parent) : QObject(parent) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;  // without it the defaults stay
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalBridge::drain);

    for (const int number : numbers) {
        struct sigaction current {};
        ::sigaction(number, nullptr, &current);
        if (current.sa_handler == SIG_IGN) continue;
        struct sigaction caught {};
        caught.sa_handler = forward;
        sigemptyset(&caught.sa_mask);
        caught.sa_flags = SA_RESTART;
        ::sigaction(number, &caught, &current);
        previous_.append({number, current});
    }
}

SignalBridge::~SignalBridge() {
    for (const auto& [number, action] : previous_) ::sigaction(number, &action, nullptr);
    if (readEnd_ < 0) return;
    const int end = writeEnd;
    writeEnd = -1;
    ::close(end);
    ::close(readEnd_);
}

void SignalBridge::drain() {
    unsigned char bytes[16];
    for (;;) {
        const ssize_t count = ::read(readEnd_, bytes, sizeof bytes);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;
        for (ssize_t i = 0; i < count; ++i) Q_EMIT received(int(bytes[i]));
    }
}
