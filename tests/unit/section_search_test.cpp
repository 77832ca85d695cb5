#include "engine/section_search.h"

#include "test_catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(SectionSearch, CandidatesPassOnTheReducedFactor)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        int s;
        double moment, loss;
        long double sfMin, sfMax;
        bool passes;
        long double sfRed;
    };
    const Case cases[] = {
        {0, 100, 0, 1.5L, 20, true, 3.55L},     // no loss: Sf,red equals Sf,ini
        {0, 100, 0, 3.55L, 3.55L, true, 3.55L}, // both bounds inclusive
        {0, 100, 0, 3.56L, 20, false, 3.55L},
        {0, 100, 2, 1.5L, 20, true, 3.20L}, // 355 / (100 / 900 x 1000) = 3.195
        {0, 100, 4.5, 1.5L, 20, false, 0},  // beyond the tables
        {2, 100, 3, 1.5L, 20, false, 0},    // no reduced section
        {0, 0, 0, 1.5L, 20, false, 0},      // no load: nothing passes
    };
    for (const auto &c : cases) {
        pc::SearchDesign d;
        d.actions.moment = c.moment;
        d.fy = 355;
        d.lossTotal = c.loss;
        d.band.sfMin = c.sfMin;
        d.band.sfMax = c.sfMax;
        const auto r = pc::evaluateSearchCandidate(cat, c.s, d);
        EXPECT_EQ(r.passes, c.passes) << "s=" << c.s << " loss=" << c.loss;
        EXPECT_EQ(r.factors.sfRed, pc::roundToHundredths(c.sfRed))
            << "s=" << c.s << " loss=" << c.loss;
    }
}

// The band test of a candidate is the one passesSearch makes of its Sf,red,
// for factors on either bound and just beside it, far above any table, and
// without a factor: a sweep of moments puts Sf,red on many hundredths.
TEST(SectionSearch, TheBandTestOfACandidateIsTheSearchTestOfItsFactor)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Band
    {
        const char *name;
        long double sfMin, sfMax;
    };
    const Band bands[] = {
        {"1.50 .. 10.00", pc::roundToHundredths(1.5L), pc::roundToHundredths(10.0L)},
        {"one hundredth wide", pc::roundToHundredths(3.55L), pc::roundToHundredths(3.55L)},
        {"bounds typed between hundredths", 3.549L, 3.551L},
        {"everything above 0", 0, 1e300L},
        {"huge factors only", 1e16L, 1e300L},
        {"empty", 5, 4},
    };
    struct Load
    {
        const char *name;
        double moment;
        double loss;
    };
    const Load loads[] = {
        {"no loss", 100, 0},
        {"interpolated loss", 100, 2},
        {"a tiny moment (a factor far beyond 1e15)", 1e-15, 0},
        {"no load", 0, 0},
        {"beyond the tables", 100, 4.5},
    };
    for (const Band &b : bands)
        for (const Load &l : loads)
            for (int step = 0; step < 400; ++step)
                for (int s = 0; s < cat.SectionCount(); ++s) {
                    pc::SearchDesign d;
                    d.actions.moment = l.moment * (1 + step / 100.0);
                    d.fy = 355;
                    d.lossTotal = l.loss;
                    d.band.sfMin = b.sfMin;
                    d.band.sfMax = b.sfMax;
                    const auto r = pc::evaluateSearchCandidate(cat, s, d);
                    ASSERT_EQ(r.passes, pc::passesSearch(r.factors.sfRed, b.sfMin, b.sfMax))
                        << b.name << ", " << l.name << ", moment " << d.actions.moment
                        << ", section " << s;
                }
}

} // namespace
