#pragma once

#include <QString>

#include "docker/DockerClient.h"
#include "import/DumpPreview.h"

// A cheap look at a dump before it is imported: size, compression, and what its first
// 256 KiB of text say.
namespace DumpInspection {

// Bytes of text looked at, plain or decompressed.
constexpr qint64 kSampleLimit = 262144;

// Blocks while it reads the sample. Throws std::system_error for the file (missing,
// unreadable), DockerError for what is not a regular file, and Process::LaunchError or
// std::system_error for gzip.
DumpPreview peekDump(const DockerClient& client, const QString& path);

// The gzip magic at the start of the file; the extension ".gz" in any case only when the file
// is too short to tell. Never fails.
bool isGzip(const QString& path);

// The first 256 KiB of the decompressed stream, as text. gzip is stopped as soon as that
// much has arrived and has been waited for when this returns; its status is not looked at.
QString gzipSample(const DockerClient& client, const QString& path);

}  // namespace DumpInspection
