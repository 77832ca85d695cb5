#pragma once
// The section list of a catalogue source in its readable form: one object per
// section under "Sections", each either with the maker's property columns or
// with the centre-line geometry of its pile pair, from which the columns are
// computed for the catalogue's loss steps. expandSectionGeometry turns it into
// the plain form of per-field arrays that catalogueFromJson reads.

#include <nlohmann/json.hpp>

#include "catalogue/section_geometry.h"

#include <string>

namespace pc {

// Returns `source` unchanged when it has no "Sections" array (it is already
// plain). Otherwise returns a copy in which "Sections" is replaced by the
// plain arrays SectionName, SectionWidth, SectionMass, SectionTf, SectionTw,
// SectionMaxLength, RedA, RedI, RedWel (rows per loss step), Availability
// (rows per section), FamilyName and FamilyRange, and every other key kept.
// Throws CatalogueSourceError whose field names the section ("Sections[2] (ZT 12-700)")
// or the top-level key at fault.
nlohmann::json expandSectionGeometry(const nlohmann::json &source);

// The pair described by one section's "Geometry" object. Throws
// CatalogueSourceError, prefixed with `where`, for a missing or refused value.
PairGeometry pairGeometryFromJson(const nlohmann::json &geometry, const std::string &where);

} // namespace pc
