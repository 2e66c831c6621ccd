// Imports into a real MariaDB fixture that end early at chosen bytes, mid-statement above all:
// the table must always hold what some prefix of the dump's whole statements makes.
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "docker/DockerClient.h"
#include "import/ImportRunner.h"
#include "l10n/L10n.h"
#include "support/Fixtures.h"
#include "support/OutcomeEnd.h"
#include "support/PrefixStates.h"

namespace {

using namespace std::chrono_literals;

class ImportInterruption : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        database = QStringLiteral("cut_%1").arg(::getpid());
        plain = Fixtures::writeFile(dir.path(), "cut.sql", states.dump());
        // The runner decides by the content: this is gzip, and the stand-in plays gzip.
        compressed = Fixtures::writeFile(dir.path(), "cut.sql.gz",
                                         DockerClient::run("/usr/bin/gzip", {"-c", plain}, {}).stdoutBytes);
    }
    void TearDown() override { sql("DROP DATABASE IF EXISTS `" + database + "`"); }

    QString sql(const QString& statements) const {
        return Fixtures::sql(Fixtures::seeded(), Fixtures::seededPassword(), statements);
    }
    void resetTable() const {
        sql("DROP DATABASE IF EXISTS `" + database + "`; CREATE DATABASE `" + database + "`; " +
            PrefixStates::tableSql(database));
    }
    std::optional<int> prefixNow() const { return states.prefixOf(sql(PrefixStates::rowsSql(database))); }

    // A gzip stand-in that delivers the first `bytes` of the plain dump, then either fails
    // as a damaged stream does or stays silent until it is stopped.
    QString cutDecompressor(qint64 bytes, bool fail) const {
        const QString path = dir.filePath(QStringLiteral("gzip-%1-%2").arg(bytes).arg(fail));
        Fixtures::writeFile(
            dir.path(), QFileInfo(path).fileName(),
            QStringLiteral("#!/bin/sh\nhead -c %1 '%2'\n%3\n")
                .arg(bytes)
                .arg(plain, fail ? "echo 'gzip: stdin: invalid compressed data--format violated' >&2; exit 1"
                                 : "exec sleep 1000")
                .toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    ImportRequest request() const {
        ImportRequest request;
        request.fileURL = compressed;
        request.containerName = Fixtures::seeded();
        request.database = database;
        request.user = QStringLiteral("root");
        request.password = Fixtures::seededPassword();
        return request;
    }
    // Byte offsets inside and around statement k: before its WHERE, inside its number,
    // just before and after its semicolon.
    QList<qint64> offsetsAround(int k) const {
        const qint64 end = states.endOf(k);
        const qint64 start = k > 1 ? states.endOf(k - 1) + 1 : 0;
        const QByteArray statement = states.dump().mid(start, end - start);
        return {start + statement.indexOf(" WHERE"), end - 2, end - 1, end, end + 1};
    }

    PrefixStates states{4000, 20261209};
    QTemporaryDir dir;
    QString database, plain, compressed;
};

bool noChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

}  // namespace

// The decompressor fails after delivering part of a statement: the client must never see the
// end of its input while its session can still run the half it holds.
TEST_F(ImportInterruption, AFailingDecompressorNeverRunsTheCutStatement) {
    int cases = 0;
    for (const int k : {1, 7, 40, 123, 555}) {
        for (const qint64 bytes : offsetsAround(k)) {
            resetTable();
            ImportRunner runner;
            const ImportOutcome outcome = runner.run(
                request(), DockerClient{DockerClient::resolve().docker, cutDecompressor(bytes, true)}, {}, {});
            EXPECT_EQ(endOf(outcome), ImportOutcome::failed(L10n::render(
                                          "fileDamaged", {QString("gzip: invalid compressed data--format violated")})))
                << bytes;
            const auto prefix = prefixNow();
            ASSERT_TRUE(prefix.has_value()) << "cut at byte " << bytes << " left a state no prefix makes";
            EXPECT_LE(*prefix, states.wholeWithin(bytes)) << bytes;
            EXPECT_TRUE(noChildLeft());
            ++cases;
        }
    }
    EXPECT_GE(cases, 20);
}

// Cancel while the client holds a statement cut short: once the statements before it have run,
// the cancel must leave exactly them.
TEST_F(ImportInterruption, ACancelNeverRunsTheStatementTheClientHolds) {
    for (const int k : {3, 64, 301}) {
        for (const qint64 bytes : offsetsAround(k)) {
            resetTable();
            const int whole = states.runWithin(bytes);
            ImportRunner runner;
            // Resolved before the other thread starts: both would read the time zone at once.
            const DockerClient client{DockerClient::resolve().docker, cutDecompressor(bytes, false)};
            std::thread canceller([&] {
                // The whole statements have run: the rest of what arrived is held by the client.
                for (int attempt = 0; attempt < 400 && prefixNow() != whole; ++attempt)
                    std::this_thread::sleep_for(25ms);
                runner.cancel();
            });
            const ImportOutcome outcome = runner.run(request(), client, {}, {});
            canceller.join();
            EXPECT_EQ(endOf(outcome), ImportOutcome::cancelled()) << bytes;
            EXPECT_EQ(prefixNow(), whole) << "cut at byte " << bytes;
            EXPECT_TRUE(noChildLeft());
        }
    }
}
