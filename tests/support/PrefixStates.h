#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// A dump of single-row statements (`UPDATE t SET v = v + 1 WHERE id = N;` and `DELETE FROM t
// WHERE id = N;`) over a table of 1,000 rows, and the table's state after every prefix of
// it. A statement cut short runs as something else ("DELETE FROM t", "WHERE id = 1" for 12),
// which leaves a state that no prefix of whole statements gives.
class PrefixStates {
public:
    static constexpr int kRows = 1000;

    PrefixStates(int statements, unsigned seed);

    const QByteArray& dump() const { return dump_; }
    int statementCount() const { return int(ends_.size()); }
    // CREATE TABLE t and its rows, for a database chosen with USE or a qualified name.
    static QString tableSql(const QString& database);
    // The byte offset just after statement k's semicolon (k from 1).
    qint64 endOf(int k) const { return ends_.at(std::size_t(k - 1)); }
    // How many whole statements the first `bytes` bytes hold.
    int wholeWithin(qint64 bytes) const;
    // How many statements the client has run once it got the first `bytes` bytes: it runs a
    // statement when the line holding its end is complete.
    int runWithin(qint64 bytes) const { return bytes > 0 ? wholeWithin(bytes - 1) : 0; }
    // The k whose prefix leaves these rows ("id<TAB>v" lines), or nothing when no prefix does.
    std::optional<int> prefixOf(const QString& rows) const;
    // The statement for reading the rows in that form.
    static QString rowsSql(const QString& database);

private:
    QByteArray dump_;
    std::vector<qint64> ends_;
    std::vector<quint64> stateAfter_;  // the state's fingerprint after k statements, k from 0
};
