#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <system_error>

#include "docker/DockerClient.h"
#include "dump/DumpInspection.h"
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
        found.scan = {};
        found.compressionName.clear();
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
