// Random mixes of known pieces, cut into random chunks, come out as exactly those pieces.
#include <gtest/gtest.h>
#include <random>

#include "SqlStreamTesting.h"

namespace {

struct Expected {
    const char* piece;  // as describe() writes it, without line and text
    int lineOffset;     // from the first line of the fragment
    QByteArray text;
};

struct Fragment {
    QByteArray text;  // always ends with a line feed, so the next fragment starts a line
    QList<Expected> pieces;
};

const QList<Fragment>& fragments() {
    static const QList<Fragment> all = {
        {"INSERT INTO `t` VALUES (1,'a;b\\'c',\"d\"\"e\"),(2,'\\\\',NULL),(3,'--',`x``y`);\n",
         {{"statement", 0, "INSERT INTO `t` VALUES (1,'a;b\\'c',\"d\"\"e\"),(2,'\\\\',NULL),(3,'--',`x``y`);"}}},
        {"/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */;\n",
         {{"statement", 0, "/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */;"}}},
        {"-- Dumping data; for table\nLOCK TABLES `t` WRITE;\n", {{"statement", 1, "LOCK TABLES `t` WRITE;"}}},
        {"DELIMITER ;;\n/*!50003 CREATE*/ /*!50003 TRIGGER `tr` BEFORE INSERT ON `t` FOR EACH ROW BEGIN\r\n"
         "  SET @x = ';';\r\n  SET @y = 1;\r\nEND */;;\nDELIMITER ;\n",
         {{"delimiterChange(;;)", 0, "DELIMITER ;;"},
          {"statement", 1,
           "/*!50003 CREATE*/ /*!50003 TRIGGER `tr` BEFORE INSERT ON `t` FOR EACH ROW BEGIN\r\n"
           "  SET @x = ';';\r\n  SET @y = 1;\r\nEND */;;"},
          {"delimiterChange(;)", 5, "DELIMITER ;"}}},
        {"DELIMITER $$\nCREATE PROCEDURE p() BEGIN SELECT '$$'; END$$\nDELIMITER ;\n",
         {{"delimiterChange($$)", 0, "DELIMITER $$"},
          {"statement", 1, "CREATE PROCEDURE p() BEGIN SELECT '$$'; END$$"},
          {"delimiterChange(;)", 2, "DELIMITER ;"}}},
        {"\\! echo hi\n", {{"clientCommand(system)", 0, "\\! echo hi"}}},
        {"system ls -l\n", {{"clientCommand(system)", 0, "system ls -l"}}},
        {"use db\r\n", {{"clientCommand(use)", 0, "use db\r"}}},
        {"USE `db`;\n", {{"clientCommand(use)", 0, "USE `db`;"}}},
        {"SELECT 1 /* ; */, '--', \"#\" # ;\n;\n", {{"statement", 0, "SELECT 1 /* ; */, '--', \"#\" # ;\n;"}}},
        {"SELECT 'a\\\\';\n", {{"statement", 0, "SELECT 'a\\\\';"}}},
        {"SELECT 1,\r\n  \\! date\r\n  2;\r\n",
         {{"nested clientCommand(system)", 1, "\\! date\r"}, {"statement", 0, "SELECT 1,\r\n  \\! date\r\n  2;"}}},
        {"SELECT 1 \\G\n", {{"statement", 0, "SELECT 1 \\G"}}},
        {"SELECT 1 /*!99999 ; */;\n", {{"statement", 0, "SELECT 1 /*!99999 ;"}, {"statement", 0, "*/;"}}},
        {";\n", {{"statement", 0, ";"}}},
    };
    return all;
}

// What may stand between two fragments: whitespace and comments that end their line.
const QByteArray kSeparators[] = {
    "", "\n", "\r\n", "\t\n", "-- note ;\n", "# x;\n", "/* c; */\n", "/* two\nlines */\n"};

QList<QByteArray> randomChunks(const QByteArray& text, std::mt19937& random) {
    QList<QByteArray> chunks;
    for (qsizetype at = 0; at < text.size();) {
        const int shape = int(random() % 3);
        const qsizetype size = shape == 0 ? 1 + random() % 3 : shape == 1 ? 1 + random() % 40 : 1 + random() % 400;
        chunks << text.mid(at, size);
        at += size;
    }
    return chunks;
}

}  // namespace

TEST(SqlStreamRandom, MixedPiecesInRandomChunks) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        QByteArray text;
        QStringList expected;
        const int count = 1 + int(random() % 12);
        for (int i = 0; i < count; ++i) {
            text += kSeparators[random() % std::size(kSeparators)];
            const Fragment& fragment = fragments()[qsizetype(random() % fragments().size())];
            const qsizetype firstLine = text.count('\n') + 1;
            for (const Expected& piece : fragment.pieces) {
                expected << QStringLiteral("%1 %2: %3")
                                .arg(QLatin1String(piece.piece))
                                .arg(firstLine + piece.lineOffset)
                                .arg(QString::fromUtf8(piece.text));
            }
            text += fragment.text;
        }
        expected << QStringLiteral("trailing %1: ").arg(text.count('\n') + 1);

        const QList<SqlStream::Piece> whole = SqlStreamTesting::lexChunks({text});
        EXPECT_EQ(SqlStreamTesting::describe(text, whole), expected) << "seed " << seed;
        EXPECT_EQ(SqlStreamTesting::lexChunks(randomChunks(text, random)), whole) << "seed " << seed;
        if (HasFailure()) break;
    }
}
