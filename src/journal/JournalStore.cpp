#include "journal/JournalStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// Names from a container and a database can hold anything: the file is named by their hash.
QString fileOf(const QString& container, const QString& database) {
    const QByteArray key = container.toUtf8() + '\0' + database.toUtf8();
    return JournalStore::folder() + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32)) +
           QStringLiteral(".json");
}

}  // namespace

namespace JournalStore {

QString folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Tarnwell/journals");
}

std::optional<ImportJournal> load(const QString& container, const QString& database) {
    QFile file(fileOf(container, database));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::optional<ImportJournal> journal = ImportJournals::fromJson(file.read(1 << 20));
    // A journal names its own target: another's under this name is no journal of this one.
    if (!journal || journal->container != container || journal->database != database) return std::nullopt;
    return journal;
}

bool save(const ImportJournal& journal) {
    if (!QDir().mkpath(folder())) return false;
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString path = fileOf(journal.container, journal.database);
    const QString partial = path + QStringLiteral(".partial");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray text = ImportJournals::toJson(journal);
    if (file.write(text) != text.size()) return false;
    file.close();
    return ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) == 0;
}

void remove(const QString& container, const QString& database) { QFile::remove(fileOf(container, database)); }

}  // namespace JournalStore
