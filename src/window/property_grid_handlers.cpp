// The section property grid on the input page and the explanations of its
// rows. (Being filled in; the steps do nothing yet.)

#include "window/app.h"
#include "window/wiring.h"

namespace pc {

void App::SetUpPropertyGrid() {}

void wirePropertyGrid(App &) {}

} // namespace pc
