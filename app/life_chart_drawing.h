#pragma once
// Draws the service life curve's picture with Qt Charts: Sf,red over the
// years (a gap where it is not available), Sf,ini as a flat grey reference,
// the required factor as a red horizontal line and the crossing year as a
// marked, labelled point. The window's chart and the exports (SVG, PNG,
// clipboard) are drawn by the same code.

#include "output/life_chart.h"

#include <QByteArray>
#include <QImage>

class QChart;

namespace pc::gui {

// Replaces the series, axes and titles of `chart` with the picture's.
void drawLifeChart(QChart *chart, const LifeChartPicture &picture);

// The picture drawn off screen at its own size.
QByteArray lifeChartSvgBytes(const LifeChartPicture &picture);
QImage lifeChartImage(const LifeChartPicture &picture);

} // namespace pc::gui
