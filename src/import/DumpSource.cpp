#include "import/DumpSource.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "docker/SystemMessage.h"
#include "settings/L10n.h"

DumpSource DumpSource::open(const QString& path) {
    DumpSource source;
    const QByteArray local = QFile::encodeName(path);
    struct stat attributes {};
    if (::stat(local.constData(), &attributes) != 0) {
        source.error = L10n::render(QStringLiteral("sizeUnreadable"), {systemMessage(errno)});
        return source;
    }
    source.totalBytes = qint64(attributes.st_size);
    source.file.reset(::open(local.constData(), O_RDONLY | O_CLOEXEC));
    if (!source.file) {
        source.error = L10n::render(QStringLiteral("dumpUnreadable"), {systemMessage(errno)});
        return source;
    }
    ::posix_fadvise(source.file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    unsigned char magic[2] = {0, 0};
    ssize_t n;
    do {
        n = ::pread(source.file.get(), magic, sizeof magic, 0);
    } while (n < 0 && errno == EINTR);
    source.gzip = n == 2 && magic[0] == 0x1f && magic[1] == 0x8b;
    return source;
}
