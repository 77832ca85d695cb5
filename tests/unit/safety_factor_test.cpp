#include "case_row.h"
#include "engine/safety_factor.h"

#include "units/format.h"

#include <gtest/gtest.h>

namespace {

using pc::Extended;

TEST(SafetyFactor, StressFormulaAndRounding)
{
    struct Case
    {
        double m, n, e, w, a, fy;
        Extended expected;
    };
    const Case cases[] = {
        {100, 0, 0, 1000, 100, 355, 3.55L},   // bending only: 100 N/mm2
        {0, 200, 5, 1000, 100, 240, 8.00L},   // 10 from N x e plus 20 from N / A
        {100, 200, 5, 1000, 100, 355, 2.73L}, // (10 + 100) + 20 = 130 -> 2.7307...
        {100, 0, 0, 1000, 0, 355, 3.55L},     // no load: the area is not used
        {300, 0, 0, 1000, 100, 355, 1.18L},   // 1.18333 -> 1.18
        {1, 0, 0, 1000, 100, 355, 355.00L},   // far above 20, not capped here
        {1000, 0, 0, 1000, 100, 125, 0.12L},  // 0.125 ties to the even hundredth
        {1000, 0, 0, 1000, 100, 135, 0.14L},  // 0.135 ties to the even hundredth
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::safetyFactor(c.m, c.n, c.e, c.w, c.a, c.fy),
                  pc::roundToHundredths(c.expected))
            << "M=" << c.m << " N=" << c.n << " e=" << c.e << " fy=" << c.fy;
}

TEST(SafetyFactor, NotAvailableInsteadOfDivisionByZero)
{
    struct Case
    {
        double m, n, e, w, a, fy;
    };
    const Case cases[] = {
        {0, 200, 5, 1000, 0, 240}, // load on a section without area
        {100, 1, 0, 1000, 0, 355}, // even a small load
        {100, 0, 0, 0, 100, 355},  // no modulus
        {0, 0, 0, 1000, 100, 355}, // no action at all: no stress
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::safetyFactor(c.m, c.n, c.e, c.w, c.a, c.fy), 0.0L)
            << "M=" << c.m << " N=" << c.n << " W=" << c.w << " A=" << c.a;
}

TEST(SafetyFactor, BothFactorsOfTheSection)
{
    struct Case
    {
        pc::SafetyFactorInput in;
        Extended ini, red;
    };
    const Case cases[] = {
        {{{100, 0, 0}, 355, 1000, 100, 500, 50}, 3.55L, 1.78L},
        {{{100, 0, 0}, 355, 1000, 100, 0, 0}, 3.55L, 0},    // no reduced section
        {{{0, 0, 5}, 355, 1000, 100, 1000, 100}, 0, 0},     // no load
        {{{100, 0, 0}, 355, 0, 0, 1000, 100}, 0, 0},        // no section
        {{{0, 200, 5}, 240, 1000, 100, 1000, 0}, 8.00L, 0}, // reduced area 0 under load
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const auto r = pc::computeSafetyFactors(c.in);
        EXPECT_EQ(r.sfIni, pc::roundToHundredths(c.ini));
        EXPECT_EQ(r.sfRed, pc::roundToHundredths(c.red));
    }
}

TEST(SafetyFactor, ResultTexts)
{
    struct Case
    {
        QChar dec;
        Extended sf;
        double loss;
        Extended sfMin;
        const char *ini;
        const char *red;
    };
    const Case cases[] = {
        {'.', 23.4L, 0, 1.5L, ">20", ">20"},
        {'.', 20.0L, 0, 1.5L, "20.00 ≥ 1.50", "20.00 ≥ 1.50"},
        {'.', 0.8L, 0, 1.5L, "0.80", "0.80"},
        {'.', 0, 0, 1.5L, "N/A", "N/A"},
        {'.', -1, 0, 1.5L, "N/A", "N/A"},
        {'.', 2.15L, 0, 1.5L, "2.15 ≥ 1.50", "2.15 ≥ 1.50"},
        {'.', 2.15L, 0.5, 1.5L, "2.15", "2.15 ≥ 1.50"}, // loss: only Sf,red gets the suffix
        {',', 2.15L, 0, 1.5L, "2,15 ≥ 1,50", "2,15 ≥ 1,50"},
        {'.', 1.49L, 0, 1.5L, "1.49", "1.49"},
        {'.', 3.0L, 0, 1000000.0L, "3.00", "3.00"}, // empty Sfmin field
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const Extended sf = pc::roundToHundredths(c.sf);
        EXPECT_EQ(pc::sfIniResultText(c.dec, sf, c.loss, c.sfMin), QString::fromUtf8(c.ini));
        EXPECT_EQ(pc::sfRedResultText(c.dec, sf, c.sfMin), QString::fromUtf8(c.red));
    }
}

TEST(SafetyFactor, ReducedLabelCaption)
{
    struct Case
    {
        const char *current;
        double loss;
        bool sfmin;
        const char *expected;
    };
    const Case cases[] = {
        {" Sf,red = ", 0, true, "Sf,ini="},    {" Sf,red = ", 0, false, " Sf,red = "},
        {" Sf,red = ", 1, true, " Sf,red = "}, {"Sf,ini=", 1, true, "Sf,red="},
        {"Sf,ini=", 0, false, "Sf,red="},      {"Sf,red=", 0, false, "Sf,red="},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::sfRedLabelCaption(QString::fromUtf8(c.current), c.loss, c.sfmin),
                  QString::fromUtf8(c.expected))
            << c.current << " loss=" << c.loss;
}

TEST(SafetyFactor, SearchBoundsAreInclusiveForTypedValues)
{
    // The bounds are read from typed text; a factor equal to a bound passes
    // for every two-decimal value, including those whose hundredth is not
    // exactly representable.
    for (int hundredths = 100; hundredths <= 2000; ++hundredths) {
        const QString text = pc::format('.', "%d.%02d", {hundredths / 100, hundredths % 100});
        const Extended bound = *pc::parseNumber(text, '.');
        // fy chosen so that fy / stress is the same two-decimal number.
        const Extended sf = pc::safetyFactor(100, 0, 0, 1000, 100, hundredths);
        ASSERT_TRUE(pc::passesSearch(sf, bound, 20.0L)) << text.toStdString();
        ASSERT_TRUE(pc::passesSearch(sf, 1.0L, bound)) << text.toStdString();
        ASSERT_FALSE(pc::passesSearch(sf, bound + 0.01L, 20.0L)) << text.toStdString();
    }
}

TEST(SafetyFactor, SearchRejectsMissingFactorsAndOutsideBand)
{
    struct Case
    {
        Extended sf, lo, hi;
        bool passes;
    };
    const Case cases[] = {
        {0, 0, 20, false},      {1.49L, 1.5L, 20, false}, {20.01L, 1.5L, 20, false},
        {1.5L, 1.5L, 20, true}, {20, 1.5L, 20, true},     {3, 1000000.0L, 20, false},
        {3, 1.5L, 0, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::passesSearch(pc::roundToHundredths(c.sf), c.lo, c.hi), c.passes)
            << static_cast<double>(c.sf);
}

TEST(SafetyFactor, BendingMomentCapacityTexts)
{
    struct Case
    {
        double wel, fy;
        bool metric;
        QChar dec;
        const char *expected;
    };
    const Case cases[] = {
        {1000, 355, true, '.', "     355"},
        {1000, 355, false, '.', "    79.8"}, // 355 / 4.449741 = 79.78
        {1000, 355, false, ',', "    79,8"},
        {2500, 430, true, '.', "    1075"},
        {0, 355, true, '.', "       0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            pc::bendingMomentCapacityText(c.dec, c.metric, pc::bendingMomentCapacity(c.wel, c.fy)),
            QString::fromUtf8(c.expected));
}

} // namespace
