#include <gtest/gtest.h>

#include "import/LineBuffer.h"

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
