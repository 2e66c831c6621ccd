#include <gtest/gtest.h>

#include "import/LineBuffer.h"
#include "import/LogText.h"

TEST(LineBuffer, SplitsLines) {
    const struct {
        QList<QByteArray> blocks;
        QStringList onAppend;
        QStringList onFinish;
    } cases[] = {
        {{"a", "b\r\nc\n"}, {"ab", "c"}, {}},
        {{"x\r\r\n"}, {"x\r"}, {}},
        {{"\n\n"}, {"", ""}, {}},
        {{"\xc3", "\xa9\n"}, {"é"}, {}},
        {{"\xff\n"}, {QString(QChar(0xFFFD))}, {}},
        {{"tail"}, {}, {"tail"}},
        {{"end\r"}, {}, {"end\r"}},
        {{"a\nb", "c"}, {"a"}, {"bc"}},
    };
    for (const auto& c : cases) {
        QStringList emitted;
        LineBuffer buffer([&emitted](const QString& line) { emitted << line; });
        for (const QByteArray& block : c.blocks) buffer.append(block);
        EXPECT_EQ(emitted, c.onAppend) << c.blocks.join('|').toStdString();
        emitted.clear();
        buffer.finish();
        buffer.finish();
        EXPECT_EQ(emitted, c.onFinish) << c.blocks.join('|').toStdString();
        EXPECT_EQ(buffer.lines(), c.onAppend + c.onFinish);
    }
}

TEST(LineBuffer, KeepsTheNewest2000Lines) {
    for (const int blocks : {1, 7}) {
        QByteArray all;
        for (int i = 0; i < 2500; ++i) all += QByteArray::number(i) + '\n';
        qsizetype emitted = 0;
        LineBuffer buffer([&emitted](const QString&) { ++emitted; });
        const qsizetype step = all.size() / blocks + 1;
        for (qsizetype at = 0; at < all.size(); at += step) buffer.append(all.mid(at, step));
        buffer.append("unfinished");
        EXPECT_EQ(emitted, 2500);
        EXPECT_EQ(buffer.lines().size(), 2000);
        EXPECT_EQ(buffer.lines().front(), "500");
        buffer.finish();
        EXPECT_EQ(buffer.lines().size(), 2001);
        EXPECT_EQ(buffer.lines().back(), "unfinished");
    }
}

// A 100 MB line in small pieces must neither be rescanned nor kept whole: its shown start
// ends at a whole character and is marked as cut, and the next line is intact.
TEST(LineBuffer, CapsALongLineAndKeepsTheNext) {
    QStringList emitted;
    LineBuffer buffer([&emitted](const QString& line) { emitted << line; });
    const QByteArray piece = QByteArray("\xc3\xa9").repeated(2048);  // "é", never cut in two
    buffer.append("x");
    for (int i = 0; i < 25600; ++i) buffer.append(piece);
    buffer.append("\nnext\nrest");
    buffer.finish();
    ASSERT_EQ(emitted.size(), 3);
    EXPECT_TRUE(emitted[0].startsWith("xé"));
    EXPECT_TRUE(emitted[0].endsWith(QString("é") + QChar(0x2026)));
    EXPECT_LE(emitted[0].toUtf8().size(), LineBuffer::kLineLimit + 3);
    EXPECT_EQ(emitted[1], "next");
    EXPECT_EQ(emitted[2], "rest");

    QStringList unfinished;
    LineBuffer cutAtEnd([&unfinished](const QString& line) { unfinished << line; });
    cutAtEnd.append(QByteArray(LineBuffer::kLineLimit + 10, 'y'));
    cutAtEnd.finish();
    ASSERT_EQ(unfinished.size(), 1);
    EXPECT_EQ(unfinished[0], QString(LineBuffer::kLineLimit, 'y') + QChar(0x2026));
}

// What reaches the log and a terminal: long lines cut to 1,000 characters and marked, control
// characters of a binary file made harmless, tabs and letters kept.
TEST(LogText, ShownLinesAreShortAndHarmless) {
    EXPECT_EQ(LogText::shown("ERROR 1064\tat line 3"), "ERROR 1064\tat line 3");
    EXPECT_EQ(LogText::shown(QString("a\x1b[2Jb\x07") + QChar(0x9B) + "é"),
              QString("a") + QChar(0xFFFD) + "[2Jb" + QChar(0xFFFD) + QChar(0xFFFD) + "é");
    const QString huge(300000, 'x');
    EXPECT_EQ(LogText::shown(huge), QString(LogText::kShownCharacters, 'x') + QChar(0x2026));
    const QString emoji = QString(LogText::kShownCharacters - 1, 'y') + QString::fromUtf8("😀z");
    EXPECT_EQ(LogText::shown(emoji), QString(LogText::kShownCharacters - 1, 'y') + QChar(0x2026));
}
