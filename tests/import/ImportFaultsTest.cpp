// Faults from outside during a real import: the container stopped, paused or removed, the
// local docker client killed, the server's disk full, the dump file changed. Each must end
// with a message that names the cause, no child left, and the target in a state that some
// prefix of the dump's whole statements makes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QUuid>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "docker/DockerClient.h"
#include "dump/DumpFixPlan.h"
#include "import/ImportRunner.h"
#include "import/ProgressText.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "support/Fixtures.h"
#include "support/OutcomeEnd.h"
#include "support/PrefixStates.h"
#include "support/QtPrinters.h"

static void PrintTo(const ImportOutcome& outcome, std::ostream* out) {
    *out << int(outcome.kind) << " \"" << outcome.message.toStdString() << '"';
}

namespace {

using namespace std::chrono_literals;

bool noChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

// Whether the condition holds within 20 s, asked every quarter of a second.
bool within20s(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 80; ++attempt) {
        if (condition()) return true;
        std::this_thread::sleep_for(250ms);
    }
    return condition();
}

CommandResult docker(const QStringList& arguments, const QString& password = {}) {
    QProcessEnvironment environment = DockerClient::processEnvironment();
    if (!password.isEmpty()) environment.insert("MYSQL_PWD", password);
    return DockerClient::run(DockerClient::resolve().docker, arguments, environment, 120000);
}

// A server of its own, for a test that stops, pauses or removes it; labelled with the run,
// so the fixtures' `down` removes it too should the test not get to.
struct ScratchServer {
    QString name;
    QString password = QUuid::createUuid().toString(QUuid::Id128);

    ScratchServer(const QString& role, const QStringList& runArguments) {
        name = QString("fault-%1-%2-%3").arg(role, Fixtures::name("RUN")).arg(::getpid());
        docker({"rm", "-f", "-v", name});
        const CommandResult started = docker(QStringList{"run", "-d", "--name", name, "--network", "none", "--label",
                                                         "tarnwell.test.run=" + Fixtures::name("RUN"), "-e",
                                                         "MARIADB_ROOT_PASSWORD=" + password} +
                                             runArguments + QStringList{Fixtures::name("IMAGE")});
        EXPECT_EQ(started.status, 0) << started.stderrBytes.toStdString();
    }
    ~ScratchServer() { docker({"rm", "-f", "-v", name}); }

    bool ready() const {
        for (int attempt = 0; attempt < 240; ++attempt) {
            if (docker({"exec", "-e", "MYSQL_PWD", name, "mariadb", "-uroot", "-e", "SELECT 1"}, password).status == 0)
                return true;
            std::this_thread::sleep_for(250ms);
        }
        return false;
    }
    QString sql(const QString& statements) const {
        const CommandResult result =
            docker({"exec", "-e", "MYSQL_PWD", name, "mariadb", "-uroot", "-N", "-B", "-e", statements}, password);
        EXPECT_EQ(result.status, 0) << result.stderrBytes.toStdString();
        return QString::fromUtf8(result.stdoutBytes).trimmed();
    }
};

class ImportFaults : public ::testing::Test {
protected:
    // The servers start together: each takes seconds to set up.
    static void SetUpTestSuite() {
        servers = new std::map<QString, std::unique_ptr<ScratchServer>>;
        for (const char* role : {"stop", "pause", "remove"})
            (*servers)[role] = std::make_unique<ScratchServer>(role, QStringList{});
        (*servers)["full"] =
            std::make_unique<ScratchServer>("full", QStringList{"--tmpfs", "/var/lib/mysql:size=160m"});
    }
    static void TearDownTestSuite() {
        delete servers;
        servers = nullptr;
    }
    static ScratchServer& server(const char* role) { return *servers->at(role); }

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    static void resetTable(const ScratchServer& target) {
        target.sql("DROP DATABASE IF EXISTS d; CREATE DATABASE d; " + PrefixStates::tableSql("d"));
    }
    // The server logs every statement it receives, so a statement cut short shows even
    // where the prefix of the rows cannot tell (a cut that fails, or changes nothing).
    static void logStatements(const ScratchServer& target, bool on) {
        target.sql(on ? "SET GLOBAL log_output = 'TABLE'; TRUNCATE mysql.general_log; SET GLOBAL general_log = 1"
                      : "SET GLOBAL general_log = 0");
    }
    // What the import's session ran that is not one of the dump's whole statements.
    QStringList cutStatementsIn(const ScratchServer& target) const {
        const QString session =
            target.sql("SELECT thread_id FROM mysql.general_log WHERE argument LIKE '%AS tarnwell_session' LIMIT 1");
        if (session.isEmpty()) return {"no session logged"};
        QSet<QString> whole;
        for (const QByteArray& line : states.dump().split('\n'))
            if (line.endsWith(';')) whole.insert(QString::fromLatin1(line.chopped(1)));
        QStringList cut;
        for (const QString& received :
             target
                 .sql("SELECT argument FROM mysql.general_log WHERE command_type = 'Query' AND thread_id = " + session +
                      " AND argument NOT LIKE '%AS tarnwell_session'")
                 .split('\n', Qt::SkipEmptyParts))
            if (!whole.contains(received)) cut << received;
        return cut;
    }
    std::optional<int> prefixIn(const ScratchServer& target) const {
        return states.prefixOf(target.sql(PrefixStates::rowsSql("d")));
    }
    ImportRequest request(const ScratchServer& target, const QString& file) const {
        ImportRequest request;
        request.fileURL = file;
        request.containerName = target.name;
        request.database = "d";
        request.user = "root";
        request.password = target.password;
        return request;
    }
    // Runs the import; once `bytes` have been copied, `fault` runs on a thread of its own.
    ImportOutcome runWithFault(const ImportRequest& request, qint64 bytes, const std::function<void()>& fault,
                               ImportRunner* runner = nullptr) {
        ImportRunner own;
        std::atomic<qint64> copied{0};
        std::thread injector([&] {
            while (copied < bytes) std::this_thread::sleep_for(20ms);
            fault();
        });
        const ImportOutcome outcome = (runner ? runner : &own)
                                          ->run(request, DockerClient::resolve(),
                                                [&](const ImportProgress& progress) {
                                                    copied = std::max<qint64>(progress.bytesRead, 1);
                                                    std::lock_guard guard(lock);
                                                    last = progress;
                                                    if (progress.bytesRead >= bytes)
                                                        seen << ProgressText::line(progress);
                                                },
                                                {});
        copied = bytes;  // an import that ended early still lets the injector go
        injector.join();
        return outcome;
    }
    // The dump of single-row statements, large enough to run for many seconds.
    QString statementsDump() const { return Fixtures::writeFile(dir.path(), "prefix.sql", states.dump()); }

    static std::map<QString, std::unique_ptr<ScratchServer>>* servers;
    PrefixStates states{150000, 20261209};
    QTemporaryDir dir;
    std::mutex lock;
    ImportProgress last;
    QStringList seen;
};

std::map<QString, std::unique_ptr<ScratchServer>>* ImportFaults::servers = nullptr;

}  // namespace

TEST_F(ImportFaults, AContainerStoppedMidImportIsNamedAndKeepsAPrefix) {
    ScratchServer& target = server("stop");
    ASSERT_TRUE(target.ready());
    resetTable(target);
    const ImportOutcome outcome = runWithFault(request(target, statementsDump()), 400000, [&] {
        docker({"stop", "-t", "3", target.name});
    });
    EXPECT_EQ(endOf(outcome), ImportOutcome::failed(L10n::render("importContainerStopped", {target.name})));
    EXPECT_TRUE(noChildLeft());
    ASSERT_EQ(docker({"start", target.name}).status, 0);
    ASSERT_TRUE(target.ready());
    const auto prefix = prefixIn(target);
    ASSERT_TRUE(prefix.has_value()) << "a state no prefix of the dump makes";
    EXPECT_LT(*prefix, states.statementCount());
}

TEST_F(ImportFaults, AContainerRemovedMidImportIsNamedAsGone) {
    ScratchServer& target = server("remove");
    ASSERT_TRUE(target.ready());
    resetTable(target);
    const ImportOutcome outcome = runWithFault(request(target, statementsDump()), 400000, [&] {
        docker({"rm", "-f", "-v", target.name});
    });
    EXPECT_EQ(endOf(outcome), ImportOutcome::failed(L10n::render("importContainerGone", {target.name})));
    EXPECT_TRUE(noChildLeft());
}

// Nothing moves while the container is paused: the progress says so instead of a speed, and
// a cancel ends the import within a bound. The session cannot be ended while the server is
// frozen, so the watchdog keeps the client's input open until the container runs again and
// ends the session first: the database then holds a prefix of the dump, and no child stays.
TEST_F(ImportFaults, AContainerPausedMidImportShowsNoDataMovingAndCancels) {
    ScratchServer& target = server("pause");
    ASSERT_TRUE(target.ready());
    resetTable(target);
    logStatements(target, true);
    ImportRunner runner;
    std::chrono::steady_clock::time_point cancelledAt;
    const ImportOutcome outcome = runWithFault(
        request(target, statementsDump()), 400000,
        [&] {
            docker({"pause", target.name});
            // Long enough for the stall to show.
            for (int waited = 0; waited < 200; ++waited) {
                {
                    std::lock_guard guard(lock);
                    if (last.idleSeconds >= ProgressText::kStalledSeconds + 1) break;
                }
                std::this_thread::sleep_for(100ms);
            }
            cancelledAt = std::chrono::steady_clock::now();
            runner.cancel();
        },
        &runner);
    const auto took = std::chrono::steady_clock::now() - cancelledAt;
    EXPECT_EQ(endOf(outcome), ImportOutcome::failed(L10n::render("importContainerPaused", {target.name})));
    EXPECT_LT(took, 30s);
    {
        std::lock_guard guard(lock);
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_EQ(seen.last(), L10n::render("progressStalled", {ByteFormatting::bytes(last.bytesRead),
                                                                ByteFormatting::bytes(last.totalBytes)}));
    }
    std::this_thread::sleep_for(2s);  // a client that saw the end of its input now would run what it holds
    ASSERT_EQ(docker({"unpause", target.name}).status, 0);
    EXPECT_TRUE(within20s(noChildLeft)) << "the watchdog or the client stayed after the container ran again";
    EXPECT_TRUE(within20s(
        [&] { return target.sql("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE DB = 'd'") == "0"; }));
    const std::optional<int> prefix = prefixIn(target);
    EXPECT_TRUE(prefix.has_value()) << "a state no prefix of the dump makes";
    EXPECT_EQ(cutStatementsIn(target), QStringList{});
    logStatements(target, false);
}

// The same under a temporary account and in batches: the watchdog ends the session once the
// container runs again, and only then removes the account; the rows are a prefix of the dump.
TEST_F(ImportFaults, APausedImportsAccountGoesAfterItsSession) {
    ScratchServer& target = server("pause");
    ASSERT_TRUE(target.ready());
    resetTable(target);
    ImportRequest request = this->request(target, statementsDump());
    const ServerInfo info = DockerClient::resolve().fetchServerInfo(target.name, "root", target.password);
    request.fixes = DumpFixPlan::plan({}, info, {}, "d");
    ASSERT_FALSE(request.fixes.ownerRole.isEmpty());
    ASSERT_GT(request.fixes.batchStatements, 0);
    ImportRunner runner;
    const ImportOutcome outcome = runWithFault(
        request, 400000,
        [&] {
            docker({"pause", target.name});
            runner.cancel();
        },
        &runner);
    EXPECT_EQ(endOf(outcome), ImportOutcome::failed(L10n::render("importContainerPaused", {target.name})));
    std::this_thread::sleep_for(2s);
    ASSERT_EQ(docker({"unpause", target.name}).status, 0);
    EXPECT_TRUE(within20s(noChildLeft)) << "the watchdog or the client stayed after the container ran again";
    EXPECT_TRUE(within20s([&] {
        return target.sql("SELECT COUNT(*) FROM mysql.user WHERE User LIKE 'tarnwell\\_imp\\_%'") == "0";
    })) << "the temporary account stayed";
    EXPECT_TRUE(prefixIn(target).has_value()) << "a state no prefix of the dump makes";
}

// The local docker client killed: the message names the signal, not only a status of 137.
TEST_F(ImportFaults, AKilledDockerClientIsNamedBySignal) {
    ScratchServer& target = server("stop");  // any running server of ours
    ASSERT_TRUE(target.ready());
    resetTable(target);
    const ImportOutcome outcome = runWithFault(request(target, statementsDump()), 400000, [&] {
        // Our own child: the docker client whose arguments name this container with -i.
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat("/proc/" + entry + "/stat"), cmdline("/proc/" + entry + "/cmdline");
            if (!stat.open(QIODevice::ReadOnly) || !cmdline.open(QIODevice::ReadOnly)) continue;
            const QByteArray text = stat.readAll();
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            const QList<QByteArray> arguments = cmdline.readAll().split('\0');
            if (fields.value(1).toInt() == ::getpid() && arguments.contains("-i") &&
                arguments.contains(target.name.toUtf8()))
                ::kill(entry.toInt(), SIGKILL);
        }
    });
    EXPECT_EQ(endOf(outcome),
              ImportOutcome::failed(L10n::render("importClientSignalled",
                                                 {qint64(SIGKILL), QString::fromLocal8Bit(strsignal(SIGKILL))})));
    EXPECT_TRUE(noChildLeft());
    std::this_thread::sleep_for(2s);  // the client inside goes once its input is gone
    EXPECT_TRUE(prefixIn(target).has_value()) << "a state no prefix of the dump makes";
}

// The server's disk fills up: its own words end the import, and the rows before the
// statement it refused stay, whole statements only.
TEST_F(ImportFaults, AFullDiskEndsWithTheServersWordsAndWholeStatements) {
    ScratchServer& target = server("full");
    ASSERT_TRUE(target.ready());
    // Leave 16 MB free of the data folder's 160.
    const CommandResult ballast = docker({"exec", target.name, "sh", "-c",
                                          "free=$(df -k /var/lib/mysql | awk 'NR==2 { print $4 }'); "
                                          "head -c $(( (free - 16384) * 1024 )) /dev/zero >/var/lib/mysql/ballast"});
    ASSERT_EQ(ballast.status, 0) << ballast.stderrBytes.toStdString();
    target.sql("CREATE DATABASE d");
    QByteArray dump = "CREATE TABLE big (id INT PRIMARY KEY, payload CHAR(64) NOT NULL);\n";
    int id = 0;
    for (int statement = 0; statement < 300; ++statement) {
        dump += "INSERT INTO big VALUES ";
        for (int row = 0; row < 1000; ++row, ++id)
            dump += (row ? ",(" : "(") + QByteArray::number(id) + ",REPEAT(MD5(" + QByteArray::number(id) + "),2))";
        dump += ";\n";
    }
    ImportRunner runner;
    const ImportOutcome outcome =
        runner.run(request(target, Fixtures::writeFile(dir.path(), "big.sql", dump)), DockerClient::resolve(), {}, {});
    EXPECT_EQ(outcome.kind, ImportOutcome::Kind::failed);
    EXPECT_TRUE(outcome.message.contains("is full")) << outcome.message.toStdString();
    EXPECT_TRUE(noChildLeft());
    const QStringList counts = target.sql("SELECT COUNT(*), COALESCE(MAX(id) + 1, 0) FROM d.big").split('\t');
    ASSERT_EQ(counts.size(), 2);
    EXPECT_EQ(counts[0], counts[1]);
    EXPECT_EQ(counts[0].toInt() % 1000, 0);
    EXPECT_LT(counts[0].toInt(), 300000);
}

// The dump file changes under the import: removed (its content stays readable through the
// open file, so the import completes) or cut short while the copy runs (the import stops,
// whole statements only). A file that grows is met only at its new end, minutes later here;
// the stand-in tests cover it.
TEST_F(ImportFaults, ADumpChangedMidImportStopsOrCompletesWhole) {
    ScratchServer& target = server("pause");
    ASSERT_TRUE(target.ready());
    docker({"unpause", target.name});
    const PrefixStates large = states;
    const PrefixStates small(12000, 7);  // the removed file runs to its end
    const struct {
        const char* name;
        const PrefixStates& dump;
        std::function<void(const QString&)> change;
        bool completes;
    } cases[] = {
        {"removed", small, [](const QString& file) { QFile::remove(file); }, true},
        // Cut just ahead of the copy, so that it meets the new end soon.
        {"truncated", large, [](const QString& file) { QFile(file).resize(400000); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        states = c.dump;
        const QString file = statementsDump();
        resetTable(target);
        const ImportOutcome outcome = runWithFault(request(target, file), 200000, [&] { c.change(file); });
        const auto prefix = prefixIn(target);
        ASSERT_TRUE(prefix.has_value()) << "a state no prefix of the dump makes";
        if (c.completes) {
            EXPECT_EQ(outcome.kind, ImportOutcome::Kind::success) << outcome.message.toStdString();
            EXPECT_EQ(*prefix, states.statementCount());
        } else {
            EXPECT_EQ(outcome.kind, ImportOutcome::Kind::failed);
            const QString changed = L10n::render("dumpChanged", {QString("\x01"), QString("\x02")});
            EXPECT_TRUE(outcome.message.startsWith(changed.section(QChar(1), 0, 0))) << outcome.message.toStdString();
            EXPECT_LT(*prefix, states.statementCount());
        }
        EXPECT_TRUE(noChildLeft());
    }
}
