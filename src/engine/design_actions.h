#pragma once
// The records a design is made of, as the engine takes them: the actions per
// metre of wall, the band of required safety factors of a search, and the
// section properties of one section before and after corrosion. All metric.

#include "units/rounding.h"

namespace pc {

struct DesignActions
{
    double moment = 0;     // kNm/m
    double load = 0;       // kN/m
    double deflection = 0; // cm
};

// Sfmin..Sfmax of a search; an empty field gives a band that lets nothing pass.
struct SearchBand
{
    long double sfMin = 0;
    long double sfMax = 0;
};

// Properties per metre of wall; a reduced value of 0 = not available.
struct SectionProperties
{
    double wel = 0; // cm3/m
    double i = 0;   // cm4/m
    double a = 0;   // cm2/m
    double tf = 0;  // mm
    double tw = 0;  // mm
};

} // namespace pc
