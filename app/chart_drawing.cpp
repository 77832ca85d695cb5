#include "chart_drawing.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>
#include <QValueAxis>

#include <cmath>

namespace pc::gui {

namespace {

const QColor CursorColor(105, 105, 105);
const QColor ShadowColor(160, 160, 160);
constexpr qreal MarkerSize = 7;
constexpr qreal ShadowOffset = 2;

// A round tick interval giving about eight ticks over `range`.
double tickInterval(double range)
{
    if (!(range > 0) || !std::isfinite(range))
        return 1;
    const double raw = range / 8;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * decade >= raw)
            return m * decade;
    return 10 * decade;
}

QString labelFormat(double interval)
{
    if (interval >= 1)
        return QStringLiteral("%.0f");
    return interval >= 0.1 ? QStringLiteral("%.1f") : QStringLiteral("%.2f");
}

void setAxis(QValueAxis *axis, double min, double max)
{
    // A wider interval before a wider range, a narrower one after a narrower
    // range: the old interval over the new range could otherwise ask for
    // thousands of ticks on the way (each a grid line and a label).
    const double interval = tickInterval(max - min);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setLabelFormat(labelFormat(interval));
    if (interval >= axis->tickInterval()) {
        axis->setTickInterval(interval);
        axis->setRange(min, max);
    } else {
        axis->setRange(min, max);
        axis->setTickInterval(interval);
    }
}

QRectF plotArea(const ChartPicture &p)
{
    return QRectF(p.plot.left, p.plot.top, p.plot.right - p.plot.left, p.plot.bottom - p.plot.top);
}

} // namespace

ChartDrawing::ChartDrawing(QChart *chart) : chart_(chart)
{
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setAnimationOptions(QChart::NoAnimation);
    // Thousands grouped on the left axis ("#,##0").
    chart_->setLocalizeNumbers(true);

    series_ = new QLineSeries(chart_);
    series_->setPointsVisible(true);
    series_->setMarkerSize(MarkerSize);
    chart_->addSeries(series_);
    bottomAxis_ = new QValueAxis(chart_);
    leftAxis_ = new QValueAxis(chart_);
    chart_->addAxis(bottomAxis_, Qt::AlignBottom);
    chart_->addAxis(leftAxis_, Qt::AlignLeft);
    series_->attachAxis(bottomAxis_);
    series_->attachAxis(leftAxis_);

    title_ = new QGraphicsSimpleTextItem(chart_);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title_->setFont(titleFont);
    subtitle_ = new QGraphicsSimpleTextItem(chart_);
    QPen cursorPen(CursorColor);
    cursorPen.setWidth(1);
    vertical_ = new QGraphicsLineItem(chart_);
    horizontal_ = new QGraphicsLineItem(chart_);
    for (QGraphicsLineItem *line : {vertical_, horizontal_}) {
        line->setPen(cursorPen);
        line->setZValue(1000);
        line->hide();
    }
}

QString ChartDrawing::title() const
{
    return title_->text();
}

form::ChartZoom ChartDrawing::visibleRange() const
{
    if (zoom_)
        return *zoom_;
    return {0, picture_.bottomAxisMax > 0 ? picture_.bottomAxisMax : 1, 0,
            picture_.leftAxisMax > 0 ? picture_.leftAxisMax : 1};
}

QPointF ChartDrawing::pixelOf(double x, double y) const
{
    const form::ChartZoom r = visibleRange();
    const QRectF area = plotArea(picture_);
    return {area.left() + (x - r.xMin) * area.width() / (r.xMax - r.xMin),
            area.bottom() - (y - r.yMin) * area.height() / (r.yMax - r.yMin)};
}

QPointF ChartDrawing::valueAt(const QPointF &pixel) const
{
    const form::ChartZoom r = visibleRange();
    const QRectF area = plotArea(picture_);
    if (area.width() <= 0 || area.height() <= 0)
        return {};
    return {r.xMin + (pixel.x() - area.left()) * (r.xMax - r.xMin) / area.width(),
            r.yMin + (area.bottom() - pixel.y()) * (r.yMax - r.yMin) / area.height()};
}

void ChartDrawing::setPicture(const ChartPicture &picture,
                              const std::optional<form::ChartZoom> &zoom)
{
    picture_ = picture;
    zoom_ = zoom;
    chart_->resize(picture.width, picture.height);
    chart_->setPlotArea(plotArea(picture));
    title_->setText(picture.title);
    title_->setPos((picture.width - title_->boundingRect().width()) / 2, 8);
    bottomAxis_->setTitleText(picture.bottomAxisTitle);
    leftAxis_->setTitleText(picture.leftAxisTitle);
    const form::ChartZoom r = visibleRange();
    setAxis(bottomAxis_, r.xMin, r.xMax);
    setAxis(leftAxis_, r.yMin, r.yMax);

    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(picture.points.size()));
    for (const ChartPoint &pt : picture.points)
        points << QPointF(pt.x, pt.y);
    series_->replace(points);
    const QColor color(picture.color.r, picture.color.g, picture.color.b);
    QPen pen(color);
    pen.setWidth(2);
    series_->setPen(pen);
    series_->setBrush(color);

    subtitle_->setText(picture.subtitle);
    subtitle_->setPos(picture.subtitleLeft, 30);

    while (labels_.size() < picture.points.size()) {
        labels_.push_back(new QGraphicsSimpleTextItem(chart_));
        auto *shadow = new QGraphicsEllipseItem(chart_);
        shadow->setPen(Qt::NoPen);
        shadow->setBrush(ShadowColor);
        shadow->setZValue(3.5); // above the grid and the axes, below the line
        shadows_.push_back(shadow);
    }
    while (labels_.size() > picture.points.size()) {
        delete labels_.back();
        labels_.pop_back();
        delete shadows_.back();
        shadows_.pop_back();
    }
    placeItems();
}

void ChartDrawing::placeItems()
{
    const QRectF area = plotArea(picture_);
    for (size_t i = 0; i < labels_.size(); ++i) {
        const ChartPoint &pt = picture_.points[i];
        const QPointF at = pixelOf(pt.x, pt.y);
        const bool inside = area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(at);
        QGraphicsSimpleTextItem *label = labels_[i];
        label->setText(static_cast<qsizetype>(i) < picture_.pointLabels.size()
                           ? picture_.pointLabels[static_cast<qsizetype>(i)]
                           : QString());
        const QRectF box = label->boundingRect();
        label->setPos(at.x() - box.width() / 2, at.y() - MarkerSize - box.height());
        label->setVisible(inside);
        QGraphicsEllipseItem *shadow = shadows_[i];
        shadow->setRect(at.x() - MarkerSize / 2 + ShadowOffset,
                        at.y() - MarkerSize / 2 + ShadowOffset, MarkerSize, MarkerSize);
        shadow->setVisible(inside && picture_.markerShadow);
    }
}

void ChartDrawing::setCursorLines(const form::CursorLines &lines)
{
    const PlotRect &r = picture_.plot;
    if (lines.column) {
        vertical_->setLine(*lines.column + 0.5, r.bottom, *lines.column + 0.5, r.top);
        vertical_->show();
    } else {
        vertical_->hide();
    }
    if (lines.row) {
        horizontal_->setLine(r.left, *lines.row + 0.5, r.right, *lines.row + 0.5);
        horizontal_->show();
    } else {
        horizontal_->hide();
    }
}

void paintOffScreen(QPainter &painter, const QRectF &target, int width, int height,
                    const std::function<void(QChart *)> &draw)
{
    QGraphicsScene scene;
    auto *chart = new QChart; // the scene owns it
    scene.addItem(chart);
    draw(chart);
    chart->setGeometry(0, 0, width, height);
    // The chart lays out its items on the next layout pass; make it now.
    if (QGraphicsLayout *layout = chart->layout())
        layout->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRectF source(0, 0, width, height);
    scene.setSceneRect(source);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, source, Qt::KeepAspectRatio);
}

void paintChart(QPainter &painter, const QRectF &target, const ChartPicture &picture)
{
    // The drawing lives until the chart is painted, as it does in a window.
    std::optional<ChartDrawing> drawing;
    paintOffScreen(painter, target, picture.width, picture.height, [&](QChart *chart) {
        drawing.emplace(chart);
        drawing->setPicture(picture, std::nullopt);
    });
}

QByteArray svgPictureBytes(int width, int height, const QString &title,
                           const std::function<void(QPainter &)> &paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(title);
    {
        QPainter painter(&svg);
        paint(painter);
    }
    return buffer.data();
}

QImage bitmapPicture(int width, int height, const std::function<void(QPainter &)> &paint)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QByteArray chartSvgBytes(const ChartPicture &picture)
{
    return svgPictureBytes(
        picture.width, picture.height, picture.title.trimmed(), [&](QPainter &painter) {
            paintChart(painter, QRectF(0, 0, picture.width, picture.height), picture);
        });
}

QImage chartImage(const ChartPicture &picture)
{
    return bitmapPicture(picture.width, picture.height, [&](QPainter &painter) {
        paintChart(painter, QRectF(0, 0, picture.width, picture.height), picture);
    });
}

} // namespace pc::gui
