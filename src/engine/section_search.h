#pragma once
// One candidate of the Sfmin-mode section search, evaluated on values only:
// reduced properties for the current loss, both safety factors, and whether
// Sf,red lies within the required band.

#include "catalogue/catalogue.h"
#include "engine/reduced_properties.h"
#include "engine/safety_factor.h"

namespace pc {

struct SearchDesign
{
    double moment = 0;     // kNm/m
    double load = 0;       // kN/m
    double deflection = 0; // cm
    double fy = 0;         // N/mm2
    double lossTotal = 0;  // mm
    long double sfMinRequired = 0;
    long double sfMaxRequired = 0;
};

struct SearchCandidate
{
    bool passes = false;
    ReducedProperties reduced;
    SafetyFactors factors;
};

SearchCandidate evaluateSearchCandidate(const Catalogue &cat, int section, const SearchDesign &d);

} // namespace pc
