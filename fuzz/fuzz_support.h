#pragma once
// What every fuzz target shares: the Qt core application the program's code
// expects to exist, made once before the first input (libFuzzer calls
// LLVMFuzzerInitialize; the replay runner calls it too).

#include "catalogue/catalogue_reader.h"
#include "window/app.h"

#include <QCoreApplication>

#include <optional>

#define PILECORR_FUZZ_INITIALIZE                                                                   \
    extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)                                   \
    {                                                                                              \
        static QCoreApplication application(*argc, *argv);                                         \
        return 0;                                                                                  \
    }

namespace pc::fuzz {

// The sample catalogue, read once: the targets whose input is not the
// catalogue start every run on it without reading the file again.
inline void withSampleCatalogue(App &app)
{
    static const std::optional<Catalogue> sample =
        readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
    app.catalogueLoader = [](Platform &) { return sample; };
}

} // namespace pc::fuzz
