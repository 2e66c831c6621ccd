#include "settings/CatalogParts.h"

// Texts for desktop integration: plurals, status times, opening files.
extern const CatalogParts::Part kCatalogDesktop;
const CatalogParts::Part kCatalogDesktop = {
    R"catalog(
)catalog",
    "",
};
