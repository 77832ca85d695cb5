// One keystroke in Edit_Moment in Sfmin mode on " ALL" of the 5,000-section
// catalogue (key filter, change, the search over the family with reduced
// properties and safety factors, the list refill and every refresh after it)
// against a bare loop that computes Sf,red of every section of the family
// once. Both run on the same catalogue, loss and design values.

#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"
#include "window/app.h"
#include "platform/scripted_platform.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A loss within the tables, so that every candidate is interpolated.
constexpr double Loss = 2.37;

struct SearchSetup
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;

    SearchSetup()
    {
        app = std::make_unique<pc::App>(platform);
        const pc::Catalogue c = pc::bench::syntheticCatalogue();
        app->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        app->start();
        auto &f = app->f;
        app->s.LossTotal = Loss;
        f.userReplace(f.Edit_Moment, QStringLiteral("30"));
        f.userClick(f.MenuSelectSfmin); // band 1.50 .. 10.00 from the fields
        f.userEnter(f.Edit_Moment);
    }
};

void BM_MomentKeystrokeSfminSearch(benchmark::State &state)
{
    SearchSetup setup;
    auto &f = setup.app->f;
    bool typed = false;
    for (auto _ : state) {
        // 30 -> 300 -> 30 -> ...: a digit, then a backspace.
        f.userKey(f.Edit_Moment, typed ? QChar(8) : QChar(u'0'));
        typed = !typed;
    }
    state.counters["listed"] = f.LB_SSP.itemCount();
    state.counters["sections"] = setup.app->cat().SectionCount();
}
BENCHMARK(BM_MomentKeystrokeSfminSearch)->Unit(benchmark::kMillisecond);

void BM_BareSfRedLoop(benchmark::State &state)
{
    const pc::Catalogue cat = pc::bench::syntheticCatalogue();
    const int first = cat.FamilyRange[0][0];
    const int last = cat.FamilyRange[0][1];
    for (auto _ : state) {
        for (int j = first; j <= last; ++j) {
            const pc::ReducedProperties r = pc::computeReducedProperties(cat, j, Loss);
            pc::Extended sf = pc::safetyFactor(300, 0, 0, r.welRed, r.aRed, 240);
            benchmark::DoNotOptimize(sf);
        }
    }
}
BENCHMARK(BM_BareSfRedLoop)->Unit(benchmark::kMillisecond);

} // namespace
