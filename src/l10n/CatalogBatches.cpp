#include "l10n/CatalogParts.h"

// Texts about rows committed in batches, and what an import that stopped early keeps of them.
extern const CatalogParts::Part kCatalogBatches;
const CatalogParts::Part kCatalogBatches = {
    R"catalog(
[en]
batchesKept = Rows are committed in batches: the database keeps what the dump’s statements up to line %1$d (table %2$@) made, at least; the batch that was loading was undone.
batchesNoneKept = No batch of rows was committed yet: the rows this import sent were undone; tables it created or dropped stay so.
confirmBatches = Rows are committed in batches of %d statements: if the import stops early, each table keeps its rows up to the last batch committed.
)catalog",
    "batchesKept batchesNoneKept confirmBatches",
};
