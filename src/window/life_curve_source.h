#pragma once
// The service life curve of the design the window holds: the window's
// selections gathered into the input of the pure series computation, so
// that the curve window and the command line compute it from a running App
// with the rules the window applies.

#include "engine/life_curve.h"
#include "window/window_parts.h"

namespace pc {

class App;

// The design in the window as the series takes it: the rate mode, annex,
// exposures, details, project values, the selected protection items, the
// reduction factor in force, the selected section with its grade strength,
// the actions and the required factor (Sfmin).
LifeCurveInput lifeCurveInput(const form::MainForm &f, const RunState &s, Platform &p,
                              const Catalogue &cat);
LifeCurveInput lifeCurveInput(const App &a);

// The series of that design, from year 0 to the last year of the loss rules.
LifeCurve computeLifeCurve(const App &a);

} // namespace pc
