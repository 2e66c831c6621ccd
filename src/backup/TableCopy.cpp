#include "backup/TableCopy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kFormat = 1;

QJsonArray array(const QStringList& names) {
    QJsonArray list;
    for (const QString& name : names) list.append(name);
    return list;
}

std::optional<QStringList> names(const QJsonValue& value) {
    if (!value.isArray()) return std::nullopt;
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString()) return std::nullopt;
        list << item.toString();
    }
    return list;
}

}  // namespace

namespace TableCopies {

QByteArray toJson(const TableCopy& copy) {
    QJsonObject object;
    object.insert(QStringLiteral("format"), kFormat);
    object.insert(QStringLiteral("path"), copy.path);
    object.insert(QStringLiteral("container"), copy.container);
    object.insert(QStringLiteral("database"), copy.database);
    object.insert(QStringLiteral("importedDump"), copy.importedDump);
    object.insert(QStringLiteral("created"), copy.created.toUTC().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("tables"), array(copy.tables));
    object.insert(QStringLiteral("removes"), array(copy.removes));
    object.insert(QStringLiteral("bytes"), QString::number(copy.bytes));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<TableCopy> fromJson(const QByteArray& text) {
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("format")).toInt() != kFormat) return std::nullopt;
    TableCopy copy;
    copy.path = object.value(QStringLiteral("path")).toString();
    copy.container = object.value(QStringLiteral("container")).toString();
    copy.database = object.value(QStringLiteral("database")).toString();
    copy.importedDump = object.value(QStringLiteral("importedDump")).toString();
    copy.created = QDateTime::fromString(object.value(QStringLiteral("created")).toString(), Qt::ISODateWithMs);
    const auto tables = names(object.value(QStringLiteral("tables")));
    const auto removes = names(object.value(QStringLiteral("removes")));
    bool sized = false;
    copy.bytes = object.value(QStringLiteral("bytes")).toString().toLongLong(&sized);
    if (copy.path.isEmpty() || copy.container.isEmpty() || copy.database.isEmpty() || !copy.created.isValid() ||
        !tables || !removes || !sized)
        return std::nullopt;
    copy.tables = *tables;
    copy.removes = *removes;
    return copy;
}

}  // namespace TableCopies
