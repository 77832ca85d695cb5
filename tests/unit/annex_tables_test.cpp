// Losses of a face from the corrosion tables: the segment rule, the ends of
// a table and the look-ups of an annex that a catalogue may lack.

#include "corrosion/annex_tables.h"

#include <gtest/gtest.h>

namespace {

using pc::tableLoss;

// One column over the years 0, 5, 25, 50.
const std::vector<int16_t> Years = {0, 5, 25, 50};
const std::vector<std::vector<double>> Table = {{0.10, 9}, {0.20, 9}, {0.60, 9}, {1.10, 9}};

TEST(TableLoss, SegmentRuleInsideTheTable)
{
    struct Case
    {
        long double years;
        double loss;
    };
    const Case cases[] = {
        {0, 0.10},                // service life 0: the first segment at its start
        {5, 0.20},                // a tabulated year gives its own loss
        {25, 0.60},   {50, 1.10}, // the last year, through the segment 25-50
        {37.5, 0.85},             // halfway between 25 and 50: the mean
        {15, 0.40},               // inside the segment 5-25
        {2.5, 0.15},              // inside the first segment
    };
    for (const Case &c : cases)
        EXPECT_NEAR(tableLoss(Years, Table, 0, c.years), c.loss, 1e-15) << double(c.years);
}

TEST(TableLoss, FirstSegmentExtendsBelowTheFirstYearButNeverBelowZero)
{
    const std::vector<int16_t> years = {5, 25, 50};
    // 0.1 at 5 years and 0.5 at 25: the line through them reads 0.02 at one
    // year and 0.06 at three.
    const std::vector<std::vector<double>> rising = {{0.1}, {0.5}, {0.9}};
    EXPECT_NEAR(tableLoss(years, rising, 0, 1), 0.02, 1e-15);
    EXPECT_NEAR(tableLoss(years, rising, 0, 3), 0.06, 1e-15);
    // 0 at 5 years and 0.3 at 25 extends to -0.075 at 0 years: a face that
    // gains steel is no result, so the loss is 0.
    const std::vector<std::vector<double>> fromZero = {{0.0}, {0.3}, {0.65}};
    EXPECT_EQ(tableLoss(years, fromZero, 0, 0), 0.0);
    EXPECT_NEAR(tableLoss(years, fromZero, 0, 15), 0.15, 1e-15);
}

TEST(TableLoss, BeyondTheLastYearTheLastLossStands)
{
    EXPECT_EQ(tableLoss(Years, Table, 0, 51), 1.10);
    EXPECT_EQ(tableLoss(Years, Table, 0, 120), 1.10);
}

TEST(TableLoss, NothingIsReadOutsideTheTable)
{
    EXPECT_EQ(tableLoss({}, {}, 0, 10), 0.0);
    EXPECT_EQ(tableLoss({10}, {{0.4}}, 0, 3), 0.4); // one year: its loss
    EXPECT_EQ(tableLoss({10}, {{0.4}}, 0, 30), 0.4);
    EXPECT_EQ(tableLoss(Years, Table, 2, 25), 0.0); // no such column
    EXPECT_EQ(tableLoss(Years, Table, -1, 25), 0.0);
    EXPECT_EQ(tableLoss(Years, {{0.1}, {0.2}}, 0, 40), 0.0); // rows missing
}

pc::Catalogue twoAnnexes()
{
    pc::Catalogue c;
    pc::Annex a;
    a.AnnexYear = {0, 50};
    a.AtmosColName = {QStringLiteral(" air")};
    a.AtmosLoss = {{0.0}, {1.0}};
    a.SoilColName = {QStringLiteral(" soil 1"), QStringLiteral(" soil 2")};
    a.SoilLoss = {{0.0, 0.0}, {2.0, 4.0}};
    a.WaterColName = {};
    a.WaterLoss = {{}, {}};
    c.Annexes = {a, a};
    c.Annexes[1].SoilLoss = {{0.0, 0.0}, {3.0, 6.0}};
    return c;
}

TEST(AnnexTables, FaceLossPicksAnnexExposureAndDetail)
{
    const pc::Catalogue c = twoAnnexes();
    struct Case
    {
        int annex, exposure, detail, years;
        double loss;
    };
    const Case cases[] = {
        {0, 0, 0, 25, 0.5},
        {0, 1, 1, 25, 2.0},
        {1, 1, 1, 25, 3.0},
        {1, 1, 0, 50, 3.0},
        // Whatever does not exist gives no loss.
        {2, 0, 0, 25, 0.0}, // no such annex
        {-1, 0, 0, 25, 0.0},
        {0, 3, 0, 25, 0.0},  // no such exposure
        {0, 2, 0, 25, 0.0},  // a water table without details
        {0, 1, 2, 25, 0.0},  // no such detail
        {0, 0, -1, 25, 0.0}, // nothing selected
    };
    for (const Case &k : cases)
        EXPECT_EQ(pc::faceTableLoss(c, k.annex, k.exposure, k.detail, k.years), k.loss)
            << k.annex << ' ' << k.exposure << ' ' << k.detail;
}

TEST(AnnexTables, DetailListsAndCaptions)
{
    const pc::Catalogue c = twoAnnexes();
    EXPECT_EQ(pc::detailNames(c, 0, 1),
              (QStringList{QStringLiteral(" soil 1"), QStringLiteral(" soil 2")}));
    EXPECT_EQ(pc::detailNames(c, 0, 2), QStringList());
    EXPECT_EQ(pc::detailNames(c, 5, 0), QStringList());
    EXPECT_EQ(pc::detailNames(pc::Catalogue{}, 0, 0), QStringList());
    EXPECT_EQ(pc::detailGroupCaption(0), QStringLiteral(" Chapter 4 "));
    EXPECT_EQ(pc::detailGroupCaption(1), QStringLiteral(" Table 4.1 "));
    EXPECT_EQ(pc::detailGroupCaption(2), QStringLiteral(" Table 4.2 "));
}

TEST(AnnexTables, OnlyADetailLongerThan75CharactersIsRepeated)
{
    EXPECT_EQ(pc::longDetailText(QString(75, QLatin1Char('x'))), QString());
    EXPECT_EQ(pc::longDetailText(QString(76, QLatin1Char('x'))), QString(76, QLatin1Char('x')));
    EXPECT_EQ(pc::longDetailText(QString()), QString());
}

} // namespace
