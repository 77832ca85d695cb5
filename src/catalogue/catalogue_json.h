#pragma once
// The readable form of a catalogue: a JSON object with the field names of
// Catalogue (documented in docs/catalogue-format.md). `catalogue dump` writes
// it, `catalogue build` reads it. The output of catalogueToJson is valid input
// of catalogueFromJson and the two are inverse.

#include "catalogue/catalogue.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace pc {

// A source the file cannot hold: names the field (as a path such as
// "Annexes[1].SoilLoss[2]") and the reason.
class CatalogueSourceError : public std::runtime_error
{
public:
    CatalogueSourceError(std::string field, std::string reason);
    const std::string &field() const { return field_; }
    const std::string &reason() const { return reason_; }

private:
    std::string field_;
    std::string reason_;
};

// Every stored field, the derived limits and the constants. Non-finite
// numbers are written as the strings "NaN", "Infinity" and "-Infinity".
nlohmann::json catalogueToJson(const Catalogue &catalogue);

// Builds a catalogue from its source, with the derived values recomputed
// (derived fields in the source are ignored, as are keys starting with "_").
// Throws CatalogueSourceError for a missing or unknown field, a wrong type or
// row length, a count outside the file's range, or any value the reader
// would refuse.
Catalogue catalogueFromJson(const nlohmann::json &source);

} // namespace pc
