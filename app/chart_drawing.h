#pragma once
// Draws the program's ChartPicture with Qt Charts: one line series with round
// markers, the point labels, the titles, the axes with the program's ranges
// and a plot area fixed to the program's plot rectangle, so that a pixel of
// the chart means what the program thinks it means (the read-out and the
// zoom convert pixels with the same rectangle). The window's chart and the
// chart's outputs (print, SVG, clipboard) are drawn by the same code.

#include "form/chart_control.h"
#include "output/corrosion_chart.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

class QChart;
class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QPainter;
class QRectF;
class QValueAxis;

namespace pc::gui {

class ChartDrawing
{
public:
    explicit ChartDrawing(QChart *chart);

    QChart *chart() const { return chart_; }
    // The title as drawn (the chart's own title has no place beside a fixed
    // plot area, so the drawing places it).
    QString title() const;
    void setPicture(const ChartPicture &picture, const std::optional<form::ChartZoom> &zoom);
    void setCursorLines(const form::CursorLines &lines);

    // The visible axis ranges (the zoom, or the whole picture).
    form::ChartZoom visibleRange() const;
    // The value at a chart pixel, by the visible ranges and the plot rectangle.
    QPointF valueAt(const QPointF &pixel) const;

private:
    QPointF pixelOf(double x, double y) const;
    void placeItems();

    QChart *chart_;
    QLineSeries *series_;
    QValueAxis *bottomAxis_;
    QValueAxis *leftAxis_;
    QGraphicsSimpleTextItem *title_;
    QGraphicsSimpleTextItem *subtitle_;
    QGraphicsLineItem *vertical_;
    QGraphicsLineItem *horizontal_;
    std::vector<QGraphicsSimpleTextItem *> labels_;
    std::vector<QGraphicsEllipseItem *> shadows_;
    ChartPicture picture_;
    std::optional<form::ChartZoom> zoom_;
};

// The picture drawn off screen: painted into `target` of a painter (a printer
// page), as SVG bytes, or as a bitmap of the chart's size.
void paintChart(QPainter &painter, const QRectF &target, const ChartPicture &picture);
// A chart made in a scene of its own, drawn by `draw`, laid out at `width` x
// `height` and painted into `target`.
void paintOffScreen(QPainter &painter, const QRectF &target, int width, int height,
                    const std::function<void(QChart *)> &draw);
QByteArray chartSvgBytes(const ChartPicture &picture);
QImage chartImage(const ChartPicture &picture);

// A picture of `width` x `height` that `paint` draws, as SVG bytes (with
// `title`) or as a bitmap on white: the charts' file and clipboard outputs.
QByteArray svgPictureBytes(int width, int height, const QString &title,
                           const std::function<void(QPainter &)> &paint);
QImage bitmapPicture(int width, int height, const std::function<void(QPainter &)> &paint);

} // namespace pc::gui
