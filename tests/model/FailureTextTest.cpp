#include <gtest/gtest.h>

#include "model/FailureText.h"

namespace {

TEST(FailureText, TheServersErrorLineComesFirstAndTheRestBecomesDetails) {
    // The client echoes the rows around a syntax error before and after its ERROR line.
    const auto syntax = FailureText::split(
        "(1,'a'),(2,'b')\n(3,'c')\nERROR 1064 (42000) at line 12: You have an error in your SQL syntax\n  \n--------------\n");
    EXPECT_EQ(syntax.summary, "ERROR 1064 (42000) at line 12: You have an error in your SQL syntax");
    EXPECT_EQ(syntax.details, QStringList({"(1,'a'),(2,'b')", "(3,'c')", "--------------"}));

    const auto damaged = FailureText::split("The file is damaged (gzip: unexpected end of file).");
    EXPECT_EQ(damaged.summary, "The file is damaged (gzip: unexpected end of file).");
    EXPECT_TRUE(damaged.details.isEmpty());

    const auto denied = FailureText::split(
        "mysql: [Warning] Using a password on the command line interface can be insecure.\n"
        "ERROR 1045 (28000): Access denied for user 'root'@'localhost' (using password: YES)");
    EXPECT_TRUE(denied.summary.startsWith("ERROR 1045 (28000): Access denied for user"));
    EXPECT_EQ(denied.details.size(), 1);

    EXPECT_EQ(FailureText::split(" \n"), FailureText::Split{});
}

}  // namespace
