#include "l10n/CatalogParts.h"

// Texts about rows loaded in several sessions at once.
extern const CatalogParts::Part kCatalogParallel;
const CatalogParts::Part kCatalogParallel = {
    R"catalog(
[en]
fixLockTables = Line %d: LOCK TABLES and UNLOCK TABLES are left out: the rows of a table go in several sessions at once, and one session’s lock would stop the others.
)catalog",
    "fixLockTables",
};
