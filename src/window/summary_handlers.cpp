// The safety factor summary page: every section of the family against every
// grade. (Being filled in; the steps do nothing yet.)

#include "window/app.h"
#include "window/wiring.h"

namespace pc {

void App::SetUpSummaryGrid() {}
void App::FillSummaryGrid() {}
void App::FillSummaryRow(int) {}
void App::ShowSummaryCaption() {}

void wireSummary(App &) {}

} // namespace pc
