// One keystroke in Edit_Moment in Sfmin mode on " ALL" of the 5,000-section
// catalogue (key filter, change, the search over the family with reduced
// properties and safety factors, the list refill and every refresh after it)
// against a bare loop that computes Sf,red of every section of the family
// once. Both run on the same catalogue, loss and design values.
//
// The corrosion state is a real one, set by the user's choices: an A690
// grade with a water front in the splash zone, so that every finishing step
// of the keystroke applies a reduction factor, and a service life whose
// losses put every candidate inside the reduced-property tables.

#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"
#include "platform/scripted_platform.h"
#include "synthetic_catalogue.h"
#include "window/app.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int WaterExposure = 2;
constexpr int SplashZoneDetail = 2;
constexpr int ServiceLife50 = 2; // " 0", " 25", " 50", ...

// The synthetic catalogue with its first grade renamed to an A690 grade.
pc::Catalogue benchCatalogue()
{
    pc::Catalogue c = pc::bench::syntheticCatalogue();
    c.GradeName[0] = QStringLiteral("ASTM A690");
    return c;
}

struct SearchSetup
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;
    bool ready = false;

    SearchSetup()
    {
        app = std::make_unique<pc::App>(platform);
        const pc::Catalogue c = benchCatalogue();
        app->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        app->start();
        auto &f = app->f;
        int a690 = -1;
        for (int i = 0; i < f.CB_SteelGrades.itemCount() && a690 < 0; ++i)
            if (f.CB_SteelGrades.items()[i].contains(QStringLiteral("A690")))
                a690 = i;
        if (a690 < 0)
            return;
        f.userSelect(f.CB_SteelGrades, a690);
        f.userPage(pc::form::MainForm::PageRates);
        f.userSelect(f.RG_Front, WaterExposure);
        f.userSelect(f.CB_Front_Detail, SplashZoneDetail);
        f.userPage(pc::form::MainForm::PageInput);
        f.userSelect(f.CB_ServiceLife, ServiceLife50);
        f.userReplace(f.Edit_Moment, QStringLiteral("30"));
        f.userClick(f.MenuSelectSfmin); // band 1.50 .. 10.00 from the fields
        f.userEnter(f.Edit_Moment);
        // The front loss is reduced and the total lies inside the tables.
        ready = f.RG_A690.enabled() && app->s.losses.frontReduced < app->s.losses.front &&
                app->s.losses.total > 0 && app->s.losses.total < app->cat().LossStep.back();
    }
};

void BM_MomentKeystrokeSfminSearch(benchmark::State &state)
{
    SearchSetup setup;
    if (!setup.ready) {
        state.SkipWithError("the corrosion state could not be set up");
        return;
    }
    auto &f = setup.app->f;
    bool typed = false;
    for (auto _ : state) {
        // 30 -> 300 -> 30 -> ...: a digit, then a backspace.
        f.userKey(f.Edit_Moment, typed ? QChar(8) : QChar(u'0'));
        typed = !typed;
    }
    state.counters["listed"] = f.LB_SSP.itemCount();
    state.counters["sections"] = setup.app->cat().SectionCount();
    state.counters["lossTotal"] = setup.app->s.losses.total;
}
BENCHMARK(BM_MomentKeystrokeSfminSearch)->Unit(benchmark::kMillisecond);

void BM_BareSfRedLoop(benchmark::State &state)
{
    SearchSetup setup;
    if (!setup.ready) {
        state.SkipWithError("the corrosion state could not be set up");
        return;
    }
    const pc::Catalogue &cat = setup.app->cat();
    const double loss = setup.app->s.losses.total;
    const double fy = setup.app->s.CurrentFy;
    const int first = cat.FamilyRange[0][0];
    const int last = cat.FamilyRange[0][1];
    for (auto _ : state) {
        for (int j = first; j <= last; ++j) {
            const pc::ReducedProperties r = pc::computeReducedProperties(cat, j, loss);
            pc::Extended sf = pc::safetyFactor(300, 0, 0, r.welRed, r.aRed, fy);
            benchmark::DoNotOptimize(sf);
        }
    }
    state.counters["lossTotal"] = loss;
}
BENCHMARK(BM_BareSfRedLoop)->Unit(benchmark::kMillisecond);

} // namespace
