#include "account/AccountNames.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>

namespace AccountNames {
namespace {

constexpr int kTimeDigits = 8;
constexpr int kRandomLength = 10;
constexpr int kReadableLength = 14;
const QLatin1StringView kAlphabet{"abcdefghijklmnopqrstuvwxyz0123456789"};

bool isLowerAlnum(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); }

}  // namespace

QString temporaryName(qint64 createdAtSeconds, const QString& random) {
    return kTemporaryPrefix + QStringLiteral("%1_").arg(quint32(createdAtSeconds), kTimeDigits, 16, QLatin1Char('0')) +
           random.left(kRandomLength);
}

std::optional<qint64> createdAt(const QString& user) {
    if (!user.startsWith(kTemporaryPrefix)) return std::nullopt;
    const QStringView rest = QStringView(user).mid(kTemporaryPrefix.size());
    if (rest.size() != kTimeDigits + 1 + kRandomLength || rest.at(kTimeDigits) != u'_') return std::nullopt;
    const QStringView random = rest.mid(kTimeDigits + 1);
    if (!std::all_of(random.begin(), random.end(), isLowerAlnum)) return std::nullopt;
    bool ok = false;
    const qint64 seconds = rest.left(kTimeDigits).toLongLong(&ok, 16);
    if (!ok) return std::nullopt;
    return seconds;
}

QString ownerRole(const QSet<QByteArray>& databases) {
    QList<QByteArray> sorted(databases.begin(), databases.end());
    std::sort(sorted.begin(), sorted.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& name : sorted) hash.addData(name + '\0');
    // The first name's plain letters help the reader; the hash keeps different sets apart.
    QString readable;
    if (!sorted.isEmpty()) {
        for (const QChar c : QString::fromUtf8(sorted.first()).toLower()) {
            if (readable.size() == kReadableLength) break;
            if (isLowerAlnum(c) || c == u'_') readable += c;
        }
    }
    const QString digest = QString::fromLatin1(hash.result().toHex().left(8));
    return kOwnerPrefix + (readable.isEmpty() ? digest : readable + u'_' + digest);
}

QString randomText(int length) {
    QString text;
    text.reserve(length);
    QRandomGenerator* generator = QRandomGenerator::system();
    for (int i = 0; i < length; ++i) text += kAlphabet[generator->bounded(int(kAlphabet.size()))];
    return text;
}

}  // namespace AccountNames
