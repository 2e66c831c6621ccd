#include "app/InstanceChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
// Followed by the path in base64, which keeps any byte of a file name off the line structure.
const QByteArray kOpen = QByteArrayLiteral("open ");
constexpr int kConnectTimeout = 1000;

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine();
                    if (line == kActivate) {
                        Q_EMIT activationRequested();
                    } else if (line.startsWith(kOpen) && line.endsWith('\n')) {
                        const auto decoded = QByteArray::fromBase64Encoding(line.mid(kOpen.size()).chopped(1),
                                                                            QByteArray::AbortOnBase64DecodingErrors);
                        if (decoded && !decoded.decoded.isEmpty())
                            Q_EMIT dumpRequested(QString::fromUtf8(decoded.decoded));
                    }
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

bool InstanceChannel::handOver(const QString& name, const std::optional<QString>& dumpPath) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeout)) return false;
    // The dump first, so the window shows it when it comes back.
    if (dumpPath) socket.write(kOpen + dumpPath->toUtf8().toBase64() + '\n');
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
