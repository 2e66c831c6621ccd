#include "dump/StatementHistory.h"

#include <cstring>

StatementHistory::StatementHistory() : bytes_(kByteCapacity, '\0'), entries_(kEntryCapacity) {}

void StatementHistory::recordBytes(QByteArrayView bytes) {
    // Only the last kByteCapacity bytes can ever be asked for.
    if (bytes.size() > kByteCapacity) {
        bytesTotal_ += bytes.size() - kByteCapacity;
        bytes = bytes.last(kByteCapacity);
    }
    qsizetype at = qsizetype(bytesTotal_ % kByteCapacity);
    const qsizetype first = qMin(bytes.size(), kByteCapacity - at);
    std::memcpy(bytes_.data() + at, bytes.data(), size_t(first));
    std::memcpy(bytes_.data(), bytes.data() + first, size_t(bytes.size() - first));
    bytesTotal_ += bytes.size();
}

int StatementHistory::addTable(const QString& name) {
    tables_.append(name);
    return int(tables_.size() - 1);
}

void StatementHistory::recordStatement(qint64 line, qint64 begin, qint64 end, int table) {
    entries_[size_t(entriesTotal_ % kEntryCapacity)] = {line, begin, end, table};
    ++entriesTotal_;
}

std::optional<StatementHistory::Found> StatementHistory::statementAt(qint64 line) const {
    const qint64 oldest = qMax<qint64>(0, entriesTotal_ - kEntryCapacity);
    for (qint64 i = entriesTotal_ - 1; i >= oldest; --i) {
        const Entry& entry = entries_[size_t(i % kEntryCapacity)];
        if (entry.line > line) continue;
        if (entry.line < line) return std::nullopt;
        // The earliest statement of that line is the one the client names.
        const Entry* first = &entry;
        for (qint64 j = i - 1; j >= oldest && entries_[size_t(j % kEntryCapacity)].line == line; --j)
            first = &entries_[size_t(j % kEntryCapacity)];
        if (first->begin < bytesTotal_ - kByteCapacity) return std::nullopt;
        const qint64 wanted = qMin<qint64>(first->end - first->begin, kShownCharacters * 4);
        QByteArray raw;
        for (qint64 k = 0; k < wanted; ++k) raw += bytes_[qsizetype((first->begin + k) % kByteCapacity)];
        QString text = QString::fromUtf8(raw).simplified();
        if (text.size() > kShownCharacters) text = text.left(kShownCharacters) + QChar(0x2026);
        return Found{text, first->table >= 0 ? tables_.value(first->table) : QString()};
    }
    return std::nullopt;
}
