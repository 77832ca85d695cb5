#include "case_row.h"
#include "engine/reduced_properties.h"

#include "test_catalogue.h"

#include <gtest/gtest.h>

namespace {

using pc::ReducedStatus;

TEST(ReducedProperties, InterpolatesOnLossSteps)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        int s;
        double loss;
        ReducedStatus status;
        double wel, i, a, tf, tw;
    };
    const Case cases[] = {
        // No loss: the initial values, thicknesses unreduced.
        {0, 0, ReducedStatus::NoLoss, 1000, 20000, 150, 10, 9},
        // A tabulated step ends the interval below it: row 1 exactly.
        {0, 1, ReducedStatus::Interpolated, 950, 19000, 140, 9, 8},
        // Half way between steps 2 and 4 mm.
        {0, 3, ReducedStatus::Interpolated, 850, 17000, 120, 7, 6},
        // The last step is in range and uses the last interval with t = 1.
        {0, 4, ReducedStatus::Interpolated, 800, 16000, 110, 6, 5},
        {1, 0.5, ReducedStatus::Interpolated, 1760, 37150, 185, 11, 9.5},
        // 1.3 mm: Wel 950 - 0.3 x 50 = 935, I 19000 - 0.3 x 1000 = 18700.
        {0, 1.3, ReducedStatus::Interpolated, 935, 18700, 137, 8.7, 7.7},
    };
    for (const auto &c : cases) {
        const auto r = pc::computeReducedProperties(cat, c.s, c.loss);
        SCOPED_TRACE(testing::Message() << "s=" << c.s << " loss=" << c.loss);
        EXPECT_EQ(r.status, c.status);
        EXPECT_DOUBLE_EQ(r.welRed, c.wel);
        EXPECT_DOUBLE_EQ(r.iRed, c.i);
        EXPECT_NEAR(r.aRed, c.a, 1e-9);
        EXPECT_NEAR(r.tfRed, c.tf, 1e-9);
        EXPECT_NEAR(r.twRed, c.tw, 1e-9);
        EXPECT_FALSE(r.beep);
        ASSERT_TRUE(r.hasSection);
        EXPECT_EQ(r.initial.wel, cat.RedWel[0][c.s]);
        EXPECT_EQ(r.initial.width, cat.SectionWidth[c.s]);
        EXPECT_EQ(r.initial.mass, cat.SectionMass[c.s]);
    }
}

TEST(ReducedProperties, AreaIsNotRounded)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    // 0.37 of the way from 140 to 130 cm2/m.
    const auto r = pc::computeReducedProperties(cat, 0, 1.37);
    EXPECT_NEAR(r.aRed, 136.3, 1e-9);
    EXPECT_NE(r.aRed, 136.0);
}

TEST(ReducedProperties, ModulusToFiveAndInertiaToTenAfterWholeNumbers)
{
    // Two-row tables: the search for k does not run and the interval is 0..1.
    struct Case
    {
        double welLo, welHi, iLo, iHi;
        double wel, i;
    };
    const Case cases[] = {
        {40.0, 34.8, 80.0, 68.8, 35, 70}, // 37.4 -> 37 -> 35; 74.4 -> 74 -> 70
        {40.0, 35.2, 80.0, 72.8, 40, 80}, // 37.6 -> 38 -> 40; 76.4 -> 76 -> 80
        {40.0, 35.0, 80.0, 70.0, 40, 80}, // 37.5 -> 38 (even) -> 40; 75 -> 80
        {40.0, 33.0, 80.0, 69.0, 35, 70}, // 36.5 -> 36 (even) -> 35; 74.5 -> 74 -> 70
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        pc::Catalogue cat;
        cat.SectionName = {QStringLiteral("T")};
        cat.SectionWidth = {1};
        cat.SectionMass = {1};
        cat.SectionTf = {10};
        cat.SectionTw = {10};
        cat.LossStep = {0, 2};
        cat.RedWel = {{c.welLo}, {c.welHi}};
        cat.RedI = {{c.iLo}, {c.iHi}};
        cat.RedA = {{10}, {9}};
        const auto r = pc::computeReducedProperties(cat, 0, 1.0);
        EXPECT_EQ(r.status, ReducedStatus::Interpolated);
        EXPECT_EQ(r.welRed, c.wel) << c.welHi;
        EXPECT_EQ(r.iRed, c.i) << c.iHi;
    }
}

TEST(ReducedProperties, UnavailableReducedSections)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        int s;
        double loss;
        ReducedStatus status;
        bool beyond;
        bool hasInitial;
    };
    const Case cases[] = {
        {0, 4.01, ReducedStatus::OutOfRange, true, true}, // just above the last step
        {2, 3.0, ReducedStatus::NoReducedSection, false, true},
        {2, 2.5, ReducedStatus::NoReducedSection, false, true},
        {-1, 1.0, ReducedStatus::NoSection, false, false},
        {-1, 5.0, ReducedStatus::NoSection, true, false},
        {7, 1.0, ReducedStatus::NoSection, false, false}, // index the catalogue lacks
    };
    for (const auto &c : cases) {
        const auto r = pc::computeReducedProperties(cat, c.s, c.loss);
        SCOPED_TRACE(testing::Message() << "s=" << c.s << " loss=" << c.loss);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.welRed, 0);
        EXPECT_EQ(r.iRed, 0);
        EXPECT_EQ(r.aRed, 0);
        EXPECT_TRUE(r.beep);
        EXPECT_EQ(r.lossBeyondTables, c.beyond);
        EXPECT_EQ(r.lossMax, 4);
        EXPECT_EQ(r.hasSection, c.hasInitial);
        EXPECT_TRUE(r.reducedSfEnabled(false));
    }
    // Still within the table at 2 mm: the reduced section of row 2 exists.
    EXPECT_EQ(pc::computeReducedProperties(cat, 2, 2.0).welRed, 2360);
}

TEST(ReducedProperties, ReducedSfLabelsGreyOnlyWithoutLossInSectionMode)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    const auto none = pc::computeReducedProperties(cat, 0, 0);
    EXPECT_FALSE(none.reducedSfEnabled(false));
    EXPECT_TRUE(none.reducedSfEnabled(true));
    EXPECT_TRUE(pc::computeReducedProperties(cat, 0, 1).reducedSfEnabled(false));
}

TEST(ReducedProperties, DegenerateTablesNeverReadOutside)
{
    struct Case
    {
        std::vector<int16_t> steps;
        double loss;
        ReducedStatus status;
        double wel;
    };
    const Case cases[] = {
        {{1, 1, 3}, 0.5, ReducedStatus::Interpolated, 90}, // equal steps: the upper row
        {{5}, 1.0, ReducedStatus::NoReducedSection, 0},    // one row, nothing above it
        {{}, 0.0, ReducedStatus::NoLoss, 0},               // no table at all
        {{}, 0.5, ReducedStatus::OutOfRange, 0},
    };
    for (const auto &c : cases) {
        pc::Catalogue cat;
        cat.SectionName = {QStringLiteral("T")};
        cat.LossStep = c.steps;
        for (std::size_t r = 0; r < c.steps.size(); ++r) {
            cat.RedWel.push_back({100.0 - 10.0 * r});
            cat.RedI.push_back({1000.0 - 100.0 * r});
            cat.RedA.push_back({10.0 - r});
        }
        const auto r = pc::computeReducedProperties(cat, 0, c.loss);
        EXPECT_EQ(r.status, c.status) << c.steps.size();
        EXPECT_EQ(r.welRed, c.wel) << c.steps.size();
    }
}

TEST(ReducedProperties, GridColumns)
{
    struct Case
    {
        int current;
        double loss;
        int s;
        int expected;
    };
    const Case cases[] = {
        {3, 1.0, 0, 4}, {4, 1.0, 0, 4}, {4, 0.0, 0, 3}, {4, 1.0, -1, 3}, {3, 0.0, -1, 3}};
    for (const auto &c : cases)
        EXPECT_EQ(pc::reducedGridColumnCount(c.current, c.loss, c.s), c.expected);
    EXPECT_EQ(pc::reducedGridColumnWidth(215, 1, 4), 52); // 51.5 ties to even
    EXPECT_EQ(pc::reducedGridColumnWidth(215, 1, 3), 69);
}

TEST(ReducedProperties, CellTextsInBothUnitSystems)
{
    struct Case
    {
        bool metric;
        QChar dec;
        std::array<const char *, 5> expected;
    };
    const Case cases[] = {
        {true, '.', {" 1000", " 20000", " 150.3", " 9.50", " 8.75"}},
        {true, ',', {" 1000", " 20000", " 150,3", " 9,50", " 8,75"}},
        {false, '.', {"18.60", "146.5", "7.10", "0.374", "0.344"}},
    };
    for (const auto &c : cases) {
        const auto texts = pc::propertyCellTexts(c.dec, c.metric, 1000, 20000, 150.3, 9.5, 8.75);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(texts[row], QString::fromUtf8(c.expected[row])) << row;
    }
}

TEST(ReducedProperties, MessagesAndCaptions)
{
    EXPECT_EQ(pc::lossBeyondTablesText(4, true),
              QStringLiteral(" Max. total loss of steel thickness (front + back) = 4 mm"));
    // 4 / 0.025399956 = 157.48 mils
    EXPECT_EQ(pc::lossBeyondTablesText(4, false),
              QStringLiteral(" Max. total loss of steel thickness (front + back) = 157 mils"));
    EXPECT_EQ(pc::sectionPropertiesCaption(QStringLiteral(" AA 18 - old ")),
              QStringLiteral(" Section prop.: AA 18 - old "));
}

TEST(ReducedProperties, LossSummary)
{
    struct Case
    {
        bool metric;
        bool reduced;
        const char *front, *back, *caption;
        double mils;
    };
    const Case cases[] = {
        {true, false, "1.20", "0.75", " Loss of steel thickness:    1.95 mm ", -1},
        {true, true, "0.60", "0.75", " Loss of steel thickness:    1.95 mm ", -1},
        // 1.2 mm = 47.24 mils, 0.75 mm = 29.53 mils: 47 + 30
        {false, false, "47", "30", " Loss of steel thickness:      77 mils ", 77},
        {false, true, "24", "30", " Loss of steel thickness:      54 mils ", 54},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const auto s = pc::lossSummary('.', c.metric, 1.2, 0.6, c.reduced, 0.75, 1.95);
        EXPECT_EQ(s.front, QString::fromUtf8(c.front));
        EXPECT_EQ(s.back, QString::fromUtf8(c.back));
        EXPECT_EQ(s.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(s.lossTotalMils.value_or(-1), c.mils);
    }
}

} // namespace
