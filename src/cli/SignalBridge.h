#pragma once

#include <QList>
#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns termination signals into a Qt signal on the main thread: the handler only writes
// the signal's number into a pipe, whose reading end the event loop watches.
class SignalBridge : public QObject {
    Q_OBJECT

public:
    // Catches the given signals while the bridge exists. A signal that is ignored when the
    // bridge starts (as under nohup) stays ignored.
    explicit SignalBridge(const QList<int>& numbers, QObject* parent = nullptr);
    ~SignalBridge() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void drain();

    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QList<QPair<int, struct sigaction>> previous_;
};
