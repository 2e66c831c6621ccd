#include "dump/DumpReadThrough.h"

#include <QFile>
#include <QProcessEnvironment>

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
    const QString program = DumpFormat::program(compression, client);
    Process::Pipe output = Process::makePipe();
    const UniqueFd nullDevice = Process::openNullDevice();
    Process::Child decompressor =
        Process::Child::start({program, DumpFormat::decompressArguments(compression) << path,
                               QProcessEnvironment::systemEnvironment(), -1, output.writeEnd.get(), nullDevice.get()});
    // Only the decompressor may hold the write end, or the reading never sees the end.
    output.writeEnd.reset();
    const bool whole = feedAll(output.readEnd.get(), scanner, progress, readError);
    output.readEnd.reset();
    if (!whole) {
        decompressor.stop(Process::kStopGrace);
        return std::nullopt;
    }
    // A decompressor that failed (a damaged file) leaves a scan of what it could give.
    const bool clean = decompressor.wait() == 0 && readError == 0;
    return scanner.finish(clean);
}

}  // namespace DumpReadThrough
