#pragma once
// The corrosion table window: the whole table of the selected annex in mm or
// mils, sized to its content, with the full text of a detail as a hint. It
// reads the annex from the state and writes only its own window.

#include "form/control.h"
#include "window/window_parts.h"

#include <optional>

namespace pc {

class CorrosionTableHandlers
{
public:
    CorrosionTableHandlers(Platform &p, const form::MainForm &f, form::TableWindowForm &tableWindow,
                           const RunState &s, const Catalogue &catalogue, HandlerTrace &trace)
        : p(p), f(f), tableWindow(tableWindow), s(s), catalogue_(catalogue), trace(trace)
    {}

    // Fills the window from the selected annex and the unit system and
    // shows it.
    void BuildCorrosionTable();
    void B_EC3TablesClick();
    // The window lost activation: it closes (hides).
    void TableWindowDeactivate();
    void SG_EC3TableMouseMove(int x, int y);
    std::optional<form::CellDrawing> SG_EC3TableDrawCell(int col, int row) const;

private:
    const Catalogue &cat() const { return catalogue_; }

    Platform &p;
    const form::MainForm &f;
    form::TableWindowForm &tableWindow;
    const RunState &s;
    const Catalogue &catalogue_;
    HandlerTrace &trace;
};

void wireCorrosionTable(form::MainForm &f, form::TableWindowForm &tableWindow,
                        CorrosionTableHandlers &table);

} // namespace pc
