// Statements, strings, comments, delimiters and line numbers. Every text is also lexed cut in two at each
// byte and byte by byte (see lex()), so each case checks chunk borders too.
#include <gtest/gtest.h>

#include "SqlStreamTesting.h"

using SqlStreamTesting::lex;
using SqlStreamTesting::lexed;

TEST(SqlStream, DelimiterInsideStringsAndIdentifiersDoesNotSplit) {
    EXPECT_EQ(lexed("SELECT 'a;b', \"c;d\", `e;f`;\nSELECT 2;"),
              (QStringList{"statement 1: SELECT 'a;b', \"c;d\", `e;f`;", "statement 2: SELECT 2;"}));
    EXPECT_EQ(lexed("INSERT INTO t VALUES ('multi\nline;\n'),('x');"),
              QStringList{"statement 1: INSERT INTO t VALUES ('multi\nline;\n'),('x');"});
}

TEST(SqlStream, StringEscapes) {
    const struct {
        QByteArray text;
        QStringList pieces;
    } cases[] = {
        {"SELECT 'it\\'s;';SELECT 2;", {"statement 1: SELECT 'it\\'s;';", "statement 1: SELECT 2;"}},
        // The backslash is escaped, so the quote after it closes the string.
        {"SELECT 'a\\\\';SELECT 2;", {"statement 1: SELECT 'a\\\\';", "statement 1: SELECT 2;"}},
        {"SELECT 'a\\\\\\';';", {"statement 1: SELECT 'a\\\\\\';';"}},
        {"SELECT 'x''y;';", {"statement 1: SELECT 'x''y;';"}},
        {"SELECT \"p\"\"q;\", \"r\\\";\";", {"statement 1: SELECT \"p\"\"q;\", \"r\\\";\";"}},
        {"SELECT 'a\\\n;';", {"statement 1: SELECT 'a\\\n;';"}},
        // No escapes between backticks: the backslash is a character of the name.
        {"SELECT `a\\`;SELECT 2;", {"statement 1: SELECT `a\\`;", "statement 1: SELECT 2;"}},
        {"SELECT `a``;`;", {"statement 1: SELECT `a``;`;"}},
    };
    for (const auto& c : cases) EXPECT_EQ(lexed(c.text), c.pieces) << c.text.toStdString();
}

TEST(SqlStream, Comments) {
    const struct {
        QByteArray text;
        QStringList pieces;
    } cases[] = {
        {"/* ; */ SELECT 1 /* ; ' */;", {"statement 1: SELECT 1 /* ; ' */;"}},
        {"/* a * b ** / */SELECT 1;", {"statement 1: SELECT 1;"}},
        {"SELECT 1 # ; '\n;", {"statement 1: SELECT 1 # ; '\n;"}},
        {"# x;\nSELECT 1;", {"statement 2: SELECT 1;"}},
        {"-- x;\nSELECT 1; -- y;\n", {"statement 2: SELECT 1;", "trailing 3: "}},
        {"SELECT 1 -- x;\n;", {"statement 1: SELECT 1 -- x;\n;"}},
        {"SELECT 1 --\tx;\n;", {"statement 1: SELECT 1 --\tx;\n;"}},
        {"SELECT 1 --\n;", {"statement 1: SELECT 1 --\n;"}},
        {"SELECT 1 --\r\n;", {"statement 1: SELECT 1 --\r\n;"}},
        // Two dashes without whitespace after them are two minus signs.
        {"SELECT 1 --x;", {"statement 1: SELECT 1 --x;"}},
        {"SELECT 1--1;", {"statement 1: SELECT 1--1;"}},
        // The client wants whitespace, not any control character: this line is split.
        {"SELECT 1 --\x01;", {"statement 1: SELECT 1 --\x01;"}},
        {"SELECT 1 --", {"trailing 1: SELECT 1 --"}},
        {"SELECT 1 /* open;", {"trailing 1: SELECT 1 /* open;"}},
        // Optimizer hints are comments to the client.
        {"SELECT /*+ ; */ 1;", {"statement 1: SELECT /*+ ; */ 1;"}},
    };
    for (const auto& c : cases) EXPECT_EQ(lexed(c.text), c.pieces) << c.text.toStdString();
}

// The client reads /*! */ and /*M! */ as code, as the server does: strings and comments inside count, and
// so does the delimiter, which ends the statement in the middle of the comment.
TEST(SqlStream, VersionedCommentsAreCode) {
    EXPECT_EQ(lexed("/*!40101 SET NAMES utf8mb4 */;\n/*M!100616 SET NOTE_VERBOSITY=0 */;"),
              (QStringList{"statement 1: /*!40101 SET NAMES utf8mb4 */;",
                           "statement 2: /*M!100616 SET NOTE_VERBOSITY=0 */;"}));
    EXPECT_EQ(lexed("SELECT 1 /*!99999 ; SELECT 2 */;"),
              (QStringList{"statement 1: SELECT 1 /*!99999 ;", "statement 1: SELECT 2 */;"}));
    EXPECT_EQ(lexed("/*M!100000 SET x=1; */;"), (QStringList{"statement 1: /*M!100000 SET x=1;", "statement 1: */;"}));
    EXPECT_EQ(lexed("/*!40101 '*/;' */;"), QStringList{"statement 1: /*!40101 '*/;' */;"});
    EXPECT_EQ(lexed("/*!40101 /* ; */ 1 */;"), QStringList{"statement 1: /*!40101 /* ; */ 1 */;"});
    // "/*M" without "!" opens an ordinary comment.
    EXPECT_EQ(lexed("SELECT /*M ; */ 1;"), QStringList{"statement 1: SELECT /*M ; */ 1;"});
}

TEST(SqlStream, DelimiterBlocks) {
    const QByteArray trigger =
        "DELIMITER ;;\n"
        "CREATE TRIGGER t BEFORE INSERT ON x FOR EACH ROW BEGIN\n"
        "  SET @a = 1;\n"
        "  SET @b = ';;';\n"
        "END ;;\n"
        "DELIMITER ;\n"
        "SELECT 1;";
    EXPECT_EQ(lexed(trigger), (QStringList{
                                  "delimiterChange(;;) 1: DELIMITER ;;",
                                  "statement 2: CREATE TRIGGER t BEFORE INSERT ON x FOR EACH ROW BEGIN\n"
                                  "  SET @a = 1;\n  SET @b = ';;';\nEND ;;",
                                  "delimiterChange(;) 6: DELIMITER ;",
                                  "statement 7: SELECT 1;",
                              }));
    EXPECT_EQ(
        lexed("delimiter $$\nCREATE PROCEDURE p() BEGIN SELECT 1; END$$\n  Delimiter ;\n"),
        (QStringList{"delimiterChange($$) 1: delimiter $$", "statement 2: CREATE PROCEDURE p() BEGIN SELECT 1; END$$",
                     "delimiterChange(;) 3: Delimiter ;", "trailing 4: "}));
}

TEST(SqlStream, MultiByteDelimiter) {
    EXPECT_EQ(lexed("DELIMITER //\nSELECT 1 / 2//SELECT '//' /* // */ //"),
              (QStringList{"delimiterChange(//) 1: DELIMITER //", "statement 2: SELECT 1 / 2//",
                           "statement 2: SELECT '//' /* // */ //"}));
    // The delimiter is looked for before comments.
    EXPECT_EQ(lexed("DELIMITER //\nSELECT 1///* x */"),
              (QStringList{"delimiterChange(//) 1: DELIMITER //", "statement 2: SELECT 1//", "trailing 2: "}));
    EXPECT_EQ(
        lexed("DELIMITER $a$b\nSELECT $a$a$b$a$b"),
        (QStringList{"delimiterChange($a$b) 1: DELIMITER $a$b", "statement 2: SELECT $a$a$b", "statement 2: $a$b"}));
}

TEST(SqlStream, DelimiterArguments) {
    const struct {
        QByteArray line;
        QString delimiter;
    } cases[] = {
        {"DELIMITER ;; rest\n", ";;"},
        {"DELIMITER ;;\r\n", ";;"},
        // Only a space ends the word: a tab is part of it.
        {"DELIMITER $$\t\n", "$$\t"},
        {"DELIMITER '/;'\n", "/;"},
        {"DELIMITER \"a b\"\n", "a b"},
        {"DELIMITER 1234567890abcdefXYZ\n", "1234567890abcde"},
        // Refused: the delimiter stays.
        {"DELIMITER\n", ";"},
        {"DELIMITER \\\\\n", ";"},
    };
    for (const auto& c : cases) {
        const QList<SqlStream::Piece> pieces = lex(c.line);
        ASSERT_FALSE(pieces.isEmpty());
        EXPECT_EQ(pieces.front().kind, SqlStream::PieceKind::delimiterChange) << c.line.toStdString();
        EXPECT_EQ(QString::fromUtf8(pieces.front().delimiter), c.delimiter) << c.line.toStdString();
    }
}

TEST(SqlStream, DelimiterCommandOnlyStartsAStatement) {
    EXPECT_EQ(lexed("SELECT 1\nDELIMITER ;;\n"),
              (QStringList{"statement 1: SELECT 1\nDELIMITER ;", "statement 2: ;", "trailing 3: "}));
    // After a statement on the same line the client reads DELIMITER as the whole statement up to the next
    // delimiter, and takes its first word (up to a space) as the new delimiter, line feed and all.
    EXPECT_EQ(
        lexed("SELECT 1; delimiter //\nSELECT 2//\nSELECT 3;"),
        (QStringList{"statement 1: SELECT 1;", "delimiterChange(//\nSELECT) 1: delimiter //\nSELECT 2//\nSELECT 3;"}));
}

TEST(SqlStream, EmptyStatements) {
    EXPECT_EQ(lexed(";;"), (QStringList{"statement 1: ;", "statement 1: ;"}));
    EXPECT_EQ(lexed(""), QStringList{});
    EXPECT_EQ(lexed(" \n\t"), QStringList{"trailing 2: "});
}

TEST(SqlStream, LineNumbers) {
    EXPECT_EQ(lexed("SELECT 1;\r\nSELECT\r\n2;\r\n\r\n-- c\r\n/* d\r\n*/ SELECT 3;"),
              (QStringList{"statement 1: SELECT 1;", "statement 2: SELECT\r\n2;", "statement 7: SELECT 3;"}));
    // Comments before a statement belong to its piece, but its line is that of its own text.
    const QList<SqlStream::Piece> pieces = lex("/* a\nb */\n\nSELECT 1;");
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces[0].begin, 0);
    EXPECT_EQ(pieces[0].textBegin, 11);
    EXPECT_EQ(pieces[0].firstLine, 4);
}

TEST(SqlStream, UnterminatedTailIsTrailing) {
    EXPECT_EQ(lexed("SELECT 1;\nSELECT 2"), (QStringList{"statement 1: SELECT 1;", "trailing 2: SELECT 2"}));
    EXPECT_EQ(lexed("SELECT 'open;\n"), QStringList{"trailing 1: SELECT 'open;\n"});
    EXPECT_EQ(lexed("SELECT 1;\n-- done\n"), (QStringList{"statement 1: SELECT 1;", "trailing 3: "}));
}

TEST(SqlStream, BoundaryWhileFeeding) {
    SqlStream::Lexer lexer;
    QList<SqlStream::Piece> pieces;
    const SqlStream::PieceHandler collect = [&pieces](const SqlStream::Piece& piece) { pieces << piece; };

    lexer.feed(QByteArrayView("SELECT 1; SEL"), collect);
    EXPECT_EQ(lexer.lastCompleteEnd(), 9);
    EXPECT_TRUE(lexer.insideStatement());
    lexer.feed(QByteArrayView("ECT ';'; -- c\n/* open"), collect);
    EXPECT_EQ(lexer.lastCompleteEnd(), 21);
    EXPECT_FALSE(lexer.insideStatement());
    lexer.feed(QByteArrayView(" */ x"), collect);
    EXPECT_EQ(lexer.lastCompleteEnd(), 21);
    EXPECT_TRUE(lexer.insideStatement());
    // A lone "-" may still start a comment or be text: undecided counts as inside.
    lexer.feed(QByteArrayView(";\n-"), collect);
    EXPECT_EQ(lexer.lastCompleteEnd(), 40);
    EXPECT_TRUE(lexer.insideStatement());
    EXPECT_EQ(pieces.size(), 3);
    lexer.finish(collect);
    ASSERT_EQ(pieces.size(), 4);
    EXPECT_EQ(pieces.back().kind, SqlStream::PieceKind::trailing);
    EXPECT_EQ(pieces.back().textBegin, 41);
}

TEST(SqlStream, LongStatementAcrossManyChunks) {
    QByteArray text = "INSERT INTO t VALUES ('";
    const QByteArray row = "a;b\\'c\\\\d\",`e--f#g/*h*/";
    while (text.size() < 3'000'000) text += row;
    text += "');\nSELECT 1;";
    QList<QByteArray> chunks;
    for (qsizetype at = 0; at < text.size(); at += 65'537) chunks << text.mid(at, 65'537);
    const QList<SqlStream::Piece> pieces = SqlStreamTesting::lexChunks(chunks);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0].end, text.size() - 10);
    EXPECT_EQ(pieces[1].firstLine, 2);
}
