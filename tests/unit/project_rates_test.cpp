// Project-specific rates and total losses: the limits while typing, the text
// when an edit is left, the losses, and the texts of the status bar.

#include "corrosion/project_rates.h"

#include <gtest/gtest.h>

namespace {

using pc::ProjectCheck;
using pc::ProjectMode;

const QChar Dot = QLatin1Char('.');
const QChar Comma = QLatin1Char(',');

pc::ProjectLimits limits(double rate, double total)
{
    pc::ProjectLimits l;
    l.maxRate = rate;
    l.maxTotalLoss = total;
    return l;
}

TEST(ProjectRates, ValueAgainstTheLimitOfTheMode)
{
    struct Case
    {
        const char *text;
        bool metric;
        ProjectMode mode;
        double maxRate;
        ProjectCheck check;
    };
    const Case cases[] = {
        {"0.2", true, ProjectMode::Rates, 0.2, ProjectCheck::Accepted},
        {"0.2001", true, ProjectMode::Rates, 0.2, ProjectCheck::TooLarge},
        // A limit that has no exact binary form is still reached by its digits.
        {"0.3", true, ProjectMode::Rates, 0.3, ProjectCheck::Accepted},
        {"0.30000001", true, ProjectMode::Rates, 0.3, ProjectCheck::TooLarge},
        {"0", true, ProjectMode::Rates, 0.2, ProjectCheck::Accepted},
        // 7.874 mils are 0.19999... mm, 0.200 after rounding to 0.001 mm.
        {"7.874", false, ProjectMode::Rates, 0.2, ProjectCheck::Accepted},
        {"7.9", false, ProjectMode::Rates, 0.2, ProjectCheck::TooLarge},
        // Total loss: each face against the largest tabulated loss.
        {"4", true, ProjectMode::TotalLoss, 0.2, ProjectCheck::Accepted},
        {"4.01", true, ProjectMode::TotalLoss, 0.2, ProjectCheck::TooLarge},
        {"157", false, ProjectMode::TotalLoss, 0.2, ProjectCheck::Accepted},
        {"158", false, ProjectMode::TotalLoss, 0.2, ProjectCheck::TooLarge},
        // Nothing that is not a number counts, nor a pasted negative one.
        {"", true, ProjectMode::Rates, 0.2, ProjectCheck::NotANumber},
        {" ", true, ProjectMode::Rates, 0.2, ProjectCheck::NotANumber},
        {".", true, ProjectMode::Rates, 0.2, ProjectCheck::NotANumber},
        {"-0.1", true, ProjectMode::Rates, 0.2, ProjectCheck::NotANumber},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pc::checkProjectValue(QString::fromUtf8(c.text), Dot, c.metric, c.mode,
                                        limits(c.maxRate, 4)),
                  c.check)
            << c.text << (c.metric ? " mm" : " mils");
}

TEST(ProjectRates, ImperialValueIsReadInMillimetresToThreeDecimals)
{
    EXPECT_EQ(pc::projectValueMm(QStringLiteral("1"), Dot, false), 0.025);
    EXPECT_EQ(pc::projectValueMm(QStringLiteral("2,5"), Comma, false), 0.063);
    EXPECT_EQ(pc::projectValueMm(QStringLiteral("0,0125"), Comma, true), 0.0125);
    EXPECT_FALSE(pc::projectValueMm(QStringLiteral("0.5"), Comma, true));
}

TEST(ProjectRates, TidiedText)
{
    struct Case
    {
        const char *text;
        bool metric;
        ProjectMode mode;
        const char *tidied;
        bool wasNumber;
    };
    const Case cases[] = {
        {"0.02", true, ProjectMode::Rates, "0.020", true},
        {"", true, ProjectMode::Rates, "0.000", false},
        {" ", true, ProjectMode::TotalLoss, "0.00", false},
        {"1.5", true, ProjectMode::TotalLoss, "1.50", true},
        {"3.94", false, ProjectMode::Rates, "3.9", true},
        {".", false, ProjectMode::Rates, "0.0", false},
        {"78.7", false, ProjectMode::TotalLoss, "79", true},
        {"", false, ProjectMode::TotalLoss, "0", false},
        // Imperial values no larger than the limit in mils: 0.2 mm/year is
        // 7.87 mils/year, cut to 7.8; 4 mm are 157.48 mils, cut to 157.
        {"99", false, ProjectMode::Rates, "7.8", true},
        {"500", false, ProjectMode::TotalLoss, "157", true},
    };
    for (const Case &c : cases) {
        const pc::TidiedProjectText t =
            pc::tidyProjectText(QString::fromUtf8(c.text), Dot, c.metric, c.mode, limits(0.2, 4));
        EXPECT_EQ(t.text, QString::fromUtf8(c.tidied)) << c.text;
        EXPECT_EQ(t.wasNumber, c.wasNumber) << c.text;
    }
    EXPECT_EQ(
        pc::tidyProjectText(QStringLiteral("0,1"), Comma, true, ProjectMode::Rates, limits(0.2, 4))
            .text,
        QStringLiteral("0,100"));
}

TEST(ProjectRates, FaceLoss)
{
    // 40 effective years at 0.02 mm/year.
    EXPECT_DOUBLE_EQ(pc::projectFaceLoss(ProjectMode::Rates, true, 0.02, 40), 0.8);
    // Imperial: 40 x 1 mil = 1.01599824 mm, rounded to 0.01 mm.
    EXPECT_EQ(pc::projectFaceLoss(ProjectMode::Rates, false, 1, 40), 1.02);
    // A total loss ignores time; 78.7 mils are 1.99897... mm.
    EXPECT_EQ(pc::projectFaceLoss(ProjectMode::TotalLoss, true, 1.234, 40), 1.234);
    EXPECT_EQ(pc::projectFaceLoss(ProjectMode::TotalLoss, false, 78.7, 40), 2.0);
    // A blank edit counts as 0.
    EXPECT_EQ(pc::projectTypedNumber(QStringLiteral(" "), Dot), 0.0);
    EXPECT_EQ(pc::projectTypedNumber(QStringLiteral("0,25"), Comma), 0.25);
}

// A rate over the effective years gives the loss its decimal product gives
// typed as a total loss: 0.011 mm/year over 5 years is a loss of 0.055 mm,
// whose hundredths the finishing step then rounds. A product taken in
// float64 from a float64 rate fell on the other side of such values.
TEST(ProjectRates, ARateGivesTheLossOfItsDecimalProduct)
{
    const struct
    {
        const char *rate;
        int years;
        const char *total;
    } cases[] = {{"0.011", 5, "0.055"},  {"0.021", 5, "0.105"},  {"0.013", 35, "0.455"},
                 {"0.007", 15, "0.105"}, {"0.033", 45, "1.485"}, {"0.195", 100, "19.5"},
                 {"0.001", 1, "0.001"},  {"0.2", 3, "0.6"},      {"0.105", 1, "0.105"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rate);
        const long double rate = pc::projectTypedNumber(QLatin1String(c.rate), Dot);
        const long double total = pc::projectTypedNumber(QLatin1String(c.total), Dot);
        EXPECT_EQ(pc::projectFaceLoss(ProjectMode::Rates, true, rate, c.years),
                  pc::projectFaceLoss(ProjectMode::TotalLoss, true, total, c.years));
    }
}

TEST(ProjectRates, StatusTexts)
{
    const pc::ProjectLimits l = limits(0.2, 4);
    EXPECT_EQ(pc::projectRejectionText(ProjectMode::Rates, true, l, Dot),
              QStringLiteral(" Max. corrosion rate of steel = 0.20 mm / year"));
    EXPECT_EQ(pc::projectRejectionText(ProjectMode::Rates, false, l, Dot),
              QStringLiteral(" Max. corrosion rate of steel = 7.87 mils / year"));
    EXPECT_EQ(pc::projectRejectionText(ProjectMode::TotalLoss, true, l, Comma),
              QStringLiteral(" Max. total loss of steel (front + back) = 4,00 mm"));
    EXPECT_EQ(pc::projectRejectionText(ProjectMode::TotalLoss, false, l, Dot),
              QStringLiteral(" Max. total loss of steel (front + back) = 157.5 mils"));
    EXPECT_EQ(pc::projectEnterText(ProjectMode::Rates, true, l, Dot),
              QStringLiteral(" Max. corrosion rate of steel = 0.20 mm / year"));
    EXPECT_EQ(pc::projectEnterText(ProjectMode::TotalLoss, false, l, Dot),
              QStringLiteral(" Max. total loss of steel = 157.48 mils"));
    EXPECT_EQ(pc::lossStatusText(QStringLiteral("0.80"), QStringLiteral("mm"), QStringLiteral("31"),
                                 QStringLiteral(" mils")),
              QStringLiteral(" Loss: front = 0.80 mm, back = 31  mils"));
}

TEST(ProjectRates, ZeroTextsAndUnits)
{
    EXPECT_EQ(pc::projectZeroText(ProjectMode::Rates, true, Comma), QStringLiteral("0,000"));
    EXPECT_EQ(pc::projectZeroText(ProjectMode::TotalLoss, true, Dot), QStringLiteral("0.00"));
    EXPECT_EQ(pc::projectZeroText(ProjectMode::Rates, false, Dot), QStringLiteral("0"));
    EXPECT_EQ(pc::projectUnitCaption(ProjectMode::Rates, false), QStringLiteral(" mils / year"));
    EXPECT_EQ(pc::projectUnitCaption(ProjectMode::TotalLoss, true), QStringLiteral(" mm"));
}

} // namespace
