#include "l10n/CatalogParts.h"

extern const CatalogParts::Part kCatalogAccounts;
extern const CatalogParts::Part kCatalogBatches;
extern const CatalogParts::Part kCatalogParallel;
extern const CatalogParts::Part kCatalogTables;
extern const CatalogParts::Part kCatalogStopping;
extern const CatalogParts::Part kCatalogOutcome;
extern const CatalogParts::Part kCatalogDumpChecks;
extern const CatalogParts::Part kCatalogEngines;
extern const CatalogParts::Part kCatalogWindow;
extern const CatalogParts::Part kCatalogDesktop;
extern const CatalogParts::Part kCatalogReliability;
extern const CatalogParts::Part kCatalogResume;
extern const CatalogParts::Part kCatalogCopies;

namespace CatalogParts {

const std::vector<Part>& extra() {
    static const std::vector<Part> parts = {kCatalogDumpChecks, kCatalogEngines, kCatalogWindow, kCatalogDesktop,
                                            kCatalogReliability, kCatalogAccounts,
                                            kCatalogBatches, kCatalogParallel, kCatalogTables, kCatalogStopping,
                                            kCatalogOutcome, kCatalogResume, kCatalogCopies};
    return parts;
}

}  // namespace CatalogParts
