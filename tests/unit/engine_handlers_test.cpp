// Safety factors, reduced properties, design input and steel quantities
// driven through the form model.

#include "app_fixture.h"
#include "case_row.h"
#include "engine/safety_factor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using pc::test::RunningApp;

// Sfmin 1.5 as the settings would give it (the field shows "1.50" from the
// start, so only a different text stores it).
void setSfmin(RunningApp &r, const char *text = "1.5")
{
    r.f.Edit_Sfmin.setText(QString::fromUtf8(text));
}

TEST(EngineHandlers, WorkedExamplesOfTheSafetyFactor)
{
    struct Case
    {
        int grade;
        const char *moment, *load, *deflection;
        const char *sfIni;
        long double sf;
    };
    const Case cases[] = {
        {1, "100", "0", "0", "3.55 ≥ 1.50", 3.55L}, // W 1000, fy 355
        {0, "0", "200", "5", "8.00 ≥ 1.50", 8.00L}, // W 1000, A 100, fy 240
        {0, "0", "0", "5", "N/A", 0},
        {0, "2000", "0", "0", "0.12", 0.12L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        RunningApp r;
        setSfmin(r);
        auto &f = r.f;
        f.userSelect(f.CB_SteelGrades, c.grade);
        f.userReplace(f.Edit_Moment, QString::fromUtf8(c.moment));
        f.userReplace(f.Edit_Load, QString::fromUtf8(c.load));
        f.userReplace(f.Edit_Deflection, QString::fromUtf8(c.deflection));
        f.userLeave();
        EXPECT_EQ(f.Lbl_Sf_Result.caption(), QString::fromUtf8(c.sfIni)) << c.moment;
        EXPECT_EQ(r.a.s.factors.sfIni, pc::roundToHundredths(c.sf)) << c.moment;
        EXPECT_EQ(f.TabSheetSFTable.tabVisible(), c.sf > 0) << c.moment;
        // Without loss the reduced factor equals the initial one; its labels
        // are greyed in section mode.
        EXPECT_EQ(r.a.s.factors.sfRed, r.a.s.factors.sfIni);
        EXPECT_FALSE(f.Lbl_SFRedResult.enabled());
    }
}

TEST(EngineHandlers, MomentLimitIsInclusive)
{
    RunningApp r;
    auto &f = r.f;
    f.userType(f.Edit_Moment, QStringLiteral("2306"));
    EXPECT_EQ(r.a.s.actions.moment, 2306.0);
    EXPECT_EQ(f.SB1.panel(1), QString());
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" 0 < Bending moment =< 2306"));
    EXPECT_EQ(r.beeps(), 0);

    f.userType(f.Edit_Moment, QStringLiteral(".5"));
    EXPECT_EQ(f.Edit_Moment.text(), QString());
    EXPECT_EQ(r.a.s.actions.moment, 0.0);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Error: Bending moment > Mmax !"));
    EXPECT_EQ(r.beeps(), 1);

    f.userLeave();
    EXPECT_EQ(f.Edit_Moment.text(), QStringLiteral("0"));
    EXPECT_EQ(f.SB1.panel(1), QString());
}

TEST(EngineHandlers, LimitErrorStaysInViewInSfminMode)
{
    RunningApp r;
    auto &f = r.f;
    setSfmin(r);
    f.userClick(f.MenuSelectSfmin);
    f.userReplace(f.Edit_Load, QStringLiteral("14822"));
    EXPECT_EQ(f.Edit_Load.text(), QString());
    EXPECT_EQ(r.a.s.actions.load, 0.0);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Error: Compression load > Nmax !"));
}

TEST(EngineHandlers, LeavingTheFieldRoundsTheStoredValue)
{
    struct Case
    {
        const char *typed;
        const char *shown;
        double stored;
    };
    const Case cases[] = {{"12.6", "13", 13}, {"12.5", "12", 12}, {".", "0", 0}, {"", "0", 0}};
    for (const auto &c : cases) {
        RunningApp r;
        auto &f = r.f;
        f.userReplace(f.Edit_Moment, QString::fromUtf8(c.typed));
        f.userLeave();
        EXPECT_EQ(f.Edit_Moment.text(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(r.a.s.actions.moment, c.stored) << c.typed;
    }
}

TEST(EngineHandlers, KeyFilterWithTheUsersDecimalSeparator)
{
    struct Case
    {
        QChar decimal;
        const char *typed;
        const char *text;
        double stored;
        int rejected;
        const char *panel1;
    };
    const Case cases[] = {
        {'.', "12.5", "12.5", 12.5, 0, ""},
        // A later accepted key stores a value and empties panel 1 again.
        {'.', "12,5", "125", 125, 1, ""},
        {'.', "12,", "12", 12, 1, " Enter only values > 0. Wrong input:  ,"},
        {',', "12,5", "12,5", 12.5, 0, ""},
        {',', "12.", "12", 12, 1, " Enter only values > 0. Wrong input:  ."},
        {',', "1,2,", "1,2", 1.2, 1, " Enter only values > 0. Wrong input:  ,"},
        {'.', "-3e", "3", 3, 2, " Enter only values > 0. Wrong input:  e"},
    };
    for (const auto &c : cases) {
        RunningApp r(pc::test::handlerCatalogue(), c.decimal);
        auto &f = r.f;
        f.userReplace(f.Edit_Moment, QString());
        f.userType(f.Edit_Moment, QString::fromUtf8(c.typed));
        EXPECT_EQ(f.Edit_Moment.text(), QString::fromUtf8(c.text)) << c.typed;
        EXPECT_DOUBLE_EQ(r.a.s.actions.moment, c.stored) << c.typed;
        EXPECT_EQ(r.p.exclamationBeeps(), c.rejected) << c.typed;
        EXPECT_EQ(f.SB1.panel(1), QString::fromUtf8(c.panel1)) << c.typed;
    }
}

// The key filter lets no sign through, but a paste can: a negative number
// (or one too large to hold) is no moment or length; the field keeps the
// value in use, as for any other text that is not a number.
TEST(EngineHandlers, APastedNegativeNumberKeepsTheValueInUse)
{
    const QString wrong = QStringLiteral(" Enter only values > 0. Wrong input:  ");
    struct Case
    {
        const char *name;
        const char *pasted;
        const char *typedAfter; // keys typed after the paste
        double moment;          // stored after the paste and the keys
        const char *panel1;
    } const cases[] = {
        {"negative", "-3.0", "", 100, "-3.0"},
        {"negative zero is zero", "-0", "", 0, ""},
        {"a negative number grown huge by its keys", "-1.3852519E+08", "25", 100,
         "-1.3852519E+0825"},
        {"positive and beyond a double", "1E+400", "", 0, ""},
    };
    for (const auto &c : cases) {
        RunningApp r;
        auto &f = r.f;
        f.userReplace(f.Edit_Moment, QStringLiteral("100"));
        f.userReplace(f.Edit_Moment, QString::fromUtf8(c.pasted));
        f.userType(f.Edit_Moment, QString::fromUtf8(c.typedAfter));
        EXPECT_EQ(r.a.s.actions.moment, c.moment) << c.name;
        EXPECT_TRUE(std::isfinite(r.a.s.factors.sfIni)) << c.name;
        if (*c.panel1) {
            EXPECT_EQ(f.SB1.panel(1), wrong + QString::fromUtf8(c.panel1)) << c.name;
        }
        f.userLeave();
        EXPECT_FALSE(f.Edit_Moment.text().startsWith(QLatin1Char('-'))) << c.name;
    }

    RunningApp r;
    r.f.userReplace(r.f.Edit_WallLength, QStringLiteral("20"));
    r.f.userReplace(r.f.Edit_WallLength, QStringLiteral("-20"));
    EXPECT_EQ(r.a.s.lengths.wall, 20.0);
    EXPECT_EQ(r.f.SB1.panel(1), wrong + QStringLiteral("-20"));
    r.f.userLeave();
    EXPECT_EQ(r.f.Edit_WallLength.text(), QStringLiteral("20.0"));
}

TEST(EngineHandlers, TextThatIsNotANumberKeepsTheValue)
{
    RunningApp r(pc::test::handlerCatalogue(), QLatin1Char(','));
    auto &f = r.f;
    f.userReplace(f.Edit_Moment, QStringLiteral("100"));
    f.userReplace(f.Edit_Moment, QStringLiteral(","));
    EXPECT_EQ(r.a.s.actions.moment, 100.0);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Enter only values > 0. Wrong input:  ,"));
    f.userReplace(f.Edit_WallLength, QStringLiteral("ten"));
    EXPECT_EQ(r.a.s.lengths.wall, 0.0);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Enter only values > 0. Wrong input:  ten"));
    EXPECT_TRUE(r.p.messages().empty());
    f.userLeave();
    EXPECT_EQ(f.Edit_WallLength.text(), QStringLiteral("0,0"));
}

TEST(EngineHandlers, ALongPasteIsQuotedByItsBeginning)
{
    const QString prefix = QStringLiteral(" Enter only values > 0. Wrong input:  ");
    const QString millionDigits = QStringLiteral("9").repeated(2000000);
    struct Case
    {
        const char *name;
        QString pasted;
        QString quoted;
    } const cases[] = {
        // Beyond the range of the number type: not a number to the program.
        {"1e5000", QStringLiteral("1e5000"), QStringLiteral("1e5000")},
        {"two million digits", millionDigits, QStringLiteral("9").repeated(40) + "..."},
        {"40 characters", QStringLiteral("x").repeated(40), QStringLiteral("x").repeated(40)},
        {"41 characters", QStringLiteral("y").repeated(41),
         QStringLiteral("y").repeated(40) + "..."},
    };
    for (const Case &c : cases) {
        RunningApp r;
        auto &f = r.f;
        f.userReplace(f.Edit_Moment, QStringLiteral("100"));
        f.userReplace(f.Edit_Moment, c.pasted);
        EXPECT_EQ(r.a.s.actions.moment, 100.0) << c.name;
        EXPECT_EQ(f.SB1.panel(1), prefix + c.quoted) << c.name;
        f.userReplace(f.Edit_WallLength, c.pasted);
        EXPECT_EQ(r.a.s.lengths.wall, 0.0) << c.name;
        EXPECT_EQ(f.SB1.panel(1), prefix + c.quoted) << c.name;
    }
}

TEST(EngineHandlers, SfmaxResetBySfmin)
{
    RunningApp r;
    auto &f = r.f;
    setSfmin(r);
    f.userReplace(f.Edit_Moment, QStringLiteral("115")); // Sf 2.09 for the first section
    f.userClick(f.MenuSelectSfmin);
    f.userReplace(f.Edit_SfMax, QStringLiteral("2.10"));
    EXPECT_EQ(f.Edit_SfMax.fontColor(), pc::form::clBlack);
    f.userReplace(f.Edit_Sfmin, QStringLiteral("2.00"));
    EXPECT_EQ(f.Edit_SfMax.text(), QStringLiteral("2.21"));
    EXPECT_EQ(f.Edit_SfMax.fontColor(), pc::form::clRed);
    EXPECT_EQ(r.a.s.band.sfMax, 2.21L);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" SfMax out of range!! Automatically reset!"));
    EXPECT_EQ(f.LB_SSP.items(), QStringList{QStringLiteral(" AA 10\t1000      ")});
    EXPECT_EQ(r.beeps(), 0);
}

TEST(EngineHandlers, SfminAndSfmaxLimits)
{
    struct Case
    {
        const char *field; // "min" or "max"
        const char *typed;
        const char *text;
        long double value;
        const char *panel1;
        int beeps;
        const char *afterExit;
    };
    // Moment 150 on grade 240: Sf 1.60 and 2.88 for the family's sections.
    // A search that finds nothing beeps twice: the empty list and the loss
    // finishing step of the grade refresh each compute the reduced properties
    // without a section.
    const Case cases[] = {
        {"min", "1", "1", 1, "", 0, "1.00"},
        {"min", "5", "5", 5, "", 2, "5.00"}, // nothing within 5 .. 10
        // emptied (a search without match), the beep, the search again
        {"min", "0.99", "", 1000000, " Sfmin out of range!! Retry", 5, "1.50"},
        {"min", "5.01", "", 1000000, " Sfmin out of range!! Retry", 5, "1.50"},
        {"max", "1.65", "1.65", 1.65L, "", 0, "1.65"}, // exactly 1.1 x 1.50
        {"max", "1.64", "1.64", 1.64L, " Please complete: SfMax >= 1.1*SfMin", 1, "20.00"},
        {"max", "20.5", "20.00", 20, " SfMax out of range!! Automatically reset!", 1, "20.00"},
    };
    for (const auto &c : cases) {
        RunningApp r;
        auto &f = r.f;
        setSfmin(r);
        f.userReplace(f.Edit_Moment, QStringLiteral("150"));
        f.userClick(f.MenuSelectSfmin);
        const bool min = QByteArray(c.field) == "min";
        auto &edit = min ? f.Edit_Sfmin : f.Edit_SfMax;
        const int beepsBefore = r.beeps();
        f.userReplace(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.typed;
        EXPECT_EQ(min ? r.a.s.band.sfMin : r.a.s.band.sfMax, c.value) << c.typed;
        EXPECT_EQ(f.SB1.panel(1), QString::fromUtf8(c.panel1)) << c.typed;
        EXPECT_EQ(r.beeps() - beepsBefore, c.beeps) << c.typed;
        f.userLeave();
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.afterExit)) << c.typed;
    }
}

TEST(EngineHandlers, SfmaxLeftInvalidIsResetWithABeep)
{
    RunningApp r;
    auto &f = r.f;
    setSfmin(r);
    f.userReplace(f.Edit_Moment, QStringLiteral("150")); // Sf 1.60 for the first section
    f.userClick(f.MenuSelectSfmin);
    f.userReplace(f.Edit_SfMax, QStringLiteral("1.6"));
    f.userLeave();
    EXPECT_EQ(f.Edit_SfMax.text(), QStringLiteral("20.00"));
    EXPECT_EQ(f.Edit_SfMax.fontColor(), pc::form::clRed);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Sfmax out of range!! SfMax has been reset!"));
    EXPECT_EQ(r.beeps(), 2); // the change and the exit
    f.userEnter(f.Edit_SfMax);
    EXPECT_EQ(f.Edit_SfMax.fontColor(), pc::form::clBlack);
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral("1.65 =< Sfmax =<  20.00"));
}

TEST(EngineHandlers, SfminModeListsOnlySectionsWithinTheBand)
{
    RunningApp r;
    auto &f = r.f;
    setSfmin(r);
    f.userSelect(f.CB_SteelGrades, 1); // 355: s0 (W 1000) and s2 (W 2600)
    f.userReplace(f.Edit_Moment, QStringLiteral("500"));
    f.userClick(f.MenuSelectSfmin);
    EXPECT_EQ(f.GB_Sfmin.caption(), QStringLiteral("  Required Sf,red  "));
    EXPECT_FALSE(f.Lbl_Sf_Result.visible());
    EXPECT_TRUE(f.Edit_Sfmin.visible());
    EXPECT_EQ(f.focused(), &f.Edit_Sfmin);
    // s0: 355 / 500 = 0.71; s2: 355 / (500 / 2600 x 1000) = 1.85
    EXPECT_EQ(f.LB_SSP.items(), QStringList{QStringLiteral(" AC 26**\t2600      ")});
    EXPECT_EQ(f.Lbl_SFRed.caption(), QStringLiteral("Sf,ini="));
    EXPECT_EQ(f.Lbl_SFRedResult.caption(), QStringLiteral("1.85 ≥ 1.50"));
    EXPECT_TRUE(f.Lbl_SFRedResult.enabled());

    // Every keystroke re-runs the search; 1.85 is an inclusive upper bound.
    f.userReplace(f.Edit_SfMax, QStringLiteral("1.85"));
    EXPECT_EQ(f.LB_SSP.itemCount(), 1);
    f.userReplace(f.Edit_SfMax, QStringLiteral("1.84"));
    EXPECT_EQ(f.LB_SSP.items().front(), QStringLiteral(" No match found."));

    f.userClick(f.MenuSelectSection);
    EXPECT_EQ(f.GB_Sfmin.caption(), QStringLiteral("  Safety factors Sf  "));
    EXPECT_FALSE(f.Edit_Sfmin.visible());
    EXPECT_EQ(f.LB_SSP.itemCount(), 2);
    EXPECT_EQ(f.focused(), &f.Edit_Moment);
}

TEST(EngineHandlers, ReducedPropertiesInTheGrid)
{
    struct Case
    {
        double loss;
        int columns;
        const char *wel, *i, *a;
        const char *panel0;
        int beeps;
    };
    const Case cases[] = {
        {0, 3, " 1000", " 20000", " 100.0", "", 0},
        {1, 4, " 950", " 19000", " 95.0", "", 0},   // a tabulated step
        {4, 4, " 800", " 16000", " 80.0", "", 0},   // the last step
        {1.5, 4, " 925", " 18500", " 92.5", "", 0}, // between steps
        {4.01, 4, " N/A ", " N/A ", " N/A ",
         " Max. total loss of steel thickness (front + back) = 4 mm", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        RunningApp r;
        auto &f = r.f;
        f.SB1.setPanel(0, QString());
        r.a.s.losses.total = c.loss;
        r.a.ComputeReducedProperties(0);
        auto &g = f.StGr_RedProp;
        EXPECT_EQ(g.colCount(), c.columns) << c.loss;
        EXPECT_EQ(g.cell(1, 1), QStringLiteral(" 1000")) << c.loss;
        if (c.columns == 4) {
            EXPECT_EQ(g.cell(2, 1), QString::fromUtf8(c.wel)) << c.loss;
            EXPECT_EQ(g.cell(2, 2), QString::fromUtf8(c.i)) << c.loss;
            EXPECT_EQ(g.cell(2, 3), QString::fromUtf8(c.a)) << c.loss;
            EXPECT_EQ(g.cell(2, 0), QStringLiteral(" red. ")) << c.loss;
        }
        EXPECT_EQ(f.SB1.panel(0), QString::fromUtf8(c.panel0)) << c.loss;
        EXPECT_EQ(r.beeps(), c.beeps) << c.loss;
        EXPECT_EQ(f.GB_Red_Properties.caption(), QStringLiteral(" Section prop.: AA 10 "));
    }
}

TEST(EngineHandlers, NoReducedSectionIsReported)
{
    RunningApp r;
    auto &f = r.f;
    r.a.s.losses.total = 3;
    r.a.ComputeReducedProperties(1);
    EXPECT_EQ(r.a.s.reduced.wel, 0.0);
    EXPECT_EQ(f.StGr_RedProp.cell(2, 1), QStringLiteral(" N/A "));
    EXPECT_EQ(f.SB1.panel(0),
              QStringLiteral(" No reduced properties for this loss of steel thickness. "));
    EXPECT_EQ(f.Lbl_SFRedResult.caption(), QStringLiteral("N/A"));
    EXPECT_EQ(r.beeps(), 1);
}

TEST(EngineHandlers, SearchBeepsOncePerCandidateWithoutReducedSection)
{
    RunningApp r;
    auto &f = r.f;
    setSfmin(r);
    f.userReplace(f.Edit_Moment, QStringLiteral("100"));
    // s1 has no reduced section at 3 mm; the loss enters through the
    // finishing step, which forms the total from the faces.
    r.a.s.losses.front = 3;
    r.a.s.losses.total = 3;
    f.userClick(f.MenuSelectSfmin);
    // 240: candidates s0 (Sf,red 240 / (100 / 850 x 1000) = 2.04) and s1.
    EXPECT_EQ(f.LB_SSP.items(), QStringList{QStringLiteral(" AA 10\t1000      ")});
    EXPECT_EQ(r.beeps(), 1);
    EXPECT_EQ(f.Lbl_SFRedResult.caption(), QStringLiteral("2.04 ≥ 1.50"));
}

TEST(EngineHandlers, SteelQuantities)
{
    RunningApp r;
    auto &f = r.f;
    EXPECT_EQ(f.Lbl_Weight_Result.caption(), QStringLiteral("79.4")); // 100 / 1.26
    f.userReplace(f.Edit_WallLength, QStringLiteral("10"));
    f.userReplace(f.Edit_SSPLength, QStringLiteral("15"));
    EXPECT_EQ(f.Lbl_SSP_Result.caption(), QStringLiteral("8"));
    EXPECT_EQ(f.Lbl_WallLength_Result.caption(), QStringLiteral("10.1"));
    EXPECT_EQ(f.Lbl_Total_Result.caption(), QStringLiteral("12.0"));
    f.userLeave();
    EXPECT_EQ(f.Edit_SSPLength.text(), QStringLiteral("15.00"));

    f.userEnter(f.Edit_WallLength);
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" 0 < wall length =< 100"));
    f.userReplace(f.Edit_WallLength, QStringLiteral("100.1"));
    EXPECT_EQ(f.Edit_WallLength.text(), QString());
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Error: wall length > max. !"));
    EXPECT_EQ(f.Lbl_SSP_Result.caption(), QStringLiteral("0"));
    EXPECT_EQ(r.beeps(), 1);
    f.userReplace(f.Edit_WallLength, QStringLiteral("100"));
    EXPECT_EQ(r.a.s.lengths.wall, 100.0);
    EXPECT_EQ(f.SB1.panel(1), QString());
}

TEST(EngineHandlers, ShorterSectionResetsThePileLength)
{
    RunningApp r;
    auto &f = r.f;
    f.userSelect(f.CB_SteelGrades, 1);
    f.userReplace(f.Edit_SSPLength, QStringLiteral("15"));
    f.userSelect(f.RG_SSP, 2); // s2 rolls at most 12 m
    EXPECT_EQ(f.Edit_SSPLength.text(), QStringLiteral("0.0"));
    EXPECT_TRUE(f.Edit_SSPLength.showHint());
    EXPECT_EQ(r.a.s.lengths.pile, 0.0);
    EXPECT_EQ(r.a.s.MaxSSPLength, 12.0);
    EXPECT_DOUBLE_EQ(r.a.s.MaxSSPLengthImp, 39.4);
    f.userReplace(f.Edit_SSPLength, QStringLiteral("12"));
    EXPECT_FALSE(f.Edit_SSPLength.showHint());
}

} // namespace
