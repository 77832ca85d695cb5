// The chart with Qt Charts on the offscreen platform: the window's chart
// draws the model's series, the pointer's read-out and the rubber-band zoom
// go through the model, and the outputs write an SVG picture with the series
// in it and put the chart on the clipboard.

#include "chart_drawing.h"
#include "gui_fixture.h"
#include "qt_platform.h"
#include "small_tmpfs.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsLineItem>
#include <QLabel>
#include <QLineSeries>
#include <QMimeData>
#include <QMouseEvent>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace pc;
using pc::test::GuiRun;
using F = form::MainForm;

namespace {

ChartPicture sampleChart()
{
    ChartInput in;
    in.tab = ChartTab::Wel;
    in.units = unitLabels(true);
    in.sectionLabel = QStringLiteral("AX 14");
    in.lossStep = {0, 1, 2, 4};
    in.wel = {1400, 1240, 1075, 745};
    ChartPicture p;
    buildChartSeries(p, in);
    return p;
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct ChartRun : GuiRun
{
    ChartRun()
    {
        f.userSelect(f.LB_SSP, 1); // Wel 1800, 1720, 1640 and no value at 4 mm
        f.userPage(F::PageChart);
        session->afterUserAction();
        view = widget<QChartView>(f.TeeCh_Wx);
    }
    QLineSeries *series() const
    {
        const auto all = view->chart()->series();
        return all.isEmpty() ? nullptr : qobject_cast<QLineSeries *>(all[0]);
    }
    QChartView *view = nullptr;
};

} // namespace

TEST(ChartGui, ExportWritesAnSvgPictureWithTheSeries)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Graph.svg"));
    pc::QtPlatform platform;
    ChartPicture chart = sampleChart();
    chart.markerShadow = false;
    EXPECT_EQ(platform.saveChartPicture(chart, path), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    // The series' colour, the point labels and the titles are in the picture.
    EXPECT_TRUE(svg.toLower().contains("#ff3700"));
    for (const char *label : {">1400<", ">1240<", ">1075<", ">745<"})
        EXPECT_TRUE(svg.contains(label)) << label;
    EXPECT_TRUE(svg.contains("Reduced section modulus"));
    EXPECT_TRUE(svg.contains("AX 14"));
}

TEST(ChartGui, ExportWhereNoFileCanBeWrittenFailsWithAReasonAndWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A read-only file system, as a shared folder mounted read-only is.
    const pc::test::SmallTmpfs readOnly("size=8k,ro");
    struct Case
    {
        const char *name;
        QString path;
    };
    std::vector<Case> cases = {
        {"a folder", dir.path()},
        {"a missing folder", dir.filePath(QStringLiteral("missing/Graph.svg"))},
    };
    if (readOnly.mounted())
        cases.push_back({"a read-only folder", readOnly.filePath(QStringLiteral("Graph.svg"))});
    else
        std::printf("read-only row left out: %s\n", qPrintable(readOnly.reason()));
    pc::QtPlatform platform;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto failure = platform.saveChartPicture(sampleChart(), c.path);
        ASSERT_TRUE(failure.has_value());
        EXPECT_FALSE(failure->isEmpty());
        EXPECT_FALSE(QFileInfo(c.path).isFile());
    }
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(ChartGui, CopyPutsSvgAndABitmapOnTheClipboard)
{
    pc::QtPlatform platform;
    const ChartPicture chart = sampleChart();
    platform.copyChartToClipboard(chart);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(chart.width, chart.height));
}

TEST(ChartGui, TheWindowsChartDrawsTheModelsSeries)
{
    ChartRun r;
    ASSERT_NE(r.view, nullptr);
    QLineSeries *series = r.series();
    ASSERT_NE(series, nullptr);
    const QList<QPointF> expected = {{0, 1800}, {1, 1720}, {2, 1640}};
    EXPECT_EQ(series->points(), expected);
    EXPECT_EQ(series->pen().color(), QColor(255, 55, 0));
    const gui::Binder *binder = r.session->binderFor(r.f.TeeCh_Wx);
    ASSERT_NE(binder, nullptr);
    EXPECT_EQ(binder->shown(form::Property::ChartTitle),
              std::optional<std::string>("\" Reduced section modulus \""));
    EXPECT_EQ(binder->shown(form::Property::Series),
              std::optional<std::string>("[[0,1800],[1,1720],[2,1640]]"));
    // The plot area is the program's plot rectangle.
    const PlotRect &plot = r.f.TeeCh_Wx.picture().plot;
    EXPECT_EQ(r.view->chart()->plotArea(),
              QRectF(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top));
}

TEST(ChartGui, TheAxesKeepAFewTicksWhateverTheRangeBefore)
{
    ChartRun r;
    // Section modulus (to 2,000), moment of inertia (to 40,000), bending
    // moment capacity (to a few hundred) and back.
    for (int tab : {1, 3, 1, 0}) {
        r.f.userSelect(r.f.TC_Chart, tab);
        r.session->afterUserAction();
        int lines = 0;
        for (QGraphicsItem *item : r.view->scene()->items())
            if (dynamic_cast<QGraphicsLineItem *>(item))
                ++lines;
        EXPECT_LT(lines, 200) << "tab " << tab;
    }
}

TEST(ChartGui, TheTabsAreAsWideAsTheProgramThinks)
{
    ChartRun r;
    auto *bar = r.widget<QTabBar>(r.f.TC_Chart);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->count(), 4);
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_EQ(bar->tabRect(i).left(), i * form::ChartTabWidth) << i;
        EXPECT_EQ(bar->tabRect(i).width(), form::ChartTabWidth) << i;
    }
}

TEST(ChartGui, PointerReadOutAndRubberBandZoom)
{
    ChartRun r;
    QWidget *viewport = r.view->viewport();
    sendMouse(viewport, QEvent::MouseMove, QPoint(204, 200), Qt::NoButton, Qt::NoButton);
    r.session->flush();
    EXPECT_EQ(r.widget<QLabel>(r.f.TC_ChartLbl)->text(), QStringLiteral("x = 1.00 , y = 1720"));
    int visibleLines = 0;
    for (QGraphicsItem *item : r.view->scene()->items())
        if (auto *line = dynamic_cast<QGraphicsLineItem *>(item);
            line && line->isVisible() && line->pen().color() == QColor(105, 105, 105))
            ++visibleLines;
    EXPECT_EQ(visibleLines, 2);

    // A band to the lower right zooms in: the read-out stops.
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, QPoint(300, 300), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, QPoint(300, 300), Qt::LeftButton, Qt::NoButton);
    r.session->flush();
    ASSERT_TRUE(r.f.TeeCh_Wx.zoomed());
    const form::ChartZoom z = *r.f.TeeCh_Wx.zoom();
    EXPECT_LT(z.xMin, z.xMax);
    EXPECT_LT(z.yMin, z.yMax);
    EXPECT_GT(z.xMin, 0);
    EXPECT_LT(z.xMax, 4);

    // A band to the left undoes it.
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(300, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, QPoint(100, 120), Qt::LeftButton, Qt::NoButton);
    r.session->flush();
    EXPECT_FALSE(r.f.TeeCh_Wx.zoomed());
}
