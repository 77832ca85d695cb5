#include "units/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using pc::format;

TEST(Format, PrintfStyleWithDecimalSeparator)
{
    struct Case
    {
        QChar dec;
        const char *fmt;
        std::initializer_list<pc::FormatArg> args;
        const char *expected;
    };
    const Case cases[] = {
        {'.', "%1.2f", {1.5}, "1.50"},
        {',', "%1.2f", {1.5}, "1,50"},
        {'.', "%8.0f", {355.0}, "     355"},
        {'.', "%5.0d", {0}, "    0"},
        {'.', "%8.0d", {12}, "      12"},
        {'.', "%2d  |", {7}, " 7  |"},
        {'.', " %-20s %-11.0f", {"S 355 GP", 355.0}, " S 355 GP             355        "},
        {'.', "%-10.0f", {1234.4}, "1234      "},
        {'.', " %-0s", {"QZ"}, " QZ"},
        {'.', "%10s", {"abc"}, "       abc"},
        {'.', "%%", {}, "%"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(format(c.dec, c.fmt, c.args), QString::fromUtf8(c.expected)) << c.fmt;
}

// Fixed notation with up to nine decimals is formatted without printf; it
// must read exactly as printf writes it: ties to even on the exact binary
// value, signs of zero, widths, and the largest numbers it still takes.
TEST(Format, FixedDecimalsAsPrintfWritesThem)
{
    std::vector<long double> values = {0.0L,     -0.0L,      -0.3L,       0.3L,      1e17L,
                                       -1e17L,   999999.5L,  8.99e18L,    -8.99e18L, 9.1e18L,
                                       1e-4000L, -1e-4000L,  0.125L,      -0.375L,   2.675L,
                                       1.005L,   0.0049999L, 1e9L - 0.5L, 4.5e-10L,  5e-10L};
    for (int n = -2000; n <= 2000; ++n) {
        values.push_back(n + 0.5L);
        values.push_back(n * 0.37L);
        values.push_back(n / 64.0L); // ties at one to six decimals, exactly
        values.push_back(static_cast<double>(n) + 0.5 + 1e-9);
        values.push_back(std::nextafter(n + 0.5L, 0.0L));
        values.push_back(std::nextafter(n / 8.0L, 1e30L));
    }
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> d(-1e6, 1e6);
    std::uniform_real_distribution<double> small(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(d(rng));
        values.push_back(small(rng) * 1e-3);
    }
    for (const char *fmt : {"%.0f", "%-10.0f", "%8.0f", "%1.0f", "%1.1f", "%8.1f", "%-11.1f",
                            "%.2f", "%8.2f", "%1.3f", "%.6f", "%12.9f", "%.10f"}) {
        for (long double v : values) {
            char expected[128];
            const std::string cfmt = std::string(fmt).insert(std::string(fmt).size() - 1, "L");
            std::snprintf(expected, sizeof expected, cfmt.c_str(), v);
            ASSERT_EQ(format('.', fmt, {v}), QString::fromLatin1(expected))
                << fmt << " of " << static_cast<double>(v);
        }
    }
    EXPECT_EQ(format(',', "%8.2f", {-1.125L}), QStringLiteral("   -1,12"));
}

TEST(Format, TextWidthCountsCharactersNotBytes)
{
    EXPECT_EQ(format('.', "%-6s|", {QStringLiteral("cm³")}), QStringLiteral("cm³   |"));
}

TEST(Format, FixedNotationRoundsToSignificantDigitsFirst)
{
    EXPECT_EQ(pc::formatFixed('.', 100.119L, 8, 0), QStringLiteral("100"));
    EXPECT_EQ(pc::formatFixed('.', 22.4733L, 8, 1), QStringLiteral("22.5"));
    EXPECT_EQ(pc::formatFixed(',', 12.6L, 15, 1), QStringLiteral("12,6"));
    EXPECT_EQ(pc::formatFixed('.', 0.0L, 8, 2), QStringLiteral("0.00"));
}

TEST(Format, ParseNumberHonoursTheUserSeparator)
{
    struct Case
    {
        const char *text;
        QChar dec;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"12.5", '.', true, 12.5}, {"12,5", ',', true, 12.5}, {"12.5", ',', false, 0},
        {"", '.', false, 0},       {" ", '.', false, 0},      {".", '.', false, 0},
        {"5.", '.', true, 5},      {".5", '.', true, 0.5},    {"1e3", '.', true, 1000},
        {"-2", '.', true, -2},     {"1.2.3", '.', false, 0},  {"abc", '.', false, 0},
        {" 7 ", '.', true, 7},     {"1e", '.', false, 0},
    };
    for (const auto &c : cases) {
        const auto v = pc::parseNumber(QString::fromUtf8(c.text), c.dec);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_DOUBLE_EQ(static_cast<double>(*v), c.value) << c.text;
        }
    }
}

// Qt adopts LC_NUMERIC from the environment, so the process may run under a
// comma locale; reading and writing numbers must not follow it.
TEST(Format, ProcessLocaleDoesNotChangeNumbers)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is not installed (scripts/install-deps generates it)";
    const QString fixed = pc::formatFixed('.', 22.4733L, 8, 1);
    const QString printed = format('.', "%1.2f|%7.2f|%g", {1.75, 0.5, 2.5});
    const QString comma = format(',', "%1.2f", {1.75});
    const auto point = pc::parseNumber(QStringLiteral("12.6"), '.');
    const auto sfmin = pc::parseNumber(QStringLiteral("1.75"), '.');
    const auto commaRead = pc::parseNumber(QStringLiteral("1,75"), ',');
    std::setlocale(LC_NUMERIC, before.c_str());

    EXPECT_EQ(fixed, QStringLiteral("22.5"));
    EXPECT_EQ(printed, QStringLiteral("1.75|   0.50|2.5"));
    EXPECT_EQ(comma, QStringLiteral("1,75"));
    ASSERT_TRUE(point && sfmin && commaRead);
    EXPECT_EQ(*point, 12.6L);
    EXPECT_EQ(*sfmin, 1.75L);
    EXPECT_EQ(*commaRead, 1.75L);
}

} // namespace
