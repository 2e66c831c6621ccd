// Commands the client runs itself. What is expected here is what the mariadb client does with each text.
#include <gtest/gtest.h>

#include "SqlStreamTesting.h"

using SqlStreamTesting::lexed;

// A long form names a whole line that starts a statement, as long as the line holds no delimiter.
TEST(SqlStreamClientCommand, LongFormOnALineOfItsOwn) {
    EXPECT_EQ(
        lexed("SELECT 1;\nsystem ls -l\nSELECT 2;"),
        (QStringList{"statement 1: SELECT 1;", "clientCommand(system) 2: system ls -l", "statement 3: SELECT 2;"}));
    EXPECT_EQ(lexed("  SYSTEM ls\n"), (QStringList{"clientCommand(system) 1: SYSTEM ls", "trailing 2: "}));
    EXPECT_EQ(lexed("use db\r\nSELECT 1;"), (QStringList{"clientCommand(use) 1: use db\r", "statement 2: SELECT 1;"}));
    EXPECT_EQ(lexed("quit\r\n"), (QStringList{"clientCommand(quit) 1: quit\r", "trailing 2: "}));
    EXPECT_EQ(lexed("source /tmp/x.sql"), QStringList{"clientCommand(source) 1: source /tmp/x.sql"});
    EXPECT_EQ(lexed("help contents\n"), (QStringList{"clientCommand(help) 1: help contents", "trailing 2: "}));
    EXPECT_EQ(lexed("query_attributes n v\n"),
              (QStringList{"clientCommand(query_attributes) 1: query_attributes n v", "trailing 2: "}));
    // Comments on earlier lines leave the statement empty.
    EXPECT_EQ(lexed("-- c\n/* d */\nsystem echo hi\n"),
              (QStringList{"clientCommand(system) 3: system echo hi", "trailing 4: "}));
    // The line ends the command whatever it opened.
    EXPECT_EQ(lexed("tee /tmp/out 'x\nSELECT 1;"),
              (QStringList{"clientCommand(tee) 1: tee /tmp/out 'x", "statement 2: SELECT 1;"}));
    EXPECT_EQ(lexed("use 'db'\nSELECT 1;"), (QStringList{"clientCommand(use) 1: use 'db'", "statement 2: SELECT 1;"}));
}

// A statement that ends in the delimiter is a command when its first word names one.
TEST(SqlStreamClientCommand, LongFormAsAStatement) {
    EXPECT_EQ(
        lexed("SELECT 1; use `db`;\nQUIT ;"),
        (QStringList{"statement 1: SELECT 1;", "clientCommand(use) 1: use `db`;", "clientCommand(quit) 2: QUIT ;"}));
    EXPECT_EQ(lexed("/* c */ system ls\n;"), QStringList{"clientCommand(system) 1: system ls\n;"});
    EXPECT_EQ(lexed("SELECT 1; system echo a\n  b;"),
              (QStringList{"statement 1: SELECT 1;", "clientCommand(system) 1: system echo a\n  b;"}));
    EXPECT_EQ(lexed("SELECT 1; use 'db\n1';"),
              (QStringList{"statement 1: SELECT 1;", "clientCommand(use) 1: use 'db\n1';"}));
}

TEST(SqlStreamClientCommand, TextsThatAreNotCommands) {
    const QByteArray texts[] = {
        "user x;",
        "systems;",
        "SET x = 1;",
        "USE`db`;",
        "rehash now;",
        "status foo\nSELECT 5;",
        // The first word runs to a space or tab: a line feed is part of it.
        "SELECT 1; system\n echo x;",
        // Not at a line start, not a whole statement: sent as it is.
        "/* c */ system ls\n",
        // The delimiter or \g anywhere in the text, inside a string too.
        "system echo 'a;b'\nx;",
        "DELIMITER $$$$$\nsystem echo '$$$$$'\nx$$$$$\nDELIMITER ;\n",
        "system echo x \\g\n",
        // An argument the client cannot read: an open or empty quoted string.
        "use 'a\\\nSELECT 1;",
        "use 'a\\'\nSELECT 1;",
        "use 'a''\nSELECT 1;",
        "use ''\nSELECT 2;",
        "DELIMITER ''\nSELECT 2;",
    };
    for (const QByteArray& text : texts) {
        const QList<SqlStream::Piece> pieces = SqlStreamTesting::lex(text);
        for (const SqlStream::Piece& piece : pieces) {
            EXPECT_NE(piece.kind, SqlStream::PieceKind::clientCommand) << text.toStdString();
        }
    }
    EXPECT_EQ(lexed("DELIMITER ''\nSELECT 2;"), QStringList{"statement 1: DELIMITER ''\nSELECT 2;"});
}

TEST(SqlStreamClientCommand, BackslashCommandStartingAStatement) {
    EXPECT_EQ(lexed("\\! ls -l\nSELECT 1;"),
              (QStringList{"clientCommand(system) 1: \\! ls -l", "statement 2: SELECT 1;"}));
    EXPECT_EQ(
        lexed("SELECT 1; \\. /tmp/x.sql\r\nSELECT 2;"),
        (QStringList{"statement 1: SELECT 1;", "clientCommand(source) 1: \\. /tmp/x.sql\r", "statement 2: SELECT 2;"}));
    EXPECT_EQ(lexed("\\T /tmp/log\n\\t\n\\q"),
              (QStringList{"clientCommand(tee) 1: \\T /tmp/log", "clientCommand(notee) 2: \\t",
                           "clientCommand(quit) 3: \\q"}));
    EXPECT_EQ(lexed("\\u db; SELECT 1;"), (QStringList{"clientCommand(use) 1: \\u db;", "statement 1: SELECT 1;"}));
}

// Anywhere outside strings and comments the client runs a backslash command on the spot, and the statement
// it stood in goes on around it.
TEST(SqlStreamClientCommand, BackslashCommandInsideAStatement) {
    EXPECT_EQ(lexed("SELECT 1,\n  \\! rm x\n  2;"),
              (QStringList{"nested clientCommand(system) 2: \\! rm x", "statement 1: SELECT 1,\n  \\! rm x\n  2;"}));
    // Its argument takes the delimiter with it, which then ends nothing.
    EXPECT_EQ(lexed("SELECT 1, \\! echo a ; 2;"),
              (QStringList{"nested clientCommand(system) 1: \\! echo a ;", "statement 1: SELECT 1, \\! echo a ; 2;"}));
    // Inside /*! */ the argument ends before the */.
    EXPECT_EQ(lexed("SELECT 1 /*! \\! echo x ; */, 2;"),
              (QStringList{"nested clientCommand(system) 1: \\! echo x ; ",
                           "statement 1: SELECT 1 /*! \\! echo x ; */, 2;"}));
    EXPECT_EQ(lexed("SELECT 1 \\W, 2;"),
              (QStringList{"nested clientCommand(warnings) 1: \\W", "statement 1: SELECT 1 \\W, 2;"}));
    // \d sets the delimiter for the rest of the same statement.
    EXPECT_EQ(lexed("SELECT 1, \\d // 2;\nSELECT 3//"),
              (QStringList{"nested delimiterChange(//) 1: \\d //", "statement 1: SELECT 1, \\d // 2;\nSELECT 3//"}));
}

TEST(SqlStreamClientCommand, BackslashesThatAreNotCommands) {
    EXPECT_EQ(lexed("SELECT '\\! no', \"\\!\", `\\!`, /* \\! */ 1; -- \\! no\n# \\! no\n"),
              (QStringList{"statement 1: SELECT '\\! no', \"\\!\", `\\!`, /* \\! */ 1;", "trailing 3: "}));
    EXPECT_EQ(lexed("SELECT \\N;"), QStringList{"statement 1: SELECT \\N;"});
    // A backslash at the line end is dropped by the client.
    EXPECT_EQ(lexed("SELECT 1 \\\r\n, 2;"), QStringList{"statement 1: SELECT 1 \\\r\n, 2;"});
}

TEST(SqlStreamClientCommand, GoAndClear) {
    EXPECT_EQ(lexed("SELECT 1 \\G SELECT 2\\g\n\\g"),
              (QStringList{"statement 1: SELECT 1 \\G", "statement 1: SELECT 2\\g", "statement 2: \\g"}));
    // \c drops what came before it: that text and the command are one piece.
    EXPECT_EQ(lexed("SELECT 1,\n\\c SELECT 2;"),
              (QStringList{"clientCommand(clear) 1: SELECT 1,\n\\c", "statement 2: SELECT 2;"}));
}

// The client stops with "Unknown command" at a backslash it has no command for.
TEST(SqlStreamClientCommand, UnknownBackslashCommand) {
    EXPECT_EQ(lexed("SELECT 1 \\z, 2;"),
              (QStringList{"nested unknownCommand 1: \\z", "statement 1: SELECT 1 \\z, 2;"}));
    EXPECT_EQ(lexed("\\; SELECT 1;"), (QStringList{"unknownCommand 1: \\;", "statement 1: SELECT 1;"}));
}

TEST(SqlStreamClientCommand, CommandLineInsideADelimiterBlock) {
    EXPECT_EQ(lexed("DELIMITER ;;\nsystem ls\n\\! date\nSELECT 1;;\nDELIMITER ;\n"),
              (QStringList{"delimiterChange(;;) 1: DELIMITER ;;", "clientCommand(system) 2: system ls",
                           "clientCommand(system) 3: \\! date", "statement 4: SELECT 1;;",
                           "delimiterChange(;) 5: DELIMITER ;", "trailing 6: "}));
}
