#include "engine/steel_quantities.h"

#include <gtest/gtest.h>

namespace {

using pc::InputOutcome;
using pc::LengthField;

TEST(SteelQuantities, PairsRoundHalfToEven)
{
    struct Case
    {
        double wall, ssp, width, mass;
        int pairs;
        double covered, massTotal;
    };
    const Case cases[] = {
        {10, 15, 1.26, 100, 8, 10.08, 12000}, // 7.94 pairs
        {2.5, 1, 1, 100, 2, 2, 200},          // 2.5 -> 2
        {3.5, 1, 1, 100, 4, 4, 400},          // 3.5 -> 4
        {0, 15, 1.26, 100, 0, 0, 0},          // no wall length
        {10, 0, 1.25, 100, 8, 10, 0},         // no pile length
        {10, 15, 0, 100, 0, 0, 0},            // a section without width
    };
    for (const auto &c : cases) {
        const auto q = pc::computeSteelQuantities({c.wall, c.ssp}, c.width, c.mass);
        EXPECT_EQ(q.pairCount, c.pairs) << c.wall << "/" << c.width;
        EXPECT_NEAR(q.coveredLength, c.covered, 1e-9) << c.wall << "/" << c.width;
        EXPECT_NEAR(q.massTotal, c.massTotal, 1e-9) << c.wall << "/" << c.width;
    }
}

TEST(SteelQuantities, ResultTexts)
{
    struct Case
    {
        bool metric;
        QChar dec;
        double wall, ssp, width, mass;
        const char *pairs, *total, *wallLength, *weight;
    };
    const Case cases[] = {
        {true, '.', 10, 15, 1.26, 100, "8", "12.0", "10.1", "79.4"},
        {false, '.', 10, 15, 1.26, 100, "8", "13.2", "33.1", "16.26"},
        {true, ',', 10, 15, 1.25, 100, "8", "12,0", "10,0", "80,0"},
        {false, '.', 10, 15, 1.25, 100, "8", "13.2", "32.8", "16.39"}, // 80 / 4.88245
        {true, '.', 0, 15, 1.25, 100, "0", "0.0", "0.0", "80.0"},      // weight still shown
        {true, '.', 10, 15, 0, 100, "0", "0.0", "0.0", " N/A "},
    };
    for (const auto &c : cases) {
        const auto q = pc::computeSteelQuantities({c.wall, c.ssp}, c.width, c.mass);
        const auto t = pc::steelQuantityTexts(c.dec, c.metric, q, c.width, c.mass);
        SCOPED_TRACE(testing::Message() << "metric=" << c.metric << " width=" << c.width);
        EXPECT_EQ(t.pairs, QString::fromUtf8(c.pairs));
        EXPECT_EQ(t.total, QString::fromUtf8(c.total));
        EXPECT_EQ(t.wallLength, QString::fromUtf8(c.wallLength));
        EXPECT_EQ(t.weight, QString::fromUtf8(c.weight));
    }
    EXPECT_EQ(pc::steelQuantitiesNotAvailable().weight, QStringLiteral(" N/A "));
}

TEST(SteelQuantities, LengthRangesAndErrors)
{
    const pc::LengthLimits wall{1000, 3280.8};
    const pc::LengthLimits pile{20, 65.6};
    EXPECT_EQ(pc::lengthRangeText(LengthField::Wall, '.', true, wall),
              QStringLiteral(" 0 < wall length =< 1000"));
    EXPECT_EQ(pc::lengthRangeText(LengthField::Wall, ',', false, wall),
              QStringLiteral(" 0 < wall length =< 3280,8"));
    EXPECT_EQ(pc::lengthRangeText(LengthField::Pile, '.', true, pile),
              QStringLiteral(" 0 < length of ssp =< 20.0"));
    EXPECT_EQ(pc::lengthRangeText(LengthField::Pile, '.', false, pile),
              QStringLiteral(" 0 < length of ssp =< 65.6"));
    EXPECT_EQ(pc::lengthErrorText(LengthField::Wall),
              QStringLiteral(" Error: wall length > max. !"));
    EXPECT_EQ(pc::lengthErrorText(LengthField::Pile),
              QStringLiteral(" Error: length of ssp > max. length !"));
}

TEST(SteelQuantities, LengthChangeAgainstLimits)
{
    const pc::LengthLimits limits{1000, 3280.8};
    struct Case
    {
        const char *text;
        bool metric;
        InputOutcome outcome;
        double value;
    };
    const Case cases[] = {
        {"1000", true, InputOutcome::Value, 1000},
        {"1000.1", true, InputOutcome::TooLarge, 0},
        {"", true, InputOutcome::Zero, 0},
        {"0.0", true, InputOutcome::Zero, 0},
        {".", true, InputOutcome::NotANumber, 0},
        {"10", false, InputOutcome::Value, 3.04799},
        {"3280.8", false, InputOutcome::Value, 999.9845592},
        // 999.9998 m is within the metric limit, but the feet typed are above 3280.8
        {"3280.85", false, InputOutcome::TooLarge, 0},
    };
    for (const auto &c : cases) {
        const auto r = pc::evaluateLengthChange(QString::fromUtf8(c.text), '.', c.metric, limits);
        EXPECT_EQ(r.outcome, c.outcome) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-6) << c.text;
    }
}

TEST(SteelQuantities, LengthExitTexts)
{
    struct Case
    {
        LengthField field;
        bool metric;
        const char *text;
        const char *expected; // nullptr: not a number
    };
    const Case cases[] = {
        {LengthField::Wall, true, "", "0.0"},        {LengthField::Wall, false, "0", "0.0"},
        {LengthField::Pile, true, "", "0.00"},       {LengthField::Pile, false, "", "0.0"},
        {LengthField::Wall, true, "10", "10.0"},     {LengthField::Pile, true, "12.345", "12.35"},
        {LengthField::Pile, false, "39.37", "39.4"}, {LengthField::Wall, false, "32.84", "32.8"},
        {LengthField::Wall, true, ".", nullptr},
    };
    for (const auto &c : cases) {
        const auto t = pc::lengthExitText(c.field, QString::fromUtf8(c.text), '.', c.metric);
        if (c.expected)
            EXPECT_EQ(t.value_or(QStringLiteral("<none>")), QString::fromUtf8(c.expected))
                << c.text;
        else
            EXPECT_FALSE(t.has_value()) << c.text;
    }
}

} // namespace
