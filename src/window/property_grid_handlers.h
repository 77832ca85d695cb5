#pragma once
// The section property grid on the input page: its set-up at start-up and
// the explanations of its rows in the status bar.

#include "window/window_parts.h"

namespace pc {

class PropertyGridHandlers
{
public:
    PropertyGridHandlers(form::MainForm &f, const RunState &s) : f(f), s(s) {}

    void SetUpPropertyGrid();
    void GB_Red_PropertiesMouseMove(int x, int y);
    void StGr_RedPropMouseMove(int x, int y);

private:
    form::MainForm &f;
    const RunState &s;
};

void wirePropertyGrid(form::MainForm &f, PropertyGridHandlers &grid);

} // namespace pc
