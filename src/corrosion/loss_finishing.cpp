#include "corrosion/loss_finishing.h"

#include "units/rounding.h"

namespace pc {

namespace {

double roundToHundredths(double mm)
{
    return static_cast<double>(roundToPow10(mm, -2));
}

} // namespace

double reducedFrontLoss(double front, long double factor)
{
    return static_cast<double>(front / factor);
}

Losses finishLosses(double front, double frontReduced, double back, bool reductionApplies)
{
    Losses l;
    l.frontReduced = roundToHundredths(frontReduced);
    l.front = roundToHundredths(front);
    l.back = roundToHundredths(back);
    l.total = (reductionApplies ? l.frontReduced : l.front) + l.back;
    return l;
}

} // namespace pc
