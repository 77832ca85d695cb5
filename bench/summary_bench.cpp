// The cost of evaluating sections, measured against a minimal kernel that
// does only the arithmetic every evaluation needs: the loss interval and its
// fraction found once, then per section the interpolations of Wel and A, the
// roundings and the two safety factors, in the same extended precision.
//
// Side by side, on the 5,000-section, 40-grade catalogue with a loss within
// the tables:
//   BM_FamilyEvaluation / BM_Kernel_Family              evaluating " ALL" (target <= 2)
//   BM_SummaryFill / BM_Kernel_SummaryEvaluations      a whole summary fill (target <= 3)
//   BM_MomentKeystrokeSfminAll / BM_Kernel_Family       one moment keystroke in Sfmin mode on
//                                                      " ALL" (target <= 3)
//
//   build/bench/pilecorr_bench --benchmark_filter='Kernel|FamilyEvaluation|SummaryFill|SfminAll'

#include "engine/section_search.h"
#include "platform/scripted_platform.h"
#include "synthetic_catalogue.h"
#include "window/app.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Within the tables (steps every mm up to 20 mm), between two steps.
constexpr double Loss = 2.37;
constexpr double Moment = 300; // kNm/m
constexpr double MomentOther = 310;

const pc::Catalogue &catalogue()
{
    static const pc::Catalogue c = pc::bench::syntheticCatalogue();
    return c;
}

// ---- The kernel ---------------------------------------------------------------

inline long double kernelRound(long double x)
{
    constexpr long double TwoTo63 = 9223372036854775808.0L;
    if (!(std::fabs(x) < TwoTo63))
        return x;
    return std::copysign(x >= 0 ? (x + TwoTo63) - TwoTo63 : (x - TwoTo63) + TwoTo63, x);
}

inline long double kernelFactor(long double fy, long double stress)
{
    return kernelRound(fy / stress * 100.0L) / 100.0L;
}

struct KernelRows
{
    const double *wel0, *a0, *welLow, *welHigh, *aLow, *aHigh;
    long double t;
};

KernelRows kernelRows(const pc::Catalogue &c, double loss)
{
    int k = 0;
    for (int i = 1; i <= c.LossStepCount() - 2; ++i)
        if (c.LossStep[i] < loss)
            k = i;
    const long double t = (static_cast<long double>(loss) - c.LossStep[k]) /
                          (int(c.LossStep[k + 1]) - int(c.LossStep[k]));
    return {c.RedWel[0].begin(),
            c.RedA[0].begin(),
            c.RedWel[k].begin(),
            c.RedWel[k + 1].begin(),
            c.RedA[k].begin(),
            c.RedA[k + 1].begin(),
            t};
}

// Stresses of the initial and the reduced section of s.
inline void kernelStresses(const KernelRows &r, int s, long double m, long double n, long double e,
                           long double &ini, long double &red)
{
    const long double w0 = r.wel0[s];
    const long double a0 = r.a0[s];
    const long double wLow = r.welLow[s];
    const long double wHigh = r.welHigh[s];
    const long double wWhole = kernelRound(wLow + r.t * (wHigh - wLow));
    const long double wr = (10.0L * kernelRound(2.0L * wWhole * 0.1L)) / 2.0L;
    const long double aLow = r.aLow[s];
    const long double aHigh = r.aHigh[s];
    const long double ar = static_cast<double>(aLow + r.t * (aHigh - aLow));
    const long double bending = (e / 100.0L) * n + m;
    ini = bending / w0 * 1000.0L;
    red = bending / wr * 1000.0L;
    if (n != 0) {
        ini += n / a0 * 10.0L;
        red += n / ar * 10.0L;
    }
}

// Both factors of every section of " ALL" for each strength.
long double kernelFamily(const pc::Catalogue &c, const std::vector<double> &fys)
{
    const KernelRows rows = kernelRows(c, Loss);
    long double sum = 0;
    for (int s = c.FamilyRange[0][0]; s <= c.FamilyRange[0][1]; ++s) {
        long double ini, red;
        kernelStresses(rows, s, Moment, 0, 0, ini, red);
        for (double fy : fys)
            sum += kernelFactor(fy, ini) + kernelFactor(fy, red);
    }
    return sum;
}

void BM_Kernel_Family(benchmark::State &state)
{
    const std::vector<double> fy = {355};
    for (auto _ : state)
        benchmark::DoNotOptimize(kernelFamily(catalogue(), fy));
    state.counters["sections"] = catalogue().FamilyRange[0][1] - catalogue().FamilyRange[0][0] + 1;
}
BENCHMARK(BM_Kernel_Family)->Unit(benchmark::kMicrosecond);

// Every section against every grade, as the summary evaluates them.
void BM_Kernel_SummaryEvaluations(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kernelFamily(catalogue(), catalogue().GradeFy));
    state.counters["evaluations"] =
        (catalogue().FamilyRange[0][1] - catalogue().FamilyRange[0][0] + 1) *
        catalogue().GradeCount();
}
BENCHMARK(BM_Kernel_SummaryEvaluations)->Unit(benchmark::kMicrosecond);

// ---- The program --------------------------------------------------------------

// The search test of every section of " ALL", as the Sfmin-mode list makes it.
void BM_FamilyEvaluation(benchmark::State &state)
{
    const pc::Catalogue &c = catalogue();
    const int first = c.FamilyRange[0][0];
    const int last = c.FamilyRange[0][1];
    pc::SearchDesign d;
    d.actions.moment = Moment;
    d.fy = 355;
    d.lossTotal = Loss;
    d.band.sfMin = 1.5L;
    d.band.sfMax = 10;
    int passed = 0;
    for (auto _ : state) {
        const pc::SearchEvaluator evaluator(c, d);
        passed = 0;
        for (int s = first; s <= last; ++s)
            passed += evaluator.evaluate(s).passes ? 1 : 0;
        benchmark::DoNotOptimize(passed);
    }
    state.counters["passed"] = passed;
}
BENCHMARK(BM_FamilyEvaluation)->Unit(benchmark::kMicrosecond);

// The program started on the catalogue with a front loss within the tables
// (the finishing step forms the total from the face losses).
struct Started
{
    pc::ScriptedPlatform platform;
    std::unique_ptr<pc::App> app;

    Started()
    {
        app = std::make_unique<pc::App>(platform);
        const pc::Catalogue c = catalogue();
        app->catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        app->start();
        app->s.losses.front = Loss;
        app->ApplyReductionFactor();
    }
};

// A whole fill of the summary grid on " ALL" (Sf,red of 5,000 sections in 40
// grades, with the cell texts), the moment changing between fills so that
// every cell is written anew.
void BM_SummaryFill(benchmark::State &state)
{
    Started run;
    pc::App &a = *run.app;
    auto &f = a.f;
    f.userReplace(f.Edit_Moment, QStringLiteral("300"));
    f.userPage(pc::form::MainForm::PageSFTable);
    f.userClick(f.RB_SummarySfRed);
    bool other = false;
    for (auto _ : state) {
        a.s.actions.moment = other ? MomentOther : Moment;
        other = !other;
        a.summary.FillSummaryGrid();
    }
    state.counters["cells"] = (f.SFList.rowCount() - 1) * (f.SFList.colCount() - 1);
    state.counters["sfRedChecked"] = f.RB_SummarySfRed.checked();
}
BENCHMARK(BM_SummaryFill)->Unit(benchmark::kMillisecond);

// One keystroke in Edit_Moment in Sfmin mode on " ALL": key filter, change,
// the search over the family, the list refill and every refresh after it.
void BM_MomentKeystrokeSfminAll(benchmark::State &state)
{
    Started run;
    auto &f = run.app->f;
    f.userReplace(f.Edit_Moment, QStringLiteral("30"));
    f.userClick(f.MenuSelectSfmin); // band 1.50 .. 10.00 from the fields
    f.userEnter(f.Edit_Moment);
    bool typed = false;
    for (auto _ : state) {
        // 30 -> 300 -> 30 -> ...: a digit, then a backspace.
        f.userKey(f.Edit_Moment, typed ? QChar(8) : QChar(u'0'));
        typed = !typed;
    }
    state.counters["listed"] = f.LB_SSP.itemCount();
    state.counters["loss"] = run.app->s.losses.total;
}
BENCHMARK(BM_MomentKeystrokeSfminAll)->Unit(benchmark::kMicrosecond);

} // namespace
