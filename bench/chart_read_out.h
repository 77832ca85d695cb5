#pragma once
// Where the chart benchmarks move the mouse: two columns of the plot, far
// apart, where the read-out shows a value.

#include "form/main_form.h"

#include <vector>

namespace pc::bench {

inline std::vector<int> readOutColumns(pc::form::MainForm &f)
{
    std::vector<int> found;
    const pc::PlotRect &plot = f.TeeCh_Wx.picture().plot;
    for (int x = plot.left + (plot.right - plot.left) / 4; x < plot.right && found.size() < 2;
         ++x) {
        f.userMouse(f.TeeCh_Wx, x, 200);
        if (!f.TC_ChartLbl.caption().isEmpty() && (found.empty() || x > found[0] + 100))
            found.push_back(x);
    }
    return found;
}

} // namespace pc::bench
