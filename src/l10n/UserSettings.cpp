#include "l10n/UserSettings.h"

namespace UserSettings {

std::unique_ptr<QSettings> open() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tarnwell"),
                                       QStringLiteral("Tarnwell"));
}

}  // namespace UserSettings
