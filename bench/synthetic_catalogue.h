#pragma once
// A large, deterministic catalogue for benchmarks: by default 5,000 sections
// in a few families, 40 grades, 21 loss steps and 2 annexes. Every value
// comes from the indices, so each run builds the same catalogue.

#include "catalogue/catalogue.h"

namespace pc::bench {

struct SyntheticCatalogueSize
{
    int sections = 5000;
    int grades = 40;
    int lossSteps = 21;
    int families = 6;
    int annexes = 2;
};

// A catalogue that passes every load check, with derived values set.
Catalogue syntheticCatalogue(const SyntheticCatalogueSize &size = {});

} // namespace pc::bench
