#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QLocalServer;

// One running program per user: a later start hands over to the running one, which brings
// its main window back (and takes the dump the later start was given), and then ends.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // The user's socket, in the private runtime folder, named with the user id.
    static QString defaultName();

    // Asks a running program to show its window, and to select a dump when one is given;
    // true when one took the request.
    static bool handOver(const QString& name, const std::optional<QString>& dumpPath = std::nullopt);

    // Starts answering later starts. A socket left behind by a program that died is removed
    // first. False when the socket cannot be opened; the program then runs on without it.
    bool listen(const QString& name);

Q_SIGNALS:
    void activationRequested();
    void dumpRequested(const QString& path);

private:
    QLocalServer* server_;
};
