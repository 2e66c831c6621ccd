#include "app/InstanceChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kConnectTimeout = 1000;

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == kActivate) Q_EMIT activationRequested();
                }
            });
        }
    });
}

QString InstanceChannel::defaultName() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString file = QStringLiteral("tarnwell-%1.socket").arg(::getuid());
    return folder.isEmpty() ? file : QDir(folder).filePath(file);
}

bool InstanceChannel::handOver(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeout)) return false;
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(kConnectTimeout);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectTimeout);
    return sent;
}

bool InstanceChannel::listen(const QString& name) {
    if (server_->listen(name)) return true;
    // Nobody answered on this name, so the socket is a leftover of a program that ended.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}
