#include "settings/CatalogParts.h"

// Texts for faults during an import and unusual input.
extern const CatalogParts::Part kCatalogReliability;
const CatalogParts::Part kCatalogReliability = {
    R"catalog(
)catalog",
    "",
};
