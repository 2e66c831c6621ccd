#include <gtest/gtest.h>

#include "cli/CliArguments.h"

namespace {

TEST(CliArguments, UsableLinesGiveCommandOperandsAndOptions) {
    const auto parsed = CliArguments::parse({"import", "--container=db1", "dump.sql", "--yes", "--database", "shop"});
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.command, "import");
    EXPECT_EQ(parsed.operands, QStringList{"dump.sql"});
    EXPECT_EQ(parsed.value("--container"), "db1");
    EXPECT_EQ(parsed.value("--database"), "shop");
    EXPECT_TRUE(parsed.has("--yes"));
    EXPECT_FALSE(parsed.has("--keep-binlog"));

    const auto dashed = CliArguments::parse({"inspect", "--", "-odd.sql"});
    EXPECT_TRUE(dashed.error.isEmpty()) << dashed.error.toStdString();
    EXPECT_EQ(dashed.operands, QStringList{"-odd.sql"});

    const auto help = CliArguments::parse({"databases", "--help"});
    EXPECT_TRUE(help.help && help.error.isEmpty());
    EXPECT_EQ(help.command, "databases");
    EXPECT_TRUE(CliArguments::parse({"--version"}).version);

    // The engine goes before the command as well as after it.
    for (const QStringList& line : {QStringList{"--engine", "podman", "containers"},
                                    {"--engine=podman", "containers"},
                                    {"containers", "--engine", "podman"}}) {
        const auto engine = CliArguments::parse(line);
        EXPECT_TRUE(engine.error.isEmpty()) << engine.error.toStdString();
        EXPECT_EQ(engine.value("--engine"), "podman") << line.join(' ').toStdString();
    }
}

TEST(CliArguments, UnusableLinesSayWhy) {
    const struct {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"containers", "extra"}, "unexpected argument 'extra'"},
        {{"containers", "--yes"}, "unknown option '--yes'"},
        {{"--engine", "lxc", "containers"}, "option '--engine' takes docker or podman, not 'lxc'"},
        {{"--engine"}, "option '--engine' needs a value"},
        {{"databases"}, "'databases' needs a container name"},
        {{"import", "d.sql"}, "'import' needs --container"},
        {{"import", "d.sql", "--container"}, "option '--container' needs a value"},
        {{"import", "d.sql", "--container", " "}, "option '--container' needs a value"},
        {{"import", "d.sql", "--container", "c", "--yes=1"}, "option '--yes' takes no value"},
        {{"databases", "c", "--password=secret"},
         "the password is never taken from the command line; use --password-stdin"},
        {{"databases", "c", "-p", "secret"}, "the password is never taken from the command line; use --password-stdin"},
    };
    for (const auto& [arguments, error] : cases) {
        EXPECT_EQ(CliArguments::parse(arguments).error, error) << arguments.join(' ').toStdString();
    }
}

}  // namespace
