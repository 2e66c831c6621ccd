// Many imports through one model: what a window that stays open all day does, for finding
// descriptors, memory or children that pile up.
#include <QDir>
#include <QFile>

#include <csignal>
#include <unistd.h>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ModelSession.h"
#include "cli/SignalBridge.h"
#include "cli/Terminal.h"

namespace Commands {

namespace {

qsizetype openDescriptors() { return QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System).size(); }

QString residentKilobytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return QString::fromLatin1(line.mid(6).trimmed().split(' ').value(0));
    }
    return QStringLiteral("?");
}

// Processes whose parent is this one, the exited but not yet reaped ones included.
int children() {
    const QByteArray self = QByteArray::number(::getpid());
    int count = 0;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!entry.front().isDigit() || !stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray text = stat.readAll();
        // The fields after the command's closing parenthesis: state, then the parent.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self) ++count;
    }
    return count;
}

QCoro::Task<int> importOne(ModelSession& session, const QString& path, const QString& database) {
    AppModel& model = session.model();
    auto inspection = session.takeDump(path);
    co_await inspection;
    // The databases are read again after each import; the target waits for that.
    auto settled = session.until([&] { return !model.isLoadingDatabases(); });
    co_await settled;
    model.pinDatabase(database);
    if (const auto reason = model.importBlockedReason()) {
        Terminal::err(*reason);
        co_return ExitStatus::refused;
    }
    model.requestImport();
    if (!model.confirmImport()) co_return ExitStatus::refused;
    model.setConfirmImport(false);
    model.startImport();
    if (!model.isImportRunning()) co_return ExitStatus::refused;
    auto running = follow(session);
    co_return co_await running;
}

}  // namespace

QCoro::Task<int> importEach(const CliArguments::Parsed& arguments) {
    ModelSession session;
    if (!CommandSupport::applyLogin(session.model(), arguments)) co_return ExitStatus::refused;
    // Named first: the coroutine keeps a reference to it across its suspensions.
    const QString containerName = *arguments.value("--container");
    auto opening = CommandSupport::openContainer(session, containerName);
    if (const int status = co_await opening; status != ExitStatus::success) co_return status;

    // Between imports a signal has nothing to cancel and must not end the program.
    SignalBridge idle({SIGINT});
    Terminal::out(QStringLiteral("ready fds=%1 rss=%2 children=%3")
                      .arg(openDescriptors())
                      .arg(residentKilobytes())
                      .arg(children()));
    while (const auto line = Terminal::readLine(false)) {
        const QStringList fields = line->split(QLatin1Char('\t'));
        if (fields.size() != 2) {
            Terminal::err(QStringLiteral("import-each: expected DUMP<TAB>DATABASE"));
            continue;
        }
        auto importing = importOne(session, fields[0], fields[1]);
        const int status = co_await importing;
        // The model reads the databases again after an import; its probe is no leftover.
        auto settled = session.until([&] { return !session.model().isLoadingDatabases(); });
        co_await settled;
        Terminal::out(QStringLiteral("import %1 fds=%2 rss=%3 children=%4")
                          .arg(status)
                          .arg(openDescriptors())
                          .arg(residentKilobytes())
                          .arg(children()));
    }
    co_return ExitStatus::success;
}

}  // namespace Commands
