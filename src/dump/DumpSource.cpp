#include "dump/DumpSource.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "posix/SystemMessage.h"

DumpSource DumpSource::open(const QString& path) {
    DumpSource source;
    const QByteArray local = QFile::encodeName(path);
    struct stat attributes {};
    if (::stat(local.constData(), &attributes) != 0) {
        source.error = L10n::render(QStringLiteral("sizeUnreadable"), {systemMessage(errno)});
        return source;
    }
    // Non-blocking only for the open itself: a pipe without a writer must not hold it.
    source.file.reset(::open(local.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!source.file) {
        source.error = L10n::render(QStringLiteral("dumpUnreadable"), {systemMessage(errno)});
        return source;
    }
    if (::fstat(source.file.get(), &attributes) != 0 || !S_ISREG(attributes.st_mode)) {
        source.error = L10n::render(QStringLiteral("notRegularFile"), {path});
        source.file.reset();
        return source;
    }
    ::fcntl(source.file.get(), F_SETFL, ::fcntl(source.file.get(), F_GETFL) & ~O_NONBLOCK);
    source.totalBytes = qint64(attributes.st_size);
    ::posix_fadvise(source.file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    char magic[DumpFormat::kMagicBytes] = {};
    ssize_t n;
    do {
        n = ::pread(source.file.get(), magic, sizeof magic, 0);
    } while (n < 0 && errno == EINTR);
    source.compression = DumpFormat::fromMagic(QByteArrayView(magic, n > 0 ? n : 0));
    return source;
}

std::optional<QString> DumpSource::changedSince(qint64 bytesCopied) const {
    struct stat attributes {};
    const qint64 now = ::fstat(file.get(), &attributes) == 0 ? qint64(attributes.st_size) : bytesCopied;
    if (now == totalBytes && bytesCopied == totalBytes) return std::nullopt;
    const qint64 shown = now != totalBytes ? now : bytesCopied;
    return L10n::render(QStringLiteral("dumpChanged"),
                        {ByteFormatting::bytes(totalBytes), ByteFormatting::bytes(shown)});
}
