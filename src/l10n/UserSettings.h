#pragma once

#include <QSettings>

#include <memory>

namespace UserSettings {

// The per-user settings store (~/.config/Tarnwell/Tarnwell.conf). Tests redirect it
// with QSettings::setPath to a temporary folder.
std::unique_ptr<QSettings> open();

}  // namespace UserSettings
