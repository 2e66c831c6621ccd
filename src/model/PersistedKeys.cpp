#include "model/PersistedKeys.h"

#include <QByteArray>

#include "l10n/UserSettings.h"

namespace PersistedKeys {

std::optional<QString> text(const char* key) {
    const QVariant value = UserSettings::open()->value(QString::fromLatin1(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

void setText(const char* key, const QString& value) { UserSettings::open()->setValue(QString::fromLatin1(key), value); }

std::optional<QString> path(const char* key) {
    const QVariant value = UserSettings::open()->value(QString::fromLatin1(key));
    if (!value.isValid()) return std::nullopt;
    const QString stored = QString::fromUtf8(value.toByteArray());
    if (stored.isEmpty()) return std::nullopt;
    return stored;
}

void setPath(const char* key, const QString& path) {
    UserSettings::open()->setValue(QString::fromLatin1(key), path.toUtf8());
}

void remove(const char* key) { UserSettings::open()->remove(QString::fromLatin1(key)); }

}  // namespace PersistedKeys
