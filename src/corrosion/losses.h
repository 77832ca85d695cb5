#pragma once
// The loss of steel thickness of a design, mm, rounded to 0.01 mm after the
// finishing step (the reduction factor of a corrosion-resistant grade).

namespace pc {

struct Losses
{
    double front = 0;
    double back = 0;
    double frontReduced = 0; // the front loss after the reduction factor
    double total = 0;
    double totalMils = 0; // the total in mils, as the imperial page shows it
};

} // namespace pc
