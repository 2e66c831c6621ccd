#include "journal/DumpIdentity.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

std::optional<DumpIdentity> DumpIdentity::of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    struct stat status {};
    if (fstat(file.handle(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    DumpIdentity identity;
    identity.size = status.st_size;
    identity.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QByteArray head = file.read(kHeadBytes);
    if (head.size() != qMin(identity.size, kHeadBytes)) return std::nullopt;
    hash.addData(head);
    identity.headHash = hash.result().toHex();
    return identity;
}
