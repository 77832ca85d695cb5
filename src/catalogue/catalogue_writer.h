#pragma once
// Writes a Catalogue in the binary layout the reader expects: the exact
// inverse of the reader, with every filler byte and unused field zero and one
// empty spare-list entry. Used by the tests and by `catalogue build`.

#include "catalogue/catalogue.h"

#include <QByteArray>

namespace pc {

// Expects a catalogue whose shapes and names fit the file (catalogueFromJson
// checks a source for that); a name that cannot be stored is written with '?'
// for the characters that cannot.
QByteArray writeCatalogue(const Catalogue &catalogue);

} // namespace pc
