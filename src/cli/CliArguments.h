#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of tarnwell-cli: a command, its operands and its options. Options may
// stand anywhere after the command; "--" ends them.
namespace CliArguments {

struct Parsed {
    QString command;  // empty: no command given
    QStringList operands;
    QSet<QString> flags;            // "--all", "--yes", …, without values
    QMap<QString, QString> values;  // "--container" -> name, …
    bool help = false;
    bool version = false;
    QString error;  // not empty: the line is unusable, this says why

    bool has(const QString& flag) const { return flags.contains(flag); }
    std::optional<QString> value(const QString& option) const {
        if (!values.contains(option)) return std::nullopt;
        return values.value(option);
    }
};

// The commands, in the order the help lists them.
const QStringList& commands();

// Parses the arguments after the program name.
Parsed parse(const QStringList& arguments);

}  // namespace CliArguments
