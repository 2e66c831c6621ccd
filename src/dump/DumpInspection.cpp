#include "dump/DumpInspection.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "docker/DockerError.h"
#include "dump/DumpScanning.h"
#include "dump/DumpText.h"
#include "l10n/L10n.h"
#include "posix/Process.h"

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
    // One byte more tells whether the sample is the whole dump.
    const bool ok = readUpTo(fd, kSampleLimit + 1, sample);
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
    preview.modifiedNs = qint64(attributes.st_mtim.tv_sec) * 1000000000 + attributes.st_mtim.tv_nsec;
    const DumpFormat::Compression compression = compressionOf(path);
    preview.compressed = compression != DumpFormat::Compression::none;
    preview.compressionName = DumpFormat::programName(compression);
    QByteArray sample = preview.compressed ? decompressedSample(client, path, compression) : plainSample(path);
    const bool complete = sample.size() <= kSampleLimit;
    sample.truncate(kSampleLimit);
    const QString text = DumpText::decode(sample);
    preview.containsDropTable = DumpText::containsDropTable(text);
    preview.mentionedDatabase = DumpText::mentionedDatabase(text);
    preview.scan = DumpScanning::scan(sample, complete);
    return preview;
}

DumpFormat::Compression compressionOf(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        QByteArray magic;
        const bool ok = readUpTo(fd, DumpFormat::kMagicBytes, magic);
        ::close(fd);
        // The content decides; the name only when the file is too short to say.
        if (ok && magic.size() >= 4) return DumpFormat::fromMagic(magic);
    }
    return DumpFormat::fromName(path);
}

bool isGzip(const QString& path) { return compressionOf(path) == DumpFormat::Compression::gzip; }

Decompressing startDecompressor(const DockerClient& client, const QString& path, DumpFormat::Compression compression) {
    const QString program = DumpFormat::program(compression, client);
    Process::Pipe output = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    Process::Child decompressor =
        Process::Child::start({program, DumpFormat::decompressArguments(compression) << path,
                               QProcessEnvironment::systemEnvironment(), -1, output.writeEnd.get(), nullDevice.get()});
    // Only the decompressor may hold the write end, or reading never sees the end of the stream.
    output.writeEnd.reset();
    return {std::move(decompressor), std::move(output.readEnd), program};
}

QByteArray decompressedSample(const DockerClient& client, const QString& path, DumpFormat::Compression compression) {
    Decompressing decompressing = startDecompressor(client, path, compression);
    QByteArray sample;
    const bool ok = readUpTo(decompressing.output.get(), kSampleLimit + 1, sample);
    const int error = errno;
    decompressing.output.reset();
    decompressing.child.stop(Process::kStopGrace);
    if (!ok) throw std::system_error(error, std::generic_category(), decompressing.program.toStdString());
    return sample;
}

}  // namespace DumpInspection
