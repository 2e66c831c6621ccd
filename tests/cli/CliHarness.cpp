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

namespace {

constexpr int kLimitMs = 300000;  // a safety bound only; nothing here measures speed

}  // namespace

CliRun::CliRun(const QString& settingsFolder, const QStringList& arguments, const QByteArray& input,
               const QStringList& extra, const QStringList& runAs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", settingsFolder);
    environment.insert("HOME", settingsFolder);
    environment.remove("XDG_STATE_HOME");  // journals under HOME, the test's own
    environment.remove("XDG_DATA_HOME");   // and saved copies
    environment.insert("LC_ALL", "C.UTF-8");
    environment.remove("LANGUAGE");
    for (const QString& entry : extra) environment.insert(entry.section('=', 0, 0), entry.section('=', 1));

    Process::Pipe in = Process::makePipe();
    Process::Pipe out = Process::makePipe();
    Process::Pipe err = Process::makePipe();
    // A process group of its own, as a shell with job control starts a command.
    const QString cli = QStringLiteral(TARNWELL_CLI);
    const QString program = runAs.isEmpty() ? cli : runAs.first();
    const QStringList all = runAs.isEmpty() ? arguments : runAs.mid(1) + QStringList{cli} + arguments;
    child_ =
        Process::Child::start({program, all, environment, in.readEnd.get(), out.writeEnd.get(), err.writeEnd.get()});
    in.readEnd.reset();
    out.writeEnd.reset();
    err.writeEnd.reset();
    if (!input.isEmpty()) (void)!::write(in.writeEnd.get(), input.constData(), size_t(input.size()));
    in.writeEnd.reset();
    stdout_ = std::move(out.readEnd);
    stderr_ = std::move(err.readEnd);
}

CliRun::~CliRun() {
    if (child_.isStarted() && !child_.status()) {
        child_.kill();
        child_.wait();
    }
}

bool CliRun::pump(int timeoutMs) {
    pollfd fds[2] = {{stdout_.get(), POLLIN, 0}, {stderr_.get(), POLLIN, 0}};
    if (!stdout_ && !stderr_) return false;
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    UniqueFd* ends[2] = {&stdout_, &stderr_};
    QByteArray* buffers[2] = {&outBytes_, &errBytes_};
    for (int i = 0; i < 2; ++i) {
        if (!*ends[i] || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        char chunk[65536];
        const ssize_t count = ::read(ends[i]->get(), chunk, sizeof chunk);
        if (count > 0) {
            buffers[i]->append(chunk, count);
        } else if (count == 0 || errno != EINTR) {
            ends[i]->reset();
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

void CliRun::signal(int number) const { ::kill(child_.pid(), number); }

void CliRun::signalGroup(int number) const { ::kill(-child_.pid(), number); }

void CliRun::kill() {
    child_.kill();
    child_.wait();
}

CliResult CliRun::finish(const std::function<void()>& each) {
    const QDeadlineTimer deadline(kLimitMs);
    while (pump(20)) {
        if (each) each();
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "tarnwell-cli did not end";
            child_.kill();
            break;
        }
    }
    result_.status = child_.wait();
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

QString CliTest::unique(const QString& prefix) { return prefix + QUuid::createUuid().toString(QUuid::Id128).left(10); }

QStringList CliTest::childrenWith(pid_t parent, const QString& text) {
    QStringList found;
    for (const QString& process : processesWith(text)) {
        QFile stat("/proc/" + process.section(':', 0, 0) + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray fields = stat.readAll();
        // After "pid (name) ": the state, then the parent.
        if (fields.mid(fields.lastIndexOf(')') + 2).split(' ').value(1).toInt() == parent) found << process;
    }
    return found;
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
