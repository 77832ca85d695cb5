// The chart page on the form model: what showing the page builds, the
// read-out under the mouse, the zoom and the unit switch, the tab hints and
// the outputs of the pop-up menu.

#include "app_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using pc::ChartPoint;
using pc::test::RunningApp;
using F = pc::form::MainForm;

// Section s1 ("AA 18*"): Wel 1800, 1720, 1640 at 0, 1 and 2 mm and no value
// at 4 mm. The plot is 531 pixels wide from x = 72 over 0 to 4 mm.
struct ChartApp : RunningApp
{
    ChartApp()
    {
        f.userSelect(f.LB_SSP, 1);
        f.SB1.setPanel(0, QStringLiteral("left over"));
        f.SB1.setPanel(1, QStringLiteral("left over"));
        f.userPage(F::PageChart);
    }
    const pc::ChartPicture &picture() const { return f.TeeCh_Wx.picture(); }
};

TEST(ChartHandlers, ShowingThePageBuildsTheSeriesOfTheSelectedSection)
{
    ChartApp r;
    ASSERT_EQ(r.f.PageControl1.activePageIndex(), F::PageChart);
    EXPECT_EQ(r.f.SB1.panel(0), QString());
    EXPECT_EQ(r.f.SB1.panel(1), QString());
    EXPECT_EQ(r.f.TC_ChartLbl.caption(), QString());
    // The 4 mm row has no value: no point, the line joins 2 mm to nothing.
    const std::vector<ChartPoint> expected = {{0, 1800}, {1, 1720}, {2, 1640}};
    EXPECT_EQ(r.picture().points, expected);
    EXPECT_EQ(r.picture().bottomAxisMax, 4);
    EXPECT_EQ(r.picture().subtitle, QStringLiteral(" AA 18 - old"));
    EXPECT_EQ(r.picture().bottomAxisTitle, QStringLiteral(" Loss of steel thickness (mm)"));
    // Placed from the right: 628 - 12 characters of 7 pixels - 60.
    EXPECT_EQ(r.picture().subtitleLeft, 628 - 84 - 60);
}

TEST(ChartHandlers, ReadOutUnderTheMouse)
{
    ChartApp r;
    struct Case
    {
        const char *name;
        int x, y;
        const char *label;
        std::optional<int> column, row;
    };
    // 1 mm lies at x = 72 + 132.75; 204 is just left of it (0.994 mm).
    const Case cases[] = {
        {"left of 1 mm", 204, 200, "x = 1.00 , y = 1720", 204, 100},
        {"right of 1 mm keeps the read-out", 205, 200, "x = 1.00 , y = 1720", 204, 100},
        {"beyond the last point", 470, 200, "", 470, std::nullopt},
        {"outside the plot", 20, 200, "", std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(r.f.userMouse(r.f.TeeCh_Wx, c.x, c.y), pc::form::ActionResult::Done);
        EXPECT_EQ(r.f.TC_ChartLbl.caption(), QString::fromUtf8(c.label));
        EXPECT_EQ(r.f.TeeCh_Wx.cursorLines().column, c.column);
        EXPECT_EQ(r.f.TeeCh_Wx.cursorLines().row, c.row);
    }
}

TEST(ChartHandlers, LeavingTheChartErasesTheReadOut)
{
    ChartApp r;
    r.f.userMouse(r.f.TeeCh_Wx, 204, 200);
    ASSERT_FALSE(r.f.TC_ChartLbl.caption().isEmpty());
    r.f.userMouse(r.f.TC_Chart, 10, 5); // the pointer moves on to the tabs
    EXPECT_EQ(r.f.TC_ChartLbl.caption(), QString());
    EXPECT_FALSE(r.f.TeeCh_Wx.cursorLines().column.has_value());
}

TEST(ChartHandlers, NoReadOutWhileZoomedAndATabChangeUndoesTheZoom)
{
    ChartApp r;
    r.f.TeeCh_Wx.zoomTo({0, 2, 1000, 2000});
    ASSERT_TRUE(r.f.TeeCh_Wx.zoomed());
    r.f.userMouse(r.f.TeeCh_Wx, 204, 200);
    EXPECT_EQ(r.f.TC_ChartLbl.caption(), QString());
    EXPECT_FALSE(r.f.TeeCh_Wx.cursorLines().column.has_value());

    r.f.userSelect(r.f.TC_Chart, 1);
    EXPECT_FALSE(r.f.TeeCh_Wx.zoomed());
    EXPECT_EQ(r.picture().title, QStringLiteral(" Reduced moment of inertia "));
    const std::vector<ChartPoint> expected = {{0, 38000}, {1, 36300}, {2, 34600}};
    EXPECT_EQ(r.picture().points, expected);
}

TEST(ChartHandlers, UnitSwitchRebuildsTheShownChart)
{
    ChartApp r;
    // A read-out in the old units does not stay beside the new axes.
    r.f.userMouse(r.f.TeeCh_Wx, 204, 200);
    ASSERT_FALSE(r.f.TC_ChartLbl.caption().isEmpty());
    r.f.TeeCh_Wx.zoomTo({0, 2, 1000, 2000});
    r.f.userClick(r.f.MenuImperial);
    EXPECT_EQ(r.f.TC_ChartLbl.caption(), QString());
    EXPECT_FALSE(r.f.TeeCh_Wx.zoomed());
    EXPECT_EQ(r.picture().bottomAxisTitle, QStringLiteral(" Loss of steel thickness (mils)"));
    EXPECT_EQ(r.picture().bottomAxisMax, 157);
    ASSERT_EQ(r.picture().points.size(), 3u);
    EXPECT_EQ(r.picture().points[2].x, 79);
    EXPECT_DOUBLE_EQ(r.picture().points[2].y, 1640 / 53.763147);
    EXPECT_EQ(r.picture().pointLabels[2], QStringLiteral("30.5"));
}

TEST(ChartHandlers, UnitSwitchOnAnotherPageSetsOnlyTheAxisTitle)
{
    ChartApp r;
    r.f.userPage(F::PageInput);
    r.f.userClick(r.f.MenuImperial);
    EXPECT_EQ(r.picture().bottomAxisTitle, QStringLiteral(" Loss of steel thickness (mils)"));
    EXPECT_EQ(r.picture().bottomAxisMax, 4); // rebuilt when the page is shown again
    r.f.userPage(F::PageChart);
    EXPECT_EQ(r.picture().bottomAxisMax, 157);
}

TEST(ChartHandlers, TabHints)
{
    ChartApp r;
    struct Case
    {
        int x;
        const char *hint;
    };
    const Case cases[] = {
        {0, " Wel = elastic section modulus "},
        {55, " Wel = elastic section modulus "},
        {56, " I = moment of inertia "},
        {130, " A = cross sectional area "},
        {200, " BMC = bending moment capacity "},
        {224, ""},
        {600, ""},
    };
    for (const Case &c : cases) {
        r.f.userMouse(r.f.TC_Chart, c.x, 10);
        EXPECT_EQ(r.f.TC_Chart.hint(), QString::fromUtf8(c.hint)) << c.x;
        EXPECT_TRUE(r.f.TC_Chart.showHint()) << c.x;
    }
}

TEST(ChartHandlers, ExportAsksForAnSvgFileNamedGraph)
{
    ChartApp r;
    r.f.userClick(r.f.PopUpExportEmf); // no answer: the dialog is cancelled
    ASSERT_EQ(r.p.saveRequests().size(), 1u);
    const pc::SaveFileRequest &req = r.p.saveRequests()[0];
    EXPECT_EQ(req.title, QStringLiteral("Save the chart as .emf file"));
    EXPECT_EQ(req.fileName, QStringLiteral("Graph"));
    EXPECT_EQ(req.filter, QStringLiteral("Scalable Vector Graphics (*.svg)|*.svg"));
    EXPECT_EQ(req.defaultExt, QStringLiteral("svg"));
    EXPECT_TRUE(req.confirmOverwrite);
    EXPECT_TRUE(r.p.chartOutputs().isEmpty());
    EXPECT_TRUE(r.p.messages().empty());
}

TEST(ChartHandlers, ExportWritesTheChartWithoutMarkerShadow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ChartApp r;
    r.p.setCurrentDirectory(dir.path());
    r.p.queuePath(QStringLiteral("Graph.svg"));
    r.f.userClick(r.f.PopUpExportEmf);
    EXPECT_EQ(r.p.chartOutputs(), QStringList{QStringLiteral("picture Graph.svg")});
    EXPECT_TRUE(r.picture().markerShadow);
    QFile file(dir.filePath(QStringLiteral("Graph.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.startsWith("<?xml"));
    EXPECT_EQ(svg.count("<circle"), 3);
    EXPECT_TRUE(r.p.messages().empty());
}

TEST(ChartHandlers, ExportToAFolderShowsWhyAndWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Graph.svg")));
    ChartApp r;
    r.p.setCurrentDirectory(dir.path());
    r.p.queuePath(QStringLiteral("Graph.svg"));
    r.f.userClick(r.f.PopUpExportEmf);
    EXPECT_TRUE(r.p.chartOutputs().isEmpty());
    ASSERT_EQ(r.p.messages().size(), 1u);
    const QString text = r.p.messages()[0].text;
    EXPECT_TRUE(text.contains(dir.filePath(QStringLiteral("Graph.svg")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("it is a folder"))) << text.toStdString();
    EXPECT_TRUE(r.picture().markerShadow);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Graph.svg"))).isDir());
}

TEST(ChartHandlers, CopyAndPrintWithoutMarkerShadow)
{
    ChartApp r;
    r.f.userMouse(r.f.TeeCh_Wx, 204, 200);
    r.f.userClick(r.f.CopytoClipboard1);
    r.f.userClick(r.f.PopUpPrint);
    EXPECT_EQ(r.p.chartOutputs(),
              (QStringList{QStringLiteral("clipboard"), QStringLiteral("print preview")}));
    EXPECT_EQ(r.p.clipboardDescription(),
              QStringLiteral("{\"kind\":\"chart\",\"width\":628,\"height\":416,\"points\":3}"));
    EXPECT_TRUE(r.picture().markerShadow);
    // Printing redraws the chart: the cursor lines go.
    EXPECT_FALSE(r.f.TeeCh_Wx.cursorLines().column.has_value());
}

TEST(ChartHandlers, NoSectionLeavesTheChartEmpty)
{
    ChartApp r;
    r.f.userPage(F::PageInput);
    r.f.LB_SSP.setItemIndex(-1);
    r.f.userPage(F::PageChart);
    EXPECT_TRUE(r.picture().points.empty());
    EXPECT_EQ(r.picture().subtitle, QString());
}

} // namespace
