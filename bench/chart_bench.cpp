// The chart page on the 5,000-section catalogue without a window: showing
// the page (the series of the selected section rebuilt from the tables) and
// one mouse move over the plot (the read-out with its cursor lines). The
// window's share of both is measured by pilecorr_gui_bench.

#include "chart_read_out.h"
#include "platform/scripted_platform.h"
#include "synthetic_catalogue.h"
#include "window/app.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using F = pc::form::MainForm;

struct ChartSetup
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;

    ChartSetup()
    {
        app = std::make_unique<pc::App>(platform);
        const pc::Catalogue c = pc::bench::syntheticCatalogue();
        app->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        app->start();
        auto &f = app->f;
        // A section in the middle of the list.
        f.userSelect(f.LB_SSP, f.LB_SSP.itemCount() / 2);
    }
};

using pc::bench::readOutColumns;

void BM_ChartPageShow_5000(benchmark::State &state)
{
    ChartSetup s;
    auto &f = s.app->f;
    for (auto _ : state) {
        f.userPage(F::PageChart);
        benchmark::DoNotOptimize(f.TeeCh_Wx.picture().points.size());
        state.PauseTiming();
        f.userPage(F::PageInput);
        state.ResumeTiming();
    }
    state.counters["points"] = static_cast<double>(f.TeeCh_Wx.picture().points.size());
}
BENCHMARK(BM_ChartPageShow_5000)->Unit(benchmark::kMicrosecond);

void BM_ChartMouseMove_5000(benchmark::State &state)
{
    ChartSetup s;
    auto &f = s.app->f;
    f.userPage(F::PageChart);
    // Two places that both move the read-out (at or just left of a snap
    // point), taken in turn.
    const std::vector<int> xs = readOutColumns(f);
    if (xs.size() < 2) {
        state.SkipWithError("no place on the plot shows a read-out");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        f.userMouse(f.TeeCh_Wx, xs[i], 200);
        benchmark::DoNotOptimize(f.TC_ChartLbl.caption().size());
        i ^= 1;
    }
    state.counters["labelled"] = f.TC_ChartLbl.caption().isEmpty() ? 0 : 1;
}
BENCHMARK(BM_ChartMouseMove_5000)->Unit(benchmark::kMicrosecond);

} // namespace
