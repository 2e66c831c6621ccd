#include "support/PrefixStates.h"

#include <QStringList>

#include <algorithm>
#include <random>

namespace {

quint64 rowPrint(quint64 id, quint64 value) {
    quint64 x = id * 0x9E3779B97F4A7C15ULL ^ (value + 0x632BE59BD9B4E019ULL) * 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBULL;
    return x ^ (x >> 29);
}

}  // namespace

PrefixStates::PrefixStates(int statements, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> value(kRows + 1, 0);
    std::vector<bool> present(kRows + 1, true);
    std::vector<int> deletions(kRows);
    for (int id = 1; id <= kRows; ++id) deletions[std::size_t(id - 1)] = id;
    std::shuffle(deletions.begin(), deletions.end(), random);
    std::size_t nextDeletion = 0;

    // About half of the rows go over the whole dump, so later states still tell prefixes apart.
    const int deletionStep = std::max(9, statements / (kRows / 2));
    quint64 print = 0;
    for (int id = 1; id <= kRows; ++id) print += rowPrint(quint64(id), 0);
    stateAfter_.push_back(print);
    for (int k = 0; k < statements; ++k) {
        if (k % deletionStep == 4 && nextDeletion < deletions.size()) {
            const int id = deletions[nextDeletion++];
            dump_ += "DELETE FROM t WHERE id = " + QByteArray::number(id) + ";";
            if (present[std::size_t(id)]) print -= rowPrint(quint64(id), quint64(value[std::size_t(id)]));
            present[std::size_t(id)] = false;
        } else {
            const int id = int(random() % kRows) + 1;
            dump_ += "UPDATE t SET v = v + 1 WHERE id = " + QByteArray::number(id) + ";";
            if (present[std::size_t(id)]) {
                int& v = value[std::size_t(id)];
                print += rowPrint(quint64(id), quint64(v + 1)) - rowPrint(quint64(id), quint64(v));
                ++v;
            }
        }
        ends_.push_back(dump_.size());
        dump_ += '\n';
        stateAfter_.push_back(print);
    }
}

QString PrefixStates::tableSql(const QString& database) {
    QStringList rows;
    for (int id = 1; id <= kRows; ++id) rows << QStringLiteral("(%1,0)").arg(id);
    return QStringLiteral(
               "CREATE TABLE `%1`.t (id INT PRIMARY KEY, v INT NOT NULL) ENGINE=InnoDB; "
               "INSERT INTO `%1`.t VALUES %2;")
        .arg(database, rows.join(','));
}

QString PrefixStates::rowsSql(const QString& database) {
    return QStringLiteral("SELECT id, v FROM `%1`.t ORDER BY id").arg(database);
}

int PrefixStates::wholeWithin(qint64 bytes) const {
    return int(std::upper_bound(ends_.begin(), ends_.end(), bytes) - ends_.begin());
}

std::optional<int> PrefixStates::prefixOf(const QString& rows) const {
    quint64 print = 0;
    for (const QString& line : rows.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2) return std::nullopt;
        print += rowPrint(fields[0].toULongLong(), fields[1].toULongLong());
    }
    // The latest prefix with this state; equal states of several prefixes are all fine.
    for (std::size_t k = stateAfter_.size(); k-- > 0;) {
        if (stateAfter_[k] == print) return int(k);
    }
    return std::nullopt;
}
