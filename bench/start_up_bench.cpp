// The program's start-up on the sample catalogue, without the file read:
// the window model is built, the start-up handlers fill every list and
// label, and the window is closed again. Four of the fuzz targets pay this
// for every input, and a user pays it at every launch.

#include "catalogue/catalogue_reader.h"
#include "platform/scripted_platform.h"
#include "window/app.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

void BM_StartUp(benchmark::State &state)
{
    const std::optional<pc::Catalogue> sample =
        pc::readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
    if (!sample) {
        state.SkipWithError("the sample catalogue is not built");
        return;
    }
    for (auto _ : state) {
        pc::ScriptedPlatform platform;
        pc::App app(platform);
        app.catalogueLoader = [&sample](pc::Platform &) { return sample; };
        app.start();
        if (app.ended()) {
            state.SkipWithError("the program ended at start");
            return;
        }
        benchmark::DoNotOptimize(app.f.Lbl_BMC_Value.text());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMicrosecond);

} // namespace
