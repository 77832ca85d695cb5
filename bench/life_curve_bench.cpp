// The service life curve on the sample catalogue: one whole series (151
// years with project rates, to the last tabulated year with table rates),
// and the curve window's whole refresh (the series, its table texts and the
// chart picture). The goal is well under one frame (16 ms) per curve.

#include "catalogue/catalogue_reader.h"
#include "engine/life_curve.h"
#include "platform/scripted_platform.h"
#include "window/app.h"
#include "window/life_curve_source.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

namespace {

using F = pc::form::MainForm;

const pc::Catalogue &sample()
{
    static const pc::Catalogue c = [] {
        auto loaded =
            pc::readCatalogueFile(QStringLiteral(PILECORR_SAMPLE_DIR "/SSP Pilecorr.pkd"));
        return loaded ? *loaded : pc::Catalogue{};
    }();
    return c;
}

// The design of the window: a moment on the first section, Sfmin 1.5, sea
// water on the front face.
struct CurveSetup
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;

    explicit CurveSetup(bool projectRates)
    {
        app = std::make_unique<pc::App>(platform);
        const pc::Catalogue c = sample();
        app->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        app->start();
        auto &f = app->f;
        f.userReplace(f.Edit_Moment, QStringLiteral("120"));
        f.userPage(F::PageRates);
        f.userSelect(f.CB_EC3NAD, 1); // the annex that runs to 120 years
        f.userSelect(f.RG_Front, 2);
        f.userSelect(f.CB_Front_Detail, 2);
        if (projectRates) {
            f.MenuProjectRates.setEnabled(true);
            f.userClick(f.MenuProjectRates);
            f.userReplace(f.Edit_Front, QStringLiteral("0.03"));
            f.userReplace(f.Edit_Back, QStringLiteral("0.01"));
        }
        f.userPage(F::PageInput);
    }
};

void BM_LifeCurve(benchmark::State &state)
{
    CurveSetup s(state.range(0) != 0);
    const pc::LifeCurveInput in = pc::lifeCurveInput(*s.app);
    size_t years = 0;
    for (auto _ : state) {
        const pc::LifeCurve c = pc::computeLifeCurve(s.app->cat(), in);
        years = c.rows.size();
        benchmark::DoNotOptimize(c.firstFailingYear);
    }
    state.counters["years"] = static_cast<double>(years);
}
BENCHMARK(BM_LifeCurve)->ArgName("projectRates")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LifeCurveWindowRefresh(benchmark::State &state)
{
    CurveSetup s(state.range(0) != 0);
    s.app->f.userClick(s.app->f.MenuLifeCurve);
    for (auto _ : state) {
        s.app->curve.RefreshLifeCurve(true);
        benchmark::DoNotOptimize(s.app->lifeCurveWindow.chartRevision());
    }
    state.counters["years"] = static_cast<double>(s.app->curve.lifeCurve().rows.size());
}
BENCHMARK(BM_LifeCurveWindowRefresh)
    ->ArgName("projectRates")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
