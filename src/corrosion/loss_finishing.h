#pragma once
// The rules every loss of a face goes through on its way to the total: the
// years a face corrodes, the reduction factor of a corrosion-resistant
// grade, and the rounding to 0.01 mm. The window's handlers and the service
// life curve both call these, so a year of the curve is what the window
// shows for it.

#include "corrosion/losses.h"

namespace pc {

// The years a face corrodes within a service life: the years of its surface
// protection do not count.
inline int effectiveYears(int serviceLife, int protectionYears)
{
    return serviceLife - protectionYears;
}

// The front loss divided by the reduction factor of a corrosion-resistant
// grade, unrounded (the division is made in extended precision).
double reducedFrontLoss(double front, long double factor);

// The finishing step of every loss: each loss is rounded to 0.01 mm from its
// own unrounded value, and the total takes the reduced front loss while the
// reduction factor applies. `totalMils` is left at 0 (the loss summary
// writes it).
Losses finishLosses(double front, double frontReduced, double back, bool reductionApplies);

} // namespace pc
