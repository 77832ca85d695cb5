#include "life_chart_drawing.h"

#include "chart_drawing.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>
#include <optional>

namespace pc::gui {

namespace {

const QColor IniColour(128, 128, 128);
const QColor RedColour(0, 0, 128);

void render(QPainter &painter, const LifeChartPicture &picture)
{
    // The drawing lives until the chart is painted, as it does in a window.
    std::optional<LifeChartDrawing> drawing;
    paintOffScreen(painter, QRectF(0, 0, picture.width, picture.height), picture.width,
                   picture.height, [&](QChart *chart) {
                       drawing.emplace(chart);
                       drawing->setPicture(picture);
                   });
}

// The round step (1, 2, 2.5 or 5 times a power of ten) that cuts 0..max
// into about five parts.
double roundTickStep(double max)
{
    if (!(max > 0) || !std::isfinite(max))
        return 1;
    const double raw = max / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0})
        if (m * magnitude >= raw)
            return m * magnitude;
    return 10 * magnitude;
}

} // namespace

LifeChartDrawing::LifeChartDrawing(QChart *chart)
    : chart_(chart), x_(new QValueAxis(chart)), y_(new QValueAxis(chart))
{
    chart_->removeAllSeries();
    for (QAbstractAxis *axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->legend()->setAlignment(Qt::AlignBottom);
    x_->setLabelFormat(QStringLiteral("%d"));
    // Ticks at round steps from 0 (every 25 years, every 0.5 of the
    // factor), not at five equal parts of the range (37.5 years, 0.63).
    for (QValueAxis *axis : {x_, y_}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }
    chart_->addAxis(x_, Qt::AlignBottom);
    chart_->addAxis(y_, Qt::AlignLeft);
    ini_.push_back(addLine(QStringLiteral("Sf,ini"), IniColour, 1.5, Qt::SolidLine));
    red_.push_back(addLine(QStringLiteral("Sf,red"), RedColour, 2.0, Qt::SolidLine));
    required_ = addLine(QStringLiteral("Sfmin"), Qt::red, 1.5, Qt::DashLine);
    mark_ = new QScatterSeries(chart_);
    mark_->setMarkerSize(10);
    mark_->setColor(Qt::red);
    mark_->setPointLabelsVisible(true);
    mark_->setPointLabelsColor(Qt::red);
    // The label is centred over the year: near the first or the last year
    // half of it lies outside the plot, where a clipped label would lose it.
    mark_->setPointLabelsClipping(false);
    chart_->addSeries(mark_);
    mark_->attachAxis(x_);
    mark_->attachAxis(y_);
    for (QLegendMarker *m : chart_->legend()->markers(mark_))
        m->setVisible(false);
}

QLineSeries *LifeChartDrawing::addLine(const QString &name, const QColor &colour, qreal width,
                                       Qt::PenStyle style)
{
    auto *s = new QLineSeries(chart_);
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(width);
    pen.setStyle(style);
    s->setPen(pen);
    chart_->addSeries(s);
    s->attachAxis(x_);
    s->attachAxis(y_);
    // Only the first series of each kind has a place in the legend.
    if (name.isEmpty())
        for (QLegendMarker *m : chart_->legend()->markers(s))
            m->setVisible(false);
    return s;
}

void LifeChartDrawing::fillRuns(std::vector<QLineSeries *> &pool, const LifeChartPicture &p,
                                const std::vector<double> &values, const QColor &colour,
                                qreal width)
{
    std::vector<QList<QPointF>> runs(1);
    for (size_t i = 0; i < values.size() && i < p.years.size(); ++i) {
        if (values[i] > 0)
            runs.back().append(QPointF(p.years[i], values[i]));
        else if (!runs.back().isEmpty())
            runs.emplace_back();
    }
    while (pool.size() < runs.size())
        pool.push_back(addLine(QString(), colour, width, Qt::SolidLine));
    for (size_t i = 0; i < pool.size(); ++i) {
        if (i < runs.size())
            pool[i]->replace(runs[i]);
        else
            pool[i]->clear();
    }
}

void LifeChartDrawing::setPicture(const LifeChartPicture &p)
{
    chart_->setTitle(p.title.trimmed() +
                     (p.subtitle.isEmpty() ? QString() : QStringLiteral(" - ") + p.subtitle));
    fillRuns(ini_, p, p.sfIni, IniColour, 1.5);
    fillRuns(red_, p, p.sfRed, RedColour, 2.0);
    if (p.sfMin > 0)
        required_->replace({QPointF(0, p.sfMin), QPointF(p.bottomAxisMax, p.sfMin)});
    else
        required_->clear();
    if (p.crossingYear >= 0) {
        const size_t i = static_cast<size_t>(p.crossingYear);
        const double y = i < p.sfRed.size() && p.sfRed[i] > 0 ? p.sfRed[i] : p.sfMin;
        mark_->replace({QPointF(p.crossingYear, y)});
        mark_->setPointLabelsFormat(crossingLabelText(p));
    } else {
        mark_->clear();
    }
    const double xMax = p.bottomAxisMax > 0 ? p.bottomAxisMax : 1;
    x_->setRange(0, xMax);
    x_->setTickInterval(roundTickStep(xMax));
    x_->setTitleText(p.bottomAxisTitle.trimmed());
    y_->setRange(0, p.leftAxisMax);
    y_->setTickInterval(roundTickStep(p.leftAxisMax));
    y_->setTitleText(p.leftAxisTitle.trimmed());
}

QString LifeChartDrawing::crossingLabelText(const LifeChartPicture &p) const
{
    // A point label is centred over its point: near the start of the axis it
    // would run over the left axis and its title, near the end out of the
    // plot. Blanks as wide as the text on the other side put the text beside
    // the point, inside the plot.
    const QString text = p.crossingLabel.trimmed();
    const double xMax = p.bottomAxisMax > 0 ? p.bottomAxisMax : 1;
    const double at = p.crossingYear / xMax;
    if (at > 0.25 && at < 0.75)
        return text;
    const QFontMetricsF metrics(mark_->pointLabelsFont());
    const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
    const int blanks =
        blank > 0 ? static_cast<int>(std::ceil(metrics.horizontalAdvance(text) / blank)) + 1 : 0;
    const QString pad(blanks, QLatin1Char(' '));
    return at <= 0.25 ? pad + text : text + pad;
}

QByteArray lifeChartSvgBytes(const LifeChartPicture &picture)
{
    return svgPictureBytes(picture.width, picture.height, picture.title.trimmed(),
                           [&](QPainter &painter) { render(painter, picture); });
}

QImage lifeChartImage(const LifeChartPicture &picture)
{
    return bitmapPicture(picture.width, picture.height,
                         [&](QPainter &painter) { render(painter, picture); });
}

} // namespace pc::gui
