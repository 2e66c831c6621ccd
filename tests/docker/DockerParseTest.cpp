#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "docker/DockerParse.h"

using namespace DockerParse;

namespace {

const QString kSampleLine = QStringLiteral(
    R"({"ID":"abc123def456","Image":"mysql:8.0.46","Names":"db_basic","State":"running","Status":"Up 3 minutes","Ports":"0.0.0.0:4308->3306/tcp, [::]:4308->3306/tcp"})");

QJsonObject object(const char* json) { return QJsonDocument::fromJson(json).object(); }

QStringList names(const QList<MysqlDatabase>& databases) {
    QStringList result;
    for (const MysqlDatabase& database : databases) result << database.name;
    return result;
}

}  // namespace

TEST(DockerParse, PsLines) {
    const PsEntry sample{"abc123def456", "db_basic",     "mysql:8.0.46",
                         "running",      "Up 3 minutes", "0.0.0.0:4308->3306/tcp, [::]:4308->3306/tcp"};
    const struct {
        QString line;
        std::optional<PsEntry> expected;
    } cases[] = {
        {kSampleLine, sample},
        {"  " + kSampleLine + "\n", sample},
        {R"({"ID":"a1","State":"Running","Names":"/db_basic,/other"})",
         PsEntry{"a1", "db_basic", "", "running", "", ""}},
        {R"({"ID":"a1","Names":"","Name":"x"})", PsEntry{"a1", "a1", "", "", "", ""}},
        {R"({"ID":"a1","Names":",,"})", PsEntry{"a1", "a1", "", "", "", ""}},
        {R"({"ID":"a1","Names":"//a/b //"})", PsEntry{"a1", "a/b ", "", "", "", ""}},
        {R"({"Id":"a2","Name":"/solo/"})", PsEntry{"a2", "solo", "", "", "", ""}},
        {R"({"ID":42,"Image":7,"Ports":null})", PsEntry{"42", "42", "", "", "", ""}},
        {R"({"ID":true})", PsEntry{"1", "1", "", "", "", ""}},
        {R"({"Id":42})", std::nullopt},
        {R"({"ID":"","Names":"x"})", std::nullopt},
        {R"([{"ID":"a1"}])", std::nullopt},
        {R"({"ID":"a1")", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parsePsLine(c.line), c.expected) << c.line.toStdString();
}

TEST(DockerParse, DisplayPorts) {
    const std::pair<QString, QString> cases[] = {
        {"0.0.0.0:4308->3306/tcp, [::]:4308->3306/tcp", "localhost:4308"},
        {"3306/tcp, 33060/tcp", "3306/tcp, 33060/tcp"},
        {"127.0.0.1:3307->3306/tcp, 0.0.0.0:8080->80/tcp", "localhost:3307, localhost:8080"},
        {"0.0.0.0:3306-3310->3306-3310/tcp", "localhost:3306-3310"},
        {"  ", ""},
        {"\n 3306/tcp \n", "3306/tcp"},
        {QStringLiteral(",\u00a0\t0.0.0.0:1->2/tcp ,, :->2/tcp, 9->9/tcp"), "localhost:1"},
        {"0.0.0.0:->3306/tcp", "0.0.0.0:->3306/tcp"},
    };
    for (const auto& [raw, expected] : cases) EXPECT_EQ(displayPorts(raw), expected) << raw.toStdString();
}

TEST(DockerParse, InspectDocuments) {
    const QByteArray full = R"([{"Id":"abc123def4567890","Name":"/db_basic","Image":"sha256:x",
        "Config":{"Image":"mysql:8.0.46","Env":["MYSQL_DATABASE=crm2","MYSQL_ROOT_PASSWORD=v7ndaq"],"Cmd":["mysqld"]},
        "State":{"Running":true,"Status":"running"},
        "Mounts":[{"Type":"volume","Name":"crm-20_db_basic_data","Destination":"/var/lib/mysql"}]}])";
    const ParsedInspect record{"abc123def4567890", "db_basic",
                               "mysql:8.0.46",     true,
                               "running",          {"MYSQL_DATABASE=crm2", "MYSQL_ROOT_PASSWORD=v7ndaq"},
                               {"mysqld"},         "crm-20_db_basic_data"};
    const ParsedInspect bare{"x1", "x1", "", false, "", {}, {}, ""};
    const struct {
        QByteArray json;
        QList<ParsedInspect> expected;
    } cases[] = {
        {full, {record}},
        {R"({"Id":"x1","Name":"/"})", {bare}},
        {R"([{"Id":"x1","Config":{"Cmd":null,"Env":["A=1",2]},"State":{"Running":0}},{"Id":"x2"}])",
         {bare, ParsedInspect{"x2", "x2", "", false, "", {}, {}, ""}}},
        {R"([{"Id":"x1","State":{"Running":1},"Mounts":[{"Type":"volume","Name":"v"},3]}])",
         {ParsedInspect{"x1", "x1", "", true, "", {}, {}, ""}}},
        {R"([{"Id":"x1"},42])", {}},
        {R"([{"Id":42},{"Name":"/n"}])", {}},
        {R"([{"Id":"x1")", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseInspectList(c.json), c.expected) << c.json.toStdString();
}

TEST(DockerParse, VolumeSummary) {
    const struct {
        QList<QJsonObject> mounts;
        QString expected;
    } cases[] = {
        {{object(R"({"Type":"volume","Name":"crm-20_db_basic_data","Destination":"/var/lib/mysql"})")},
         "crm-20_db_basic_data"},
        {{object(R"({"Type":"bind","Source":"/srv/db","Destination":"/var/lib/mysql"})")}, "/srv/db"},
        {{object(R"({"Type":"bind","Source":"/srv/nginx","Destination":"/etc/nginx"})")}, ""},
        {{object(R"({"Type":"volume","Name":"first"})"), object(R"({"Type":"volume","Name":"second"})")},
         "first, second"},
        {{object(R"({"Type":"bind","Name":"","Source":"","Destination":"/run/mariadb.sock"})"),
          object(R"({"Type":"bind","Source":"/x","Destination":"/var/lib/MySQL"})"), object(R"({"Type":"volume"})"),
          object(R"({"Type":"volume","Name":"v","Source":"/s"})")},
         "/run/mariadb.sock, v"},
    };
    for (const auto& c : cases) EXPECT_EQ(volumeSummary(c.mounts), c.expected);
}

TEST(DockerParse, IsMysqlAndEnvValue) {
    const struct {
        QString image;
        QStringList env, command;
        bool expected;
    } cases[] = {
        {"redis:alpine", {"REDIS=1"}, {"redis-server"}, false},
        {"MariaDB:11", {}, {}, true},
        {"percona/server", {}, {}, true},
        {"custom/db", {}, {"/usr/sbin/mysqld"}, true},
        {"custom/db", {}, {"MariaDBd", "--log-bin"}, true},
        {"myorg/web", {"MYSQL_HOST=db"}, {}, true},
        {"myorg/web", {"==MARIADB_X=1"}, {}, true},
        {"myorg/web", {"mysql_host=db", "", "===", "X=MYSQL_Y"}, {}, false},
        {"crm-20-app", {"DATABASE_URL=mysql://root:pw@db:3306/crm2"}, {"apache2-foreground"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isMysql(c.image, c.env, c.command), c.expected) << c.image.toStdString();

    const QStringList env{"MYSQL_ROOT_PASSWORD=", "MYSQL_ROOT_PASSWORD=x", "A=b=c"};
    EXPECT_EQ(envValue(env, "MYSQL_ROOT_PASSWORD"), QString(""));
    EXPECT_EQ(envValue(env, "MYSQL_ROOT"), std::nullopt);
    EXPECT_EQ(envValue(env, "A"), QString("b=c"));
}

// The logins the official images allow: root's password, root without one, or the user the
// image created when root's password is random.
TEST(DockerParse, LoginsFromTheEnvironment) {
    const struct {
        QStringList env;
        QString user;
        std::optional<QString> password;
        QString file = {};
    } cases[] = {
        {{"MARIADB_ROOT_PASSWORD=r1", "MARIADB_USER=app", "MARIADB_PASSWORD=a1"}, "root", QString("r1")},
        {{"MYSQL_ROOT_PASSWORD=", "MYSQL_ALLOW_EMPTY_PASSWORD=yes"}, "root", QString("")},
        {{"MYSQL_ALLOW_EMPTY_PASSWORD=yes"}, "root", QString("")},
        {{"MYSQL_ROOT_PASSWORD=r2", "MYSQL_ALLOW_EMPTY_PASSWORD=yes"}, "root", QString("r2")},
        {{"MARIADB_ALLOW_EMPTY_ROOT_PASSWORD=1", "MARIADB_USER=app", "MARIADB_PASSWORD=a1"}, "root", QString("")},
        {{"MYSQL_ALLOW_EMPTY_PASSWORD="}, "root", std::nullopt},  // empty means not set
        {{"MYSQL_RANDOM_ROOT_PASSWORD=yes", "MYSQL_USER=app", "MYSQL_PASSWORD=a1", "MYSQL_DATABASE=shop"},
         "app",
         QString("a1")},
        {{"MARIADB_RANDOM_ROOT_PASSWORD=1", "MARIADB_USER=app", "MARIADB_PASSWORD="}, "app", QString("")},
        {{"MARIADB_RANDOM_ROOT_PASSWORD=1", "MARIADB_USER=app"}, "root", std::nullopt},
        {{"MARIADB_RANDOM_ROOT_PASSWORD=1"}, "root", std::nullopt},
        {{}, "root", std::nullopt},
        // Root's password is in a file: it is read inside the container, never from here.
        {{"MYSQL_ROOT_PASSWORD_FILE=/run/secrets/root", "MYSQL_USER=app", "MYSQL_PASSWORD=a1"},
         "root",
         std::nullopt,
         "/run/secrets/root"},
        {{"MARIADB_ROOT_PASSWORD_FILE=/s/pw", "MARIADB_ALLOW_EMPTY_ROOT_PASSWORD=1"}, "root", std::nullopt, "/s/pw"},
        {{"MARIADB_ROOT_PASSWORD=r1", "MARIADB_ROOT_PASSWORD_FILE=/s/pw"}, "root", QString("r1")},
        {{"MARIADB_ROOT_PASSWORD_FILE=", "MYSQL_ALLOW_EMPTY_PASSWORD=1"}, "root", QString("")},
    };
    for (const auto& c : cases) {
        const EnvLogin login = envLogin(c.env);
        EXPECT_EQ(login.user, c.user) << c.env.join(' ').toStdString();
        EXPECT_EQ(login.password, c.password) << c.env.join(' ').toStdString();
        EXPECT_EQ(login.passwordFile, c.file) << c.env.join(' ').toStdString();
    }
    // The file's content as the images' entrypoints take it.
    EXPECT_EQ(passwordFromFile("s3cret\n\n"), QString("s3cret"));
    EXPECT_EQ(passwordFromFile("a b\r\n"), QString("a b\r"));
    EXPECT_EQ(passwordFromFile("\n"), std::nullopt);
    EXPECT_EQ(passwordFromFile(""), std::nullopt);
}

TEST(DockerParse, MysqlOutput) {
    const QString sample =
        "META\t8.0.46\t536870912\t1\t536870912\nDB\tmysql\t31\t1000\n"
        "DB\tcrm2\t176\t11000000000\nDB\tlegacy_tickets\t4\t2000";
    const ServerInfo expected{"8.0.46",
                              536870912,
                              true,
                              536870912,
                              {{"crm2", 176, 11000000000}, {"legacy_tickets", 4, 2000}, {"mysql", 31, 1000}}};
    EXPECT_EQ(parseMysqlOutput(sample), expected);
    EXPECT_EQ(parseMysqlOutput(QString(sample).replace("\n", "\r\n") + "\r\n"), expected);
    ServerInfo short8{"8", 1, false, 2, {{"shop", 2, 5}}};
    short8.sqlMode = "extra";
    EXPECT_EQ(parseMysqlOutput("DB\tshop\t2\t5\u2028META\t8\t1\t0\t2\textra\f\v"), short8);
    // The global sql_mode and the login's grants.
    const std::optional<ServerInfo> full = parseMysqlOutput(
        "META\t10.11.6-MariaDB\t1\t0\t2\tSTRICT_TRANS_TABLES,NO_BACKSLASH_ESCAPES\n"
        "GRANT ALL PRIVILEGES ON *.* TO `root`@`localhost` WITH GRANT OPTION\nGRANT PROXY ON ``@`%` TO `root`@`localhost`");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->sqlMode, "STRICT_TRANS_TABLES,NO_BACKSLASH_ESCAPES");
    EXPECT_EQ(full->grants, QStringList({"GRANT ALL PRIVILEGES ON *.* TO `root`@`localhost` WITH GRANT OPTION",
                                         "GRANT PROXY ON ``@`%` TO `root`@`localhost`"}));

    const struct {
        QString text;
        std::optional<ServerInfo> expected;
    } cases[] = {
        {"META\t\tNULL\tON\t", ServerInfo{"", 0, false, 0, {}}},
        {"META\tv\t-0\t1\t+7", ServerInfo{"v", 0, true, 7, {}}},
        {"META\tv\t-5\t1 \t 5", ServerInfo{"v", 0, false, 0, {}}},
        {"META\tv\t18446744073709551615\t1\t18446744073709551616", ServerInfo{"v", 18446744073709551615u, true, 0, {}}},
        {"META\tv\t5.0\t1\t1,000", ServerInfo{"v", 0, true, 0, {}}},
        {"META\ta\t1\t1\t1\nMETA\tb\t2\t0\t2", ServerInfo{"b", 2, false, 2, {}}},
        {"META\tv\t0\t0\t0\nDB\tshop\tNULL\t\nDB\tx\t-3\n", ServerInfo{"v", 0, false, 0, {{"shop", 0, 0}}}},
        {"META\tv\t0\t0\t0\nDB\ta\t-9223372036854775808\t0\nDB\tb\t9223372036854775808\t0",
         ServerInfo{"v", 0, false, 0, {{"a", std::numeric_limits<qint64>::min(), 0}, {"b", 0, 0}}}},
        {"META\t8.0.46\t1\t1\nDB\tshop\t1\t1", std::nullopt},
        {"meta\tv\t1\t1\t1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseMysqlOutput(c.text), c.expected) << c.text.toStdString();
}

TEST(DockerParse, SortedDatabases) {
    const struct {
        QList<MysqlDatabase> input;
        QStringList expected;
    } cases[] = {
        {{{"sys", 0, 5000000}, {"app", 0, 10}}, {"app", "sys"}},
        {{{"sys", 0, 5}, {"mysql", 0, 7}, {"b", 0, 1}}, {"b", "mysql", "sys"}},
        {{{"Beta", 0, 3}, {"alpha", 0, 3}, {"MySQL", 0, 1}, {"SYS", 0, 2}}, {"alpha", "Beta", "SYS", "MySQL"}},
        {{{"b", 1, 0}, {"a", 2, 0}, {"A", 3, 0}, {"B", 4, 0}}, {"a", "A", "b", "B"}},
        {{{"x", 0, 18446744073709551615u}, {"y", 0, 1}}, {"x", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(names(sortedDatabases(c.input)), c.expected);
}

TEST(DockerParse, LinesAndChunks) {
    EXPECT_EQ(splitLines(QStringLiteral("a\nb\rc\r\nd\ve\ff\u0085g\u2028h\u2029i\n\n")),
              QStringList({"a", "b", "c", "d", "e", "f", "g", "h", "i"}));
    EXPECT_EQ(splitLines(" \n"), QStringList({" "}));

    // A label holding U+0085 or U+2028 keeps its container's record whole.
    const QString ps = QStringLiteral(
        "{\"ID\":\"a1\",\"Names\":\"one\",\"Labels\":\"note=x\u0085y\u2028z\"}\r\n"
        "{\"ID\":\"b2\",\"Names\":\"two\"}\n\n");
    const QStringList records = splitRecords(ps);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(parsePsLine(records[0])->id, "a1");
    EXPECT_EQ(parsePsLine(records[1])->id, "b2");

    const QList<int> items{1, 2, 3, 4, 5};
    EXPECT_EQ(chunked(items, 2), (QList<QList<int>>{{1, 2}, {3, 4}, {5}}));
    EXPECT_EQ(chunked(items, 5), (QList<QList<int>>{items}));
    EXPECT_EQ(chunked(items, 0), (QList<QList<int>>{items}));
    EXPECT_EQ(chunked(items, -1), (QList<QList<int>>{items}));
    EXPECT_TRUE(chunked(QList<int>(), 3).isEmpty());
    EXPECT_TRUE(chunked(QList<int>(), 0).isEmpty());
}
