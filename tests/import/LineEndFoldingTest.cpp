// The carriage returns the client dropped before binary mode, dropped on the way instead.
#include <gtest/gtest.h>

#include "import/LineEndFolding.h"

namespace {

QByteArray folded(const QList<QByteArray>& blocks) {
    LineEndFolding folding;
    QByteArray out;
    for (const QByteArray& block : blocks) out += folding.fold(block).toByteArray();
    return out + folding.finish().toByteArray();
}

}  // namespace

TEST(LineEndFolding, DropsTheReturnBeforeEachLineFeedWhereverTheBlocksEnd) {
    const QByteArray text = "INSERT INTO t VALUES ('a\r\nb');\r\n\r\r\nlone\rreturn;\r";
    const QByteArray expected = "INSERT INTO t VALUES ('a\nb');\n\r\nlone\rreturn;\r";
    EXPECT_EQ(folded({text}), expected);
    for (qsizetype cut = 0; cut <= text.size(); ++cut)
        EXPECT_EQ(folded({text.first(cut), text.sliced(cut)}), expected) << "cut at " << cut;
    // One byte at a time, and text without any return passes untouched.
    QList<QByteArray> bytes;
    for (const char c : text) bytes << QByteArray(1, c);
    EXPECT_EQ(folded(bytes), expected);
    EXPECT_EQ(folded({"plain\ntext\n", "", "more"}), "plain\ntext\nmore");
}
