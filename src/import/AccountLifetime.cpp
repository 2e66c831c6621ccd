#include <QDateTime>

#include "account/AccountNames.h"
#include "account/AccountSql.h"
#include "import/AccountLifetime_p.h"
#include "import/ImportCommand.h"
#include "l10n/L10n.h"

namespace AccountLifetime {
namespace {

constexpr int kStatementLimitMs = 30000;
constexpr int kPasswordLength = 32;
constexpr int kRandomNameLength = 10;

CommandResult asLogin(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login,
                      const QString& sql) {
    return DockerClient::run(tools.docker, ImportCommand::loginArguments(request, sql), login, kStatementLimitMs);
}

// With binary logging off for the import, the account's making and removal stay out of it too.
QString unlogged(const ImportRequest& request, const QString& sql) {
    return request.account.binlogOff ? QStringLiteral("SET SESSION sql_log_bin=0; ") + sql : sql;
}

// The server's own words, or the exit status when it said nothing.
QString complaint(const CommandResult& result) {
    const QString words = QString::fromUtf8(result.stderrBytes).trimmed();
    if (!words.isEmpty()) return words;
    return L10n::render(QStringLiteral("mysqlStatus"), {qint64(result.status)});
}

// Accounts of earlier imports that no session holds any more.
void removeLeftovers(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login,
                     const AccountLifetime::Log& log) {
    // A login that may not read the account list has nothing to clean here.
    const CommandResult listed = asLogin(tools, request, login, AccountSql::leftoverQuery(kLeftoverGraceSeconds));
    if (listed.status != 0) return;
    QStringList removed;
    for (const QByteArray& line : listed.stdoutBytes.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 2) continue;
        const QString user = QString::fromUtf8(fields.at(0));
        const QString host = QString::fromUtf8(fields.at(1));
        if (!AccountNames::createdAt(user)) continue;
        if (asLogin(tools, request, login, AccountSql::removal(user, host)).status == 0) removed << user;
    }
    if (!removed.isEmpty()) log(L10n::render(QStringLiteral("staleAccountsLog"), {removed.join(QStringLiteral(", "))}));
}

}  // namespace

TemporaryAccount prepared(const ImportRequest& request) {
    TemporaryAccount account;
    account.user =
        AccountNames::temporaryName(QDateTime::currentSecsSinceEpoch(), AccountNames::randomText(kRandomNameLength));
    account.password = AccountNames::randomText(kPasswordLength);
    account.ownerRole = QString::fromUtf8(request.fixes.ownerRole);
    QSet<QByteArray> databases = request.fixes.confirmedDatabases;
    databases.insert(request.database.toUtf8());
    account.databases = QList<QByteArray>(databases.begin(), databases.end());
    std::sort(account.databases.begin(), account.databases.end());
    account.binlogOff = request.disableBinlog && request.serverLogBin;
    return account;
}

Made make(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login, const Log& log) {
    removeLeftovers(tools, request, login, log);
    Made made;
    if (request.serverLogBin) {
        const CommandResult trust = asLogin(tools, request, login, AccountSql::trustQuery());
        if (trust.status == 0 && trust.stdoutBytes.trimmed() == "0" &&
            asLogin(tools, request, login, AccountSql::trustSet(true)).status == 0) {
            made.trustTurnedOn = true;
            log(L10n::render(QStringLiteral("trustCreatorsLog")));
        }
    }
    const CommandResult created =
        asLogin(tools, request, login, unlogged(request, AccountSql::creation(request.account)));
    if (created.status != 0) {
        made.failure = L10n::render(QStringLiteral("accountNotCreated"), {complaint(created)});
        // Whatever part of it was made goes again.
        asLogin(tools, request, login, removal(request, made.trustTurnedOn));
        made.trustTurnedOn = false;
    }
    return made;
}

std::optional<QString> takeBackBinlogRole(const DockerClient& tools, const ImportRequest& request,
                                          const QProcessEnvironment& login) {
    const CommandResult result =
        asLogin(tools, request, login, unlogged(request, AccountSql::binlogRoleTakenBack(request.account)));
    if (result.status == 0) return std::nullopt;
    return L10n::render(QStringLiteral("accountNotCreated"), {complaint(result)});
}

QString removal(const ImportRequest& request, bool trustTurnedOn) {
    QString sql = AccountSql::removal(request.account.user, request.account.host);
    if (trustTurnedOn) sql += u' ' + AccountSql::trustSet(false) + u';';
    return unlogged(request, sql);
}

QStringList removalCommand(const DockerClient& tools, const ImportRequest& request, bool trustTurnedOn) {
    return QStringList{tools.docker} + ImportCommand::loginArguments(request, removal(request, trustTurnedOn));
}

bool remove(const DockerClient& tools, const ImportRequest& request, const QProcessEnvironment& login,
            bool trustTurnedOn, const Log& log) {
    const CommandResult result = asLogin(tools, request, login, removal(request, trustTurnedOn));
    if (result.status == 0) {
        log(L10n::render(QStringLiteral("accountRemovedLog"), {request.account.user}));
        return true;
    }
    log(L10n::render(QStringLiteral("accountNotRemoved"), {request.account.user, complaint(result)}));
    return false;
}

}  // namespace AccountLifetime
