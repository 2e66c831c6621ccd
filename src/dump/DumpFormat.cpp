#include "dump/DumpFormat.h"

#include <QFileInfo>

#include "docker/DockerClient.h"

namespace DumpFormat {

Compression fromMagic(QByteArrayView head) {
    const auto startsWith = [&](QByteArrayView magic) { return head.startsWith(magic); };
    if (startsWith(QByteArrayView("\x1f\x8b", 2))) return Compression::gzip;
    if (startsWith(QByteArrayView("\x28\xb5\x2f\xfd", 4))) return Compression::zstd;
    if (startsWith(QByteArrayView("\xfd"
                                  "7zXZ\x00",
                                  6)))
        return Compression::xz;
    // "BZh" and a block size digit.
    if (head.size() >= 4 && startsWith("BZh") && head[3] >= '1' && head[3] <= '9') return Compression::bzip2;
    return Compression::none;
}

Compression fromName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gz")) return Compression::gzip;
    if (suffix == QLatin1String("zst")) return Compression::zstd;
    if (suffix == QLatin1String("xz")) return Compression::xz;
    if (suffix == QLatin1String("bz2")) return Compression::bzip2;
    return Compression::none;
}

QString program(Compression compression, const DockerClient& tools) {
    switch (compression) {
    case Compression::gzip: return tools.gzip;
    case Compression::zstd: return QStringLiteral("/usr/bin/zstd");
    case Compression::xz: return QStringLiteral("/usr/bin/xz");
    case Compression::bzip2: return QStringLiteral("/usr/bin/bzip2");
    case Compression::none: break;
    }
    return {};
}

QString programName(Compression compression) {
    switch (compression) {
    case Compression::gzip: return QStringLiteral("gzip");
    case Compression::zstd: return QStringLiteral("zstd");
    case Compression::xz: return QStringLiteral("xz");
    case Compression::bzip2: return QStringLiteral("bzip2");
    case Compression::none: break;
    }
    return {};
}

QStringList decompressArguments(Compression compression) {
    // zstd prints progress to a terminal unless told not to.
    if (compression == Compression::zstd) return {QStringLiteral("-dcq")};
    return {QStringLiteral("-dc")};
}

bool decompressedWhole(Compression compression, int status) {
    // gzip's and xz's status 2 is a warning (trailing garbage ignored); bzip2's 2 is a damaged file.
    if (compression == Compression::gzip || compression == Compression::xz) return status == 0 || status == 2;
    return status == 0;
}

}  // namespace DumpFormat
