#include "engine/section_search.h"

namespace pc {

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
    c.passes = passesSearch(c.factors.sfRed, design_.band.sfMin, design_.band.sfMax);
    return c;
}

SearchCandidate evaluateSearchCandidate(const Catalogue &cat, int section, const SearchDesign &d)
{
    return SearchEvaluator(cat, d).evaluate(section);
}

} // namespace pc
