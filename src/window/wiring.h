#pragma once
// The event wiring of the windows, one function per subsystem. Each binds the
// events of its controls to the App methods it defines, for example
//     a.f.RG_SSP.onClick = [&a] { a.RG_SSPClick(); };
// The subsystems that see only what they use declare their wire function
// beside their class (wireReport in window/report_handlers.h, ...).
// App::wireEvents() (window/wiring.cpp) calls them all. A subsystem that adds
// its handlers adds its function here and one call there.

namespace pc {

class App;

void wireShell(App &a);       // close, help, font quality, page change (window/wiring.cpp)
void wireSectionList(App &a); // window/section_list_handlers.cpp
void wireDesignInput(App &a); // window/design_input_handlers.cpp
void wireCorrosion(App &a);   // window/corrosion_handlers.cpp
void wireUnits(App &a);       // window/units_handlers.cpp
void wireSplash(App &a);      // window/about_handlers.cpp

} // namespace pc
