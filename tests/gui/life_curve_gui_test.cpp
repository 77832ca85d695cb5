// The service life curve window on the offscreen platform: it opens from the
// Options menu with the series in its chart and table, redraws when an input
// of the main window changes, reads out the year under the mouse, and its
// pictures are written by Qt (SVG and PNG) or refused with a reason.

#include "built_sample.h"
#include "catalogue/catalogue_reader.h"
#include "engine/life_curve_text.h"
#include "gui_fixture.h"
#include "life_chart_drawing.h"
#include "qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineSeries>
#include <QMimeData>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pc;
using pc::test::GuiRun;
using F = form::MainForm;

namespace {

struct CurveRun : GuiRun
{
    CurveRun() : GuiRun({}, pc::test::builtSample())
    {
        f.userReplace(f.Edit_Moment, QStringLiteral("120"));
        f.userPage(F::PageRates);
        f.userSelect(f.RG_Front, 2);
        f.userSelect(f.CB_Front_Detail, 2);
        f.userPage(F::PageInput);
        session->afterUserAction();
        // The user picks the entry of the Options menu.
        auto *entry = window().findChild<QAction *>(QStringLiteral("MenuLifeCurve"));
        EXPECT_NE(entry, nullptr);
        if (entry)
            entry->trigger();
        session->afterUserAction();
        curve = &session->lifeCurveWindow();
    }

    QTableWidget *table() const { return curve->ui.SG_LifeTable; }
    QChart *chart() const { return curve->ui.LifeChartView->chart(); }

    // The points of the chart's series named `name` (the first run).
    QList<QPointF> points(const QString &name) const
    {
        for (QAbstractSeries *s : chart()->series())
            if (s->name() == name)
                if (auto *line = qobject_cast<QLineSeries *>(s))
                    return line->points();
        return {};
    }

    gui::LifeCurveWindow *curve = nullptr;
};

// The table and the chart show what the model holds.
void expectShowsTheModel(const CurveRun &r)
{
    const LifeCurve &c = r.a.curve.lifeCurve();
    ASSERT_EQ(r.table()->rowCount(), static_cast<int>(c.rows.size()) + 1);
    ASSERT_EQ(r.table()->columnCount(), LifeCurveColumnCount);
    for (int row : {1, 26, static_cast<int>(c.rows.size())})
        for (int col = 0; col < LifeCurveColumnCount; ++col) {
            const QTableWidgetItem *item = r.table()->item(row, col);
            ASSERT_NE(item, nullptr) << row << "," << col;
            EXPECT_EQ(item->text(), r.a.lifeCurveWindow.SG_LifeTable.cell(col, row))
                << row << "," << col;
        }
    const QList<QPointF> red = r.points(QStringLiteral("Sf,red"));
    ASSERT_FALSE(red.isEmpty());
    EXPECT_EQ(red.front(), QPointF(0, static_cast<double>(c.rows.front().sfRed)));
    const QList<QPointF> required = r.points(QStringLiteral("Sfmin"));
    ASSERT_EQ(required.size(), 2);
    EXPECT_EQ(required.front().y(), static_cast<double>(c.sfMinRequired));
}

} // namespace

TEST(LifeCurveGui, OpensFromTheOptionsMenuWithChartAndTable)
{
    CurveRun r;
    ASSERT_NE(r.curve, nullptr);
    EXPECT_TRUE(r.curve->isVisible());
    EXPECT_EQ(r.curve->windowTitle(), QStringLiteral(" Service life curve "));
    expectShowsTheModel(r);
    const int crossing = r.a.curve.lifeCurve().firstFailingYear;
    ASSERT_GT(crossing, 0);
    EXPECT_EQ(r.curve->ui.Lbl_LifeSummary->text(),
              lifeCurveSummaryText(r.a.curve.lifeCurve(), QLatin1Char('.')));
}

TEST(LifeCurveGui, RedrawsWhenAnInputOfTheMainWindowChanges)
{
    CurveRun r;
    const QList<QPointF> before = r.points(QStringLiteral("Sf,red"));
    const QString cellBefore = r.table()->item(51, 8)->text();
    const auto seriesBefore = r.chart()->series().size();
    const auto axesBefore = r.chart()->axes().size();
    const auto objectsBefore = r.chart()->findChildren<QObject *>().size();
    r.retype(r.f.Edit_Moment, QStringLiteral("150"));
    r.session->afterUserAction();
    EXPECT_NE(r.points(QStringLiteral("Sf,red")), before);
    EXPECT_NE(r.table()->item(51, 8)->text(), cellBefore);
    expectShowsTheModel(r);
    // A redraw gives the same series and axes new points: a chart that
    // gathered objects at every change grew slower with each.
    for (const char *moment : {"140", "130", "150"}) {
        r.retype(r.f.Edit_Moment, QString::fromLatin1(moment));
        r.session->afterUserAction();
    }
    EXPECT_EQ(r.chart()->series().size(), seriesBefore);
    EXPECT_EQ(r.chart()->axes().size(), axesBefore);
    EXPECT_EQ(r.chart()->findChildren<QObject *>().size(), objectsBefore);
    expectShowsTheModel(r);
}

TEST(LifeCurveGui, TheMouseOverTheChartReadsOutTheYear)
{
    CurveRun r;
    QChartView *view = r.curve->ui.LifeChartView;
    r.curve->resize(r.curve->size()); // laid out
    QApplication::processEvents();
    const QRectF plot = r.chart()->plotArea();
    ASSERT_TRUE(plot.isValid());
    const QPointF middle = r.chart()->mapToScene(plot.center());
    const QPoint pos = view->mapFromScene(middle);
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), view->viewport()->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    r.session->flush();
    const QString text = r.curve->ui.Lbl_LifeReadout->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral(" Year 5"))) << text.toStdString(); // 50 of 100
    EXPECT_EQ(text, r.a.lifeCurveWindow.Lbl_LifeReadout.caption());
}

struct PictureCase
{
    const char *name;
    Platform::PictureFormat format;
    const char *file; // empty: the folder itself
    const char *startsWith;
};

TEST(LifeCurveGui, PicturesAreWrittenByQtOrRefusedWithAReason)
{
    CurveRun r;
    const LifeChartPicture &chart = r.a.lifeCurveWindow.chart();
    const PictureCase cases[] = {
        {"svg", Platform::PictureFormat::Svg, "curve.svg", "<?xml"},
        {"png", Platform::PictureFormat::Png, "curve.png", "\x89PNG"},
        {"svg into a missing folder", Platform::PictureFormat::Svg, "missing/curve.svg", nullptr},
        {"png onto a folder", Platform::PictureFormat::Png, "", nullptr},
    };
    QtPlatform platform;
    for (const PictureCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = *c.file ? dir.filePath(QString::fromLatin1(c.file)) : dir.path();
        const auto failure = platform.saveLifeChart(chart, path, c.format);
        if (!c.startsWith) {
            ASSERT_TRUE(failure.has_value());
            EXPECT_FALSE(failure->isEmpty());
            continue;
        }
        ASSERT_EQ(failure, std::nullopt);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.startsWith)) << bytes.left(20).toStdString();
        if (c.format == Platform::PictureFormat::Svg) {
            EXPECT_TRUE(bytes.contains("Service life curve"));
        } else {
            QImage image;
            ASSERT_TRUE(image.loadFromData(bytes, "PNG"));
            EXPECT_EQ(image.size(), QSize(chart.width, chart.height));
        }
    }
}

TEST(LifeCurveGui, CopyPutsThePictureAndTheSeriesOnTheClipboard)
{
    CurveRun r;
    QtPlatform platform;
    const QString csv = lifeCurveCsv(r.a.curve.lifeCurve(), true);
    platform.copyLifeCurve(r.a.lifeCurveWindow.chart(), csv);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    EXPECT_EQ(data->text(), csv);
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(),
              QSize(r.a.lifeCurveWindow.chart().width, r.a.lifeCurveWindow.chart().height));
}

// The label of a crossing near either end of the axis lies inside the plot,
// beside its mark: centred over the point it ran over the left axis and its
// title. The plot's ends are those of the dashed Sfmin line (the row with
// the most red), and no red may lie beyond them but the mark's own radius.
TEST(LifeCurveGui, ACrossingLabelNearAnEndStaysInsideThePlot)
{
    for (const int crossing : {0, 100}) {
        SCOPED_TRACE(crossing);
        LifeChartPicture p;
        p.title = QStringLiteral(" Service life curve ");
        p.leftAxisTitle = QStringLiteral(" Safety factor");
        p.bottomAxisTitle = QStringLiteral(" Service life (years)");
        for (int y = 0; y <= 100; ++y) {
            p.years.push_back(y);
            p.sfIni.push_back(0.9);
            p.sfRed.push_back(0.9 - y * 0.002);
        }
        p.sfMin = 1.5;
        p.crossingYear = crossing;
        p.crossingLabel = QStringLiteral(" Sf,red < 1.50 from year %1 ").arg(crossing);
        p.leftAxisMax = 2;
        p.bottomAxisMax = 100;
        const QImage image = pc::gui::lifeChartImage(p).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull());
        const auto red = [&image](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c.red() > 180 && c.green() < 90 && c.blue() < 90;
        };
        int lineRow = -1, most = 0;
        for (int y = 0; y < image.height(); ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += red(x, y) ? 1 : 0;
            if (n > most) {
                most = n;
                lineRow = y;
            }
        }
        ASSERT_GE(lineRow, 0);
        int plotLeft = image.width(), plotRight = -1;
        for (int x = 0; x < image.width(); ++x)
            if (red(x, lineRow)) {
                plotLeft = std::min(plotLeft, x);
                plotRight = std::max(plotRight, x);
            }
        constexpr int Mark = 7; // the mark's radius and its edge
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (red(x, y)) {
                    ASSERT_TRUE(x >= plotLeft - Mark && x <= plotRight + Mark)
                        << "red at " << x << "," << y << " outside " << plotLeft << ".."
                        << plotRight;
                }
            }
        }
    }
}
