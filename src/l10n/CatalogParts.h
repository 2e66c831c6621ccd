#pragma once

#include <vector>

// The catalog is written in parts, one per subject. Every part holds all languages and names
// its own keys, so the texts of one subject live in one small file.
namespace CatalogParts {

struct Part {
    const char* text;  // "[code]" sections of "key = template" lines
    const char* keys;  // the part's keys in stored order, separated by spaces
};

// The parts after the base catalog, in stored order.
const std::vector<Part>& extra();

}  // namespace CatalogParts
