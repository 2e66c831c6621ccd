#include "import/DumpInspection.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "docker/Process.h"
#include "docker/DockerError.h"
#include "import/DumpText.h"
#include "settings/L10n.h"

namespace DumpInspection {
namespace {

[[noreturn]] void throwFileError(int error, const QString& path) {
    throw std::system_error(error, std::generic_category(), path.toStdString());
}

// Reads until `limit` bytes or end of stream. Returns false with errno set on a read error.
bool readUpTo(int fd, qint64 limit, QByteArray& into) {
    into.resize(limit);
    qint64 filled = 0;
    while (filled < limit) {
        const ssize_t n = ::read(fd, into.data() + filled, size_t(limit - filled));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            into.resize(filled);
            errno = error;
            return false;
        }
        if (n == 0) break;
        filled += n;
    }
    into.resize(filled);
    return true;
}

QByteArray plainSample(const QString& path) {
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throwFileError(errno, path);
    QByteArray sample;
    const bool ok = readUpTo(fd, kSampleLimit, sample);
    const int error = errno;
    ::close(fd);
    if (!ok) throwFileError(error, path);
    return sample;
}

}  // namespace

DumpPreview peekDump(const DockerClient& client, const QString& path) {
    struct stat attributes {};
    if (::stat(QFile::encodeName(path).constData(), &attributes) != 0) throwFileError(errno, path);
    // A pipe or a device would be read here and then again by the import, or never end.
    if (!S_ISREG(attributes.st_mode))
        throw DockerError::commandFailed(L10n::render(QStringLiteral("notRegularFile"), {path}));

    DumpPreview preview;
    preview.path = path;
    preview.byteCount = qint64(attributes.st_size);
    preview.compressed = isGzip(path);
    const QString sample = preview.compressed ? gzipSample(client, path) : DumpText::decode(plainSample(path));
    preview.containsDropTable = DumpText::containsDropTable(sample);
    preview.mentionedDatabase = DumpText::mentionedDatabase(sample);
    return preview;
}

bool isGzip(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        QByteArray magic;
        const bool ok = readUpTo(fd, 2, magic);
        ::close(fd);
        // The content decides; the name only when the file is too short to say.
        if (ok && magic.size() == 2) return magic == QByteArray("\x1f\x8b", 2);
    }
    return QFileInfo(path).suffix().toLower() == QLatin1String("gz");
}

QString gzipSample(const DockerClient& client, const QString& path) {
    Process::Pipe output = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    Process::Child gzip = Process::Child::start({client.gzip, {QStringLiteral("-dc"), path},
                                                 QProcessEnvironment::systemEnvironment(), -1,
                                                 output.writeEnd.get(), nullDevice.get()});
    // Only gzip may hold the write end, or the read below never sees end of stream.
    output.writeEnd.reset();

    QByteArray sample;
    const bool ok = readUpTo(output.readEnd.get(), kSampleLimit, sample);
    const int error = errno;
    output.readEnd.reset();
    gzip.stop(Process::kStopGrace);
    if (!ok) throw std::system_error(error, std::generic_category(), client.gzip.toStdString());
    return DumpText::decode(sample);
}

}  // namespace DumpInspection
