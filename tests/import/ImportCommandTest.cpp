#include <gtest/gtest.h>

#include "import/ImportCommand.h"

namespace {

ImportRequest sampleRequest() {
    ImportRequest request;
    request.fileURL = "/tmp/dump.sql.gz";
    request.containerName = "db_basic";
    request.database = "crm2";
    request.user = "root";
    request.password = "v7 n=daq";
    request.maxAllowedPacket = 536870912;
    request.disableUniqueChecks = true;
    request.disableForeignKeyChecks = true;
    request.disableBinlog = true;
    request.serverLogBin = false;
    return request;
}

}  // namespace

TEST(ImportCommand, PacketArgument) {
    const std::pair<quint64, const char*> cases[] = {
        {0, "64M"},
        {16777216, "64M"},
        {67108864, "64M"},
        {67108865, "67108865"},
        {68157440, "65M"},
        {536870912, "512M"},
        {1073741824, "1024M"},
        {100000000, "100000000"},
        {~0ULL, "18446744073709551615"},
    };
    for (const auto& [bytes, value] : cases)
        EXPECT_EQ(ImportCommand::packetArgument(bytes), QString("--max-allowed-packet=") + value) << bytes;
}

TEST(ImportCommand, SessionStatements) {
    const struct {
        bool all, serverLogBin;
        const char* expected;
    } cases[] = {
        {true, true, "SET SESSION unique_checks=0; SET SESSION foreign_key_checks=0; SET SESSION sql_log_bin=0;"},
        {true, false, "SET SESSION unique_checks=0; SET SESSION foreign_key_checks=0;"},
        {false, true, ""},
    };
    for (const auto& c : cases) {
        ImportRequest request;
        request.disableUniqueChecks = request.disableForeignKeyChecks = request.disableBinlog = c.all;
        request.serverLogBin = c.serverLogBin;
        EXPECT_EQ(ImportCommand::sessionStatements(request), c.expected);
    }
    ImportRequest binlogOnly;  // nothing to disable on a server without binary logging
    binlogOnly.disableBinlog = true;
    binlogOnly.serverLogBin = false;
    EXPECT_EQ(ImportCommand::sessionStatements(binlogOnly), "");
}

TEST(ImportCommand, InvocationKeepsThePasswordOutOfArgumentsAndDisplay) {
    ImportRequest request = sampleRequest();
    const MysqlInvocation invocation = ImportCommand::invocation(request, "/usr/local/bin/docker");
    EXPECT_EQ(
        invocation.display,
        "/usr/local/bin/docker exec -i -e MYSQL_PWD=*** db_basic mysql -uroot --batch --binary-mode --local-infile=0 --unbuffered "
        "--skip-reconnect --default-character-set=utf8mb4 --max-allowed-packet=512M --init-command=SET "
        "SESSION unique_checks=0; SET SESSION foreign_key_checks=0; --database=crm2");
    EXPECT_EQ(invocation.arguments.size(), 16);
    EXPECT_EQ(invocation.arguments.at(3), "MYSQL_PWD");
    EXPECT_FALSE(invocation.arguments.join('\n').contains("n=daq"));

    request.disableUniqueChecks = request.disableForeignKeyChecks = request.disableBinlog = false;
    request.user.clear();
    request.clientProgram = "mariadb";
    request.password.clear();
    const MysqlInvocation plain = ImportCommand::invocation(request, "/usr/bin/docker");
    EXPECT_EQ(plain.arguments,
              QStringList({"exec", "-i", "-e", "MYSQL_PWD", "db_basic", "mariadb", "-u", "--batch", "--binary-mode",
                           "--local-infile=0", "--unbuffered", "--skip-reconnect", "--default-character-set=utf8mb4",
                           "--max-allowed-packet=512M", "--database=crm2"}));
    // A name that looks like an option stays glued to --database=.
    request.database = "--version";
    EXPECT_EQ(ImportCommand::invocation(request, "/usr/bin/docker").arguments.last(), "--database=--version");
    EXPECT_TRUE(plain.display.contains(" -e MYSQL_PWD=*** db_basic mariadb -u --batch --binary-mode"));
    // Binary mode always; the sandbox where the client has one.
    request.fixes.clientHasSandbox = true;
    EXPECT_TRUE(ImportCommand::invocation(request, "/usr/bin/docker")
                    .arguments.join(' ')
                    .contains("--binary-mode --local-infile=0 --sandbox"));
}

TEST(ImportCommand, ClientEnvironmentCarriesThePasswordAlsoWhenEmpty) {
    QProcessEnvironment base;
    base.insert("PATH", "/usr/bin");
    base.insert("MYSQL_PWD", "inherited");
    ImportRequest request = sampleRequest();
    EXPECT_EQ(ImportCommand::clientEnvironment(request, base).value("MYSQL_PWD"), "v7 n=daq");
    request.password.clear();
    const QProcessEnvironment empty = ImportCommand::clientEnvironment(request, base);
    EXPECT_TRUE(empty.contains("MYSQL_PWD"));
    EXPECT_EQ(empty.value("MYSQL_PWD"), "");
    EXPECT_EQ(empty.value("PATH"), "/usr/bin");
}

TEST(ImportCommand, SessionAnswersAndClientLineNumbers) {
    EXPECT_EQ(ImportCommand::sessionId("tarnwell-session 42"), 42);
    for (const char* line :
         {"tarnwell_session", "tarnwell-session ", "tarnwell-session x", "tarnwell-session -3", "42", "session 42"})
        EXPECT_EQ(ImportCommand::sessionId(line), std::nullopt) << line;
    // The session query is the client's line 1, so its numbers are one ahead of the dump's.
    EXPECT_EQ(ImportCommand::inDumpLines("ERROR 1146 (42S02) at line 6: Table 'd.x' doesn't exist"),
              "ERROR 1146 (42S02) at line 5: Table 'd.x' doesn't exist");
    EXPECT_EQ(ImportCommand::inDumpLines("ERROR 1064 (42000) at line 123457: near 'at line 9'"),
              "ERROR 1064 (42000) at line 123456: near 'at line 9'");
    EXPECT_EQ(ImportCommand::inDumpLines("a row that says ERROR 1 at line 9"), "a row that says ERROR 1 at line 9");
    EXPECT_EQ(ImportCommand::inDumpLines("ERROR 2013 (HY000) at line 1: Lost connection"),
              "ERROR 2013 (HY000) at line 1: Lost connection");
}
