// The section property grid: its set-up from the size the window gives it,
// the width of its columns when a loss adds or removes the reduced column,
// and the row explanations in the status bar.

#include "app_fixture.h"
#include "window/property_grid.h"

#include <gtest/gtest.h>

using namespace pc;
using pc::test::RunningApp;

namespace {

QString panel1(const RunningApp &r)
{
    return r.f.SB1.panel(1);
}

} // namespace

TEST(PropertyGrid, SetUpFromTheDesignSizeFillsTheGridWithSixRowsAndTheUnitColumn)
{
    RunningApp r;
    const form::Control &g = r.f.StGr_RedProp;
    // No loss at start: three columns of round((215 - 6 - 1) / 3) = 69.
    ASSERT_EQ(g.colCount(), 3);
    EXPECT_EQ(g.colWidths(), (std::vector<int>{69, 69, 69}));
    // Rows of trunc(125 / 6) - 1 - 1 = 18, the grid (18 + 1) x 6 + 3 high.
    EXPECT_EQ(g.rowHeights(), (std::vector<int>(6, 18)));
    EXPECT_EQ(g.height(), 117);
    const std::vector<QString> col0 = {QString(),
                                       QStringLiteral(" Wel "),
                                       QStringLiteral(" I "),
                                       QStringLiteral(" A "),
                                       QStringLiteral(" tf "),
                                       QStringLiteral(" tw ")};
    const std::vector<QString> units = {QStringLiteral(" "),      QString::fromUtf8(" cm³/m"),
                                        QStringLiteral(" cm4/m"), QString::fromUtf8(" cm²/m"),
                                        QStringLiteral(" mm"),    QStringLiteral(" mm")};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(g.cell(0, row), col0[static_cast<size_t>(row)]) << row;
        EXPECT_EQ(g.cell(2, row), units[static_cast<size_t>(row)]) << row;
    }
    EXPECT_EQ(g.cell(1, 0), QStringLiteral("  ini."));
}

TEST(PropertyGrid, SetUpWritesTheImperialUnitsInTheLastColumn)
{
    RunningApp r;
    r.a.s.UnitsMetric = false;
    r.a.propertyGrid.SetUpPropertyGrid();
    const form::Control &g = r.f.StGr_RedProp;
    const int last = g.colCount() - 1;
    EXPECT_EQ(g.cell(last, 1), QString::fromUtf8(" in³/ft"));
    EXPECT_EQ(g.cell(last, 2), QStringLiteral(" in4/ft"));
    EXPECT_EQ(g.cell(last, 3), QString::fromUtf8(" in²/ft"));
    EXPECT_EQ(g.cell(last, 4), QStringLiteral(" in"));
    EXPECT_EQ(g.cell(last, 5), QStringLiteral(" in"));
}

TEST(PropertyGrid, CellSizesFollowWhateverSizeTheWindowGaveTheGrid)
{
    RunningApp r;
    form::Control &g = r.f.StGr_RedProp;
    g.setWidth(301);
    g.setHeight(160);
    r.a.propertyGrid.SetUpPropertyGrid();
    // round((301 - 6 - 1) / 3) = 98; trunc(160 / 6) - 2 = 24; (24 + 1) x 6 + 3.
    EXPECT_EQ(g.defaultColWidth(), 98);
    EXPECT_EQ(g.rowHeights(), (std::vector<int>(6, 24)));
    EXPECT_EQ(g.height(), 153);
}

TEST(PropertyGrid, ALossAddsTheReducedColumnAndNarrowsEveryColumnAndLosingItWidensThemAgain)
{
    RunningApp r;
    form::Control &g = r.f.StGr_RedProp;
    r.a.s.losses.front = 1.0;
    r.a.ApplyReductionFactor();
    ASSERT_EQ(g.colCount(), 4);
    // round((215 - 8 - 1) / 4) = round(51.5) = 52, ties to even.
    EXPECT_EQ(g.defaultColWidth(), 52);
    EXPECT_EQ(g.colWidths(), (std::vector<int>(4, 52)));
    EXPECT_EQ(g.cell(3, 1), QString::fromUtf8(" cm³/m"));

    r.a.s.losses.front = 0.0;
    r.a.ApplyReductionFactor();
    ASSERT_EQ(g.colCount(), 3);
    EXPECT_EQ(g.colWidths(), (std::vector<int>(3, 69)));
    EXPECT_EQ(g.cell(2, 1), QString::fromUtf8(" cm³/m"));
}

TEST(PropertyGrid, EachRowUnderThePointerExplainsItselfInPanelOne)
{
    RunningApp r;
    // Rows are 18 pixels high with a 1-pixel line below each: row r spans
    // y = 19 r .. 19 r + 18.
    struct Case
    {
        int y;
        const char *panel;
    };
    const Case cases[] = {
        {0, " ini. = initial, red. = reduced  "},
        {18, " ini. = initial, red. = reduced  "},
        {19, " Wel = elastic section modulus "},
        {40, " I = moment of inertia "},
        {57, " A = steel area of cross section "},
        {76, " tf = flange thickness "},
        {113, " tw = web thickness "},
    };
    for (const Case &c : cases) {
        r.f.userMouse(r.f.StGr_RedProp, 10, c.y);
        EXPECT_EQ(panel1(r), QString::fromUtf8(c.panel)) << c.y;
        EXPECT_EQ(r.f.StGr_RedProp.hint(),
                  QStringLiteral(" Section properties: see explanation in bottom statusbar |") +
                      QString::fromUtf8(c.panel))
            << c.y;
    }
}

TEST(PropertyGrid, BelowTheLastRowTheHintStaysAndTheBoxAroundTheGridEmptiesThePanel)
{
    RunningApp r;
    r.f.userMouse(r.f.StGr_RedProp, 10, 60);
    ASSERT_EQ(panel1(r), QStringLiteral(" A = steel area of cross section "));
    // Past the six rows (114 pixels and more) nothing is under the pointer.
    r.f.userMouse(r.f.StGr_RedProp, 10, 115);
    EXPECT_EQ(panel1(r), QStringLiteral(" A = steel area of cross section "));
    r.f.userMouse(r.f.GB_Red_Properties, 3, 3);
    EXPECT_EQ(panel1(r), QString());
    EXPECT_EQ(r.f.GB_Red_Properties.hint(),
              QStringLiteral("  Section properties: see explanation in bottom statusbar | "));
}

TEST(PropertyGrid, TheLongPartOfAHintIsWhatFollowsItsFirstBar)
{
    EXPECT_EQ(hintLongPart(QStringLiteral(" a | b | c")), QStringLiteral(" b | c"));
    EXPECT_EQ(hintLongPart(QStringLiteral("no bar")), QString());
    EXPECT_EQ(hintLongPart(QStringLiteral("ends |")), QString());
}
