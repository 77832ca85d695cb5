#pragma once
// The Sfmin-mode section search on values only: reduced modulus and area for
// the current loss, both safety factors, and whether Sf,red lies within the
// required band.

#include "catalogue/catalogue.h"
#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"

namespace pc {

struct SearchDesign
{
    DesignActions actions;
    double fy = 0;        // N/mm2
    double lossTotal = 0; // mm
    SearchBand band;
};

struct SearchCandidate
{
    bool passes = false;
    ReducedModulusArea reduced;
    SafetyFactors factors;
};

// The search test of the sections of a family for one design: the loss
// interval is found once for all of them.
class SearchEvaluator
{
public:
    SearchEvaluator(const Catalogue &cat, const SearchDesign &design);
    SearchCandidate evaluate(int section) const;

private:
    SectionScan scan_;
    SearchDesign design_;
};

// The search test of one section.
SearchCandidate evaluateSearchCandidate(const Catalogue &cat, int section, const SearchDesign &d);

} // namespace pc
