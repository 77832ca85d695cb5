#pragma once
// The service life curve window: the chart of Sf,red over the years, the
// two years of the series, the read-out under the mouse, the series as a
// table, and its exports. The driver reaches its controls as
// "LifeCurve.<name>". The chart itself is a picture the window holds (the
// Qt program draws it with Qt Charts); it is no named control.

#include "form/form.h"
#include "output/life_chart.h"

#include <functional>

namespace pc::form {

class LifeCurveForm : public Form
{
public:
    LifeCurveForm();

    Control TFormLife{QStringLiteral("TFormLife"), Kind::Window};
    Control Lbl_LifeSummary{QStringLiteral("Lbl_LifeSummary"), Kind::Label};
    Control Lbl_LifeReadout{QStringLiteral("Lbl_LifeReadout"), Kind::Label};
    Control SG_LifeTable{QStringLiteral("SG_LifeTable"), Kind::Grid};
    Control B_LifeCsv{QStringLiteral("B_LifeCsv"), Kind::Button};
    Control B_LifeSvg{QStringLiteral("B_LifeSvg"), Kind::Button};
    Control B_LifePng{QStringLiteral("B_LifePng"), Kind::Button};
    Control B_LifeCopy{QStringLiteral("B_LifeCopy"), Kind::Button};

    const LifeChartPicture &chart() const { return chart_; }
    // Replaces the chart; onChartChanged runs (the Qt program redraws).
    void setChart(const LifeChartPicture &p);
    // How many times the chart was replaced.
    int chartRevision() const { return chartRevision_; }
    std::function<void()> onChartChanged;

private:
    LifeChartPicture chart_;
    int chartRevision_ = 0;
};

} // namespace pc::form
