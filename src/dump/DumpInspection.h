#pragma once

#include <QString>

#include "docker/DockerClient.h"
#include "dump/DumpFormat.h"
#include "dump/DumpPreview.h"
#include "posix/Process.h"

// A cheap look at a dump before it is imported: size, compression, and what its first
// 256 KiB of text say.
namespace DumpInspection {

// Bytes of text looked at, plain or decompressed.
constexpr qint64 kSampleLimit = 262144;

// Blocks while it reads the sample. Throws std::system_error for the file (missing,
// unreadable), DockerError for what is not a regular file, and Process::LaunchError or
// std::system_error for gzip.
DumpPreview peekDump(const DockerClient& client, const QString& path);

// The compression the file's first bytes show; by its name only when it is too short to tell.
// Never fails.
DumpFormat::Compression compressionOf(const QString& path);
bool isGzip(const QString& path);

// A decompressor writing the file's text into `output`, its standard error discarded.
struct Decompressing {
    Process::Child child;
    UniqueFd output;
    QString program;
};
Decompressing startDecompressor(const DockerClient& client, const QString& path, DumpFormat::Compression compression);

// Up to kSampleLimit + 1 bytes of the decompressed stream, so that the caller can tell whether
// it saw all of it. The decompressor is stopped once that much has arrived and has been waited
// for when this returns; its status is not looked at.
QByteArray decompressedSample(const DockerClient& client, const QString& path, DumpFormat::Compression compression);

}  // namespace DumpInspection
