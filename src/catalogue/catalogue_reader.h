#pragma once
// Reads the binary catalogue file into a Catalogue. Reading never ends the
// process: any damage gives nothing back, and `why` (when given) receives a
// reason for diagnostics and tests. The user only ever sees the one
// corruption message of the loader.

#include "catalogue/catalogue.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pc {

// The catalogue held in `bytes` (bytes after its last field are ignored), with
// the derived values set; nothing when the bytes are not a sound catalogue.
std::optional<Catalogue> readCatalogue(const QByteArray &bytes, QString *why = nullptr);

// The same, read from a file; nothing also when the file cannot be opened.
std::optional<Catalogue> readCatalogueFile(const QString &path, QString *why = nullptr);

} // namespace pc
