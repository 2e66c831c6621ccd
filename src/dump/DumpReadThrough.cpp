#include "dump/DumpReadThrough.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "dump/DumpFormat.h"
#include "dump/DumpInspection.h"
#include "posix/Process.h"

namespace DumpReadThrough {
namespace {

constexpr qsizetype kChunk = 1 << 20;

// Feeds the descriptor's bytes to the scanner until its end, a read error or a stop.
// Returns false when stopped; errno holds a read error's cause, else 0.
bool feedAll(int fd, DumpScanning::Scanner& scanner, const Progress& progress, int& readError) {
    QByteArray buffer(kChunk, Qt::Uninitialized);
    qint64 total = 0;
    readError = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(buffer.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            readError = errno;
            return true;
        }
        if (n == 0) return true;
        scanner.feed(QByteArrayView(buffer.constData(), n));
        total += n;
        if (!progress(total)) return false;
    }
}

}  // namespace

std::optional<DumpScan> scanWhole(const DockerClient& client, const QString& path, const Progress& progress) {
    DumpScanning::Scanner scanner;
    int readError = 0;
    const DumpFormat::Compression compression = DumpInspection::compressionOf(path);
    if (compression == DumpFormat::Compression::none) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throw std::system_error(errno, std::generic_category(), path.toStdString());
        const bool whole = feedAll(fd, scanner, progress, readError);
        ::close(fd);
        if (!whole) return std::nullopt;
        if (readError != 0) throw std::system_error(readError, std::generic_category(), path.toStdString());
        return scanner.finish(true);
    }
    DumpInspection::Decompressing decompressing = DumpInspection::startDecompressor(client, path, compression);
    const bool whole = feedAll(decompressing.output.get(), scanner, progress, readError);
    decompressing.output.reset();
    if (!whole) {
        decompressing.child.stop(Process::kStopGrace);
        return std::nullopt;
    }
    // A decompressor that failed (a damaged file) leaves a scan of what it could give.
    const bool clean = decompressing.child.wait() == 0 && readError == 0;
    return scanner.finish(clean);
}

}  // namespace DumpReadThrough
