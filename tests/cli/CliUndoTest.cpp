// The copy saved before an import replaces tables, and undo with it: the database ends as it was
// before the import, table for table; a copy that cannot be saved stops the import before it starts.
#include <QDir>
#include <QFileInfo>

#include <sys/mount.h>
#include <unistd.h>

#include "CliHarness.h"
#include "docker/DockerClient.h"
#include "support/Fixtures.h"

namespace {

class UndoTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        source_ = unique("undosrc_");
        target_ = unique("undo_");
        // What the target holds before: two tables the dump replaces, a view over one, and one it leaves alone.
        sql("CREATE DATABASE " + target_ + "; USE " + target_ +
            "; CREATE TABLE a (id INT PRIMARY KEY, v VARCHAR(40), KEY (v)) ENGINE=InnoDB;"
            " INSERT INTO a SELECT seq, MD5(seq) FROM seq_1_to_5000;"
            " CREATE TABLE b (id INT PRIMARY KEY, n INT) ENGINE=InnoDB; INSERT INTO b SELECT seq, seq * 3 FROM seq_1_to_300;"
            " CREATE TRIGGER b_keep BEFORE INSERT ON b FOR EACH ROW SET NEW.n = NEW.n + 1;"
            " CREATE TABLE kept (id INT PRIMARY KEY) ENGINE=InnoDB; INSERT INTO kept VALUES (1), (2)");
        // The dump, by the server's own dump program: other rows in a and b, and a table c the target lacks.
        sql("CREATE DATABASE " + source_ + "; USE " + source_ +
            "; CREATE TABLE a (id INT PRIMARY KEY, v VARCHAR(40), KEY (v)) ENGINE=InnoDB;"
            " INSERT INTO a SELECT seq, CONCAT('new', seq) FROM seq_1_to_700;"
            " CREATE TABLE b (id INT PRIMARY KEY, n INT) ENGINE=InnoDB; INSERT INTO b VALUES (1, 1);"
            " CREATE TABLE c (id INT PRIMARY KEY) ENGINE=InnoDB; INSERT INTO c VALUES (9)");
        QProcessEnvironment environment = DockerClient::processEnvironment();
        environment.insert("MYSQL_PWD", Fixtures::seededPassword());
        const CommandResult dumped = DockerClient::run(
            DockerClient::resolve().docker,
            {"exec", "-e", "MYSQL_PWD", Fixtures::seeded(), "mariadb-dump", "-uroot", "--triggers", source_},
            environment);
        ASSERT_EQ(dumped.status, 0) << dumped.stderrBytes.toStdString();
        dump_ = writeFile("source.sql", dumped.stdoutBytes);
        before_ = fingerprint();
    }
    void TearDown() override {
        if (!mounted_.isEmpty()) ::umount2(mounted_.toLocal8Bit().constData(), MNT_DETACH);
        sql("DROP DATABASE IF EXISTS " + source_ + "; DROP DATABASE IF EXISTS " + target_);
    }

    static QString sql(const QString& statements) {
        return Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), statements);
    }
    // The tables, their checksums and the trigger: what undo must give back.
    QString fingerprint() const {
        QString tables =
            sql("SELECT GROUP_CONCAT(TABLE_NAME ORDER BY TABLE_NAME) FROM information_schema.TABLES "
                "WHERE TABLE_SCHEMA='" +
                target_ + "'");
        QString sums;
        for (const QString& table : tables.split(','))
            sums += sql("CHECKSUM TABLE " + target_ + '.' + table).replace(target_ + '.', QString()) + '\n';
        return tables + '\n' + sums +
               sql("SELECT GROUP_CONCAT(TRIGGER_NAME) FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA='" +
                   target_ + "'");
    }
    QStringList importArguments() const {
        return {"import", dump_, "--container", Fixtures::seeded(), "--database", target_, "--yes"};
    }
    QStringList undoArguments() const {
        return {"undo", "--container", Fixtures::seeded(), "--database", target_, "--yes"};
    }
    QString copiesFolder() const { return settingsFolder() + "/.local/share/Tarnwell/backups"; }
    QStringList copies(const QString& folder) const {
        return QDir(folder).entryList({"*.sql.zst", "*.json"}, QDir::Files, QDir::Name);
    }

    QString source_;
    QString target_;
    QString dump_;
    QString before_;
    QString mounted_;
};

TEST_F(UndoTest, UndoAfterAnImportThatReplacedTwoTablesGivesTheEarlierFingerprint) {
    const CliResult imported = run(importArguments());
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("saves a copy of the tables it may change")) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(": a, b.")) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("Copy saved")) << imported.err.toStdString();
    ASSERT_NE(fingerprint(), before_);

    // Only its owner may read the copy.
    const QStringList saved = copies(copiesFolder());
    ASSERT_EQ(saved.size(), 2) << saved.join(' ').toStdString();
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(copiesFolder()).permissions() & others);
    for (const QString& name : saved)
        EXPECT_FALSE(QFileInfo(copiesFolder() + '/' + name).permissions() & others) << name.toStdString();

    const CliResult undone = run(undoArguments());
    ASSERT_EQ(undone.status, 0) << undone.err.toStdString();
    EXPECT_TRUE(undone.err.contains("This undoes the import of source.sql into “" + target_ + "”"))
        << undone.err.toStdString();
    EXPECT_TRUE(undone.err.contains("The tables that import made are removed: c.")) << undone.err.toStdString();
    // The copy goes through the import's own path: the temporary account, the sandboxed client.
    EXPECT_TRUE(undone.err.contains("Importing as the temporary account")) << undone.err.toStdString();
    EXPECT_EQ(fingerprint(), before_);
    // Undo makes no copy of its own.
    EXPECT_EQ(copies(copiesFolder()).size(), 2);
}

TEST_F(UndoTest, WithoutACopyThereIsNothingToUndo) {
    const CliResult imported = run(importArguments() << "--no-copy");
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("No copy is saved first, so the import cannot be undone."))
        << imported.err.toStdString();
    EXPECT_TRUE(copies(copiesFolder()).isEmpty());
    const QString after = fingerprint();

    const CliResult undone = run(undoArguments());
    EXPECT_EQ(undone.status, 2);
    EXPECT_TRUE(undone.err.contains("There is no saved copy of “" + target_ + "”")) << undone.err.toStdString();
    EXPECT_EQ(fingerprint(), after);
}

TEST_F(UndoTest, ACopyThatCannotBeSavedStopsTheImportBeforeItStarts) {
    // A real full disk: a tmpfs far smaller than the copy.
    const QString small = dir_.filePath("small");
    QDir().mkpath(small);
    if (::geteuid() != 0 || ::mount("tmpfs", small.toLocal8Bit().constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    mounted_ = small;

    CliRun cli(settingsFolder(), importArguments(), {}, {"XDG_DATA_HOME=" + small});
    const CliResult refused = cli.finish();
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("The copy of the tables could not be saved, so the import did not start and “" +
                                     target_ + "” is as it was"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("No space left on device")) << refused.err.toStdString();
    EXPECT_EQ(fingerprint(), before_);
    // Nothing half-written is left, and nothing is listed.
    EXPECT_TRUE(copies(small + "/Tarnwell/backups").isEmpty())
        << copies(small + "/Tarnwell/backups").join(' ').toStdString();
}

}  // namespace
