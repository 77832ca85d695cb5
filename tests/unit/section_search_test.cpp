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

} // namespace
