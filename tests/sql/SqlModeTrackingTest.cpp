// The quoting rules a dump's sql_mode sets: the client splits strings by NO_BACKSLASH_ESCAPES, and
// the server reads "x" as a name under ANSI_QUOTES.
#include <gtest/gtest.h>

#include "sql/SqlModeTracking.h"

namespace {

using Quoting = SqlTokens::Quoting;

TEST(SqlModeTracking, DumpsThatSaveAndRestoreTheModeStayKnown) {
    SqlModeTracker mode("STRICT_TRANS_TABLES,NO_ENGINE_SUBSTITUTION");
    EXPECT_EQ(mode.quoting(), Quoting{});
    // The header and a trigger's own mode, as dump tools write them, and the restores after.
    mode.note("/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO' */");
    mode.note("/*!50003 SET @saved_sql_mode       = @@sql_mode */");
    mode.note("/*!50003 SET sql_mode              = 'NO_BACKSLASH_ESCAPES,ANSI_QUOTES' */");
    EXPECT_TRUE(mode.isKnown());
    EXPECT_EQ(mode.quoting(), (Quoting{false, true}));
    mode.note("/*!50003 SET sql_mode              = @saved_sql_mode */");
    EXPECT_EQ(mode.quoting(), Quoting{});
    mode.note("SET @@SESSION.sql_mode := 'ansi'");
    EXPECT_EQ(mode.quoting(), (Quoting{true, true}));
    mode.note("/*!40101 SET SQL_MODE=@OLD_SQL_MODE */");
    EXPECT_TRUE(mode.isKnown());
    EXPECT_EQ(mode.quoting(), Quoting{});
    mode.note("SET LOCAL sql_mode = 'NO_BACKSLASH_ESCAPES'");
    mode.note("SET sql_mode = DEFAULT");
    EXPECT_EQ(mode.quoting(), Quoting{});
}

TEST(SqlModeTracking, WhatCannotBeReadBeforeItRunsMakesTheModeUnknown) {
    for (const char* statement : {"SET sql_mode = CONCAT(@@sql_mode, ',NO_BACKSLASH_ESCAPES')",
                                  "SET @m = 'NO_BACKSLASH_ESCAPES'; SET sql_mode = @m", "SET sql_mode = @never_saved",
                                  "SET a = 1, sql_mode = (SELECT 'x')"}) {
        SqlModeTracker mode;
        for (const QByteArray& one : QByteArray(statement).split(';')) mode.note(one);
        EXPECT_FALSE(mode.isKnown()) << statement;
    }
    // A saved unknown mode restores as unknown; a literal makes it known again.
    SqlModeTracker mode;
    mode.note("SET sql_mode = REPLACE(@@sql_mode, 'X', '')");
    mode.note("SET @keep = @@sql_mode");
    mode.note("SET sql_mode = ''");
    EXPECT_TRUE(mode.isKnown());
    mode.note("SET sql_mode = @keep");
    EXPECT_FALSE(mode.isKnown());
    mode.note("SET SESSION sql_mode = 'TRADITIONAL'");
    EXPECT_TRUE(mode.isKnown());
}

TEST(SqlModeTracking, OnlyTheSessionsModeCounts) {
    SqlModeTracker mode("NO_BACKSLASH_ESCAPES");
    EXPECT_EQ(mode.quoting(), (Quoting{false, false}));
    for (const char* statement :
         {"SET GLOBAL sql_mode = 'ANSI_QUOTES'", "SET @@GLOBAL.sql_mode = 'ANSI_QUOTES'", "SELECT 'SET sql_mode = 1'",
          "SET @x = 'sql_mode = ANSI'", "INSERT INTO t VALUES ('SET sql_mode=\\'ANSI\\'')"})
        mode.note(statement);
    EXPECT_TRUE(mode.isKnown());
    EXPECT_EQ(mode.quoting(), (Quoting{false, false}));
    // A backslash is no escape in this mode: the string ends at its second quote.
    mode.note("SET @v = 'a\\', sql_mode = 'ANSI_QUOTES'");
    EXPECT_EQ(mode.quoting(), (Quoting{true, true}));
}

}  // namespace
