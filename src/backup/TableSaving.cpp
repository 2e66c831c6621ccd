#include "backup/TableSaving.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "posix/PipeIo.h"
#include "posix/Process.h"
#include "posix/Readiness.h"
#include "posix/SystemMessage.h"

namespace {

const QString kZstd = QStringLiteral("/usr/bin/zstd");
constexpr qsizetype kBlock = 256 * 1024;
constexpr qsizetype kErrorLimit = 16 * 1024;
constexpr Readiness::Milliseconds kPollStep{200};

QString firstWords(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes.left(kErrorLimit)).trimmed();
    return text.section(QLatin1Char('\n'), 0, 2);
}

// The copy's file and the children writing it, undone together unless kept.
struct Writing {
    QString path;
    bool keep = false;
    ~Writing() {
        if (!keep) QFile::remove(path);
    }
};

}  // namespace

namespace TableSaving {

QStringList dumpArguments(const Job& job) {
    QStringList arguments{QStringLiteral("exec"), QStringLiteral("-e"), QStringLiteral("MYSQL_PWD"), job.container,
                          job.dumpProgram, QStringLiteral("-u") + job.user,
                          // One consistent view of InnoDB tables, without locking the server.
                          QStringLiteral("--single-transaction"), QStringLiteral("--quick"),
                          QStringLiteral("--hex-blob"), QStringLiteral("--add-drop-table"),
                          QStringLiteral("--triggers"), QStringLiteral("--skip-routines"),
                          QStringLiteral("--skip-events"), QStringLiteral("--no-tablespaces"),
                          QStringLiteral("--default-character-set=utf8mb4")};
    if (job.mysqlServer) arguments << QStringLiteral("--set-gtid-purged=OFF");
    arguments << QStringLiteral("--") << job.database << job.tables;
    return arguments;
}

Result save(const Job& job, const std::function<bool()>& stopRequested) {
    Result result;
    Writing writing{job.path};
    UniqueFd file(::open(QFile::encodeName(job.path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!file) {
        writing.keep = errno == EEXIST;  // not ours to remove
        result.error = job.path + QStringLiteral(": ") + systemMessage(errno);
        return result;
    }
    Process::Child dump;
    Process::Child zstd;
    UniqueFd dumpOut;
    UniqueFd dumpErr;
    UniqueFd zstdIn;
    UniqueFd zstdErr;
    try {
        Process::Pipe input = Process::makePipe();
        input.writeEnd.reset();  // the dump program reads nothing
        Process::Pipe output = Process::makePipe();
        Process::Pipe dumpErrors = Process::makePipe();
        Process::Pipe compressing = Process::makePipe();
        Process::Pipe zstdErrors = Process::makePipe();
        QProcessEnvironment environment = DockerClient::processEnvironment();
        environment.insert(QStringLiteral("MYSQL_PWD"), job.password);
        zstd = Process::Child::start({kZstd,
                                      {QStringLiteral("-q"), QStringLiteral("-c")},
                                      DockerClient::processEnvironment(),
                                      compressing.readEnd.get(),
                                      file.get(),
                                      zstdErrors.writeEnd.get()});
        dump = Process::Child::start({job.client.docker, dumpArguments(job), environment, input.readEnd.get(),
                                      output.writeEnd.get(), dumpErrors.writeEnd.get()});
        dumpOut = std::move(output.readEnd);
        dumpErr = std::move(dumpErrors.readEnd);
        zstdIn = std::move(compressing.writeEnd);
        zstdErr = std::move(zstdErrors.readEnd);
    } catch (const Process::LaunchError& error) {
        result.error = QString::fromLocal8Bit(error.what());
        return result;
    }

    QByteArray dumpMessages;
    QByteArray zstdMessages;
    bool writeFailed = false;
    int waitError = 0;
    std::array<UniqueFd*, 3> sources{&dumpOut, &dumpErr, &zstdErr};
    std::vector<char> block(kBlock);
    while ((dumpOut || dumpErr || zstdErr) && !writeFailed) {
        if (stopRequested && stopRequested()) {
            result.stopped = true;
            break;
        }
        std::vector<pollfd> watched;
        std::vector<UniqueFd*> owners;
        for (UniqueFd* source : sources)
            if (*source) {
                watched.push_back({source->get(), POLLIN, 0});
                owners.push_back(source);
            }
        if (Readiness::wait(watched, kPollStep) < 0) {
            waitError = errno;
            break;
        }
        for (size_t i = 0; i < watched.size(); ++i) {
            if (!(watched[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t got = ::read(watched[i].fd, block.data(), block.size());
            if (got < 0 && errno == EINTR) continue;
            UniqueFd* source = owners[i];
            if (got <= 0) {
                source->reset();
                // The dump's end: the epilogue follows, then zstd sees its input end.
                if (source == &dumpOut) {
                    if (!writeFailed && !job.epilogue.isEmpty())
                        writeFailed = !PipeIo::writeAll(zstdIn.get(), job.epilogue.constData(), job.epilogue.size());
                    zstdIn.reset();
                }
                continue;
            }
            if (source == &dumpOut) {
                if (!writeFailed) writeFailed = !PipeIo::writeAll(zstdIn.get(), block.data(), got);
            } else {
                QByteArray& messages = source == &dumpErr ? dumpMessages : zstdMessages;
                if (messages.size() < kErrorLimit) messages.append(block.data(), got);
            }
        }
    }
    zstdIn.reset();
    if (writeFailed) {
        // zstd ended early (a full disk): the dump is of no use any more, and zstd says why.
        dump.stop(Process::kStopGrace);
        if (zstdErr)
            PipeIo::readUntilEnd(zstdErr.get(), [&](const char* data, qsizetype size) {
                if (zstdMessages.size() < kErrorLimit) zstdMessages.append(data, size);
            });
    }
    if (result.stopped || waitError != 0) {
        if (waitError != 0) result.error = systemMessage(waitError);
        dump.stop(Process::kStopGrace);
        zstd.stop(Process::kStopGrace);
        return result;
    }
    const int dumpStatus = dump.wait();
    const int zstdStatus = zstd.wait();
    if (dumpStatus != 0 && !writeFailed) {
        const QString words = firstWords(dumpMessages);
        result.error =
            words.isEmpty() ? job.dumpProgram + QStringLiteral(": exit status ") + QString::number(dumpStatus) : words;
        return result;
    }
    if (zstdStatus != 0 || writeFailed) {
        const QString words = firstWords(zstdMessages);
        result.error = words.isEmpty() ? QStringLiteral("zstd: exit status ") + QString::number(zstdStatus) : words;
        return result;
    }
    // A full disk may only show when the data reaches it.
    if (::fsync(file.get()) != 0) {
        result.error = job.path + QStringLiteral(": ") + systemMessage(errno);
        return result;
    }
    struct stat facts {};
    if (::fstat(file.get(), &facts) == 0) result.bytes = facts.st_size;
    writing.keep = true;
    result.saved = true;
    return result;
}

}  // namespace TableSaving
