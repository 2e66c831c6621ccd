#include "dump/DumpFixPlan.h"

#include <QSet>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"

namespace DumpFixPlan {
namespace {

QString text(const QByteArray& bytes) { return QString::fromUtf8(bytes); }

QString joined(const QList<QByteArray>& names) {
    QStringList shown;
    for (const QByteArray& name : names) shown << QStringLiteral("“%1”").arg(text(name));
    return shown.join(QStringLiteral(", "));
}

}  // namespace

DumpFixes plan(const DumpScan& scan, const ServerInfo& server, const FixChoices& choices,
               const QString& chosenDatabase) {
    DumpFixes fixes;
    fixes.guardClientCommands = choices.guardClientCommands;
    fixes.clientHasSandbox = server.clientSandbox;
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
    // Only a client without a sandbox chokes on the line that turns one on.
    fixes.dropSandboxLine = !server.clientSandbox;
    fixes.rewriteDefiners = choices.rewriteDefiners;
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
    for (const DumpScan::Command& command : scan.clientCommands) {
        const QString key = !fixes.guardClientCommands ? QStringLiteral("preflightCommandRuns")
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
    if (scan.sandboxLine && !fixes.clientHasSandbox)
        lines << L10n::render(fixes.dropSandboxLine ? QStringLiteral("preflightSandboxLine")
                                                    : QStringLiteral("preflightSandboxLineKept"));
    for (const QByteArray& definer : scan.definers) {
        if (!DumpFixing::isMissingAccount(definer, fixes)) continue;
        lines << L10n::render(
            fixes.rewriteDefiners ? QStringLiteral("preflightDefiner") : QStringLiteral("preflightDefinerKept"),
            {text(definer)});
    }
    if (!scan.complete)
        lines << L10n::render(QStringLiteral("preflightHeadOnly"), {ByteFormatting::bytes(scan.scannedBytes)});
    else if (lines.isEmpty())
        lines << L10n::render(QStringLiteral("preflightNothing"));
    return lines;
}

QStringList otherDatabases(const DumpFixes& fixes) {
    QStringList names;
    for (const QByteArray& database : fixes.confirmedDatabases)
        if (database != fixes.chosenDatabase) names << text(database);
    names.sort();
    return names;
}

}  // namespace DumpFixPlan
