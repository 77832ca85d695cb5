#pragma once
// Checks a catalogue must pass beyond its layout: values that would make a
// later computation read outside a table or divide by zero. The reader
// refuses a file that fails them; the source builder reports them.

#include "catalogue/catalogue.h"

#include <QString>

#include <optional>

namespace pc {

struct CatalogueDamage
{
    QString field;  // e.g. "FamilyRange[2]"
    QString reason; // e.g. "section index 7 is outside 0 .. 5"
};

// The first damage found, or nothing. Expects consistent table shapes.
std::optional<CatalogueDamage> findCatalogueDamage(const Catalogue &catalogue);

} // namespace pc
