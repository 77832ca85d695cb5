#include "case_row.h"
#include "units/unit_conversion.h"

#include "units/unit_captions.h"
#include "units/unit_factors.h"

#include <gtest/gtest.h>

namespace {

pc::InputLimits limits()
{
    pc::InputLimits l;
    l.maxSspLength = 20;
    l.maxSspLengthImp = 65.6;
    l.maxWallLength = 100;
    l.maxWallLengthFt = 328.1;
    l.maxMomentImp = 518.2;
    l.maxLoadImp = 1015.2;
    l.maxDeflectionImp = 19.6;
    return l;
}

TEST(UnitConversion, PileLengthSnappedToHundredthsOfAFoot)
{
    // 12 m: 3937 hundredths of a foot, 3937 x 0.304799 / 100 m.
    EXPECT_NEAR(pc::snapToHundredthFoot(12), 11.99993663, 1e-12);
    EXPECT_EQ(pc::snapToHundredthFoot(0), 0);
    // A length that is a whole number of hundredths already stays.
    const double snapped = pc::snapToHundredthFoot(12);
    EXPECT_EQ(pc::snapToHundredthFoot(snapped), snapped);
}

TEST(UnitConversion, InputsInImperialUnitsCappedAtTheirLimits)
{
    struct Case
    {
        pc::StoredInputs v;
        QChar decimal;
        const char *ssp, *wall, *moment, *load, *deflection;
    };
    const Case cases[] = {
        {{11.99993663, 10, 100, 200, 12}, '.', "39.37", "32.8", "22.5", "13.7", "4.7"},
        {{11.99993663, 10, 100, 200, 12}, ',', "39,37", "32,8", "22,5", "13,7", "4,7"},
        // At the metric limits: 2306 kNm/m is 518.23 kips*ft/ft, above the
        // imperial limit; 14821 kN/m is 1015.21; 50 cm is 19.69 in.
        {{0, 0, 2306, 14821, 50}, '.', "0.00", "0.0", "518.2", "1015.2", "19.6"},
        // Lengths beyond the imperial limits.
        {{24, 120, 0, 0, 0}, '.', "65.60", "328.1", "0.0", "0.0", "0.0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const pc::InputTexts t = pc::imperialInputTexts(c.decimal, c.v, limits());
        EXPECT_EQ(t.sspLength, QString::fromLatin1(c.ssp));
        EXPECT_EQ(t.wallLength, QString::fromLatin1(c.wall));
        EXPECT_EQ(t.moment, QString::fromLatin1(c.moment));
        EXPECT_EQ(t.load, QString::fromLatin1(c.load));
        EXPECT_EQ(t.deflection, QString::fromLatin1(c.deflection));
    }
}

TEST(UnitConversion, InputsInMetricUnitsCapOnlyTheLengths)
{
    const pc::InputTexts t =
        pc::metricInputTexts('.', {24, 120, 100.1191725, 14900, 11.93797932}, limits());
    EXPECT_EQ(t.sspLength, QStringLiteral("20.00"));
    EXPECT_EQ(t.wallLength, QStringLiteral("100.0"));
    EXPECT_EQ(t.moment, QStringLiteral("100"));
    EXPECT_EQ(t.load, QStringLiteral("14900"));
    EXPECT_EQ(t.deflection, QStringLiteral("12"));
    EXPECT_EQ(pc::metricInputTexts(',', {11.99993663, 10.5, 0, 0, 0}, limits()).sspLength,
              QStringLiteral("12,00"));
}

TEST(UnitConversion, ProjectValuesBetweenMillimetresAndMils)
{
    // mm to mils: rates with 2 decimals, total losses with 1.
    EXPECT_EQ(pc::projectValueInMils('.', 0.1L, true), QStringLiteral("3.94"));
    EXPECT_EQ(pc::projectValueInMils('.', 2, false), QStringLiteral("78.7"));
    EXPECT_EQ(pc::projectValueInMils(',', 0.02L, true), QStringLiteral("0,79"));
    // mils to mm: rates with 3 decimals capped at the largest rate, total
    // losses with 2 capped at the largest tabulated loss.
    EXPECT_EQ(pc::projectValueInMm('.', 3.94L, true, 0.2, 4), QStringLiteral("0.100"));
    EXPECT_EQ(pc::projectValueInMm('.', 10, true, 0.2, 4), QStringLiteral("0.200"));
    EXPECT_EQ(pc::projectValueInMm('.', 78.7L, false, 0.2, 4), QStringLiteral("2.00"));
    EXPECT_EQ(pc::projectValueInMm('.', 200, false, 0.2, 4), QStringLiteral("4.00"));
    EXPECT_EQ(pc::projectValueInMm(',', 0, true, 0.2, 4), QStringLiteral("0,000"));
}

TEST(UnitConversion, LabelsOfBothSystems)
{
    EXPECT_EQ(pc::unitLabels(true).loss, QStringLiteral("mm"));
    EXPECT_EQ(pc::unitLabels(false).loss, QStringLiteral("mils"));
    EXPECT_EQ(pc::unitLabels(false).moment, QStringLiteral("kips*ft/ft"));
    // The metric loss caption has no leading blank, the imperial one has.
    EXPECT_EQ(pc::unitCaptions(true).lossUnit, QStringLiteral("mm"));
    EXPECT_EQ(pc::unitCaptions(false).lossUnit, QStringLiteral(" mils"));
}

} // namespace
