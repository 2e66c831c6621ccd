#include "ui/Disclaimer.h"

#include "l10n/L10n.h"

Disclaimer Disclaimer::forLanguage(const QString& code) {
    const auto text = [&code](const char* key) { return L10n::renderIn(Catalog::tables(), code, QLatin1String(key), {}); };
    return {text("openLicense"), text("website"), text("disclaimer")};
}
