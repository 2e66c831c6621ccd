#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <system_error>

#include "docker/DockerClient.h"
#include "dump/DumpInspection.h"
#include "dump/DumpReadThrough.h"
#include "dump/DumpText.h"

static void PrintTo(const DumpPreview& preview, std::ostream* out) {
    *out << preview.byteCount << (preview.compressed ? " gz" : " plain")
         << (preview.containsDropTable ? " drop " : " - ")
         << preview.mentionedDatabase.value_or("(none)").toStdString();
}

namespace {

const DockerClient kClient{QStringLiteral("/usr/bin/docker"), QStringLiteral("/usr/bin/gzip")};

QByteArray gzipped(const QByteArray& text) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("in"));
    plain.open(QIODevice::WriteOnly);
    plain.write(text);
    plain.close();
    return DockerClient::run("/usr/bin/gzip", {"-c", plain.fileName()}, DockerClient::processEnvironment()).stdoutBytes;
}

QByteArray filler(qsizetype size) { return QByteArray(size, 'a'); }

// Two small tables, a trigger with a definer, and one table whose single INSERT is far longer
// than a statement's head.
QByteArray dumpFileForScan() {
    QByteArray dump = "-- a dump\nDROP TABLE IF EXISTS customers;\nCREATE TABLE customers (id INT, name TEXT);\n"
                      "INSERT INTO customers VALUES (1,'a;b'),(2,'c\\'d');\n"
                      "DROP TABLE IF EXISTS `orders`;\nCREATE TABLE `orders` (id INT);\n"
                      "DELIMITER ;;\nCREATE DEFINER=`app`@`%` TRIGGER t BEFORE INSERT ON orders FOR EACH ROW "
                      "BEGIN SET NEW.id = NEW.id; END ;;\nDELIMITER ;\n"
                      "DROP TABLE IF EXISTS big;\nCREATE TABLE big (x TEXT);\nINSERT INTO big VALUES ";
    for (int i = 0; i < 4000; ++i) dump += (i ? ",('" : "('") + QByteArray(100, char('a' + i % 26)) + "')";
    dump += ";\nINSERT INTO customers VALUES (3,'e');\n";
    return dump;
}

}  // namespace

TEST(DumpInspection, PreviewsOfFiles) {
    const QByteArray longText = "USE `shop`;\n" + filler(300000) + "\nDROP TABLE x;\n";
    const struct {
        const char* name;
        QByteArray content;
        DumpPreview expected;
    } cases[] = {
        {"empty.sql", "", {0, false, false, std::nullopt, {}}},
        {"dump.sql", QByteArray("\x1f\x8b", 2) + "12345678", {10, true, false, std::nullopt, {}}},
        // The content decides, not the name.
        {"dump.sql.GZ", "USE `shop`; DROP TABLE t;", {25, false, true, QString("shop"), {}}},
        {"late-drop.sql", longText, {qint64(longText.size()), false, false, QString("shop"), {}}},
        {"late-drop.sql.gz", gzipped(longText), {0, true, false, QString("shop"), {}}},
        {"gzip-named.sql", gzipped("DROP TABLE IF EXISTS `activity`;"), {0, true, true, std::nullopt, {}}},
        {"version-comment.sql",
         "CREATE DATABASE /*!32312 IF NOT EXISTS*/ `other` /*!40100 DEFAULT CHARACTER SET utf8mb4 */;\n\nUSE `shop`;",
         {0, false, false, QString("shop"), {}}},
        {"first-wins.sql",
         "create database if not exists `crm2`;\nUSE other;\n",
         {0, false, false, QString("crm2"), {}}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        DumpPreview expected = c.expected;
        expected.byteCount = c.content.size();
        expected.path = path;
        DumpPreview found = DumpInspection::peekDump(kClient, path);
        // The scan has tests of its own; here it must have seen the text, whole when it is small.
        EXPECT_EQ(found.scan.complete, found.scan.scannedBytes < DumpInspection::kSampleLimit) << c.name;
        EXPECT_EQ(found.compressionName, expected.compressed ? "gzip" : "") << c.name;
        // The file was written just now.
        EXPECT_GT(found.modifiedNs, (QDateTime::currentSecsSinceEpoch() - 600) * qint64(1000000000)) << c.name;
        found.scan = {};
        found.compressionName.clear();
        found.modifiedNs = 0;
        EXPECT_EQ(found, expected) << c.name;
        // gzip was stopped and reaped: no child of ours is left.
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << c.name;
        EXPECT_EQ(errno, ECHILD) << c.name;
    }
}

TEST(DumpInspection, MissingFileFailsWithTheSystemError) {
    try {
        DumpInspection::peekDump(kClient, QDir::temp().filePath("tarnwell-no-such-dump.sql"));
        ADD_FAILURE() << "no error";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ENOENT);
    }
}

TEST(DumpText, DecodingNeverFails) {
    // The sample cut falls inside "é": the broken character becomes U+FFFD, the rest stays.
    const QString cut = DumpText::decode(filler(DumpInspection::kSampleLimit - 1) + "\xc3");
    EXPECT_EQ(cut.size(), DumpInspection::kSampleLimit);
    EXPECT_EQ(cut.back(), QChar(0xFFFD));
    EXPECT_EQ(cut.front(), QChar('a'));
    EXPECT_EQ(DumpText::decode("caf\xc3\xa9 \xff!"), QString::fromUtf8("café \xef\xbf\xbd!"));
}

TEST(DumpText, DropTableAndMentionedDatabase) {
    const struct {
        const char* text;
        bool drop;
        std::optional<QString> database;
    } cases[] = {
        {"drop table t; Use crm;", true, "crm"},
        {"-- Drop Table in a comment", true, std::nullopt},
        {"DROP  TABLE t", false, std::nullopt},
        {"DROP\nTABLE t", false, std::nullopt},
        {"-- use the following", false, "the"},
        {"USE `my-db`;", false, "my"},
        {"USE \"quoted\";", false, std::nullopt},
        {"reuse shop; USE\n\t`shop`", false, "shop"},
        {"CREATE\n DATABASE  IF NOT\tEXISTS crm_2;", false, "crm_2"},
        {"", false, std::nullopt},
        {"USE \xe2\x84\xaa;", false, std::nullopt},
        {"use \xc5\xbfhop; use Shop", false, "Shop"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DumpText::containsDropTable(c.text), c.drop) << c.text;
        EXPECT_EQ(DumpText::mentionedDatabase(c.text), c.database) << c.text;
    }
}

// Read in chunks of any size, a dump scans as it does whole; a long statement's facts come from
// its head, and its bytes still count for its table. A damaged compressed file is not complete.
TEST(DumpReadThrough, ChunksOfAnySizeScanAlikeAndCompressedFilesToo) {
    QByteArray dump = dumpFileForScan();
    const DumpScan whole = DumpScanning::scan(dump, true);
    EXPECT_EQ(whole.tableNames, (QList<QByteArray>{"customers", "orders", "big"}));
    EXPECT_EQ(whole.droppedTables, (QList<QByteArray>{"customers", "orders", "big"}));
    EXPECT_EQ(whole.definers, QList<QByteArray>{"app@%"});
    EXPECT_GT(whole.tableBytes.value("big"), 300000);
    for (const qsizetype step : {1, 7, 4096, 1 << 20}) {
        DumpScanning::Scanner scanner;
        for (qsizetype at = 0; at < dump.size(); at += step)
            scanner.feed(QByteArrayView(dump).sliced(at, std::min(step, dump.size() - at)));
        EXPECT_EQ(scanner.finish(true), whole) << step;
    }

    QTemporaryDir dir;
    QFile file(dir.filePath("long.sql.gz"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(gzipped(dump));
    file.close();
    qint64 seen = 0;
    const auto scanned = DumpReadThrough::scanWhole(kClient, file.fileName(), [&](qint64 bytes) {
        seen = bytes;
        return true;
    });
    ASSERT_TRUE(scanned.has_value());
    EXPECT_EQ(*scanned, whole);
    EXPECT_EQ(seen, dump.size());
    // Stopped on the way: nothing.
    EXPECT_FALSE(DumpReadThrough::scanWhole(kClient, file.fileName(), [](qint64) { return false; }).has_value());
    // Cut in half, as a download that stopped: what could be read, not complete.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    const auto cut = DumpReadThrough::scanWhole(kClient, file.fileName(), [](qint64) { return true; });
    ASSERT_TRUE(cut.has_value());
    EXPECT_FALSE(cut->complete);
    EXPECT_TRUE(cut->tableNames.contains("customers"));
}
