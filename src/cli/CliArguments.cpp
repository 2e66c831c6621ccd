#include "cli/CliArguments.h"

namespace CliArguments {

namespace {

struct Grammar {
    QString command;
    QString operandName;  // what the one operand is; every command takes exactly one or none
    QStringList flags;
    QStringList valueOptions;
    QStringList requiredOptions;
};

const QList<Grammar>& grammars() {
    static const QList<Grammar> all = {
        {"containers", {}, {"--all", "--json"}, {"--engine"}, {}},
        {"databases", "a container name", {"--password-stdin", "--json"}, {"--user", "--engine"}, {}},
        {"inspect",
         "a dump file",
         {"--password-stdin", "--json", "--no-command-guard", "--no-redirect", "--no-mysql-fixes", "--keep-definers",
          "--no-import-account"},
         {"--container", "--user", "--engine", "--tables", "--exclude-tables"},
         {}},
        {"create-database",
         "a container name",
         {"--password-stdin"},
         {"--name", "--collation", "--user", "--engine"},
         {"--name"}},
        {"import",
         "a dump file",
         {"--password-stdin", "--keep-unique-checks", "--keep-foreign-key-checks", "--keep-binlog", "--yes",
          "--no-command-guard", "--no-redirect", "--no-mysql-fixes", "--keep-definers", "--no-import-account",
          "--resume", "--copy", "--no-copy"},
         {"--container", "--database", "--user", "--engine", "--commit-every", "--jobs", "--tables",
          "--exclude-tables"},
         {"--container"}},
        {"import-each", {}, {}, {"--container", "--user", "--engine"}, {"--container"}},
        {"undo",
         {},
         {"--password-stdin", "--yes"},
         {"--container", "--database", "--user", "--engine"},
         {"--container", "--database"}},
    };
    return all;
}

const Grammar* grammarOf(const QString& command) {
    for (const Grammar& grammar : grammars()) {
        if (grammar.command == command) return &grammar;
    }
    return nullptr;
}

bool isPasswordOption(const QString& name) {
    return name == "--password" || name == "--pass" || name == "--pwd" || name == "-p";
}

}  // namespace

const QStringList& commands() {
    static const QStringList names = [] {
        QStringList list;
        for (const Grammar& grammar : grammars()) list << grammar.command;
        return list;
    }();
    return names;
}

Parsed parse(const QStringList& arguments) {
    Parsed parsed;
    const Grammar* grammar = nullptr;
    bool optionsEnded = false;
    const auto fail = [&](const QString& error) {
        if (parsed.error.isEmpty()) parsed.error = error;
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            if (parsed.command.isEmpty() && !optionsEnded) {
                parsed.command = argument;
                grammar = grammarOf(argument);
                if (!grammar) fail(QStringLiteral("unknown command '%1'").arg(argument));
            } else {
                parsed.operands << argument;
            }
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf('=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            continue;
        }
        if (name == "--version" && parsed.command.isEmpty()) {
            parsed.version = true;
            continue;
        }
        if (isPasswordOption(name)) {
            fail(QStringLiteral("the password is never taken from the command line; use --password-stdin"));
            continue;
        }
        // Every command takes the engine, so it may also come first, where the help lists it.
        const bool engineFirst = name == "--engine" && parsed.command.isEmpty();
        if (!grammar && !engineFirst) {
            // After an unknown command its error is the one worth telling.
            if (parsed.command.isEmpty()) fail(QStringLiteral("unknown option '%1'").arg(name));
            continue;
        }
        if (!engineFirst && grammar->flags.contains(name)) {
            if (equals >= 0) fail(QStringLiteral("option '%1' takes no value").arg(name));
            parsed.flags.insert(name);
        } else if (engineFirst || grammar->valueOptions.contains(name)) {
            if (equals >= 0) {
                parsed.values.insert(name, argument.mid(equals + 1));
            } else if (i + 1 < arguments.size()) {
                parsed.values.insert(name, arguments[++i]);
            } else {
                fail(QStringLiteral("option '%1' needs a value").arg(name));
            }
        } else {
            fail(QStringLiteral("unknown option '%1'").arg(name));
        }
    }

    if (parsed.help || parsed.version || !parsed.error.isEmpty() || !grammar) {
        if (parsed.command.isEmpty() && !parsed.help && !parsed.version) fail(QStringLiteral("no command given"));
        return parsed;
    }
    const qsizetype wanted = grammar->operandName.isEmpty() ? 0 : 1;
    if (parsed.operands.size() < wanted) {
        fail(QStringLiteral("'%1' needs %2").arg(grammar->command, grammar->operandName));
    } else if (parsed.operands.size() > wanted) {
        fail(QStringLiteral("unexpected argument '%1'").arg(parsed.operands[wanted]));
    }
    for (const QString& option : grammar->requiredOptions) {
        if (!parsed.values.contains(option)) fail(QStringLiteral("'%1' needs %2").arg(grammar->command, option));
    }
    for (auto it = parsed.values.cbegin(); it != parsed.values.cend(); ++it) {
        if (it.value().trimmed().isEmpty()) fail(QStringLiteral("option '%1' needs a value").arg(it.key()));
    }
    if (const auto engine = parsed.value("--engine"); engine && *engine != "docker" && *engine != "podman")
        fail(QStringLiteral("option '--engine' takes docker or podman, not '%1'").arg(*engine));
    return parsed;
}

}  // namespace CliArguments
