#include <QProcess>

#include <gtest/gtest.h>

#include "app/SelfCheck.h"
#include "docker/DockerParse.h"

namespace {

struct ProgramRun {
    int status;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment());  // no display, nothing inherited
    process.start(TARNWELL_BINARY, arguments);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(SelfCheckProgram, PrintsOkWhereverTheSwitchStands) {
    for (const QStringList& arguments : {QStringList{"--self-check"}, QStringList{"-x", "--self-check"},
                                         QStringList{"a", "b", "c", "d", "--self-check"}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.status, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "OK\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(SelfCheckProgram, SimilarSwitchesStartTheApplicationInstead) {
    // Without a display the application cannot start, which shows it was not the self-check.
    for (const char* similar : {"--self-check=1", "--SELF-CHECK"}) {
        const ProgramRun run = runProgram({similar});
        EXPECT_NE(run.out, "OK\n") << similar;
        EXPECT_NE(run.status, 0) << similar;
    }
}

TEST(SelfCheckVerdict, ReportsTheFirstFailureWithWhatWasFound) {
    auto subjects = SelfCheck::Subjects::real();
    subjects.displayPorts = [](const QString&) { return QStringLiteral("localhost:4308, localhost:4308"); };
    auto verdict = SelfCheck::evaluate(subjects);
    EXPECT_EQ(verdict.status, 1);
    EXPECT_EQ(verdict.standardError, "FAIL ports localhost:4308, localhost:4308\n");
    EXPECT_EQ(verdict.standardOutput, "");

    subjects = SelfCheck::Subjects::real();
    subjects.parseMysqlOutput = [](const QString& text) {
        auto info = DockerParse::parseMysqlOutput(text);
        std::stable_sort(
            info->databases.begin(), info->databases.end(),
            [](const MysqlDatabase& a, const MysqlDatabase& b) { return a.name == "mysql" && b.name != "mysql"; });
        return info;
    };
    verdict = SelfCheck::evaluate(subjects);
    EXPECT_EQ(verdict.standardError, "FAIL sort [\"mysql\", \"crm2\", \"legacy_tickets\"]\n");
}

TEST(SelfCheckVerdict, ListsAtMostFortyCatalogProblems) {
    auto subjects = SelfCheck::Subjects::real();
    subjects.catalogProblems = [] {
        QStringList problems;
        for (int i = 0; i < 45; ++i) problems << QStringLiteral("fr missing key%1").arg(i, 2, 10, QChar('0'));
        return problems;
    };
    const auto verdict = SelfCheck::evaluate(subjects);
    EXPECT_EQ(verdict.status, 1);
    const QStringList lines = verdict.standardError.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 40);
    EXPECT_EQ(lines.first(), "FAIL fr missing key00");
    EXPECT_EQ(lines.last(), "FAIL fr missing key39");
    EXPECT_EQ(verdict.standardOutput, "");
}

}  // namespace
