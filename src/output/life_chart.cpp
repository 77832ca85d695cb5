#include "output/life_chart.h"

#include "output/corrosion_chart.h"
#include "units/format.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace pc {

namespace {

QString num(double v)
{
    return format(QLatin1Char('.'), "%.2f", {v});
}

// The plot rectangle of the plain drawing.
constexpr int PlotLeft = 60, PlotTop = 50, PlotRightMargin = 20, PlotBottomMargin = 50;

} // namespace

double lifeChartLeftAxisMaximum(double largest)
{
    if (!(largest > 0) || !std::isfinite(largest))
        return 1;
    return std::max(1.0, std::ceil(largest * 2 + 1) / 2);
}

int lifeChartYearAt(const LifeChartPicture &p, double axisValue)
{
    if (p.years.empty() || !std::isfinite(axisValue))
        return -1;
    const double clamped = std::clamp(axisValue, static_cast<double>(p.years.front()),
                                      static_cast<double>(p.years.back()));
    return static_cast<int>(std::lround(clamped));
}

QString lifeChartSvg(const LifeChartPicture &p)
{
    const int right = p.width - PlotRightMargin;
    const int bottom = p.height - PlotBottomMargin;
    const double xMax = p.bottomAxisMax > 0 ? p.bottomAxisMax : 1;
    const double yMax = p.leftAxisMax > 0 ? p.leftAxisMax : 1;
    const auto px = [&](double x) { return PlotLeft + x * (right - PlotLeft) / xMax; };
    const auto py = [&](double y) { return bottom - y * (bottom - PlotTop) / yMax; };
    const auto polyline = [&](const std::vector<double> &values, const char *colour) {
        // A factor that is not available breaks the line.
        QString out;
        QStringList run;
        const auto flush = [&] {
            if (run.size() > 1)
                out += QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" points=\"%2\"/>\n")
                           .arg(QLatin1String(colour), run.join(QLatin1Char(' ')));
            run.clear();
        };
        for (size_t i = 0; i < values.size() && i < p.years.size(); ++i) {
            if (values[i] > 0)
                run << num(px(p.years[i])) + QLatin1Char(',') + num(py(values[i]));
            else
                flush();
        }
        flush();
        return out;
    };

    QString s = plainSvgStart(p.width, p.height, p.title, PlotLeft, PlotTop, right, bottom);
    s += QStringLiteral("<text x=\"%1\" y=\"20\" text-anchor=\"middle\">%2</text>\n")
             .arg(p.width / 2)
             .arg(svgText(p.title));
    s += QStringLiteral("<text x=\"%1\" y=\"38\" text-anchor=\"middle\">%2</text>\n")
             .arg(p.width / 2)
             .arg(svgText(p.subtitle));
    s += polyline(p.sfIni, "#808080");
    s += polyline(p.sfRed, "#000080");
    s += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#FF0000\"/>\n")
             .arg(PlotLeft)
             .arg(num(py(p.sfMin)))
             .arg(right);
    if (p.crossingYear >= 0) {
        s += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\" stroke=\"#FF0000\" "
                            "stroke-dasharray=\"4 3\"/>\n")
                 .arg(num(px(p.crossingYear)))
                 .arg(PlotTop)
                 .arg(bottom);
        s += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>\n")
                 .arg(num(px(p.crossingYear) + 4))
                 .arg(PlotTop + 14)
                 .arg(svgText(p.crossingLabel));
    }
    s += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>\n")
             .arg((PlotLeft + right) / 2)
             .arg(p.height - 12)
             .arg(svgText(p.bottomAxisTitle));
    s += QStringLiteral("<text x=\"14\" y=\"%1\" transform=\"rotate(-90 14 %1)\" "
                        "text-anchor=\"middle\">%2</text>\n")
             .arg((PlotTop + bottom) / 2)
             .arg(svgText(p.leftAxisTitle));
    s += QStringLiteral("</svg>\n");
    return s;
}

} // namespace pc
