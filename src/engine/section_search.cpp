#include "engine/section_search.h"

namespace pc {

namespace {

// Factors below this are whole numbers of hundredths far below 2^62.
constexpr Extended FactorsRoundedOnce = 1e15L;

} // namespace

SearchEvaluator::SearchEvaluator(const Catalogue &cat, const SearchDesign &design)
    : scan_(cat, design.lossTotal), design_(design)
{}

SearchCandidate SearchEvaluator::evaluate(int section) const
{
    SearchCandidate c;
    c.reduced = scan_.modulusArea(section);
    SafetyFactorInput in;
    in.actions = design_.actions;
    in.fy = design_.fy;
    in.welIni = c.reduced.welIni;
    in.aIni = c.reduced.aIni;
    in.welRed = c.reduced.welRed;
    in.aRed = c.reduced.aRed;
    c.factors = computeSafetyFactors(in);
    // Sf,red is a whole number of hundredths divided by 100, which rounding to
    // 0.01 again gives back unchanged while the hundredths are far below 2^62
    // (the product with 100 then lies within a half of them): such a factor
    // is compared with the band at once, saving a division per section.
    const Extended sf = c.factors.sfRed;
    if (sf > 0 && sf < FactorsRoundedOnce)
        c.passes = design_.band.sfMin <= sf && sf <= design_.band.sfMax;
    else
        c.passes = passesSearch(sf, design_.band.sfMin, design_.band.sfMax);
    return c;
}

SearchCandidate evaluateSearchCandidate(const Catalogue &cat, int section, const SearchDesign &d)
{
    return SearchEvaluator(cat, d).evaluate(section);
}

} // namespace pc
