#include "life_chart_drawing.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

namespace pc::gui {

namespace {

QLineSeries *line(QChart *chart, const QString &name, const QColor &colour, qreal width,
                  Qt::PenStyle style = Qt::SolidLine)
{
    auto *s = new QLineSeries(chart);
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(width);
    pen.setStyle(style);
    s->setPen(pen);
    chart->addSeries(s);
    return s;
}

// Each run of available factors is one series, so a gap stays a gap; only
// the first run shows in the legend.
void addRuns(QChart *chart, const LifeChartPicture &p, const std::vector<double> &values,
             const QString &name, const QColor &colour, qreal width)
{
    QLineSeries *run = nullptr;
    bool named = false;
    for (size_t i = 0; i < values.size() && i < p.years.size(); ++i) {
        if (!(values[i] > 0)) {
            run = nullptr;
            continue;
        }
        if (!run) {
            run = line(chart, named ? QString() : name, colour, width);
            named = true;
        }
        run->append(p.years[i], values[i]);
    }
}

void hideUnnamedFromLegend(QChart *chart)
{
    for (QAbstractSeries *s : chart->series())
        if (s->name().isEmpty())
            for (QLegendMarker *m : chart->legend()->markers(s))
                m->setVisible(false);
}

void render(QPainter &painter, const LifeChartPicture &picture)
{
    QGraphicsScene scene;
    auto *chart = new QChart; // the scene owns it
    scene.addItem(chart);
    drawLifeChart(chart, picture);
    chart->setGeometry(0, 0, picture.width, picture.height);
    if (QGraphicsLayout *layout = chart->layout())
        layout->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRectF source(0, 0, picture.width, picture.height);
    scene.setSceneRect(source);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, source, source, Qt::KeepAspectRatio);
}

} // namespace

void drawLifeChart(QChart *chart, const LifeChartPicture &p)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(p.title.trimmed() +
                    (p.subtitle.isEmpty() ? QString() : QStringLiteral(" - ") + p.subtitle));
    chart->legend()->setAlignment(Qt::AlignBottom);

    addRuns(chart, p, p.sfIni, QStringLiteral("Sf,ini"), QColor(128, 128, 128), 1.5);
    addRuns(chart, p, p.sfRed, QStringLiteral("Sf,red"), QColor(0, 0, 128), 2.0);
    if (p.sfMin > 0) {
        QLineSeries *req = line(chart, QStringLiteral("Sfmin"), Qt::red, 1.5, Qt::DashLine);
        req->append(0, p.sfMin);
        req->append(p.bottomAxisMax, p.sfMin);
    }
    if (p.crossingYear >= 0) {
        auto *mark = new QScatterSeries(chart);
        mark->setName(QString());
        mark->setMarkerSize(10);
        mark->setColor(Qt::red);
        const size_t i = static_cast<size_t>(p.crossingYear);
        const double y = i < p.sfRed.size() && p.sfRed[i] > 0 ? p.sfRed[i] : p.sfMin;
        mark->append(p.crossingYear, y);
        mark->setPointLabelsVisible(true);
        mark->setPointLabelsFormat(p.crossingLabel.trimmed());
        mark->setPointLabelsColor(Qt::red);
        chart->addSeries(mark);
    }

    auto *x = new QValueAxis(chart);
    x->setRange(0, p.bottomAxisMax > 0 ? p.bottomAxisMax : 1);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(p.bottomAxisTitle.trimmed());
    auto *y = new QValueAxis(chart);
    y->setRange(0, p.leftAxisMax);
    y->setTitleText(p.leftAxisTitle.trimmed());
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    hideUnnamedFromLegend(chart);
}

QByteArray lifeChartSvgBytes(const LifeChartPicture &picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(picture.width, picture.height));
    svg.setViewBox(QRect(0, 0, picture.width, picture.height));
    svg.setTitle(picture.title.trimmed());
    {
        QPainter painter(&svg);
        render(painter, picture);
    }
    return buffer.data();
}

QImage lifeChartImage(const LifeChartPicture &picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(painter, picture);
    return image;
}

} // namespace pc::gui
