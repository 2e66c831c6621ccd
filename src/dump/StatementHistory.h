#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The latest statements sent to the client, so that an error the client reports for a line can be
// shown with the statement there. The client runs behind the stream by at most the pipe's contents,
// so the last few megabytes are enough.
class StatementHistory {
public:
    struct Entry {
        qint64 line = 0;
        qint64 begin = 0;  // offsets in the bytes sent
        qint64 end = 0;
        int table = -1;  // index into tables(), or -1
    };
    struct Found {
        QString text;   // at most kShownCharacters, marked when cut
        QString table;  // empty when the statement names none
    };

    static constexpr qsizetype kShownCharacters = 300;

    StatementHistory();

    // Every byte sent, in order.
    void recordBytes(QByteArrayView bytes);
    // A table's name, once for each time the statements turn to it; its index for recordStatement.
    int addTable(const QString& name);
    void recordStatement(qint64 line, qint64 begin, qint64 end, int table);
    // The statement that starts on that line of the dump, while its bytes are still kept.
    std::optional<Found> statementAt(qint64 line) const;

private:
    static constexpr qsizetype kByteCapacity = 4 << 20;
    static constexpr qsizetype kEntryCapacity = 65536;

    QByteArray bytes_;
    qint64 bytesTotal_ = 0;
    std::vector<Entry> entries_;
    qint64 entriesTotal_ = 0;
    QStringList tables_;
};
