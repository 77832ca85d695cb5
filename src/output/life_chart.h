#pragma once
// The picture of the service life curve: Sf,red over the years, Sf,ini as a
// flat reference, the required factor as a horizontal line and the year it
// is crossed. The window fills it from the series; the Qt program draws it
// with Qt Charts (on screen, into SVG and PNG), and the scripted platform
// writes it as a plain SVG drawing.

#include <QString>

#include <vector>

namespace pc {

struct LifeChartPicture
{
    int width = 640; // pixels of an exported picture
    int height = 400;
    QString title;           // " Service life curve "
    QString subtitle;        // section and grade
    QString bottomAxisTitle; // " Service life (years)"
    QString leftAxisTitle;   // " Safety factor"
    // One entry per year; a factor of 0 is not available and leaves a gap.
    std::vector<int> years;
    std::vector<double> sfRed;
    std::vector<double> sfIni;
    double sfMin = 0;
    int crossingYear = -1;  // the first year Sf,red is below sfMin; -1: none
    QString crossingLabel;  // " Sf,red < 1.50 from year 35 "
    double leftAxisMax = 1; // the axes start at 0
    int bottomAxisMax = 0;
};

// The top of the factor axis: a round half a unit above the largest factor
// or required factor shown (at least 1), so the lines stay inside the plot.
double lifeChartLeftAxisMaximum(double largest);

// The year under a value of the bottom axis: the nearest whole year within
// the series, or -1 when there is no series or the value is not finite.
int lifeChartYearAt(const LifeChartPicture &p, double axisValue);

// The chart as a plain SVG drawing (the headless program's picture).
QString lifeChartSvg(const LifeChartPicture &p);

} // namespace pc
