#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "docker/DockerClient.h"
#include "dump/DumpScanning.h"

// The whole dump read once ahead of an import, plain or through its decompressor, for what
// only its end can tell: every table it creates and what each weighs, every table it drops.
namespace DumpReadThrough {

// Called with the text bytes read so far; returning false stops the reading.
using Progress = std::function<bool(qint64 textBytes)>;

// The scan of the whole dump, or nothing when the progress stopped it. Throws
// std::system_error for the file and Process::LaunchError for a decompressor; a damaged
// compressed file gives the scan of what could be read, not complete.
std::optional<DumpScan> scanWhole(const DockerClient& client, const QString& path, const Progress& progress);

}  // namespace DumpReadThrough
