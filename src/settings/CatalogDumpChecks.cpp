#include "settings/CatalogParts.h"

// Texts for checks and fixes applied to a dump while it streams, and the pre-flight.
extern const CatalogParts::Part kCatalogDumpChecks;
const CatalogParts::Part kCatalogDumpChecks = {
    R"catalog(
)catalog",
    "",
};
