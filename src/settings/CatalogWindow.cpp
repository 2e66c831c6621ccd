#include "settings/CatalogParts.h"

// Texts for the main window's menu, footer, failures and quitting.
extern const CatalogParts::Part kCatalogWindow;
const CatalogParts::Part kCatalogWindow = {
    R"catalog(
)catalog",
    "",
};
