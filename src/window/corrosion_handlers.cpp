// The corrosion model on the main window: table set, exposure and detail of
// each face, service life and protection, project rates and the corrosion
// table window. (Being filled in; the steps do nothing yet.)

#include "window/app.h"
#include "window/wiring.h"

namespace pc {

void App::FillExposureDetails(Face) {}
void App::FitDropDownWidth(form::Control &) {}
void App::ComputeTableLoss() {}
void App::ComputeProjectLoss() {}
void App::CheckProjectValue(form::Control &) {}
void App::TidyProjectValue(form::Control &) {}
void App::BuildCorrosionTable() {}
void App::MenuEC3RatesClick() {}

void wireCorrosion(App &) {}

} // namespace pc
