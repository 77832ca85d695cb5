#include "output/corrosion_chart.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pc {

namespace {

struct TabTexts
{
    const char *title;
    const char *leftAxis; // followed by the unit and ")"
    ChartColor color;
};

const std::array<TabTexts, ChartTabCount> Tabs = {{
    {" Reduced section modulus ", " Section modulus (", {255, 55, 0}},
    {" Reduced moment of inertia ", " Moment of inertia (", {157, 177, 201}},
    {" Reduced cross sectional area ", " Cross sectional area (", {186, 196, 140}},
    {" Reduced bending moment capacity ", " Bending moment capacity (", {186, 196, 140}},
}};

const TabTexts &texts(ChartTab tab)
{
    const int i = static_cast<int>(tab);
    return Tabs[static_cast<size_t>(i >= 0 && i < ChartTabCount ? i : 0)];
}

double at(const std::vector<double> &v, size_t k)
{
    return k < v.size() ? v[k] : 0.0;
}

// The value of point i of the series; a point that does not exist reads as
// (0, 0), so that it is never chosen and never drawn to.
ChartPoint pointAt(const ChartPicture &p, int i)
{
    return i >= 0 && i < static_cast<int>(p.points.size()) ? p.points[static_cast<size_t>(i)]
                                                           : ChartPoint{};
}

// y rounded for the read-out, by tab and unit system, and its decimals.
std::pair<long double, int> readoutY(ChartTab tab, bool metric, long double y)
{
    if (tab == ChartTab::Bmc)
        return {y, metric ? 0 : 1};
    if (!metric)
        return {roundToPow10(y, -1), 1};
    switch (tab) {
    case ChartTab::Wel:
        return {roundToPow10(20.0L * y, 2) / 20.0L, 0};
    case ChartTab::I:
        return {roundToPow10(y, 1), 0};
    case ChartTab::A:
        return {roundEven(2.0L * y) / 2.0L, 1};
    case ChartTab::Bmc:
        break;
    }
    return {y, 0};
}

} // namespace

QString svgText(const QString &text)
{
    return text.toHtmlEscaped();
}

QString plainSvgStart(int width, int height, const QString &title, int left, int top, int right,
                      int bottom)
{
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    s += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                        "viewBox=\"0 0 %1 %2\">\n")
             .arg(width)
             .arg(height);
    s += QStringLiteral("<title>%1</title>\n").arg(svgText(title));
    s += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                        "stroke=\"#000000\"/>\n")
             .arg(left)
             .arg(top)
             .arg(right - left)
             .arg(bottom - top);
    return s;
}

QString colorName(ChartColor c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c.r, 2, 16, QLatin1Char('0'))
        .arg(c.g, 2, 16, QLatin1Char('0'))
        .arg(c.b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString chartTitle(ChartTab tab)
{
    return QString::fromUtf8(texts(tab).title);
}

QString chartLeftAxisTitle(ChartTab tab, const UnitLabels &units)
{
    const QString *unit = &units.wel;
    switch (tab) {
    case ChartTab::Wel:
        unit = &units.wel;
        break;
    case ChartTab::I:
        unit = &units.i;
        break;
    case ChartTab::A:
        unit = &units.a;
        break;
    case ChartTab::Bmc:
        unit = &units.moment;
        break;
    }
    return QString::fromUtf8(texts(tab).leftAxis) + *unit + QLatin1Char(')');
}

QString chartBottomAxisTitle(const UnitLabels &units)
{
    return QStringLiteral(" Loss of steel thickness (") + units.loss + QLatin1Char(')');
}

ChartColor chartColor(ChartTab tab)
{
    return texts(tab).color;
}

std::vector<double> chartValues(const ChartInput &in)
{
    const size_t n = in.lossStep.size();
    std::vector<double> y(n, 0.0);
    for (size_t k = 0; k < n; ++k) {
        long double v = 0;
        switch (in.tab) {
        case ChartTab::Wel:
            v = in.metric ? at(in.wel, k) : at(in.wel, k) / CM3M_PER_IN3FT;
            break;
        case ChartTab::I:
            v = in.metric ? at(in.i, k) : at(in.i, k) / CM4M_PER_IN4FT;
            break;
        case ChartTab::A:
            v = in.metric ? at(in.a, k) : at(in.a, k) / CM2M_PER_IN2FT;
            break;
        case ChartTab::Bmc: {
            // Whole kNm/m, or whole kips*ft/ft (1000 x kNm/m per kips*ft/ft).
            const long double wfy = static_cast<long double>(at(in.wel, k)) * in.fy;
            v = roundEven(in.metric ? wfy / 1000.0L : wfy / 4449.741L);
            break;
        }
        }
        y[k] = static_cast<double>(v);
    }
    return y;
}

double chartX(double lossStepMm, bool metric)
{
    if (metric)
        return lossStepMm;
    return static_cast<double>(roundEven(lossStepMm / MM_PER_MIL_CHART));
}

double chartBottomAxisMaximum(const std::vector<double> &lossStep, bool metric)
{
    double last = 0;
    for (double step : lossStep)
        if (step > last && std::isfinite(step))
            last = step;
    return metric ? last : static_cast<double>(roundEven(last / MM_PER_MIL_CHART));
}

double chartLeftAxisMaximum(double largestValue)
{
    // Written so that a value that is not a number, or none at all, gives 1.
    if (!(largestValue > 0) || !std::isfinite(largestValue))
        return 1;
    const double wanted = largestValue * 1.05;
    double decade = std::pow(10.0, std::floor(std::log10(wanted)));
    static const std::array<double, 11> steps = {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10};
    for (double s : steps)
        if (s * decade >= wanted)
            return s * decade;
    return 10 * decade;
}

QString chartSubtitle(const QString &sectionLabel)
{
    return QLatin1Char(' ') + sectionLabel.trimmed();
}

int chartSubtitleLeft(int chartWidth, int subtitleTextWidth)
{
    return chartWidth - subtitleTextWidth - 60;
}

void buildChartSeries(ChartPicture &picture, const ChartInput &in)
{
    picture.title = chartTitle(in.tab);
    picture.leftAxisTitle = chartLeftAxisTitle(in.tab, in.units);
    picture.bottomAxisTitle = chartBottomAxisTitle(in.units);
    picture.color = chartColor(in.tab);
    picture.bottomAxisMax = chartBottomAxisMaximum(in.lossStep, in.metric);
    picture.subtitle = chartSubtitle(in.sectionLabel);
    picture.points.clear();
    picture.pointLabels.clear();
    const std::vector<double> y = chartValues(in);
    double largest = 0;
    for (size_t k = 0; k < y.size(); ++k) {
        // A row without a value (0, or a damaged number) gives no point: the
        // line joins its neighbours.
        if (!(y[k] > 0) || !std::isfinite(y[k]))
            continue;
        picture.points.push_back({chartX(in.lossStep[k], in.metric), y[k]});
        picture.pointLabels << formatFixed(in.decimal, y[k], 18, in.metric ? 0 : 1);
        largest = std::max(largest, y[k]);
    }
    picture.leftAxisMax = chartLeftAxisMaximum(largest);
}

double bottomAxisValueAt(const ChartPicture &p, int x)
{
    const int span = p.plot.right - p.plot.left;
    if (span <= 0)
        return 0;
    return static_cast<double>(x - p.plot.left) * p.bottomAxisMax / span;
}

double leftAxisPixelOf(const ChartPicture &p, double y)
{
    if (!(p.leftAxisMax > 0))
        return p.plot.bottom;
    return p.plot.bottom - y * (p.plot.bottom - p.plot.top) / p.leftAxisMax;
}

ChartReadout chartReadout(const ChartPicture &p, ChartTab tab, bool metric, QChar decimal,
                          int lossStepCount, bool zoomed, int x, int y)
{
    ChartReadout r;
    if (zoomed)
        return r;
    if (!p.plot.contains(x, y)) {
        r.action = ChartReadout::Action::Clear;
        return r;
    }
    const long double xv = bottomAxisValueAt(p, x);
    // Snap to 0.05 mm or 2.5 mils; only at or just left of a snap point does
    // the read-out move (the signed difference is meant).
    const long double xs =
        metric ? roundEven(20.0L * xv) / 20.0L : roundToPow10(40.0L * xv, 2) / 40.0L;
    if (!(xv - xs < (metric ? 0.0001L : 0.001L)))
        return r;

    r.action = ChartReadout::Action::Show;
    r.verticalColumn = x;
    int k = 0;
    for (int i = 1; i < lossStepCount; ++i) {
        const double xi = pointAt(p, i).x;
        if (xi < xv && xi > 0)
            k = i;
    }
    const ChartPoint p0 = pointAt(p, k);
    const ChartPoint p1 = pointAt(p, k + 1);
    const long double x0 = p0.x, x1 = p1.x;
    if (!(x1 > 0) || x1 == x0)
        return r; // beyond the last point: the vertical line only, no text
    const long double yp = roundEven(leftAxisPixelOf(p, p0.y));
    const long double yq = roundEven(leftAxisPixelOf(p, p1.y));
    r.horizontalRow = static_cast<int>(roundEven(yp - (xv - x0) * (yp - yq) / (x1 - x0)));

    const long double yv = p0.y - (static_cast<long double>(p0.y) - p1.y) * (xs - x0) / (x1 - x0);
    const auto [shown, decimals] = readoutY(tab, metric, yv);
    r.label = QStringLiteral("x = ") + formatFixed(decimal, xs, 7, metric ? 2 : 1) +
              QStringLiteral(" , y = ") + formatFixed(decimal, shown, 18, decimals);
    return r;
}

QString chartSvg(const ChartPicture &p)
{
    const auto num = [](double v) { return format(QLatin1Char('.'), "%.2f", {v}); };
    const auto px = [&p](double x) {
        const double max = p.bottomAxisMax > 0 ? p.bottomAxisMax : 1;
        return p.plot.left + x * (p.plot.right - p.plot.left) / max;
    };
    QString s = plainSvgStart(p.width, p.height, p.title, p.plot.left, p.plot.top, p.plot.right,
                              p.plot.bottom);
    s += QStringLiteral("<text x=\"%1\" y=\"20\" text-anchor=\"middle\">%2</text>\n")
             .arg(p.width / 2)
             .arg(svgText(p.title));
    s += QStringLiteral("<text x=\"%1\" y=\"40\">%2</text>\n")
             .arg(p.subtitleLeft)
             .arg(svgText(p.subtitle));
    QStringList coords;
    for (const ChartPoint &pt : p.points)
        coords << num(px(pt.x)) + QLatin1Char(',') + num(leftAxisPixelOf(p, pt.y));
    s += QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" points=\"%2\"/>\n")
             .arg(colorName(p.color), coords.join(QLatin1Char(' ')));
    for (qsizetype i = 0; i < coords.size(); ++i) {
        const QStringList xy = coords[i].split(QLatin1Char(','));
        s += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" fill=\"%3\"/>"
                            "<text x=\"%1\" y=\"%4\" text-anchor=\"middle\">%5</text>\n")
                 .arg(xy[0], xy[1], colorName(p.color))
                 .arg(num(leftAxisPixelOf(p, p.points[static_cast<size_t>(i)].y) - 8))
                 .arg(svgText(i < p.pointLabels.size() ? p.pointLabels[i] : QString()));
    }
    s += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>\n")
             .arg((p.plot.left + p.plot.right) / 2)
             .arg(p.height - 8)
             .arg(svgText(p.bottomAxisTitle));
    s += QStringLiteral("<text x=\"16\" y=\"%1\" text-anchor=\"middle\" "
                        "transform=\"rotate(-90 16 %1)\">%2</text>\n")
             .arg((p.plot.top + p.plot.bottom) / 2)
             .arg(svgText(p.leftAxisTitle));
    s += QStringLiteral("</svg>\n");
    return s;
}

} // namespace pc
