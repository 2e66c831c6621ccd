#include "cli/CommandSupport.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/CliHelp.h"
#include "cli/ExitStatus.h"
#include "cli/Terminal.h"
#include "dump/TableChoice.h"
#include "l10n/L10n.h"

namespace CommandSupport {

int usageError(const QString& command, const QString& problem) {
    Terminal::err(QStringLiteral("tarnwell-cli: ") + problem);
    Terminal::err(CliHelp::hint(command));
    return ExitStatus::refused;
}

bool applyFixChoices(AppModel& model, const CliArguments::Parsed& arguments) {
    FixChoices choices;
    if (const auto every = arguments.value("--commit-every")) {
        bool ok = false;
        choices.commitEvery = every->toInt(&ok);
        if (!ok || choices.commitEvery < 0) {
            usageError(arguments.command, QStringLiteral("--commit-every: a number of statements, 0 or more"));
            return false;
        }
    }
    if (const auto jobs = arguments.value("--jobs")) {
        bool ok = false;
        choices.jobs = jobs->toInt(&ok);
        if (!ok || choices.jobs < 1 || choices.jobs > FixChoices::kMostJobs) {
            usageError(arguments.command,
                       QStringLiteral("--jobs: a number of sessions, 1 to %1").arg(FixChoices::kMostJobs));
            return false;
        }
    }
    if (const auto only = arguments.value("--tables")) choices.tables.only = TableChoices::namesFromList(*only);
    if (const auto except = arguments.value("--exclude-tables"))
        choices.tables.except = TableChoices::namesFromList(*except);
    choices.guardClientCommands = !arguments.has("--no-command-guard");
    choices.redirectDatabase = !arguments.has("--no-redirect");
    choices.mysqlToMariadb = !arguments.has("--no-mysql-fixes");
    choices.importAccount = !arguments.has("--no-import-account");
    choices.rewriteDefiners = !arguments.has("--keep-definers");
    model.setFixChoices(choices);
    return true;
}

void printPreflight(const AppModel& model) {
    const QStringList lines = model.preflight();
    if (lines.isEmpty()) return;
    Terminal::err(L10n::render(QStringLiteral("preflight")));
    for (const QString& line : lines) Terminal::err(QStringLiteral("  ") + line);
}

std::optional<int> needsAnswer(const CliArguments::Parsed& arguments) {
    if (arguments.has("--yes") || Terminal::isTerminal(STDIN_FILENO)) return std::nullopt;
    return usageError(arguments.command, QStringLiteral("standard input is not a terminal; confirm with --yes"));
}

bool applyLogin(AppModel& model, const CliArguments::Parsed& arguments) {
    std::optional<QString> password;
    if (arguments.has("--password-stdin")) {
        if (Terminal::isTerminal(STDIN_FILENO)) Terminal::write(STDERR_FILENO, "Password: ");
        password = Terminal::readLine(true);
        if (!password) {
            usageError(arguments.command, QStringLiteral("--password-stdin: nothing on standard input"));
            return false;
        }
    }
    // An empty line is the empty password, not "use the container's".
    model.setLoginForRun(arguments.value("--user"), password);
    return true;
}

std::optional<QString> dumpPath(const CliArguments::Parsed& arguments) {
    const QString given = arguments.operands.value(0);
    // Bytes that are not UTF-8 did not survive into the text; the name as given is lost.
    if (given.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(given)) {
        Terminal::err(L10n::render(QStringLiteral("nameNotUtf8"), {given}));
        return std::nullopt;
    }
    const QByteArray local = given.toLocal8Bit();
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    int problem = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) problem = EISDIR;
        ::close(fd);
    }
    if (problem != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(problem));
        Terminal::err(given + QStringLiteral(": ") + L10n::render(QStringLiteral("dumpUnreadable"), {reason}));
        return std::nullopt;
    }
    return QFileInfo(given).absoluteFilePath();
}

QCoro::Task<int> openContainer(ModelSession& session, const QString& name) {
    AppModel& model = session.model();
    auto listing = session.listContainers();
    if (!co_await listing) {
        Terminal::err(model.errorMessage().value_or(QString()));
        co_return ExitStatus::unreachable;
    }
    auto selecting = session.select(name);
    switch (co_await selecting) {
    case ModelSession::Selection::probed: co_return ExitStatus::success;
    case ModelSession::Selection::unknownContainer:
        Terminal::err(QStringLiteral("tarnwell-cli: no container is named '%1'").arg(name));
        Terminal::err(QStringLiteral("'tarnwell-cli containers --all' lists them."));
        co_return ExitStatus::refused;
    case ModelSession::Selection::notUsable:
        Terminal::err(model.importBlockedReason().value_or(QString()));
        co_return ExitStatus::refused;
    case ModelSession::Selection::noPassword:
        Terminal::err(L10n::render(QStringLiteral("blockedNoPassword")));
        Terminal::err(QStringLiteral("Give it on standard input with --password-stdin."));
        co_return ExitStatus::refused;
    case ModelSession::Selection::probeFailed:
        Terminal::err(model.errorMessage().value_or(QString()));
        co_return ExitStatus::unreachable;
    }
    co_return ExitStatus::failed;
}

QCoro::Task<int> openWithLogin(ModelSession& session, const CliArguments::Parsed& arguments) {
    if (!applyLogin(session.model(), arguments)) co_return ExitStatus::refused;
    // Named first: the coroutine keeps a reference to it across its suspensions.
    const QString name = arguments.operands.value(0);
    auto opening = openContainer(session, name);
    co_return co_await opening;
}

void printPairs(const QList<QPair<QString, QString>>& pairs) {
    QList<QStringList> rows;
    for (const auto& [label, value] : pairs) rows.append({label, value});
    printTable(rows);
}

void printTable(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.append(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) line += QStringLiteral("  ");
            line += i + 1 < row.size() ? row[i].leftJustified(widths[i]) : row[i];
        }
        Terminal::out(line.trimmed());
    }
}

}  // namespace CommandSupport
