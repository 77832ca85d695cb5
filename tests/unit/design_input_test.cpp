#include "case_row.h"
#include "engine/design_input.h"

#include "test_catalogue.h"

#include <gtest/gtest.h>

namespace {

using pc::ActionField;
using pc::InputOutcome;
using pc::SfBoundOutcome;

TEST(DesignInput, KeyFilterWithTheUsersDecimalSeparator)
{
    struct Case
    {
        char16_t key;
        const char *text;
        QChar dec;
        bool accepted;
    };
    const Case cases[] = {
        {u'5', "", '.', true},   {u'0', "12", ',', true},   {8, "12", '.', true},
        {u'.', "12", '.', true}, {u'.', "1.2", '.', false}, {u',', "12", '.', false},
        {u',', "12", ',', true}, {u',', "1,2", ',', false}, {u'.', "12", ',', false},
        {u'-', "", '.', false},  {u'e', "12", '.', false},  {u' ', "", '.', false},
        {u'+', "", '.', false},  {0x2013, "", '.', false},  {0x0660, "", '.', false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const auto d = pc::filterNumericKey(c.key, QString::fromUtf8(c.text), c.dec);
        EXPECT_EQ(d.accepted, c.accepted) << int(c.key) << " in " << c.text;
        if (c.accepted)
            EXPECT_TRUE(d.rejection.isEmpty());
        else
            EXPECT_EQ(d.rejection,
                      QStringLiteral(" Enter only values > 0. Wrong input:  ") + QChar(c.key));
    }
    EXPECT_EQ(pc::wrongInputText(QStringLiteral(".")),
              QStringLiteral(" Enter only values > 0. Wrong input:  ."));
}

TEST(DesignInput, ActionRangeTexts)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        ActionField field;
        bool metric;
        QChar dec;
        const char *expected;
    };
    const Case cases[] = {
        {ActionField::Moment, true, '.', " 0 < Bending moment =< 2306"},
        {ActionField::Moment, false, '.', " 0 < Bending moment =< 518.2"},
        {ActionField::Moment, false, ',', " 0 < Bending moment =< 518,2"},
        {ActionField::Load, true, '.', " 0 < Compression load =< 14821"},
        {ActionField::Load, false, '.', " 0 < Compression load =< 1015.2"},
        {ActionField::Deflection, true, '.', " 0 < Deflection =< 50"},
        {ActionField::Deflection, false, '.', " 0 < Deflection =< 19.6"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::actionRangeText(cat, c.field, c.metric, c.dec),
                  QString::fromUtf8(c.expected));
    EXPECT_EQ(pc::actionErrorText(ActionField::Moment),
              QStringLiteral(" Error: Bending moment > Mmax !"));
    EXPECT_EQ(pc::actionErrorText(ActionField::Load),
              QStringLiteral(" Error: Compression load > Nmax !"));
    EXPECT_EQ(pc::actionErrorText(ActionField::Deflection),
              QStringLiteral(" Error: Deflection > fmax !"));
}

TEST(DesignInput, ActionLimitsAreInclusive)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    struct Case
    {
        ActionField field;
        bool metric;
        QChar dec;
        const char *text;
        InputOutcome outcome;
        double value;
    };
    const Case cases[] = {
        {ActionField::Moment, true, '.', "2306", InputOutcome::Value, 2306},
        {ActionField::Moment, true, '.', "2306.01", InputOutcome::TooLarge, 0},
        {ActionField::Moment, true, ',', "12,6", InputOutcome::Value, 12.6},
        {ActionField::Moment, true, '.', "", InputOutcome::Zero, 0},
        {ActionField::Moment, true, '.', "0.0", InputOutcome::Zero, 0},
        {ActionField::Moment, true, '.', ".", InputOutcome::NotANumber, 0},
        {ActionField::Moment, true, ',', "12.6", InputOutcome::NotANumber, 0},
        {ActionField::Moment, false, '.', "518.2", InputOutcome::Value, 518.2 * 4.449741},
        // below the metric limit once converted, but above the imperial one
        {ActionField::Moment, false, '.', "518.21", InputOutcome::TooLarge, 0},
        {ActionField::Moment, false, '.', "22.5", InputOutcome::Value, 100.1191725},
        {ActionField::Load, true, '.', "14821", InputOutcome::Value, 14821},
        {ActionField::Load, true, '.', "14822", InputOutcome::TooLarge, 0},
        {ActionField::Load, false, '.', "1015.3", InputOutcome::TooLarge, 0},
        {ActionField::Deflection, true, '.', "50", InputOutcome::Value, 50},
        {ActionField::Deflection, false, '.', "19.6", InputOutcome::Value, 19.6 * 2.5399956},
        {ActionField::Deflection, false, '.', "19.7", InputOutcome::TooLarge, 0},
    };
    for (const auto &c : cases) {
        const auto r =
            pc::evaluateActionChange(cat, c.field, QString::fromUtf8(c.text), c.dec, c.metric);
        EXPECT_EQ(r.outcome, c.outcome) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-9) << c.text;
    }
}

TEST(DesignInput, ActionExitTexts)
{
    struct Case
    {
        const char *text;
        QChar dec;
        bool metric;
        const char *expected; // nullptr: not a number
    };
    const Case cases[] = {
        {"12.6", '.', true, "13"},     {"12.5", '.', true, "12"}, {"13.5", '.', true, "14"},
        {"", '.', true, "0"},          {"0.0", '.', true, "0"},   {"0.4", '.', true, "0"},
        {"", '.', false, "0.0"},       {"0", ',', false, "0,0"},  {"22.54", '.', false, "22.5"},
        {"22,56", ',', false, "22,6"}, {"100", '.', true, "100"}, {".", '.', true, nullptr},
    };
    for (const auto &c : cases) {
        const auto t = pc::actionExitText(QString::fromUtf8(c.text), c.dec, c.metric);
        if (c.expected)
            EXPECT_EQ(t.value_or(QStringLiteral("<none>")), QString::fromUtf8(c.expected))
                << c.text;
        else
            EXPECT_FALSE(t.has_value()) << c.text;
    }
}

TEST(DesignInput, SfminChange)
{
    struct Case
    {
        const char *text;
        SfBoundOutcome outcome;
        long double value;
    };
    const Case cases[] = {
        {"", SfBoundOutcome::Empty, 1000000.0L},     {"1", SfBoundOutcome::Valid, 1.0L},
        {"5", SfBoundOutcome::Valid, 5.0L},          {"0.99", SfBoundOutcome::OutOfRange, 0.99L},
        {"5.01", SfBoundOutcome::OutOfRange, 5.01L}, {".", SfBoundOutcome::NotANumber, 0},
        {"2.00", SfBoundOutcome::Valid, 2.0L},
    };
    for (const auto &c : cases) {
        const auto r = pc::evaluateSfminChange(QString::fromUtf8(c.text), '.');
        EXPECT_EQ(r.outcome, c.outcome) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

TEST(DesignInput, SfmaxBandAndReset)
{
    struct Case
    {
        long double sfMin;
        const char *sfMax;
        SfBoundOutcome outcome;
    };
    const Case cases[] = {
        {2.0L, "2.10", SfBoundOutcome::BelowBand},     {2.0L, "2.20", SfBoundOutcome::Valid},
        {1.5L, "1.65", SfBoundOutcome::Valid}, // exactly 1.1 x Sfmin
        {1.5L, "1.6499", SfBoundOutcome::BelowBand},   {1.5L, "20", SfBoundOutcome::Valid},
        {1.5L, "20.01", SfBoundOutcome::AboveTwenty},  {1.5L, "", SfBoundOutcome::Empty},
        {1000000.0L, "20", SfBoundOutcome::BelowBand}, // empty Sfmin
        {1.5L, ",", SfBoundOutcome::NotANumber},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pc::evaluateSfmaxChange(QString::fromUtf8(c.sfMax), '.', c.sfMin).outcome,
                  c.outcome)
            << c.sfMax;

    // Sfmin 2.00 with Sfmax 2.10: Sfmax is reset to 1.1 x 2.00 + 0.01.
    EXPECT_TRUE(pc::sfmaxBelowBand(2.0L, 2.1L));
    EXPECT_EQ(pc::sfmaxResetText('.', 2.0L), QStringLiteral("2.21"));
    EXPECT_EQ(pc::sfmaxResetText(',', 1.5L), QStringLiteral("1,66"));
    EXPECT_FALSE(pc::sfmaxBelowBand(1.5L, 1.65L));
    EXPECT_FALSE(pc::sfmaxBelowBand(2.0L, 2.21L));
    EXPECT_EQ(pc::sfmaxRangeText('.', 1.5L), QStringLiteral("1.65 =< Sfmax =<  20.00"));
}

TEST(DesignInput, BandExitTexts)
{
    struct SfminCase
    {
        const char *text;
        QChar dec;
        const char *expected;
    };
    const SfminCase sfmin[] = {
        {"", '.', "1.50"},    {"0", '.', "1.50"}, {"2", '.', "2.00"},
        {"2,5", ',', "2,50"}, {".", '.', "1.50"}, {"1.555", '.', "1.55"},
    };
    for (const auto &c : sfmin)
        EXPECT_EQ(pc::sfminExitText(QString::fromUtf8(c.text), c.dec),
                  QString::fromUtf8(c.expected))
            << c.text;

    struct SfmaxCase
    {
        const char *text;
        long double sfMin;
        bool valid;
        const char *expected;
    };
    EXPECT_EQ(pc::sfminExitText(QString(), ','), QStringLiteral("1,50"));
    EXPECT_EQ(pc::sfmaxExit(QStringLiteral("1"), ',', 1.5L).text, QStringLiteral("20,00"));

    const SfmaxCase sfmax[] = {
        {"2.2", 2.0L, true, "2.20"},  {"2.1", 2.0L, false, "20.00"}, {"", 1.5L, false, "20.00"},
        {"1.65", 1.5L, true, "1.65"}, {".", 1.5L, false, "20.00"},
    };
    for (const auto &c : sfmax) {
        const auto r = pc::sfmaxExit(QString::fromUtf8(c.text), '.', c.sfMin);
        EXPECT_EQ(r.valid, c.valid) << c.text;
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected)) << c.text;
    }
}

} // namespace
