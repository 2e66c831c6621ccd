#include "CliHarness.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QUuid>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <unistd.h>

#include "docker/DockerClient.h"
#include "docker/Process.h"

namespace {

constexpr int kLimitMs = 300000;  // a safety bound only; nothing here measures speed

}  // namespace

CliRun::CliRun(const QString& settingsFolder, const QStringList& arguments, const QByteArray& input) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", settingsFolder);
    environment.insert("HOME", settingsFolder);
    environment.insert("LC_ALL", "C.UTF-8");
    environment.remove("LANGUAGE");

    Process::Pipe in = Process::makePipe();
    Process::Pipe out = Process::makePipe();
    Process::Pipe err = Process::makePipe();
    pid_ = Process::spawn(
        {QStringLiteral(TARNWELL_CLI), arguments, environment, in.readEnd, out.writeEnd, err.writeEnd});
    Process::closeQuietly(in.readEnd);
    Process::closeQuietly(out.writeEnd);
    Process::closeQuietly(err.writeEnd);
    if (!input.isEmpty()) (void)!::write(in.writeEnd, input.constData(), size_t(input.size()));
    Process::closeQuietly(in.writeEnd);
    stdout_ = out.readEnd;
    stderr_ = err.readEnd;
}

CliRun::~CliRun() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        Process::waitForExit(pid_);
    }
    Process::closeQuietly(stdout_);
    Process::closeQuietly(stderr_);
}

bool CliRun::pump(int timeoutMs) {
    pollfd fds[2] = {{stdout_, POLLIN, 0}, {stderr_, POLLIN, 0}};
    const int open = (stdout_ >= 0) + (stderr_ >= 0);
    if (open == 0) return false;
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    int* ends[2] = {&stdout_, &stderr_};
    QByteArray* buffers[2] = {&outBytes_, &errBytes_};
    for (int i = 0; i < 2; ++i) {
        if (*ends[i] < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        char chunk[65536];
        const ssize_t count = ::read(*ends[i], chunk, sizeof chunk);
        if (count > 0) {
            buffers[i]->append(chunk, count);
        } else if (count == 0 || errno != EINTR) {
            Process::closeQuietly(*ends[i]);
        }
    }
    result_.out = QString::fromUtf8(outBytes_);
    result_.err = QString::fromUtf8(errBytes_);
    return true;
}

bool CliRun::readUntil(const std::function<bool(const CliRun&)>& condition, const std::function<void()>& each) {
    const QDeadlineTimer deadline(kLimitMs);
    while (!condition(*this)) {
        if (!pump(20) || deadline.hasExpired()) return condition(*this);
        if (each) each();
    }
    return true;
}

void CliRun::signal(int number) const {
    ::kill(pid_, number);
}

CliResult CliRun::finish(const std::function<void()>& each) {
    const QDeadlineTimer deadline(kLimitMs);
    while (pump(20)) {
        if (each) each();
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "tarnwell-cli did not end";
            ::kill(pid_, SIGKILL);
            break;
        }
    }
    result_.status = Process::waitForExit(pid_);
    pid_ = -1;
    return result_;
}

void CliTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    QDir().mkpath(settingsFolder() + "/Tarnwell");
    QFile settings(settingsFolder() + "/Tarnwell/Tarnwell.conf");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nappLanguage=en\n");
}

CliResult CliTest::run(const QStringList& arguments, const QByteArray& input) {
    CliRun cli(settingsFolder(), arguments, input);
    return cli.finish();
}


QString CliTest::unique(const QString& prefix) {
    return prefix + QUuid::createUuid().toString(QUuid::Id128).left(10);
}


QStringList CliTest::processesWith(const QString& text) {
    QStringList found;
    const QString self = QString::number(::getpid());
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry == self || !entry.front().isDigit()) continue;
        QFile file("/proc/" + entry + "/cmdline");
        if (!file.open(QIODevice::ReadOnly)) continue;  // gone meanwhile
        const QString commandLine = QString::fromUtf8(file.readAll().replace('\0', ' '));
        if (commandLine.contains(text)) found << entry + ": " + commandLine;
    }
    return found;
}
