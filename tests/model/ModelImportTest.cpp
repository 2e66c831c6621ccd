#include <QTimer>
#include <qcoro/qcorotask.h>

#include "ModelHarness.h"
#include "docker/DockerClient.h"
#include "support/Fixtures.h"
#include "support/ModelSteps.h"

namespace {

class ImportTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                      "DROP DATABASE IF EXISTS model_target; CREATE DATABASE model_target");
    }
    void TearDown() override {
        Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP DATABASE IF EXISTS model_target");
        ModelTest::TearDown();
    }

    // A model with the seeded fixture selected, the target pinned and the dump taken.
    void prepare(AppModel& model, const QString& dump) {
        refreshAndSelect(model, Fixtures::seeded());
        model.pinDatabase("model_target");
        model.setDump(dump);
        waitUntil([&] { return model.dumpPreview().has_value(); });
        ASSERT_FALSE(model.importBlockedReason().has_value()) << model.importBlockedReason()->toStdString();
    }

    static QByteArray rows(int count) {
        QByteArray text = "CREATE TABLE big (id INT PRIMARY KEY, payload VARCHAR(200));\n";
        const QByteArray payload(180, 'x');
        for (int i = 0; i < count; ++i) {
            text += "INSERT INTO big VALUES (" + QByteArray::number(i) + ",'" + payload + "');\n";
        }
        return text;
    }
};

TEST_F(ImportTest, ASuccessfulImportLogsItsStepsAndLandsTheRows) {
    AppModel model;
    prepare(model, writeFile("small.sql", "CREATE TABLE t (x INT);\nINSERT INTO t VALUES (1),(2),(3);\n"));
    confirmAndStart(model);
    EXPECT_TRUE(model.phase().isRunning());
    waitForImportEnd(model);

    ASSERT_EQ(model.phase().kind(), AppModel::Phase::Kind::success);
    const QStringList log = model.logLines();
    ASSERT_GE(log.size(), 5);
    EXPECT_EQ(log[0], "Import into model_target on " + Fixtures::seeded());
    EXPECT_EQ(log[1], *model.dumpURL());
    EXPECT_TRUE(log[2].contains("unique_checks=0")) << log[2].toStdString();
    EXPECT_TRUE(log[3].contains("MYSQL_PWD=***")) << log[3].toStdString();
    EXPECT_TRUE(log[3].contains(" --sandbox ")) << "the probe found the sandbox; the import must use it";
    EXPECT_FALSE(log.join('\n').contains(Fixtures::seededPassword()));
    EXPECT_TRUE(log.last().startsWith("Finished in ")) << log.last().toStdString();
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "SELECT COUNT(*) FROM model_target.t"),
              "3");
    // The list is read again after the import: the target now shows its table.
    waitUntil([&] {
        return std::any_of(model.databases().begin(), model.databases().end(),
                           [](const MysqlDatabase& d) { return d.name == "model_target" && d.tables == 1; });
    });
}

TEST_F(ImportTest, AFailureShowsItsMessageInPhaseBannerAndLog) {
    AppModel model;
    prepare(model, writeFile("broken.sql", "CREATE TABLE t (x INT);\nINSERT INTO missing_table VALUES (1);\n"));
    confirmAndStart(model);
    waitForImportEnd(model);
    ASSERT_EQ(model.phase().kind(), AppModel::Phase::Kind::failed);
    EXPECT_TRUE(model.phase().message().contains("missing_table")) << model.phase().message().toStdString();
    EXPECT_EQ(model.errorMessage(), model.phase().message());
    EXPECT_EQ(model.logLines().last(), model.phase().message().trimmed());
}

TEST_F(ImportTest, TheLogKeepsItsHeadAndTheNewestLinesWithin400) {
    QByteArray selects;
    for (int i = 1; i <= 450; ++i) selects += "SELECT " + QByteArray::number(i) + ";\n";
    AppModel model;
    prepare(model, writeFile("chatty.sql", selects));
    confirmAndStart(model);
    waitForImportEnd(model);
    ASSERT_EQ(model.phase().kind(), AppModel::Phase::Kind::success);
    const QStringList log = model.logLines();
    EXPECT_EQ(log.size(), 400);
    // What the log is about stays on top; the middle goes, and one line counts it.
    EXPECT_EQ(log.first(), "Import into model_target on " + Fixtures::seeded());
    const qsizetype head = model.logHead().size();
    EXPECT_TRUE(log.at(head).startsWith(QString::fromUtf8("… ")) &&
                log.at(head).endsWith(QString::fromUtf8(" lines left out …")))
        << log.at(head).toStdString();
    const qint64 leftOut = log.at(head).section(' ', 1, 1).toLongLong();
    EXPECT_GT(leftOut, 0);
    EXPECT_FALSE(log.contains("1"));  // the first answers went
    EXPECT_TRUE(log.contains("450"));
}

TEST_F(ImportTest, CancellingStopsTheImportWhileTheWindowStaysResponsive) {
    AppModel model;
    prepare(model, writeFile("large.sql", rows(400000)));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);

    confirmAndStart(model);
    waitUntil([&] { return model.phase().isRunning() && model.phase().progress().bytesRead > 0; });
    const int ticksBefore = ticks;
    QTest::qWait(300);
    EXPECT_GT(ticks, ticksBefore) << "the main thread stopped processing events during the import";

    model.cancelImport();
    model.cancelImport();
    waitForImportEnd(model);
    EXPECT_EQ(model.phase().kind(), AppModel::Phase::Kind::cancelled);
    EXPECT_EQ(model.logLines().last(), "Cancelled.");
    model.cancelImport();  // nothing runs any more
    EXPECT_EQ(model.phase().kind(), AppModel::Phase::Kind::cancelled);
}

// The confirmation names container, database, file and compression; the import starts only
// into what it named. A change in between (a click, a refresh, a new dump) asks again.
TEST_F(ImportTest, AnImportStartsOnlyIntoWhatItsConfirmationNamed) {
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                  "DROP DATABASE IF EXISTS model_other; CREATE DATABASE model_other");
    AppModel model;
    prepare(model, writeFile("small.sql", "CREATE TABLE t (x INT);\nINSERT INTO t VALUES (1),(2),(3);\n"));

    model.startImport();  // no confirmation was shown: it is asked for instead
    EXPECT_FALSE(model.isImportRunning());
    EXPECT_TRUE(model.confirmImport());
    model.setConfirmImport(false);

    model.requestImport();
    EXPECT_TRUE(model.confirmMessage().contains("model_target"));
    model.pinDatabase("model_other");  // while the confirmation is open
    EXPECT_TRUE(model.confirmMessage().contains("model_target")) << "the open confirmation changed its words";
    model.setConfirmImport(false);
    model.startImport();
    EXPECT_FALSE(model.isImportRunning());
    ASSERT_TRUE(model.confirmImport());
    EXPECT_TRUE(model.confirmMessage().contains("model_other")) << model.confirmMessage().toStdString();

    model.setConfirmImport(false);
    model.startImport();
    waitForImportEnd(model);
    EXPECT_EQ(model.phase().kind(), AppModel::Phase::Kind::success);
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "SELECT COUNT(*) FROM model_other.t"), "3");
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(),
                            "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = 'model_target'"),
              "0");
    Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "DROP DATABASE model_other");
}

// A preview belongs to the file it was made from: a new dump has none until it is
// inspected, and the import reads compression from the file itself.
TEST_F(ImportTest, APreviewOfAnotherFileIsNeverUsed) {
    AppModel model;
    const QString dropping = writeFile("drops.sql", "DROP TABLE IF EXISTS t;\nCREATE TABLE t (x INT);\n");
    prepare(model, writeFile("first.sql.gz", DockerClient::run("/usr/bin/gzip", {"-c", dropping}, {}).stdoutBytes));
    ASSERT_TRUE(model.dumpPreview()->compressed);
    ASSERT_TRUE(model.dumpPreview()->containsDropTable);

    const QString second = writeFile("second.sql", "CREATE TABLE t (x INT);\nINSERT INTO t VALUES (4);\n");
    model.setDump(second);
    // A small file may be inspected before setDump returns; then the preview is its own.
    if (const auto preview = model.dumpPreview()) {
        EXPECT_EQ(preview->path, second);
        EXPECT_FALSE(preview->compressed);
        EXPECT_FALSE(preview->containsDropTable);
    }
    model.requestImport();
    EXPECT_FALSE(model.confirmMessage().contains("contains DROP TABLE and replaces"))
        << model.confirmMessage().toStdString();
    model.setConfirmImport(false);
    model.startImport();
    if (model.confirmImport()) {  // the inspection finished in between: asked again, as it should
        model.setConfirmImport(false);
        model.startImport();
    }
    waitForImportEnd(model);
    EXPECT_EQ(model.phase().kind(), AppModel::Phase::Kind::success) << model.phase().message().toStdString();
    EXPECT_EQ(Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), "SELECT SUM(x) FROM model_target.t"), "4");
}

}  // namespace
