#pragma once
// The corrosion chart page: the chart of one reduced property of the selected
// section against the loss of thickness, its read-out under the mouse, the
// hints of its tabs and the outputs of its pop-up menu. It reads the state
// and the catalogue and writes only the chart page's controls.

#include "window/window_parts.h"

namespace pc {

class ChartHandlers
{
public:
    ChartHandlers(Platform &p, form::MainForm &f, const RunState &s, const Catalogue &catalogue,
                  HandlerTrace &trace)
        : p(p), f(f), s(s), catalogue_(catalogue), trace(trace)
    {}

    void TabSheetChartShow();
    // Rebuilds the chart of the selected tab (also when the units change
    // while the page is shown).
    void TC_ChartChange();
    void TC_ChartMouseMove(int x, int y);
    void TeeCh_WxEnter();
    void TeeCh_WxExit();
    void TeeCh_WxMouseEnter();
    void TeeCh_WxMouseLeave();
    void TeeCh_WxMouseMove(int x, int y);
    void PopUpPrintClick();
    void PopUpExportEmfClick();
    void CopytoClipboard1Click();

private:
    const Catalogue &cat() const { return catalogue_; }

    Platform &p;
    form::MainForm &f;
    const RunState &s;
    const Catalogue &catalogue_;
    HandlerTrace &trace;
};

void wireChart(form::MainForm &f, ChartHandlers &chart);

} // namespace pc
