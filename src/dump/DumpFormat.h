#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

struct DockerClient;

// How a dump's bytes are packed, told by its first bytes.
namespace DumpFormat {

enum class Compression { none, gzip, zstd, xz, bzip2 };

// Bytes enough for every magic number below.
constexpr qsizetype kMagicBytes = 6;

// The compression whose magic number the bytes start with; none for anything else.
Compression fromMagic(QByteArrayView head);
// By the name alone, for a file too short to carry a magic number.
Compression fromName(const QString& path);

// The program that unpacks it, and its name as the user knows it.
QString program(Compression compression, const DockerClient& tools);
QString programName(Compression compression);
// Arguments that write the unpacked stream of standard input to standard output.
QStringList decompressArguments(Compression compression);
// Whether the program's exit status says that all of the data came out.
bool decompressedWhole(Compression compression, int status);

}  // namespace DumpFormat
