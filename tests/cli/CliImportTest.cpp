#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <thread>
#include <unistd.h>

#include "CliHarness.h"
#include "docker/DockerClient.h"
#include "l10n/L10n.h"
#include "support/Fixtures.h"
#include "support/PrefixStates.h"

namespace {

// Imports into a database of its own on the seeded fixture, named after the test run.
class ImportTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        database_ = unique("cli_");
        // A table makes the schema visible to the server probe, so it can be proposed.
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                      QStringLiteral("CREATE DATABASE %1; CREATE TABLE %1.marker (x INT)").arg(database_));
    }
    void TearDown() override {
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP DATABASE IF EXISTS " + database_);
    }

    static QByteArray rows(int count, const QByteArray& before = {}) {
        QByteArray text = before + "CREATE TABLE big (id INT PRIMARY KEY, payload VARCHAR(200));\n";
        const QByteArray payload(180, 'x');
        for (int i = 0; i < count; i += 100) {
            text += "INSERT INTO big VALUES ";
            for (int j = i; j < i + 100; ++j) {
                text += (j > i ? ",(" : "(") + QByteArray::number(j) + ",'" + payload + "')";
            }
            text += ";\n";
        }
        return text;
    }

    // Temporary accounts of imports on the server; every way an import ends removes its own.
    static QString temporaryAccounts(const QString& container, const QString& password) {
        return Fixtures::sql(container, password,
                             "SELECT GROUP_CONCAT(User) FROM mysql.user WHERE User LIKE 'tarnwell\\_imp\\_%'");
    }

    // Within 3 s of an import's end, nothing of it is left: no process here or in the container,
    // none of its watchdogs, no temporary account.
    void expectNothingLeft(const QStringList& guards, int signal) const {
        const QString container = Fixtures::seeded();
        const auto processesLeft = [&] {
            const QString inside = QString::fromUtf8(DockerClient::run(DockerClient::resolve().docker,
                                                                       {"exec", container, "ps", "-o", "args"},
                                                                       DockerClient::processEnvironment())
                                                         .stdoutBytes);
            QStringList left = processesWith(database_);
            for (const QString& guard : guards)
                if (processesWith("tarnwell-guard").contains(guard)) left << guard;
            if (inside.contains(database_)) left << "in the container: " + inside;
            const QString accounts = temporaryAccounts(container, Fixtures::seededPassword());
            if (accounts != "NULL") left << "accounts: " + accounts;
            return left;
        };
        const auto ended = std::chrono::steady_clock::now();
        QStringList left = processesLeft();
        while (!left.isEmpty() && std::chrono::steady_clock::now() - ended < std::chrono::seconds(3)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            left = processesLeft();
        }
        EXPECT_EQ(left, QStringList()) << "signal " << signal;
    }

    QString count(const QString& container, const QString& password) const {
        return Fixtures::sql(container, password, "SELECT COUNT(*) FROM " + database_ + ".big");
    }

    QString database_;
};

TEST_F(ImportTest, WithYesTheProposedDatabaseGetsTheRows) {
    // The file is named after the database, so that one is proposed.
    const QString dump = writeFile(database_ + ".sql", rows(1000));
    const CliResult result = run({"import", dump, "--container", Fixtures::seeded(), "--yes"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Proposed database: " + database_)) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("The file will be imported into “" + database_ + "” on container " +
                                    Fixtures::seeded() +
                                    ". It replaces none of the tables there. Currently 1 table,"))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Import into " + database_ + " on " + Fixtures::seeded()));
    EXPECT_TRUE(result.err.contains("MYSQL_PWD=***"));
    EXPECT_TRUE(result.err.contains("Finished in "));
    EXPECT_TRUE(result.out.startsWith("Import finished in ")) << result.out.toStdString();
    EXPECT_EQ(count(Fixtures::seeded(), Fixtures::seededPassword()), "1000");
    EXPECT_TRUE(result.err.contains("Importing as the temporary account tarnwell_imp_")) << result.err.toStdString();
    EXPECT_EQ(temporaryAccounts(Fixtures::seeded(), Fixtures::seededPassword()), "NULL");
}

TEST_F(ImportTest, AFailedImportEndsWithStatus1AndTheClientsError) {
    const QString dump = writeFile("broken.sql", "INSERT INTO missing_table VALUES (1);\n");
    const CliResult result = run({"import", dump, "--container", Fixtures::seeded(), "--database", database_, "--yes"});
    EXPECT_EQ(result.status, 1);
    // The server's line, then the statement it refused as the dump has it, with its table.
    EXPECT_TRUE(result.err.trimmed().endsWith(
        "doesn't exist\nAt line 1, table missing_table: INSERT INTO missing_table VALUES (1);"))
        << result.err.toStdString();
    EXPECT_EQ(temporaryAccounts(Fixtures::seeded(), Fixtures::seededPassword()), "NULL");
}

TEST_F(ImportTest, APasswordFromStandardInputIsOnNoCommandLine) {
    const QString container = Fixtures::noPasswordEnv();
    const QString password = Fixtures::noPasswordEnvPassword();
    Fixtures::sql(container, password, "CREATE DATABASE " + database_);
    const QString dump = writeFile("rows.sql", rows(40000));

    QStringList carriers;
    const auto look = [&] { carriers << processesWith(password); };
    CliRun cli(settingsFolder(),
               {"import", dump, "--container", container, "--database", database_, "--password-stdin", "--yes"},
               password.toUtf8() + "\n");
    const CliResult result = cli.finish(look);
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(carriers.isEmpty()) << carriers.join('\n').toStdString();
    EXPECT_EQ(count(container, password), "40000");
    Fixtures::sql(container, password, "DROP DATABASE " + database_);
}

TEST_F(ImportTest, SigintInMidImportCancelsAndLeavesNoProcessBehind) {
    // The server sleeps first, so the file is still being written when the signal comes.
    const QString dump = writeFile("slow.sql", rows(40000, "SELECT SLEEP(3);\n"));
    CliRun cli(settingsFolder(), {"import", dump, "--container", Fixtures::seeded(), "--database", database_, "--yes"});
    ASSERT_TRUE(cli.readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }))
        << cli.err().toStdString();
    cli.signal(SIGINT);
    const CliResult result = cli.finish();
    EXPECT_EQ(result.status, 130) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Cancelled.\n")) << result.err.toStdString();
    EXPECT_TRUE(result.err.trimmed().endsWith(QString::fromUtf8("“%1” may now hold part of the dump.").arg(database_)))
        << result.err.toStdString();

    // Neither the docker client nor the client inside the container outlives the import;
    // the server ends its session once the sleep is over and it finds its input closed.
    QStringList left = processesWith(database_);
    for (int i = 0; i < 600 && !left.isEmpty(); ++i) {
        ::usleep(100000);
        left = processesWith(database_);
    }
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
    EXPECT_EQ(temporaryAccounts(Fixtures::seeded(), Fixtures::seededPassword()), "NULL");
}

}  // namespace

// Ctrl-C from a terminal (SIGINT to the whole job), SIGTERM, SIGHUP and a sudden SIGKILL at
// random moments of an import of single-row statements: the table always holds what a
// prefix of whole statements makes, and 3 s later no process of the import is left, here or
// in the container.
TEST_F(ImportTest, SignalsAtAnyMomentLeaveAPrefixAndNoProcess) {
    // Larger than every buffer between here and the server, so signals find statements in flight.
    const PrefixStates states(400000, 7);
    const QString dump = writeFile("statements.sql", states.dump());
    std::mt19937 random(20261209);
    const struct {
        int number;
        bool wholeJob;
    } signals[] = {{SIGINT, true},   {SIGINT, true}, {SIGINT, true},   {SIGTERM, true},
                   {SIGTERM, false}, {SIGHUP, true}, {SIGKILL, false}, {SIGKILL, false}};
    for (const auto& signal : signals) {
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                      "DROP TABLE IF EXISTS " + database_ + ".t; " + PrefixStates::tableSql(database_));
        CliRun cli(settingsFolder(),
                   {"import", dump, "--container", Fixtures::seeded(), "--database", database_, "--yes"});
        ASSERT_TRUE(cli.readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }))
            << cli.err().toStdString();
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + random() % 1500));
        // This import's own watchdog; other imports on the machine have theirs.
        const QStringList guards = childrenWith(cli.pid(), "tarnwell-guard");
        CliResult result;
        if (signal.number == SIGKILL) {
            cli.kill();
        } else {
            signal.wholeJob ? cli.signalGroup(signal.number) : cli.signal(signal.number);
            result = cli.finish();
            EXPECT_TRUE(result.status == 130 || result.status == 0) << result.status << result.err.toStdString();
        }
        expectNothingLeft(guards, signal.number);
        const QString container = Fixtures::seeded();
        const auto prefix =
            states.prefixOf(Fixtures::sql(container, Fixtures::seededPassword(), PrefixStates::rowsSql(database_)));
        EXPECT_TRUE(prefix.has_value()) << "signal " << signal.number << " left a state no prefix makes";
        std::printf("signal %d: %d of %d statements\n", signal.number, prefix.value_or(-1), states.statementCount());
    }
}

// Rows spread over several sessions, stopped by a signal at random moments: each table holds whole
// batches from its first on, a table's rows begin only once the table before has all of its own,
// and nothing of the import is left.
TEST_F(ImportTest, SignalsInSpreadRowsLeaveWholeBatchesInOrder) {
    constexpr int kRows = 40000;
    constexpr int kBatch = 500;
    QByteArray text;
    for (const char* table : {"a", "b"}) {
        text += QByteArray("DROP TABLE IF EXISTS `") + table + "`;\nCREATE TABLE `" + table +
                "` (`id` int PRIMARY KEY, `v` varchar(40)) ENGINE=InnoDB;\n";
        for (int id = 1; id <= kRows; ++id)
            text += QByteArray("INSERT INTO `") + table + "` VALUES (" + QByteArray::number(id) + ",'row " +
                    QByteArray::number(id) + "');\n";
    }
    const QString dump = writeFile("spread.sql", text);
    std::mt19937 random(20261210);
    const struct {
        int number;
        bool wholeJob;
    } signals[] = {{SIGINT, true}, {SIGTERM, false}, {SIGKILL, false}, {SIGKILL, false}};
    const QString container = Fixtures::seeded();
    for (const auto& signal : signals) {
        Fixtures::sql(container, Fixtures::seededPassword(), "DROP TABLE IF EXISTS " + database_ + ".a, " + database_ + ".b");
        CliRun cli(settingsFolder(), {"import", dump, "--container", container, "--database", database_, "--jobs", "3",
                                      "--commit-every", QString::number(kBatch), "--yes"});
        ASSERT_TRUE(cli.readUntil([](const CliRun& run) { return run.err().contains("MYSQL_PWD=***"); }))
            << cli.err().toStdString();
        std::this_thread::sleep_for(std::chrono::milliseconds(500 + random() % 3000));
        const QStringList guards = childrenWith(cli.pid(), "tarnwell-guard");
        if (signal.number == SIGKILL) {
            cli.kill();
        } else {
            signal.wholeJob ? cli.signalGroup(signal.number) : cli.signal(signal.number);
            const CliResult result = cli.finish();
            EXPECT_TRUE(result.status == 130 || result.status == 0) << result.status << result.err.toStdString();
        }
        expectNothingLeft(guards, signal.number);
        QList<int> kept;
        for (const char* table : {"a", "b"}) {
            const QString exists = Fixtures::sql(container, Fixtures::seededPassword(),
                                                 "SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA='" +
                                                     database_ + "' AND TABLE_NAME='" + table + "'");
            if (exists != "1") {
                kept << -1;
                continue;
            }
            const QStringList rows = Fixtures::sql(container, Fixtures::seededPassword(),
                                                   "SELECT COUNT(*), COALESCE(MAX(id), 0) FROM " + database_ + '.' + table)
                                         .split('\t');
            ASSERT_EQ(rows.size(), 2);
            EXPECT_EQ(rows[0], rows[1]) << table << ": a batch is missing before the last one kept";
            EXPECT_TRUE(rows[0].toInt() % kBatch == 0 || rows[0].toInt() == kRows) << table << ": " << rows[0].toStdString();
            kept << rows[0].toInt();
        }
        if (kept[1] > 0) {
            EXPECT_EQ(kept[0], kRows) << "b's rows began before a had all of its own";
        }
        std::printf("signal %d: a %d, b %d rows\n", signal.number, kept[0], kept[1]);
    }
}

// What a user may hand over instead of a dump: each ends with its own clear words and the
// exit status of its kind, and a name that is only unusual imports as any other.
TEST_F(ImportTest, BadInputEndsWithAClearMessage) {
    const QByteArray sql = "CREATE TABLE g (x INT);\nINSERT INTO g VALUES (1);\n";
    const QByteArray packed = DockerClient::run("/usr/bin/gzip", {"-c", writeFile("g.sql", sql)}, {}).stdoutBytes;
    const QString folder = dir_.filePath("folder");
    QDir().mkpath(folder);
    const QString loop = dir_.filePath("loop1");
    QFile::link(dir_.filePath("loop2"), loop);
    QFile::link(loop, dir_.filePath("loop2"));
    // Bytes that are not UTF-8 in the name: the argument cannot carry it back.
    const QByteArray oddName = QFile::encodeName(dir_.path()) + "/odd\xff\xfe.sql";
    ::close(::open(oddName.constData(), O_CREAT | O_WRONLY, 0644));
    const struct {
        QString file;
        int status;
        QString says;  // in the last line of standard error, or of standard output when it succeeds
    } cases[] = {
        {folder, 2, "Could not read the dump: Is a directory"},
        {"/dev/zero", 1, L10n::render("notRegularFile", {"/dev/zero"})},
        {loop, 2, "Too many levels of symbolic links"},
        {QString::fromLocal8Bit(oddName), 2, "is not valid UTF-8"},
        {writeFile("empty.sql", {}), 0, "Import finished in "},
        {writeFile("garbage.sql", QByteArray(4096, '\0') + "\x89PNG"), 1, "holds a NUL byte"},
        // All SQL decodes, then gzip finds the end missing: no finished import.
        {writeFile("cut-trailer.sql.gz", packed.left(packed.size() - 8)), 1,
         L10n::render("fileDamaged", {QString("gzip: unexpected end of file")})},
        {writeFile("cut.sql.gz", packed.left(20)), 1,
         L10n::render("fileDamaged", {QString("gzip: unexpected end of file")})},
        {writeFile("with space.sql", "SELECT 1;\n"), 0, "Import finished in "},
        {writeFile("new\nline.sql", "SELECT 1;\n"), 0, "Import finished in "},
        {writeFile("-dash.sql", "SELECT 1;\n"), 0, "Import finished in "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP TABLE IF EXISTS " + database_ + ".g");
        const CliResult result =
            run({"import", "--container", Fixtures::seeded(), "--database", database_, "--yes", "--", c.file});
        EXPECT_EQ(result.status, c.status) << result.err.toStdString();
        const QString last = (c.status == 0 ? result.out : result.err).trimmed().section('\n', -1);
        EXPECT_TRUE(last.contains(c.says)) << last.toStdString();
        if (c.status != 0) {
            EXPECT_FALSE(result.out.contains("Import finished"));
        }
    }
}

namespace {

// Three tables as a dump tool writes them, a view over the second and a trigger on the first
// that writes into the second.
QByteArray threeTables() {
    QByteArray dump = "/*!40101 SET NAMES utf8mb4 */;\n";
    for (const char* name : {"keep_a", "left_b", "keep_c"}) {
        const QByteArray table(name);
        dump += "DROP TABLE IF EXISTS `" + table + "`;\nCREATE TABLE `" + table +
                "` (`id` int NOT NULL, PRIMARY KEY (`id`)) ENGINE=InnoDB;\nLOCK TABLES `" + table +
                "` WRITE;\n/*!40000 ALTER TABLE `" + table + "` DISABLE KEYS */;\nINSERT INTO `" + table +
                "` VALUES (1),(2),(3);\n/*!40000 ALTER TABLE `" + table + "` ENABLE KEYS */;\nUNLOCK TABLES;\n";
    }
    return dump + "DELIMITER ;;\nCREATE TRIGGER `a_to_b` AFTER INSERT ON `keep_a` FOR EACH ROW "
                  "INSERT INTO left_b VALUES (NEW.id + 100) ;;\nDELIMITER ;\n"
                  "CREATE VIEW `over_b` AS SELECT `id` FROM `left_b`;\n"
                  "CREATE VIEW `over_c` AS SELECT `id` FROM `keep_c`;\n";
}

}  // namespace

// The user's choice of tables: the tables left out are neither dropped, created nor filled, the
// target's own table of that name keeps its rows, and views and triggers that name one stay out.
TEST_F(ImportTest, ChosenTablesLoadAndTheOthersAreLeftAlone) {
    const QString seeded = Fixtures::seeded(), password = Fixtures::seededPassword();
    const QString dump = writeFile("three.sql", threeTables());
    const auto state = [&] {
        return Fixtures::sql(seeded, password,
                             "SELECT GROUP_CONCAT(CONCAT(TABLE_NAME, ':', TABLE_TYPE) ORDER BY TABLE_NAME) FROM "
                             "information_schema.TABLES WHERE TABLE_SCHEMA = '" + database_ + "'") +
               " triggers " +
               Fixtures::sql(seeded, password,
                             "SELECT COUNT(*) FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA = '" + database_ +
                                 "'");
    };
    Fixtures::sql(seeded, password, "CREATE TABLE " + database_ + ".left_b (id INT); INSERT INTO " + database_ +
                                        ".left_b VALUES (42)");
    for (const QStringList& choice : {QStringList{"--exclude-tables", "left_b"}, QStringList{"--tables", "keep_a, keep_c"}}) {
        Fixtures::sql(seeded, password, "DROP TABLE IF EXISTS " + database_ + ".keep_a, " + database_ + ".keep_c");
        const CliResult result = run(QStringList{"import", dump, "--container", seeded, "--database", database_,
                                                 "--yes"} + choice);
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8("Tables left out, as chosen: “left_b”."))) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("Line 9: table left_b is left out, as chosen; its statements are skipped."))
            << result.err.toStdString();
        EXPECT_EQ(result.err.count("a view or trigger that names table left_b is left out"), 2) << result.err.toStdString();
        EXPECT_EQ(state(), "keep_a:BASE TABLE,keep_c:BASE TABLE,left_b:BASE TABLE,marker:BASE TABLE,over_c:VIEW "
                           "triggers 0");
        EXPECT_EQ(Fixtures::sql(seeded, password, "SELECT GROUP_CONCAT(id) FROM " + database_ + ".left_b"), "42");
        EXPECT_EQ(Fixtures::sql(seeded, password, "SELECT COUNT(*) FROM " + database_ + ".over_c"), "3");
        Fixtures::sql(seeded, password, "DROP VIEW " + database_ + ".over_c");
    }
    // A name the dump, read through, does not hold stops before anything runs.
    const CliResult typo = run({"import", dump, "--container", seeded, "--database", database_, "--yes", "--tables",
                                "keep_a,kep_c"});
    EXPECT_EQ(typo.status, 2);
    EXPECT_TRUE(typo.err.contains("The dump holds no table kep_c.")) << typo.err.toStdString();
    const CliResult listed = run({"inspect", dump});
    const QRegularExpression sized("keep_a \\([^)]+\\), left_b \\([^)]+\\), keep_c \\([^)]+\\)\n");
    EXPECT_TRUE(listed.out.contains(sized)) << listed.out.toStdString();
}
