#include "units/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

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
        {0.125L, -2, 0.12L}, {0.135L, -2, 0.14L}, {2.5L, 0, 2.0L},   {3.5L, 0, 4.0L},
        {-2.5L, 0, -2.0L},   {74.4L, 1, 70.0L},   {76.4L, 1, 80.0L}, {328.08L, -1, 328.1L},
        {25.0L, 1, 20.0L},   {35.0L, 1, 40.0L},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(static_cast<double>(pc::roundToPow10(c.x, c.d)),
                    static_cast<double>(c.expected), 1e-12)
            << "x=" << static_cast<double>(c.x) << " d=" << c.d;
}

TEST(Rounding, NearestFiveOfWholeNumbers)
{
    const RoundCase cases[] = {{37, 0, 35}, {38, 0, 40}, {35, 0, 35}, {32, 0, 30},
                               {33, 0, 35}, {25, 0, 25}, {0, 0, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(pc::roundToNearest5(c.x), c.expected) << static_cast<double>(c.x);
}

// The 80 bits of an extended value (the rest of its storage is padding).
bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// roundEven must give exactly what the C library's nearbyintl gives in the
// default rounding mode, bit for bit, sign of zero included: every rounding
// of the program goes through it.
TEST(Rounding, RoundEvenIsNearbyintlBitForBit)
{
    std::vector<long double> values = {0.0L,
                                       -0.0L,
                                       0.5L,
                                       -0.5L,
                                       1.5L,
                                       -1.5L,
                                       2.5L,
                                       -2.5L,
                                       0.49999999999999999999L,
                                       0.3L,
                                       -0.3L,
                                       std::numeric_limits<long double>::denorm_min(),
                                       -std::numeric_limits<long double>::denorm_min(),
                                       std::numeric_limits<long double>::min(),
                                       std::numeric_limits<long double>::max(),
                                       -std::numeric_limits<long double>::max(),
                                       std::numeric_limits<long double>::infinity(),
                                       -std::numeric_limits<long double>::infinity()};
    // Exact halves and their neighbours at every magnitude up to where every
    // value is whole, on both sides of 2^63 and 2^64.
    for (int e = 0; e <= 66; ++e) {
        const long double p = std::ldexp(1.0L, e);
        for (long double base : {p, p - 1, p + 1, 3 * p, 5 * p - 1}) {
            for (long double x : {base + 0.5L, base - 0.5L, base + 0.25L, base + 0.75L}) {
                for (long double v : {x, std::nextafter(x, 0.0L), std::nextafter(x, 2 * x + 1)}) {
                    values.push_back(v);
                    values.push_back(-v);
                }
            }
        }
    }
    for (int n = -3000; n <= 3000; ++n) {
        values.push_back(n + 0.5L);
        values.push_back(n / 8.0L);
        values.push_back(n * 0.01L * 100.0L);
    }
    std::mt19937_64 rng(20130930);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-70, 70);
    for (int i = 0; i < 200000; ++i)
        values.push_back(std::ldexp(static_cast<long double>(mantissa(rng)) +
                                        static_cast<long double>(mantissa(rng)) * 0x1p-53L,
                                    exponent(rng)));

    int mismatches = 0;
    for (long double v : values) {
        if (!sameBits(pc::roundEven(v), std::nearbyintl(v)) && ++mismatches <= 10)
            ADD_FAILURE() << "roundEven(" << v << ") = " << pc::roundEven(v)
                          << ", nearbyintl gives " << std::nearbyintl(v);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(std::isnan(pc::roundEven(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(Rounding, TruncCutsTowardZero)
{
    EXPECT_EQ(pc::truncZero(5182.3L), 5182.0L);
    EXPECT_EQ(pc::truncZero(-1.9L), -1.0L);
}

} // namespace
