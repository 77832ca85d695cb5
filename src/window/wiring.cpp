#include "window/wiring.h"

#include "window/app.h"

namespace pc {

void wireShell(App &a)
{
    a.f.MenuClose.onClick = [&a] { a.MenuCloseClick(); };
    a.f.MenuHelp.onClick = [&a] { a.MenuHelpClick(); };
    a.f.MenuToggleFontQuality.onClick = [&a] { a.MenuToggleFontQualityClick(); };
}

void App::wireEvents()
{
    wireShell(*this);
    wireSectionList(*this);
    wireDesignInput(*this);
    wireSteelQuantities(*this);
    wireCorrosion(*this);
    wireSummary(*this);
    wireUnits(*this);
    wirePropertyGrid(*this);
    wireSplashAndAbout(*this);
    wireSnapshot(*this);
    wireReport(*this);
    wireChart(*this);
    // Subsystems add their wire functions here, one line each (declared in
    // window/wiring.h), e.g. wireSectionList(*this).

    // Last: the menu entries that no wire function gave a handler (their
    // function is not built yet) stay disabled whatever the page rules set.
    f.holdBackUnhandledEntries();
}

} // namespace pc
