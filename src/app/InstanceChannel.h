#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user: a later start hands over to the running one, which brings
// its main window back, and then ends.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // The user's socket, in the private runtime folder, named with the user id.
    static QString defaultName();

    // Asks a running program to show its window; true when one took the request.
    static bool handOver(const QString& name);

    // Starts answering later starts. A socket left behind by a program that died is removed
    // first. False when the socket cannot be opened; the program then runs on without it.
    bool listen(const QString& name);

Q_SIGNALS:
    void activationRequested();

private:
    QLocalServer* server_;
};
