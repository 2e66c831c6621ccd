#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <sys/types.h>

#include "posix/Process.h"
#include "support/Fixtures.h"

// What one run of tarnwell-cli printed and how it ended.
struct CliResult {
    int status = -1;  // exit status, or 128 plus the signal that ended it
    QString out;
    QString err;
};

// The built tarnwell-cli started with its own settings folder, English texts and the C
// locale; the input is written to its standard input, which is then closed.
class CliRun {
public:
    // `environment` adds NAME=value entries to ours; `runAs`, a program and its arguments,
    // runs it in turn (another user's, for example).
    CliRun(const QString& settingsFolder, const QStringList& arguments, const QByteArray& input = {},
           const QStringList& environment = {}, const QStringList& runAs = {});
    ~CliRun();
    CliRun(const CliRun&) = delete;
    CliRun& operator=(const CliRun&) = delete;

    // Reads output until the condition holds or the program ends; true when it held.
    // each is called between reads, for watching the system while the program runs.
    bool readUntil(const std::function<bool(const CliRun&)>& condition, const std::function<void()>& each = {});
    void signal(int number) const;
    // To its whole process group, as a terminal sends Ctrl-C to the foreground job.
    void signalGroup(int number) const;
    // Ends it at once, as the system's SIGKILL would.
    void kill();
    CliResult finish(const std::function<void()>& each = {});
    pid_t pid() const { return child_.pid(); }

    const QString& err() const { return result_.err; }

private:
    bool pump(int timeoutMs);  // false once both outputs have ended

    Process::Child child_;
    UniqueFd stdout_;
    UniqueFd stderr_;
    QByteArray outBytes_;
    QByteArray errBytes_;
    CliResult result_;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override;

    CliResult run(const QStringList& arguments, const QByteArray& input = {});
    QString settingsFolder() const { return dir_.filePath("config"); }
    QString writeFile(const QString& name, const QByteArray& content) const {
        return Fixtures::writeFile(dir_.path(), name, content);
    }
    // A name no other run uses, for databases of this test.
    static QString unique(const QString& prefix);

    // Processes whose command line contains the text (this test's own excepted).
    static QStringList processesWith(const QString& text);
    // The same, among the children of one process.
    static QStringList childrenWith(pid_t parent, const QString& text);

    QTemporaryDir dir_;
};
