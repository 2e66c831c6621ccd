// The temporary account on a real server: what a real dump creates works afterwards and belongs
// to the owner role, accounts left by imports that did not end go while live ones stay, and a
// login that may not create accounts imports as itself.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>
#include <unistd.h>

#include "account/AccountNames.h"
#include "account/AccountSql.h"
#include "docker/DockerClient.h"
#include "dump/DumpFixPlan.h"
#include "import/ImportRunner.h"
#include "support/FixtureServer.h"
#include "support/Fixtures.h"

namespace {

class ImportAccount : public ::testing::Test {
protected:
    void SetUp() override {
        suffix = QString::number(::getpid());
        info = server.client.fetchServerInfo(server.container, "root", server.password);
        ASSERT_TRUE(info.isMariadb());
    }
    void TearDown() override {
        for (const QString& database : created) server.sql("DROP DATABASE IF EXISTS `" + database + "`");
    }
    QString newDatabase(const QString& role) {
        const QString name = "acct_" + role + "_" + suffix;
        server.sql("DROP DATABASE IF EXISTS `" + name + "`; CREATE DATABASE `" + name + "`");
        created << name;
        return name;
    }
    QString write(const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    // An import as the user would start it: planned against what the server said of the login.
    ImportOutcome import(const QString& file, const QString& database, const ServerInfo& as, QString user = "root",
                         QString password = {}) {
        QFile dump(file);
        EXPECT_TRUE(dump.open(QIODevice::ReadOnly));
        ImportRequest request = server.request(file, database);
        request.user = user;
        if (!password.isEmpty()) request.password = password;
        request.clientProgram = as.clientProgram;
        request.fixes = DumpFixPlan::plan(DumpScanning::scan(dump.readAll(), true), as, {}, database);
        logged.clear();
        ImportRunner runner;
        return runner.run(request, server.client, {}, [this](const QString& line) { logged << line; });
    }
    QString temporaryAccounts() const {
        return server.sql(
            "SELECT IFNULL(GROUP_CONCAT(User ORDER BY User), '') FROM mysql.user "
            "WHERE User LIKE 'tarnwell\\\\_imp\\\\_%'");
    }

    FixtureServer server{Fixtures::seeded(), Fixtures::seededPassword()};
    ServerInfo info;
    QString suffix;
    QStringList created;
    QTemporaryDir dir;
    QStringList logged;
};

}  // namespace

// mariadb-dump's own output of a database with a trigger, a view, a procedure, a function and an
// event, all owned by root: after the import each works, and each belongs to the owner role.
TEST_F(ImportAccount, ARealDumpsStoredProgramsWorkAndBelongToTheRole) {
    const QString source = newDatabase("source");
    server.sql("USE `" + source +
               "`; CREATE TABLE t (id INT PRIMARY KEY, n INT); CREATE TABLE log (id INT); "
               "CREATE TRIGGER t_log AFTER INSERT ON t FOR EACH ROW INSERT INTO log VALUES (NEW.id); "
               "CREATE VIEW v AS SELECT id, n FROM t WHERE n > 1; "
               "CREATE PROCEDURE p(OUT c INT) SELECT COUNT(*) INTO c FROM t; "
               "CREATE FUNCTION f(x INT) RETURNS INT DETERMINISTIC RETURN x * 2; "
               "CREATE EVENT e ON SCHEDULE EVERY 1 DAY DISABLE DO DELETE FROM log; "
               "INSERT INTO t VALUES (1, 1), (2, 5)");
    const CommandResult dumped =
        server.exec({"mariadb-dump", "-uroot", "--routines", "--events", "--triggers", source.toUtf8().constData()});
    ASSERT_EQ(dumped.status, 0) << dumped.stderrBytes.toStdString();
    ASSERT_TRUE(dumped.stdoutBytes.contains("DEFINER=`root`@`localhost`"));

    const QString target = newDatabase("target");
    const ImportOutcome outcome = import(write("real.sql", dumped.stdoutBytes), target, info);
    ASSERT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_EQ(server.fingerprint(target), server.fingerprint(source));
    const QString role = AccountNames::ownerRole({target.toUtf8()});
    const QString in = "'" + target + "'";
    EXPECT_EQ(server.sql("SELECT GROUP_CONCAT(DEFINER) FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA=" + in),
              role + "@");
    EXPECT_EQ(server.sql("SELECT GROUP_CONCAT(DEFINER) FROM information_schema.VIEWS WHERE TABLE_SCHEMA=" + in),
              role + "@");
    EXPECT_EQ(server.sql("SELECT GROUP_CONCAT(DEFINER ORDER BY ROUTINE_NAME) FROM information_schema.ROUTINES "
                         "WHERE ROUTINE_SCHEMA=" +
                         in),
              role + "," + role);
    EXPECT_EQ(server.sql("SELECT CONCAT(DEFINER, ' ', STATUS) FROM information_schema.EVENTS WHERE EVENT_SCHEMA=" + in),
              role + "@ DISABLED");
    // Each works for whoever uses it later, with the account long gone.
    EXPECT_EQ(temporaryAccounts(), "");
    server.sql("USE `" + target + "`; INSERT INTO t VALUES (3, 7)");
    EXPECT_EQ(server.sql("USE `" + target + "`; SELECT GROUP_CONCAT(id ORDER BY id) FROM log"), "1,2,3");
    EXPECT_EQ(server.sql("USE `" + target + "`; SELECT GROUP_CONCAT(id ORDER BY id) FROM v"), "2,3");
    EXPECT_EQ(server.sql("USE `" + target + "`; CALL p(@c); SELECT @c, f(21)"), "3\t42");
    const QString said = logged.join('\n');
    EXPECT_TRUE(said.contains("DEFINER root@localhost replaced by CURRENT_ROLE, the role " + role))
        << said.toStdString();
    EXPECT_TRUE(said.contains("The temporary account tarnwell_imp_")) << said.toStdString();
}

// A machine that lost power leaves its account; the next import into the server removes it and
// says so. An account whose import still runs (its session holds the lock) stays, and so does
// one made so recently that its session may not have started yet.
TEST_F(ImportAccount, LeftoversGoAndAccountsOfLiveImportsStay) {
    const qint64 now = server.sql("SELECT UNIX_TIMESTAMP()").toLongLong();
    const QString left = AccountNames::temporaryName(now - 3600, "left0000" + suffix.right(2).rightJustified(2, '0'));
    const QString live = AccountNames::temporaryName(now - 3600, "live0000" + suffix.right(2).rightJustified(2, '0'));
    const QString fresh = AccountNames::temporaryName(now - 5, "fresh000" + suffix.right(2).rightJustified(2, '0'));
    const QString hash = AccountSql::nativeHash(AccountNames::randomText(32));
    for (const QString& user : {left, live, fresh})
        server.sql("CREATE USER '" + user + "'@'localhost' IDENTIFIED BY PASSWORD '" + hash + "'");
    // A session that holds the live account's lock, as its import's session would.
    const QString holder = "DO GET_LOCK('" + live + "', 0); DO SLEEP(30)";
    const QStringList holding{"exec", "-e", "MYSQL_PWD", server.container, "mariadb", "-uroot", "-e", holder};
    QProcessEnvironment environment = DockerClient::processEnvironment();
    environment.insert("MYSQL_PWD", server.password);
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start(server.client.docker, holding);
    ASSERT_TRUE(session.waitForStarted());
    for (int i = 0; i < 100 && server.sql("SELECT IS_USED_LOCK('" + live + "') IS NOT NULL") != "1"; ++i)
        QThread::msleep(100);

    const QString target = newDatabase("leftovers");
    const ImportOutcome outcome = import(write("small.sql", "CREATE TABLE a (x INT);\n"), target, info);
    EXPECT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_TRUE(logged.contains("Removed temporary accounts left by imports that did not end: " + left + "."))
        << logged.join('\n').toStdString();
    EXPECT_EQ(temporaryAccounts(), QStringList({live, fresh}).join(","));
    session.kill();
    session.waitForFinished();
    server.sql("DROP USER '" + live + "'@'localhost'; DROP USER '" + fresh + "'@'localhost'");
}

// The user an image makes for its database may not create accounts: the pre-flight says the
// server cannot hold the import, and the import runs as that login, confined by its own grants.
TEST_F(ImportAccount, ALoginThatMayNotCreateAccountsImportsAsItself) {
    const QString target = newDatabase("plain");
    const QString user = "plain_" + suffix;
    const QString password = AccountNames::randomText(24);
    server.sql("CREATE USER '" + user + "'@'localhost' IDENTIFIED BY PASSWORD '" + AccountSql::nativeHash(password) +
               "'; GRANT ALL PRIVILEGES ON `" + target + "`.* TO '" + user + "'@'localhost'");
    const ServerInfo plain = server.client.fetchServerInfo(server.container, user, password);
    const DumpFixes fixes = DumpFixPlan::plan({}, plain, {}, target);
    EXPECT_EQ(fixes.confinement, DumpFixes::Confinement::loginMayNot);
    EXPECT_TRUE(DumpFixPlan::findings({}, fixes).first().startsWith("This login may not create accounts"));

    const ImportOutcome outcome = import(write("plain.sql", "CREATE TABLE a (x INT);\nINSERT INTO a VALUES (1);\n"),
                                         target, plain, user, password);
    EXPECT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
    EXPECT_EQ(server.sql("SELECT x FROM `" + target + "`.a"), "1");
    EXPECT_FALSE(logged.join('\n').contains("temporary account")) << logged.join('\n').toStdString();
    server.sql("DROP USER '" + user + "'@'localhost'");
}
