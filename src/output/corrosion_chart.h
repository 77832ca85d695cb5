#pragma once
// The corrosion chart: one reduced property of a section against the loss of
// steel thickness, drawn from the rows of the catalogue's tables (the
// tabulated data itself, not the interpolated value of the design), and the
// read-out of the curve under the mouse. Plain functions: the chart control
// holds a ChartPicture and the Qt program draws exactly what it says, so the
// headless run and the window agree to the pixel on where a point lies.

#include "units/unit_captions.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pc {

// The tabs below the chart, in their order.
enum class ChartTab { Wel = 0, I = 1, A = 2, Bmc = 3 };
inline constexpr int ChartTabCount = 4;

struct ChartColor
{
    int r = 0, g = 0, b = 0;
    bool operator==(const ChartColor &o) const { return r == o.r && g == o.g && b == o.b; }
};
// "#RRGGBB".
QString colorName(ChartColor c);

// The plot rectangle in chart pixels; right and bottom are the last pixels
// inside it.
struct PlotRect
{
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const PlotRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct ChartPoint
{
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint &o) const { return x == o.x && y == o.y; }
};

// Everything the chart shows.
struct ChartPicture
{
    int width = 628; // chart pixels
    int height = 416;
    PlotRect plot{72, 56, 603, 367};
    QString title;           // " Reduced section modulus "
    QString subtitle;        // " " + the section label without outer blanks
    int subtitleLeft = 0;    // left edge of the subtitle, chart pixels
    QString leftAxisTitle;   // " Section modulus (cm³/m)"
    QString bottomAxisTitle; // " Loss of steel thickness (mm)"
    ChartColor color;
    std::vector<ChartPoint> points;
    QStringList pointLabels; // one per point
    double bottomAxisMax = 0;
    double leftAxisMax = 1;
    bool markerShadow = true;
};

// The input of one rebuild: the table column of the section and the state.
struct ChartInput
{
    ChartTab tab = ChartTab::Wel;
    bool metric = true;
    QChar decimal = QLatin1Char('.');
    std::vector<double> lossStep; // mm, one per table row
    std::vector<double> wel;      // cm3/m, one per table row
    std::vector<double> i;        // cm4/m
    std::vector<double> a;        // cm2/m
    double fy = 0;                // working fy, MPa
    UnitLabels units;
    QString sectionLabel;
};

// Texts and colour of a tab.
QString chartTitle(ChartTab tab);
QString chartLeftAxisTitle(ChartTab tab, const UnitLabels &units);
QString chartBottomAxisTitle(const UnitLabels &units);
ChartColor chartColor(ChartTab tab);

// y of every table row (0 where the table has no value); x of a row.
std::vector<double> chartValues(const ChartInput &in);
double chartX(double lossStepMm, bool metric);
// The largest tabulated loss in mm, or the same in whole mils. For the usual
// table of whole millimetres from 0 this is the number of rows - 1; a table
// with wider steps keeps its last rows inside the axis.
double chartBottomAxisMaximum(const std::vector<double> &lossStep, bool metric);
// The automatic maximum of the left axis: a round number a little above the
// largest value, so that the top point and its label stay inside the plot.
double chartLeftAxisMaximum(double largestValue);
// The subtitle and its left edge, placed from the right.
QString chartSubtitle(const QString &sectionLabel);
int chartSubtitleLeft(int chartWidth, int subtitleTextWidth);

// Fills the series, titles and axis ranges of `picture` from `in`; the size,
// plot rectangle and subtitle position are left to the caller.
void buildChartSeries(ChartPicture &picture, const ChartInput &in);

// Pixel and value of the two axes (the axes start at 0).
double bottomAxisValueAt(const ChartPicture &p, int x);
double leftAxisPixelOf(const ChartPicture &p, double y);

// The read-out of the mouse at chart pixel (x, y).
struct ChartReadout
{
    enum class Action {
        Keep,  // nothing changes: the previous read-out stays
        Clear, // the cursor lines go and the label is emptied
        Show,  // new cursor lines and label
    };
    Action action = Action::Keep;
    int verticalColumn = 0;           // Show: always a vertical line at x
    std::optional<int> horizontalRow; // Show: a horizontal line where the curve is
    QString label;                    // Show: "" when beyond the last point
};
ChartReadout chartReadout(const ChartPicture &p, ChartTab tab, bool metric, QChar decimal,
                          int lossStepCount, bool zoomed, int x, int y);

// A plain SVG drawing of the picture (axes, line, points, titles), for runs
// without a window system.
QString chartSvg(const ChartPicture &p);

// The start of such a plain drawing: the document of `width` x `height`, its
// title and the frame of the plot from (left, top) to (right, bottom).
// Texts go into the drawing through svgText.
QString plainSvgStart(int width, int height, const QString &title, int left, int top, int right,
                      int bottom);
QString svgText(const QString &text);

} // namespace pc
