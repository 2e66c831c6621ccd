#include "dump/DumpFixing.h"

#include <algorithm>

#include "dump/DefinerFixing.h"
#include "sql/SqlTokens.h"

namespace DumpFixing {
namespace {

using SqlTokens::Kind;
using SqlTokens::Token;
using SqlTokens::isSymbol;

struct Edit {
    qsizetype begin;
    qsizetype end;
    QByteArray replacement;
};

QByteArray lineBreaksOf(QByteArrayView text) { return QByteArray(text.count('\n'), '\n'); }

// Blanks keep the line breaks of what they replace.
QByteArray blankOf(QByteArrayView text) {
    QByteArray blank(text.size(), ' ');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == '\n') blank[i] = '\n';
    return blank;
}

bool isName(const Token& token) { return token.kind == Kind::word || token.kind == Kind::quotedIdentifier; }

QString textOf(QByteArrayView bytes) { return QString::fromUtf8(bytes); }

void redirectNames(QByteArrayView text, const QList<Token>& tokens, const StatementFacts::Facts& facts,
                   const DumpFixes& fixes, QList<Edit>& edits) {
    const QByteArray target = quotedName(fixes.chosenDatabase);
    const bool namesDatabase = facts.kind == StatementFacts::Kind::use ||
                               facts.kind == StatementFacts::Kind::createDatabase ||
                               facts.kind == StatementFacts::Kind::alterDatabase;
    bool databaseNameSeen = false;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (!isName(token) || SqlTokens::nameOf(text, token, facts.quoting) != fixes.dumpDatabase) continue;
        const bool qualifies = i + 2 < tokens.size() && isSymbol(text, tokens[i + 1], '.') && isName(tokens[i + 2]);
        // In USE and CREATE DATABASE the first such name is the database itself.
        const bool isTheDatabase = namesDatabase && !databaseNameSeen;
        if (!qualifies && !isTheDatabase) continue;
        if (isTheDatabase) databaseNameSeen = true;
        edits.append({token.begin, token.end, target});
    }
}

void dropEncryption(QByteArrayView text, const QList<Token>& tokens, QList<Edit>& edits) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (!SqlTokens::isKeyword(text, tokens[i], "ENCRYPTION")) continue;
        qsizetype first = i;
        qsizetype last = i;
        if (i > 0 && SqlTokens::isKeyword(text, tokens[i - 1], "DEFAULT")) first = i - 1;
        if (last + 1 < tokens.size() && isSymbol(text, tokens[last + 1], '=')) ++last;
        if (last + 1 < tokens.size() && tokens[last + 1].kind == Kind::string) ++last;
        const Token& from = tokens[first];
        const Token& to = tokens[last];
        edits.append({from.begin, to.end, blankOf(text.sliced(from.begin, to.end - from.begin))});
    }
}

}  // namespace

QByteArray quotedName(const QByteArray& name) {
    QByteArray quoted = name;
    quoted.replace('`', "``");
    return '`' + quoted + '`';
}

QByteArray closestCollation(QByteArrayView mysqlName, const QStringList& serverCollations) {
    const QByteArray lower = mysqlName.toByteArray().toLower();
    if (serverCollations.isEmpty() || serverCollations.contains(QString::fromLatin1(lower)))
        return mysqlName.toByteArray();
    // The accent and case behaviour of the name: "ai_ci", "as_cs", "bin"…
    const qsizetype at = lower.indexOf("_0900_");
    const QByteArray behaviour = at < 0 ? QByteArray() : lower.mid(at + 6);
    QList<QByteArray> candidates;
    if (behaviour == "bin")
        candidates = {"utf8mb4_bin"};
    else
        candidates = {"utf8mb4_uca1400_" + behaviour, "utf8mb4_uca1400_ai_ci", "utf8mb4_unicode_520_ci",
                      "utf8mb4_unicode_ci", "utf8mb4_general_ci"};
    for (const QByteArray& candidate : candidates)
        if (serverCollations.contains(QString::fromLatin1(candidate))) return candidate;
    return mysqlName.toByteArray();
}

bool isMissingAccount(const QByteArray& account, const DumpFixes& fixes) {
    return !fixes.serverAccounts.isEmpty() && !fixes.serverAccounts.contains(account);
}

std::optional<QByteArray> rewrite(QByteArrayView statement, const StatementFacts::Facts& facts, const DumpFixes& fixes,
                                  QList<Change>* changes) {
    const auto note = [&](Change::Kind kind, QString from = {}, QString to = {}) {
        if (changes) changes->append({kind, std::move(from), std::move(to)});
    };
    const bool redirect = fixes.redirectDatabase && !fixes.dumpDatabase.isEmpty() && !fixes.chosenDatabase.isEmpty() &&
                          fixes.dumpDatabase != fixes.chosenDatabase;
    if (fixes.mysqlToMariadb && facts.kind == StatementFacts::Kind::gtidPurged) {
        note(Change::Kind::gtidDropped);
        return lineBreaksOf(statement);
    }
    const bool toRole = !fixes.ownerRole.isEmpty();
    if (toRole && facts.kind == StatementFacts::Kind::binlogSwitch) {
        note(Change::Kind::binlogSwitchDropped);
        return lineBreaksOf(statement);
    }
    // Emptying the chosen database goes beyond replacing the dump's tables.
    if (redirect && facts.kind == StatementFacts::Kind::dropDatabase && facts.database == fixes.dumpDatabase) {
        note(Change::Kind::dropDatabaseSkipped, textOf(facts.database));
        return lineBreaksOf(statement);
    }
    // An INSERT names the dump's database only as its table's qualifier.
    const bool redirectHere =
        redirect && (facts.kind != StatementFacts::Kind::insert || facts.qualifier == fixes.dumpDatabase);
    const bool mayMention = redirectHere ||
                            (fixes.mysqlToMariadb && (facts.mysqlCollation || facts.encryptionClause)) ||
                            (toRole && (facts.definerClause || facts.kind == StatementFacts::Kind::createRoutine)) ||
                            (!toRole && fixes.rewriteDefiners && !facts.definers.isEmpty());
    if (!mayMention) return std::nullopt;

    const bool insert = facts.kind == StatementFacts::Kind::insert;
    const QList<Token> tokens =
        SqlTokens::codeTokens(statement, insert ? StatementFacts::kInsertHead : -1, facts.quoting);
    QList<Edit> edits;
    if (redirectHere) {
        const qsizetype before = edits.size();
        redirectNames(statement, tokens, facts, fixes, edits);
        if (edits.size() > before)
            note(Change::Kind::databaseRedirected, textOf(fixes.dumpDatabase), textOf(fixes.chosenDatabase));
    }
    if (fixes.mysqlToMariadb && facts.encryptionClause) {
        dropEncryption(statement, tokens, edits);
        note(Change::Kind::encryptionDropped);
    }
    if (fixes.mysqlToMariadb && facts.mysqlCollation) {
        for (const Token& token : tokens) {
            if (token.kind != Kind::word) continue;
            const QByteArrayView word = statement.sliced(token.begin, token.end - token.begin);
            if (!StatementFacts::isMysqlCollation(word)) continue;
            const QByteArray closest = closestCollation(word, fixes.serverCollations);
            if (closest == word) continue;
            edits.append({token.begin, token.end, closest});
            note(Change::Kind::collationMapped, textOf(word), textOf(closest));
        }
    }
    if (toRole) {
        for (const DefinerFixing::Replacement& replacement : DefinerFixing::toCurrentRole(statement, tokens)) {
            edits.append({replacement.begin, replacement.end, replacement.text});
            note(Change::Kind::definerToRole, textOf(replacement.replaced), textOf(fixes.ownerRole));
        }
    } else if (fixes.rewriteDefiners) {
        for (qsizetype i = 0; i + 2 < tokens.size(); ++i) {
            if (!SqlTokens::isKeyword(statement, tokens[i], "DEFINER") || !isSymbol(statement, tokens[i + 1], '='))
                continue;
            const auto account = StatementFacts::accountAt(statement, tokens, i + 2);
            if (!account || !isMissingAccount(account->name, fixes)) continue;
            edits.append({account->begin, account->end, "CURRENT_USER"});
            note(Change::Kind::definerRewritten, textOf(account->name), QStringLiteral("CURRENT_USER"));
        }
    }
    if (edits.isEmpty()) return std::nullopt;
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    QByteArray result;
    result.reserve(statement.size());
    qsizetype copied = 0;
    for (const Edit& edit : edits) {
        if (edit.begin < copied) continue;  // overlapping: the first one wins
        result.append(statement.sliced(copied, edit.begin - copied));
        result.append(edit.replacement);
        // A name written across lines keeps its line breaks, so line numbers stay the dump's.
        const qsizetype lost =
            statement.sliced(edit.begin, edit.end - edit.begin).count('\n') - edit.replacement.count('\n');
        if (lost > 0) result.append(QByteArray(lost, '\n'));
        copied = edit.end;
    }
    result.append(statement.sliced(copied));
    return result;
}

}  // namespace DumpFixing
