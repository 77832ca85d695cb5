// The unit switch between metric and imperial. (Being filled in; the steps do
// nothing yet.)

#include "window/app.h"
#include "window/wiring.h"

namespace pc {

void App::ShowMetricUnitLabels() {}
void App::ShowImperialUnitLabels() {}

void wireUnits(App &) {}

} // namespace pc
