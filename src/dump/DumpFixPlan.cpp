#include "dump/DumpFixPlan.h"

#include <QThread>

#include <QSet>

#include <algorithm>

#include "account/AccountNames.h"
#include "account/AccountRights.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

int FixChoices::defaultJobs() { return qBound(1, QThread::idealThreadCount(), 4); }

namespace DumpFixPlan {
namespace {

QString text(const QByteArray& bytes) { return QString::fromUtf8(bytes); }

QList<QByteArray> sorted(const QSet<QByteArray>& names) {
    QList<QByteArray> list(names.begin(), names.end());
    std::sort(list.begin(), list.end());
    return list;
}

// Whether the server can hold this import to its databases. Before the server has answered
// nothing is known, and the account is tried: its creation decides.
DumpFixes::Confinement confinementOf(const ServerInfo& server, const FixChoices& choices,
                                     const QSet<QByteArray>& databases) {
    using Confinement = DumpFixes::Confinement;
    if (!choices.importAccount) return Confinement::turnedOff;
    if (server.version.isEmpty()) return Confinement::account;
    // MySQL has no CURRENT_ROLE to own what the dump creates.
    if (!server.isMariadb()) return Confinement::serverHasNoRoles;
    if (!AccountRights::mayConfine(server.grants, sorted(databases))) return Confinement::loginMayNot;
    return Confinement::account;
}

QString joined(const QList<QByteArray>& names) {
    QStringList shown;
    for (const QByteArray& name : names) shown << QStringLiteral("“%1”").arg(text(name));
    return shown.join(QStringLiteral(", "));
}

// What becomes of each view, trigger and routine that names a table left out: the stream leaves a
// view or trigger out, since the server would refuse it; a routine is created and fails when run.
QStringList dependentLines(const DumpScan& scan, const QList<QByteArray>& leftOut) {
    QStringList lines;
    for (const TableMentions::Dependent& object : scan.dependents) {
        QList<QByteArray> missing;
        for (const QByteArray& table : object.tables)
            if (leftOut.contains(table)) missing << table;
        if (missing.isEmpty()) continue;
        const QString key = object.kind == "view"      ? QStringLiteral("preflightViewLeftOut")
                            : object.kind == "trigger" ? QStringLiteral("preflightTriggerLeftOut")
                                                       : QStringLiteral("preflightRoutineKept");
        lines << L10n::render(key, {text(object.name), joined(missing)});
    }
    return lines;
}

}  // namespace

DumpFixes plan(const DumpScan& scan, const ServerInfo& server, const FixChoices& choices,
               const QString& chosenDatabase) {
    DumpFixes fixes;
    fixes.guardClientCommands = choices.guardClientCommands;
    fixes.clientHasSandbox = server.clientSandbox;
    fixes.serverKnown = !server.version.isEmpty();
    fixes.redirectDatabase = choices.redirectDatabase;
    fixes.chosenDatabase = chosenDatabase.toUtf8();
    if (scan.databases.size() == 1) fixes.dumpDatabase = scan.databases.first();
    // Where the dump may write: the chosen database, and what it names unless that is redirected.
    fixes.confirmedDatabases.insert(fixes.chosenDatabase);
    const bool redirected = fixes.redirectDatabase && !fixes.dumpDatabase.isEmpty();
    if (!redirected)
        for (const QByteArray& database : scan.databases) fixes.confirmedDatabases.insert(database);
    fixes.serverIsMariadb = server.isMariadb();
    fixes.mysqlToMariadb = choices.mysqlToMariadb && fixes.serverIsMariadb;
    fixes.serverCollations = server.collations;
    fixes.serverSqlMode = server.sqlMode.toUtf8();
    fixes.batchStatements = qMax(0, choices.commitEvery);
    fixes.tables = choices.tables;
    // Only a client without a sandbox chokes on the line that turns one on.
    fixes.dropSandboxLine = !server.clientSandbox;
    fixes.rewriteDefiners = choices.rewriteDefiners;
    fixes.confinement = confinementOf(server, choices, fixes.confirmedDatabases);
    if (fixes.confinement == DumpFixes::Confinement::account)
        fixes.ownerRole = AccountNames::ownerRole(fixes.confirmedDatabases).toUtf8();
    for (const QString& account : server.accounts) fixes.serverAccounts.insert(account.toUtf8());
    return fixes;
}

QStringList findings(const DumpScan& scan, const DumpFixes& fixes) {
    QStringList lines;
    if (scan.databases.size() == 1) {
        const QByteArray& named = scan.databases.first();
        if (fixes.redirectDatabase && named != fixes.chosenDatabase && !fixes.chosenDatabase.isEmpty())
            lines << L10n::render(QStringLiteral("preflightRedirect"), {text(named), text(fixes.chosenDatabase)});
        else
            lines << L10n::render(QStringLiteral("preflightDatabase"), {text(named)});
    } else if (scan.databases.size() > 1) {
        lines << L10n::render(QStringLiteral("preflightSeveral"), {joined(scan.databases)});
    }
    if (fixes.tables.isSet()) {
        QList<QByteArray> leftOut = TableChoices::leftOut(scan.tableNames, fixes.tables);
        // Named to leave out, though the part of the dump read so far does not create it.
        QList<QByteArray> named = fixes.tables.except.values();
        std::sort(named.begin(), named.end());
        for (const QByteArray& table : named)
            if (!leftOut.contains(table)) leftOut << table;
        if (!leftOut.isEmpty()) lines << L10n::render(QStringLiteral("preflightTablesLeftOut"), {joined(leftOut)});
        lines << dependentLines(scan, leftOut);
    }
    for (const DumpScan::Command& command : scan.clientCommands) {
        const QString key = !fixes.guardClientCommands ? QStringLiteral("preflightCommandRuns")
                            : !fixes.serverKnown       ? QStringLiteral("preflightCommandUnread")
                            : fixes.clientHasSandbox   ? QStringLiteral("preflightCommandSandbox")
                                                       : QStringLiteral("preflightCommandStop");
        lines << L10n::render(key, {command.line, command.text});
    }
    // MySQL's own constructs matter only where the server is not MySQL.
    if (scan.gtidLine > 0 && fixes.serverIsMariadb)
        lines << L10n::render(
            fixes.mysqlToMariadb ? QStringLiteral("preflightGtid") : QStringLiteral("preflightGtidKept"),
            {scan.gtidLine});
    if (scan.encryptionLine > 0 && fixes.serverIsMariadb)
        lines << L10n::render(
            fixes.mysqlToMariadb ? QStringLiteral("preflightEncryption") : QStringLiteral("preflightEncryptionKept"),
            {scan.encryptionLine});
    for (const QByteArray& collation : scan.mysqlCollations) {
        const QByteArray closest = DumpFixing::closestCollation(collation, fixes.serverCollations);
        if (fixes.serverCollations.isEmpty() || fixes.serverCollations.contains(text(collation))) continue;
        if (fixes.mysqlToMariadb && closest != collation)
            lines << L10n::render(QStringLiteral("preflightCollation"), {text(collation), text(closest)});
        else
            lines << L10n::render(QStringLiteral("preflightCollationKept"), {text(collation)});
    }
    if (scan.sandboxLine && fixes.serverKnown && !fixes.clientHasSandbox)
        lines << L10n::render(fixes.dropSandboxLine ? QStringLiteral("preflightSandboxLine")
                                                    : QStringLiteral("preflightSandboxLineKept"));
    if (scan.binlogSwitchLine > 0 && !fixes.ownerRole.isEmpty())
        lines << L10n::render(QStringLiteral("preflightBinlogSwitch"), {scan.binlogSwitchLine});
    for (const QByteArray& definer : scan.definers) {
        if (!fixes.ownerRole.isEmpty()) {
            lines << L10n::render(QStringLiteral("preflightDefinerRole"), {text(definer), text(fixes.ownerRole)});
            continue;
        }
        if (!DumpFixing::isMissingAccount(definer, fixes)) continue;
        lines << L10n::render(
            fixes.rewriteDefiners ? QStringLiteral("preflightDefiner") : QStringLiteral("preflightDefinerKept"),
            {text(definer)});
    }
    if (!scan.complete)
        lines << L10n::render(QStringLiteral("preflightHeadOnly"), {ByteFormatting::bytes(scan.scannedBytes)});
    else if (lines.isEmpty())
        lines << L10n::render(QStringLiteral("preflightNothing"));
    // First, what holds the import to its databases: the server, or only the stream.
    if (const auto unconfined = unconfinedLine(fixes))
        lines.prepend(*unconfined);
    else
        lines.prepend(L10n::render(QStringLiteral("preflightAccount"), {joined(sorted(fixes.confirmedDatabases))}));
    return lines;
}

std::optional<QString> unconfinedLine(const DumpFixes& fixes) {
    using Confinement = DumpFixes::Confinement;
    switch (fixes.confinement) {
    case Confinement::account: return std::nullopt;
    case Confinement::loginMayNot: return L10n::render(QStringLiteral("preflightLoginOnly"));
    case Confinement::serverHasNoRoles: return L10n::render(QStringLiteral("preflightServerNoRoles"));
    case Confinement::turnedOff: return L10n::render(QStringLiteral("preflightAccountOff"));
    }
    return std::nullopt;
}

QStringList replacedTables(const DumpScan& scan, const ServerInfo& server, const QString& database) {
    const QSet<QString> existing = server.tableNames.value(database);
    QStringList replaced;
    for (const QByteArray& table : scan.droppedTables)
        if (existing.contains(text(table))) replaced << text(table);
    replaced.sort();
    return replaced;
}

QStringList otherDatabases(const DumpFixes& fixes) {
    QStringList names;
    for (const QByteArray& database : fixes.confirmedDatabases)
        if (database != fixes.chosenDatabase) names << text(database);
    names.sort();
    return names;
}

}  // namespace DumpFixPlan
