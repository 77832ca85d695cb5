#include "output/corrosion_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using pc::ChartInput;
using pc::ChartPicture;
using pc::ChartPoint;
using pc::ChartReadout;
using pc::ChartTab;

ChartInput elevenSteps(ChartTab tab, bool metric)
{
    ChartInput in;
    in.tab = tab;
    in.metric = metric;
    in.units = pc::unitLabels(metric);
    in.sectionLabel = QStringLiteral("  AB 13/2  ");
    for (int k = 0; k <= 10; ++k) {
        in.lossStep.push_back(k);
        // Row 3 has no value in the tables.
        in.wel.push_back(k == 3 ? 0 : 1000 - 40 * k);
        in.i.push_back(k == 3 ? 0 : 20000 - 900 * k);
        in.a.push_back(k == 3 ? 0 : 150 - 6 * k);
    }
    in.fy = 355;
    return in;
}

TEST(CorrosionChart, SeriesOfTheTabulatedRows)
{
    struct Case
    {
        const char *name;
        ChartTab tab;
        bool metric;
        std::vector<double> x; // expected x of the points
        double y2;             // expected y of table row 2 (point 2)
        const char *label2;    // its point label
        double bottomMax;
        const char *title, *leftTitle, *color;
    };
    const std::vector<double> mm = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<double> mils = {0, 39, 79, 157, 197, 236, 276, 315, 354, 394};
    const Case cases[] = {
        {"wel metric", ChartTab::Wel, true, mm, 920, "920", 10, " Reduced section modulus ",
         " Section modulus (cm³/m)", "#FF3700"},
        {"i metric", ChartTab::I, true, mm, 18200, "18200", 10, " Reduced moment of inertia ",
         " Moment of inertia (cm4/m)", "#9DB1C9"},
        {"a metric", ChartTab::A, true, mm, 138, "138", 10, " Reduced cross sectional area ",
         " Cross sectional area (cm²/m)", "#BAC48C"},
        {"bmc metric", ChartTab::Bmc, true, mm, 327, "327", 10, " Reduced bending moment capacity ",
         " Bending moment capacity (kNm/m)", "#BAC48C"},
        {"wel imperial", ChartTab::Wel, false, mils, 920 / 53.763147, "17.1", 394,
         " Reduced section modulus ", " Section modulus (in³/ft)", "#FF3700"},
        {"i imperial", ChartTab::I, false, mils, 18200 / 136.558158, "133.3", 394,
         " Reduced moment of inertia ", " Moment of inertia (in4/ft)", "#9DB1C9"},
        {"a imperial", ChartTab::A, false, mils, 138 / 21.16663, "6.5", 394,
         " Reduced cross sectional area ", " Cross sectional area (in²/ft)", "#BAC48C"},
        // 920 x 355 / 4449.741 = 73.4
        {"bmc imperial", ChartTab::Bmc, false, mils, 73, "73.0", 394,
         " Reduced bending moment capacity ", " Bending moment capacity (kips*ft/ft)", "#BAC48C"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ChartPicture p;
        pc::buildChartSeries(p, elevenSteps(c.tab, c.metric));
        ASSERT_EQ(p.points.size(), c.x.size());
        ASSERT_EQ(p.pointLabels.size(), static_cast<qsizetype>(c.x.size()));
        for (size_t k = 0; k < c.x.size(); ++k)
            EXPECT_EQ(p.points[k].x, c.x[k]) << "point " << k;
        EXPECT_DOUBLE_EQ(p.points[2].y, c.y2);
        EXPECT_EQ(p.pointLabels[2], QString::fromUtf8(c.label2));
        EXPECT_EQ(p.bottomAxisMax, c.bottomMax);
        EXPECT_EQ(p.title, QString::fromUtf8(c.title));
        EXPECT_EQ(p.leftAxisTitle, QString::fromUtf8(c.leftTitle));
        EXPECT_EQ(pc::colorName(p.color), QString::fromUtf8(c.color));
        EXPECT_EQ(p.subtitle, QStringLiteral(" AB 13/2"));
        EXPECT_EQ(p.bottomAxisTitle, c.metric ? QStringLiteral(" Loss of steel thickness (mm)")
                                              : QStringLiteral(" Loss of steel thickness (mils)"));
        EXPECT_GT(p.leftAxisMax, p.points[0].y);
    }
}

TEST(CorrosionChart, BendingMomentCapacity)
{
    struct Case
    {
        const char *name;
        bool metric;
        double wel, fy, bmc;
    };
    const Case cases[] = {
        {"metric 355 MPa", true, 1000, 355, 355},
        {"imperial 50 ksi", false, 1000, 50 * 6.89714, 78}, // 77.5005 rounds up
        {"metric tie to even", true, 1000, 2.5, 2},         // 2.5 kNm/m
        {"metric tie to even up", true, 1000, 3.5, 4},
        {"no grade yet", true, 1000, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ChartInput in;
        in.tab = ChartTab::Bmc;
        in.metric = c.metric;
        in.lossStep = {0};
        in.wel = {c.wel};
        in.fy = c.fy;
        EXPECT_EQ(pc::chartValues(in).at(0), c.bmc);
    }
}

TEST(CorrosionChart, DamagedValuesGiveNoPoint)
{
    ChartInput in = elevenSteps(ChartTab::Wel, true);
    in.wel[5] = std::numeric_limits<double>::quiet_NaN();
    in.wel[6] = std::numeric_limits<double>::infinity();
    in.wel[7] = -3;
    ChartPicture p;
    pc::buildChartSeries(p, in);
    ASSERT_EQ(p.points.size(), 7u);
    for (const ChartPoint &pt : p.points)
        EXPECT_TRUE(pt.x != 3 && pt.x != 5 && pt.x != 6 && pt.x != 7) << pt.x;
    EXPECT_TRUE(std::isfinite(p.leftAxisMax));
}

TEST(CorrosionChart, AxisMaxima)
{
    struct Case
    {
        const char *name;
        std::vector<double> steps;
        bool metric;
        double bottom;
    };
    const std::vector<double> eleven = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<double> twentyOne;
    for (int k = 0; k <= 20; ++k)
        twentyOne.push_back(k);
    const Case bottoms[] = {
        {"eleven metric", eleven, true, 10},
        {"eleven imperial", eleven, false, 394},
        // Four rows whose last step is 4 mm: the axis reaches the last point.
        {"wider steps metric", {0, 1, 2, 4}, true, 4},
        {"wider steps imperial", {0, 1, 2, 4}, false, 157},
        {"one row", {0}, true, 0},
        {"no rows", {}, false, 0},
        {"twenty-one imperial", twentyOne, false, 787}, // 787.4
    };
    for (const Case &c : bottoms)
        EXPECT_EQ(pc::chartBottomAxisMaximum(c.steps, c.metric), c.bottom) << c.name;

    struct Left
    {
        const char *name;
        double largest, max;
    };
    const Left lefts[] = {
        {"bmc", 355, 400},
        {"wel", 1000, 1200},
        {"just under a step", 9.5, 10},
        {"small", 0.7, 0.8},
        {"nothing", 0, 1},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 1},
        {"infinite", std::numeric_limits<double>::infinity(), 1},
    };
    for (const Left &c : lefts)
        EXPECT_DOUBLE_EQ(pc::chartLeftAxisMaximum(c.largest), c.max) << c.name;
}

TEST(CorrosionChart, SubtitleFromTheRight)
{
    EXPECT_EQ(pc::chartSubtitle(QStringLiteral("  AB 13 - old ")), QStringLiteral(" AB 13 - old"));
    EXPECT_EQ(pc::chartSubtitleLeft(628, 84), 484);
}

// A plot 1000 pixels wide and 100 high, so that pixels read as round values.
ChartPicture roundPicture(bool metric, std::vector<ChartPoint> points)
{
    ChartPicture p;
    p.plot = {0, 0, 1000, 100};
    p.bottomAxisMax = metric ? 10 : 394;
    p.leftAxisMax = 1000;
    p.points = std::move(points);
    return p;
}

TEST(CorrosionChart, ReadOutSnapsAndInterpolates)
{
    using A = ChartReadout::Action;
    const std::vector<ChartPoint> metricPts = {{0, 1000}, {1, 960}, {2, 900}};
    const std::vector<ChartPoint> imperialPts = {{0, 1000}, {39, 960}, {79, 900}};
    struct Case
    {
        const char *name;
        bool metric;
        bool zoomed;
        int x, y;
        A action;
        const char *label;
        std::optional<int> row;
    };
    const Case cases[] = {
        // 1.04 mm snaps to 1.05; y at 1.05 = 957, shown to a multiple of 5.
        {"left of a snap point", true, false, 104, 50, A::Show, "x = 1.05 , y = 955", 4},
        {"on a snap point", true, false, 105, 50, A::Show, "x = 1.05 , y = 955", 4},
        {"right of a snap point keeps", true, false, 102, 50, A::Keep, "", std::nullopt},
        {"exactly on a point", true, false, 100, 50, A::Show, "x = 1.00 , y = 960", 4},
        {"first segment", true, false, 30, 50, A::Show, "x = 0.30 , y = 990", 1},
        {"beyond the last point", true, false, 500, 50, A::Show, "", std::nullopt},
        {"outside right", true, false, 1001, 50, A::Clear, "", std::nullopt},
        {"outside above", true, false, 104, -1, A::Clear, "", std::nullopt},
        {"zoomed", true, true, 104, 50, A::Keep, "", std::nullopt},
        // 39.4 mils snaps to 40.0 (steps of 2.5)
        {"imperial snap", false, false, 100, 50, A::Show, "x = 40.0 , y = 958.5", 4},
        {"imperial right of snap keeps", false, false, 104, 50, A::Keep, "", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ChartPicture p = roundPicture(c.metric, c.metric ? metricPts : imperialPts);
        const ChartReadout r =
            pc::chartReadout(p, ChartTab::Wel, c.metric, QLatin1Char('.'), 11, c.zoomed, c.x, c.y);
        EXPECT_EQ(r.action, c.action);
        EXPECT_EQ(r.label, QString::fromUtf8(c.label));
        EXPECT_EQ(r.horizontalRow, c.row);
        if (r.action == A::Show) {
            EXPECT_EQ(r.verticalColumn, c.x);
        }
    }
}

TEST(CorrosionChart, ReadOutRoundingByTab)
{
    struct Case
    {
        const char *name;
        ChartTab tab;
        bool metric;
        double y;
        QChar decimal;
        const char *label;
    };
    const Case cases[] = {
        {"wel to 5", ChartTab::Wel, true, 957.4, '.', "x = 1.05 , y = 955"},
        {"i to 10", ChartTab::I, true, 12344, '.', "x = 1.05 , y = 12340"},
        {"a to 0.5", ChartTab::A, true, 123.26, '.', "x = 1.05 , y = 123.5"},
        {"a with a comma", ChartTab::A, true, 123.26, ',', "x = 1,05 , y = 123,5"},
        {"bmc unrounded", ChartTab::Bmc, true, 355, '.', "x = 1.05 , y = 355"},
        {"wel imperial", ChartTab::Wel, false, 22.96, '.', "x = 40.0 , y = 23.0"},
        {"i imperial", ChartTab::I, false, 133.27, '.', "x = 40.0 , y = 133.3"},
        {"bmc imperial", ChartTab::Bmc, false, 78, '.', "x = 40.0 , y = 78.0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ChartPoint> pts =
            c.metric ? std::vector<ChartPoint>{{0, c.y}, {1, c.y}, {2, c.y}}
                     : std::vector<ChartPoint>{{0, c.y}, {39, c.y}, {79, c.y}};
        ChartPicture p = roundPicture(c.metric, pts);
        p.leftAxisMax = 20000;
        const ChartReadout r =
            pc::chartReadout(p, c.tab, c.metric, c.decimal, 11, false, c.metric ? 104 : 100, 50);
        EXPECT_EQ(r.label, QString::fromUtf8(c.label));
    }
}

TEST(CorrosionChart, SvgHoldsTheSeries)
{
    ChartPicture p;
    pc::buildChartSeries(p, elevenSteps(ChartTab::Wel, true));
    const QString svg = pc::chartSvg(p);
    EXPECT_TRUE(svg.startsWith(QStringLiteral("<?xml")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"#FF3700\"")));
    EXPECT_EQ(svg.count(QStringLiteral("<circle")), 10);
    EXPECT_TRUE(svg.contains(QStringLiteral(">920<")));
}

} // namespace
