#include "engine/section_search.h"

namespace pc {

SearchCandidate evaluateSearchCandidate(const Catalogue &cat, int section, const SearchDesign &d)
{
    SearchCandidate c;
    c.reduced = computeReducedProperties(cat, section, d.lossTotal);
    SafetyFactorInput in;
    in.moment = d.moment;
    in.load = d.load;
    in.deflection = d.deflection;
    in.fy = d.fy;
    in.welIni = c.reduced.initial.wel;
    in.aIni = c.reduced.initial.a;
    in.welRed = c.reduced.welRed;
    in.aRed = c.reduced.aRed;
    c.factors = computeSafetyFactors(in);
    c.passes = passesSearch(c.factors.sfRed, d.sfMinRequired, d.sfMaxRequired);
    return c;
}

} // namespace pc
