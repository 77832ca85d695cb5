#pragma once
// Draws the service life curve's picture with Qt Charts: Sf,red over the
// years (a gap where it is not available), Sf,ini as a flat grey reference,
// the required factor as a red horizontal line and the crossing year as a
// marked, labelled point. The window's chart and the exports (SVG, PNG,
// clipboard) are drawn by the same code.

#include "output/life_chart.h"

#include <QByteArray>
#include <QImage>

#include <vector>

class QChart;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace pc::gui {

// The series and axes of one chart, made once and given new points for each
// picture: a window that follows the design redraws its chart at every
// change, and a chart that had its series and axes replaced each time would
// grow slower with every redraw.
class LifeChartDrawing
{
public:
    explicit LifeChartDrawing(QChart *chart);
    void setPicture(const LifeChartPicture &picture);

private:
    // The runs of available factors of `values` into the series of `pool`,
    // which grows as needed; the series left over are emptied.
    void fillRuns(std::vector<QLineSeries *> &pool, const LifeChartPicture &p,
                  const std::vector<double> &values, const QColor &colour, qreal width);
    QLineSeries *addLine(const QString &name, const QColor &colour, qreal width,
                         Qt::PenStyle style);
    // The crossing's label as the series shows it: beside the point near
    // either end of the axis.
    QString crossingLabelText(const LifeChartPicture &p) const;

    QChart *chart_;
    QValueAxis *x_;
    QValueAxis *y_;
    std::vector<QLineSeries *> ini_;
    std::vector<QLineSeries *> red_;
    QLineSeries *required_;
    QScatterSeries *mark_;
};

// The picture drawn off screen at its own size.
QByteArray lifeChartSvgBytes(const LifeChartPicture &picture);
QImage lifeChartImage(const LifeChartPicture &picture);

} // namespace pc::gui
