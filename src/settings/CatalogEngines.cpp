#include "settings/CatalogParts.h"

// Texts for Podman and remote engines.
extern const CatalogParts::Part kCatalogEngines;
const CatalogParts::Part kCatalogEngines = {
    R"catalog(
)catalog",
    "",
};
