// The step every loss computation ends with: round the losses to 0.01 mm,
// form the total loss and recompute the reduced section of the selected
// section (or of none).
//
// The reduction factors of the corrosion-resistant grades (the RG_A690 group)
// belong to this step too; they come with the rest of the corrosion model.
// Until then the group stays in its design state, disabled, so the plain front
// loss enters the total.

#include "window/app.h"
#include "units/rounding.h"

namespace pc {

namespace {

double roundToHundredths(double mm)
{
    return static_cast<double>(roundToPow10(mm, -2));
}

} // namespace

void App::ApplyReductionFactor()
{
    s.LossFrontReduced = roundToHundredths(s.LossFrontReduced);
    s.LossFront = roundToHundredths(s.LossFront);
    s.LossBack = roundToHundredths(s.LossBack);
    s.LossTotal = (f.RG_A690.enabled() ? s.LossFrontReduced : s.LossFront) + s.LossBack;

    ComputeReducedProperties(selectedSection());
}

} // namespace pc
