// The scans that evaluate many sections (the Sfmin search, the summary) find
// the loss interval once, round without touching the floating-point
// environment and split the factor into a stress and a strength. Their values
// must be bit for bit those of the computation as the program states it for
// one section at a time, written here plainly with the C library's rounding,
// for every section of the benchmarks' 5,000-section catalogue over losses at
// the steps, between them, at the last step and beyond it.

#include "engine/reduced_properties.h"
#include "engine/section_search.h"
#include "engine/summary_grid.h"
#include "synthetic_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using pc::Catalogue;
using pc::ReducedStatus;

struct Plain
{
    ReducedStatus status = ReducedStatus::NoSection;
    double welRed = 0, iRed = 0, aRed = 0;
};

// Reduced properties of one section, as stated, step by step.
Plain plainReduced(const Catalogue &c, int s, double loss)
{
    Plain p;
    const int n = c.LossStepCount();
    const int lmax = c.LossStep[n - 1];
    if (lmax < loss) {
        p.status = ReducedStatus::OutOfRange;
        return p;
    }
    if (loss == 0) {
        p.status = ReducedStatus::NoLoss;
        p.welRed = c.RedWel[0][s];
        p.iRed = c.RedI[0][s];
        p.aRed = c.RedA[0][s];
        return p;
    }
    int k = 0;
    for (int i = 1; i <= n - 2; ++i)
        if (c.LossStep[i] < loss)
            k = i;
    if (c.RedWel[k + 1][s] == 0) {
        p.status = ReducedStatus::NoReducedSection;
        return p;
    }
    const long double t =
        (static_cast<long double>(loss) - c.LossStep[k]) / (c.LossStep[k + 1] - c.LossStep[k]);
    auto at = [&](const pc::PropertyTable &table) {
        const long double lo = table[k][s];
        const long double hi = table[k + 1][s];
        return lo + t * (hi - lo);
    };
    p.status = ReducedStatus::Interpolated;
    p.aRed = static_cast<double>(at(c.RedA));
    const long double i = std::nearbyintl(at(c.RedI));
    const long double w = std::nearbyintl(at(c.RedWel));
    p.iRed = static_cast<double>(10.0L * std::nearbyintl(i * 0.1L));
    p.welRed = static_cast<double>((10.0L * std::nearbyintl(2.0L * w * 0.1L)) / 2.0L);
    return p;
}

// The safety factor as stated: fy / stress rounded to a whole number of
// hundredths; 0 when it is not available.
long double plainFactor(double m, double n, double e, double w, double a, double fy)
{
    if (!(w > 0) || (n != 0 && !(a > 0)))
        return 0;
    long double stress =
        ((static_cast<long double>(e) / 100.0L) * n + m) / static_cast<long double>(w) * 1000.0L;
    if (n != 0)
        stress += static_cast<long double>(n) / a * 10.0L;
    if (!(stress > 0))
        return 0;
    return std::nearbyintl(static_cast<long double>(fy) / stress * 100.0L) / 100.0L;
}

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<double> losses(const Catalogue &c)
{
    std::vector<double> l = {0.0, 0.01, 0.37, 2.37};
    for (int16_t step : c.LossStep) {
        l.push_back(step);
        l.push_back(step + 0.5);
        if (step > 0)
            l.push_back(step - 0.01);
    }
    const double last = c.LossStep.back();
    l.insert(l.end(), {last, last + 0.01, last + 3});
    return l;
}

TEST(SectionScan, ScansGiveTheValuesOfOneSectionAtATime)
{
    const Catalogue c = pc::bench::syntheticCatalogue();
    struct Design
    {
        double m, n, e;
    };
    const Design designs[] = {{300, 0, 0}, {150, 400, 3}};
    // A few grade strengths of both systems; the summary divides one stress
    // into each of them the same way.
    const std::vector<double> fys = {c.GradeFy[0], c.GradeFy[17], c.GradeFy[39],
                                     static_cast<double>(6.89714L * c.GradeFyKsi[23])};
    int mismatches = 0;
    auto expect = [&mismatches](bool same, const char *what, int s, double loss) {
        if (!same && ++mismatches <= 10)
            ADD_FAILURE() << what << " of section " << s << " at " << loss << " mm";
    };
    for (double loss : losses(c)) {
        const pc::SectionScan scan(c, loss);
        for (const Design &d : designs) {
            pc::SearchDesign sd;
            sd.actions.moment = d.m;
            sd.actions.load = d.n;
            sd.actions.deflection = d.e;
            sd.fy = fys[1];
            sd.lossTotal = loss;
            sd.band.sfMin = 1.5L;
            sd.band.sfMax = 10;
            const pc::SearchEvaluator search(c, sd);
            for (int s = 0; s < c.SectionCount(); ++s) {
                const Plain p = plainReduced(c, s, loss);
                const pc::ReducedModulusArea m = scan.modulusArea(s);
                expect(m.status == p.status, "status", s, loss);
                expect(sameBits(m.welRed, p.welRed) && sameBits(m.aRed, p.aRed), "Wel, A", s, loss);

                const pc::ReducedProperties one = pc::computeReducedProperties(c, s, loss);
                expect(one.status == p.status && sameBits(one.welRed, p.welRed) &&
                           sameBits(one.aRed, p.aRed) && sameBits(one.iRed, p.iRed),
                       "reduced properties", s, loss);

                const long double ini0 =
                    plainFactor(d.m, d.n, d.e, c.RedWel[0][s], c.RedA[0][s], sd.fy);
                const long double red0 = plainFactor(d.m, d.n, d.e, p.welRed, p.aRed, sd.fy);
                const pc::SearchCandidate cand = search.evaluate(s);
                expect(sameBits(cand.factors.sfIni, ini0) && sameBits(cand.factors.sfRed, red0),
                       "search factors", s, loss);
                expect(cand.passes == (red0 > 0 && 1.5L <= red0 && red0 <= 10), "search test", s,
                       loss);

                for (bool reduced : {false, true}) {
                    const pc::SummaryDesign sum{{d.m, d.n, d.e}, reduced};
                    const long double stress = pc::summaryRowStress(sum, m);
                    for (double fy : fys) {
                        const long double plain =
                            reduced ? plainFactor(d.m, d.n, d.e, p.welRed, p.aRed, fy)
                                    : plainFactor(d.m, d.n, d.e, c.RedWel[0][s], c.RedA[0][s], fy);
                        expect(sameBits(pc::factorOfStress(fy, stress), plain), "summary factor", s,
                               loss);
                    }
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
