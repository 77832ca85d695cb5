#include "units/rounding.h"

#include <gtest/gtest.h>

namespace {

struct RoundCase
{
    long double x;
    int d;
    long double expected;
};

TEST(Rounding, PowersOfTenTieToEven)
{
    const RoundCase cases[] = {
        {0.125L, -2, 0.12L}, {0.135L, -2, 0.14L}, {2.5L, 0, 2.0L},  {3.5L, 0, 4.0L},
        {-2.5L, 0, -2.0L},   {74.4L, 1, 70.0L},   {76.4L, 1, 80.0L}, {328.08L, -1, 328.1L},
        {25.0L, 1, 20.0L},   {35.0L, 1, 40.0L},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(static_cast<double>(pc::roundToPow10(c.x, c.d)), static_cast<double>(c.expected),
                    1e-12)
            << "x=" << static_cast<double>(c.x) << " d=" << c.d;
}

TEST(Rounding, NearestFiveOfWholeNumbers)
{
    const RoundCase cases[] = {{37, 0, 35}, {38, 0, 40}, {35, 0, 35}, {32, 0, 30}, {33, 0, 35},
                               {25, 0, 25}, {0, 0, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(pc::roundToNearest5(c.x), c.expected) << static_cast<double>(c.x);
}

TEST(Rounding, TruncCutsTowardZero)
{
    EXPECT_EQ(pc::truncZero(5182.3L), 5182.0L);
    EXPECT_EQ(pc::truncZero(-1.9L), -1.0L);
}

} // namespace
