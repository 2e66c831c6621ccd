#pragma once

#include <QString>

#include <optional>

// The model's values in the per-user settings.
namespace PersistedKeys {

std::optional<QString> text(const char* key);
void setText(const char* key, const QString& value);

// A file or folder is kept as its absolute path, stored as UTF-8 bytes.
std::optional<QString> path(const char* key);
void setPath(const char* key, const QString& path);
void remove(const char* key);

}  // namespace PersistedKeys
