// The readable catalogue source (`pilecorr-cli catalogue build`): any bytes
// are parsed, the section geometry expanded and the catalogue built; a
// source it accepts is written and read back. A bad source must end in a
// CatalogueSourceError (or a JSON error), never in a crash.

#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_source_geometry.h"
#include "catalogue/catalogue_writer.h"
#include "fuzz_support.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <exception>

PILECORR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const nlohmann::json source = nlohmann::json::parse(data, data + size, nullptr, false);
    if (source.is_discarded())
        return 0;
    try {
        const pc::Catalogue c = pc::catalogueFromJson(pc::expandSectionGeometry(source));
        (void)pc::readCatalogue(pc::writeCatalogue(c));
    } catch (const std::exception &) {
        // Refused with a reason, as the command line reports it.
    }
    return 0;
}
