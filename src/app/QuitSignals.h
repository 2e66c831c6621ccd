#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit on the GUI thread: the handler only
// writes the signal number into a pipe, and the event loop reads it.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void quitRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};
