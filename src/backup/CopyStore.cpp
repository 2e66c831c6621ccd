#include "backup/CopyStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

const QString kCopySuffix = QStringLiteral(".sql.zst");
const QString kDescriptionSuffix = QStringLiteral(".json");
constexpr qint64 kDescriptionLimit = 1 << 20;
constexpr qint64 kUnfinishedGraceSecs = 24 * 3600;  // a copy still being written is younger

// Names may hold anything: letters and digits stay readable, a hash keeps them apart.
QString readable(const QString& name) {
    QString kept;
    for (const QChar c : name)
        if (c.isLetterOrNumber() || c == u'_' || c == u'-') kept += c;
    return kept.left(40);
}

QString descriptionOf(const QString& copyPath) {
    return copyPath.left(copyPath.size() - kCopySuffix.size()) + kDescriptionSuffix;
}

bool insideFolder(const QString& path) {
    return QFileInfo(path).absolutePath() == QDir(CopyStore::folder()).absolutePath();
}

}  // namespace

namespace CopyStore {

QString folder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Tarnwell/backups");
}

bool prepareFolder() {
    if (!QDir().mkpath(folder())) return false;
    return QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString newCopyPath(const QString& container, const QString& database, const QDateTime& now) {
    const QByteArray key = container.toUtf8() + '\0' + database.toUtf8();
    const QString stem = folder() + QLatin1Char('/') + readable(container) + QLatin1Char('-') + readable(database) +
                         QLatin1Char('-') + now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') +
                         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(8));
    QString path = stem + kCopySuffix;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(descriptionOf(path)); ++n)
        path = stem + QLatin1Char('-') + QString::number(n) + kCopySuffix;
    return path;
}

bool record(const TableCopy& copy) {
    if (!insideFolder(copy.path) || !copy.path.endsWith(kCopySuffix)) return false;
    const QString path = descriptionOf(copy.path);
    const QString partial = path + QStringLiteral(".partial");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);  // it names the user's databases
    const QByteArray text = TableCopies::toJson(copy);
    const bool written = file.write(text) == text.size() && file.flush();
    file.close();
    if (!written) {
        QFile::remove(partial);
        return false;
    }
    return ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) == 0;
}

QList<TableCopy> list() {
    QList<TableCopy> copies;
    const QDir dir(folder());
    for (const QFileInfo& entry : dir.entryInfoList({QStringLiteral("*") + kDescriptionSuffix}, QDir::Files)) {
        QFile file(entry.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) continue;
        std::optional<TableCopy> copy = TableCopies::fromJson(file.read(kDescriptionLimit));
        // A description speaks only for the copy beside it.
        if (!copy || descriptionOf(copy->path) != entry.absoluteFilePath() || !QFileInfo::exists(copy->path)) continue;
        copies << *copy;
    }
    std::sort(copies.begin(), copies.end(),
              [](const TableCopy& a, const TableCopy& b) { return a.created > b.created; });
    return copies;
}

std::optional<TableCopy> latest(const QString& container, const QString& database) {
    for (const TableCopy& copy : list())
        if (copy.container == container && copy.database == database) return copy;
    return std::nullopt;
}

void remove(const TableCopy& copy) {
    if (!insideFolder(copy.path) || !copy.path.endsWith(kCopySuffix)) return;
    QFile::remove(descriptionOf(copy.path));  // first: a copy without one is no longer listed
    QFile::remove(copy.path);
}

int prune(int keepDays, const QDateTime& now) {
    int removed = 0;
    QStringList described;
    for (const TableCopy& copy : list()) {
        if (keepDays > 0 && copy.created.secsTo(now) > qint64(keepDays) * 24 * 3600) {
            remove(copy);
            ++removed;
        } else {
            described << copy.path;
        }
    }
    // Files of copies that never finished: a crash or a full disk left them without a description.
    const QDir dir(folder());
    for (const QFileInfo& entry : dir.entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files))
        if (!described.contains(entry.absoluteFilePath()) &&
            !QFileInfo::exists(descriptionOf(entry.absoluteFilePath())) &&
            entry.lastModified().secsTo(now) > kUnfinishedGraceSecs)
            QFile::remove(entry.absoluteFilePath());
    return removed;
}

}  // namespace CopyStore
