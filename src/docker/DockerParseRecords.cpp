// Records from the JSON that `docker ps` and `docker inspect` print.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>
#include <QVariant>

#include "docker/DockerParse.h"

namespace DockerParse {
namespace {

// A text field. Only "ID" also takes a number (or a boolean, as 1 or 0) as its decimal text.
std::optional<QString> string(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isString()) return value.toString();
    if (key == QLatin1String("ID")) {
        if (value.isBool()) return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        if (value.isDouble()) return value.toVariant().toString();
    }
    return std::nullopt;
}

bool flag(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isBool()) return value.toBool();
    if (value.isDouble()) return value.toDouble() != 0;
    return false;
}

QString stripSlashes(QString text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u'/') ++begin;
    while (end > begin && text.at(end - 1) == u'/') --end;
    return text.mid(begin, end - begin);
}

// An array counts only when every element is a string.
QStringList stringArray(const QJsonValue& value) {
    QStringList items;
    if (!value.isArray()) return items;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString()) return {};
        items.append(item.toString());
    }
    return items;
}

// An array counts only when every element is an object.
std::optional<QList<QJsonObject>> objectArray(const QJsonValue& value) {
    if (!value.isArray()) return std::nullopt;
    QList<QJsonObject> objects;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isObject()) return std::nullopt;
        objects.append(item.toObject());
    }
    return objects;
}

}  // namespace

std::optional<PsEntry> parsePsLine(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(trimmed.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return parsePsObject(document.object());
}

std::optional<PsEntry> parsePsObject(const QJsonObject& object) {
    PsEntry entry;
    entry.id = string(object, QStringLiteral("ID")).value_or(string(object, QStringLiteral("Id")).value_or(QString()));
    if (entry.id.isEmpty()) return std::nullopt;

    QStringList names = stringArray(object.value(QStringLiteral("Names")));
    if (names.isEmpty()) {
        const QString rawName =
            string(object, QStringLiteral("Names")).value_or(string(object, QStringLiteral("Name")).value_or(entry.id));
        names = rawName.split(u',', Qt::SkipEmptyParts);
    }
    entry.name = names.isEmpty() ? entry.id : stripSlashes(names.first());
    if (entry.name.isEmpty()) entry.name = entry.id;

    entry.image = string(object, QStringLiteral("Image")).value_or(QString());
    entry.state = string(object, QStringLiteral("State")).value_or(QString()).toLower();
    entry.status = string(object, QStringLiteral("Status")).value_or(QString());
    entry.ports = portsText(object.value(QStringLiteral("Ports")));
    return entry;
}

QList<PsEntry> parsePsOutput(const QString& text) {
    QList<PsEntry> entries;
    if (text.trimmed().startsWith(u'[')) {
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
        for (const QJsonValue& item : document.array()) {
            if (!item.isObject()) continue;
            if (auto entry = parsePsObject(item.toObject())) entries.append(std::move(*entry));
        }
        return entries;
    }
    for (const QString& line : splitRecords(text)) {
        if (auto entry = parsePsLine(line)) entries.append(std::move(*entry));
    }
    return entries;
}

QString portsText(const QJsonValue& ports) {
    if (ports.isString()) return ports.toString();
    QStringList pieces;
    for (const QJsonValue& item : ports.toArray()) {
        const QJsonObject port = item.toObject();
        const qint64 host = port.value(QStringLiteral("host_port")).toInteger();
        const qint64 inside = port.value(QStringLiteral("container_port")).toInteger();
        if (inside <= 0) continue;
        const qint64 range = qMax<qint64>(1, port.value(QStringLiteral("range")).toInteger(1));
        QString protocol = port.value(QStringLiteral("protocol")).toString();
        if (protocol.isEmpty()) protocol = QStringLiteral("tcp");
        const auto span = [range](qint64 first) {
            return range > 1 ? QStringLiteral("%1-%2").arg(first).arg(first + range - 1) : QString::number(first);
        };
        if (host <= 0) {
            pieces.append(span(inside) + u'/' + protocol);  // exposed only
            continue;
        }
        QString address = port.value(QStringLiteral("host_ip")).toString();
        if (address.isEmpty()) address = QStringLiteral("0.0.0.0");
        pieces.append(address + u':' + span(host) + QStringLiteral("->") + span(inside) + u'/' + protocol);
    }
    return pieces.join(QStringLiteral(", "));
}

QList<ParsedInspect> parseInspectList(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) return {};

    QList<QJsonObject> objects;
    if (document.isObject()) {
        objects.append(document.object());
    } else if (document.isArray()) {
        objects = objectArray(document.array()).value_or(QList<QJsonObject>());
    }

    QList<ParsedInspect> records;
    for (const QJsonObject& object : objects) {
        if (auto record = parseInspectObject(object)) records.append(std::move(*record));
    }
    return records;
}

std::optional<ParsedInspect> parseInspectObject(const QJsonObject& object) {
    ParsedInspect record;
    record.id = string(object, QStringLiteral("Id")).value_or(QString());
    if (record.id.isEmpty()) return std::nullopt;

    const QJsonObject config = object.value(QStringLiteral("Config")).toObject();
    const QJsonObject state = object.value(QStringLiteral("State")).toObject();

    record.name = stripSlashes(string(object, QStringLiteral("Name")).value_or(QString()));
    if (record.name.isEmpty()) record.name = record.id;
    record.env = stringArray(config.value(QStringLiteral("Env")));
    record.command = stringArray(config.value(QStringLiteral("Cmd")));
    record.image = string(config, QStringLiteral("Image")).value_or(QString());
    record.running = flag(state, QStringLiteral("Running"));
    record.status = string(state, QStringLiteral("Status")).value_or(QString());
    record.startedAt = engineTime(string(state, QStringLiteral("StartedAt")).value_or(QString()));
    record.finishedAt = engineTime(string(state, QStringLiteral("FinishedAt")).value_or(QString()));
    const QJsonValue exitCode = state.value(QStringLiteral("ExitCode"));
    if (exitCode.isDouble()) record.exitCode = exitCode.toInt();
    record.volumeSummary =
        volumeSummary(objectArray(object.value(QStringLiteral("Mounts"))).value_or(QList<QJsonObject>()));
    return record;
}

QDateTime engineTime(const QString& text) {
    // Qt reads at most milliseconds; the engine writes up to nanoseconds.
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2})(?:\.(\d{1,9}))?(Z|[+-]\d{2}:\d{2})$)"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch()) return {};
    const QString millis = (match.captured(2) + QStringLiteral("000")).left(3);
    QDateTime time = QDateTime::fromString(match.captured(1) + u'.' + millis + match.captured(3), Qt::ISODateWithMs);
    if (!time.isValid() || time.date().year() <= 1) return {};
    return time.toUTC();
}

QString volumeSummary(const QList<QJsonObject>& mounts) {
    QStringList labels;
    for (const QJsonObject& mount : mounts) {
        const QString destination = string(mount, QStringLiteral("Destination")).value_or(QString());
        const QString type = string(mount, QStringLiteral("Type")).value_or(QString());
        const bool holdsData = destination.contains(QLatin1String("mysql")) ||
                               destination.contains(QLatin1String("maria")) || type == QLatin1String("volume");
        if (!holdsData) continue;

        QString label = string(mount, QStringLiteral("Name")).value_or(QString());
        if (label.isEmpty()) label = string(mount, QStringLiteral("Source")).value_or(QString());
        if (label.isEmpty()) label = destination;
        if (!label.isEmpty()) labels.append(label);
    }
    return labels.join(QStringLiteral(", "));
}

}  // namespace DockerParse
