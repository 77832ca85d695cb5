// The service life curve: the series agrees with what the window shows when
// each year is picked as the service life, the two years found in it on
// hand-worked cases, and its texts.

#include "app_fixture.h"
#include "built_sample.h"
#include "catalogue/catalogue_reader.h"
#include "engine/life_curve.h"
#include "engine/life_curve_text.h"
#include "test_catalogue.h"
#include "window/life_curve_source.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace {

using pc::form::MainForm;
using pc::test::RunningApp;

const pc::Catalogue &sample()
{
    static const pc::Catalogue c = pc::test::builtSample();
    return c;
}

// Picks the first item of `c` whose text holds `part`, on `page`.
void pick(RunningApp &r, int page, pc::form::Control &c, const QString &part)
{
    r.f.userPage(page);
    for (int i = 0; i < c.itemCount(); ++i)
        if (c.items()[i].contains(part)) {
            r.f.userSelect(c, i);
            return;
        }
    ADD_FAILURE() << c.name().toStdString() << " offers no item with " << part.toStdString();
}

void pickIndex(RunningApp &r, int page, pc::form::Control &c, int index)
{
    r.f.userPage(page);
    ASSERT_LT(index, c.itemCount()) << c.name().toStdString();
    r.f.userSelect(c, index);
}

void enterDesign(RunningApp &r)
{
    r.f.userPage(MainForm::PageInput);
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("120"));
    r.f.userReplace(r.f.Edit_Load, QStringLiteral("40"));
    r.f.userReplace(r.f.Edit_Deflection, QStringLiteral("2"));
    r.f.userReplace(r.f.Edit_Sfmin, QStringLiteral("1.5"));
}

void rateMenu(RunningApp &r, pc::form::Control &entry)
{
    r.f.userPage(MainForm::PageRates);
    r.f.MenuEC3Rates.setEnabled(true);
    r.f.MenuProjectRates.setEnabled(true);
    r.f.userClick(entry);
}

struct AgreementCase
{
    const char *name;
    std::function<void(RunningApp &)> setUp;
};

const std::vector<AgreementCase> &agreementCases()
{
    static const std::vector<AgreementCase> rows = {
        {"first annex, sea water front, soil back",
         [](RunningApp &r) {
             pickIndex(r, MainForm::PageRates, r.f.CB_EC3NAD, 0);
             pickIndex(r, MainForm::PageRates, r.f.RG_Front, 2);
             pickIndex(r, MainForm::PageRates, r.f.CB_Front_Detail, 2);
             pickIndex(r, MainForm::PageRates, r.f.RG_Back, 1);
             pickIndex(r, MainForm::PageRates, r.f.CB_Back_Detail, 1);
         }},
        {"second annex, soil front, fresh water back, both faces protected",
         [](RunningApp &r) {
             pickIndex(r, MainForm::PageRates, r.f.CB_EC3NAD, 1);
             pickIndex(r, MainForm::PageRates, r.f.RG_Front, 1);
             pickIndex(r, MainForm::PageRates, r.f.CB_Front_Detail, 2);
             pickIndex(r, MainForm::PageRates, r.f.RG_Back, 2);
             pickIndex(r, MainForm::PageRates, r.f.CB_Back_Detail, 1);
             pick(r, MainForm::PageInput, r.f.CB_ServiceLife, QStringLiteral(" 100"));
             pick(r, MainForm::PageInput, r.f.CB_Protection_Front, QStringLiteral(" 15"));
             pick(r, MainForm::PageInput, r.f.CB_Protection_Back, QStringLiteral(" 30"));
         }},
        {"corrosion-resistant grade in the splash zone with its reduction factor",
         [](RunningApp &r) {
             r.f.userPage(MainForm::PageInput);
             if (!r.f.ChB_SteelGradesAll.checked())
                 r.f.userClick(r.f.ChB_SteelGradesAll);
             pick(r, MainForm::PageInput, r.f.CB_SteelGrades, QStringLiteral("A690"));
             pickIndex(r, MainForm::PageRates, r.f.CB_EC3NAD, 0);
             pickIndex(r, MainForm::PageRates, r.f.RG_Front, 2);
             pickIndex(r, MainForm::PageRates, r.f.CB_Front_Detail, 2);
             pick(r, MainForm::PageInput, r.f.CB_ServiceLife, QStringLiteral(" 50"));
             pick(r, MainForm::PageInput, r.f.CB_Protection_Front, QStringLiteral(" 10"));
             ASSERT_TRUE(r.f.RG_A690.enabled());
         }},
        {"project rates in imperial units, front protected",
         [](RunningApp &r) {
             r.f.userClick(r.f.MenuImperial);
             pick(r, MainForm::PageInput, r.f.CB_ServiceLife, QStringLiteral(" 50"));
             pick(r, MainForm::PageInput, r.f.CB_Protection_Front, QStringLiteral(" 20"));
             rateMenu(r, r.f.MenuProjectRates);
             r.f.userReplace(r.f.Edit_Front, QStringLiteral("2.5"));
             r.f.userReplace(r.f.Edit_Back, QStringLiteral("1"));
             r.f.userLeave();
         }},
        {"project rates with a grade of the reduction family and a picked factor",
         [](RunningApp &r) {
             r.f.userPage(MainForm::PageInput);
             if (!r.f.ChB_SteelGradesAll.checked())
                 r.f.userClick(r.f.ChB_SteelGradesAll);
             pick(r, MainForm::PageInput, r.f.CB_SteelGrades, QStringLiteral("NVMarin"));
             rateMenu(r, r.f.MenuProjectRates);
             r.f.userReplace(r.f.Edit_Front, QStringLiteral("0.04"));
             r.f.userReplace(r.f.Edit_Back, QStringLiteral("0.015"));
             r.f.userLeave();
             pickIndex(r, MainForm::PageInput, r.f.RG_A690, 0);
             ASSERT_TRUE(r.f.RG_A690.enabled());
         }},
    };
    return rows;
}

// For every service life the list offers, the series computed from the
// design holds, in the row of that year, the losses, reduced section and
// factors the window shows after that life is picked, and the texts it
// shows. Each pick starts from the design afresh: a pick of a short life
// shortens the protection lists, and the next pick would start from there.
TEST(LifeCurve, RowOfEachListedServiceLifeIsWhatTheWindowShowsAfterPickingIt)
{
    for (const AgreementCase &c : agreementCases()) {
        SCOPED_TRACE(c.name);
        int lives = 0;
        {
            RunningApp r(sample());
            enterDesign(r);
            c.setUp(r);
            lives = r.f.CB_ServiceLife.itemCount();
        }
        ASSERT_GT(lives, 3);
        for (int i = 0; i < lives; ++i) {
            RunningApp r(sample());
            enterDesign(r);
            c.setUp(r);
            ASSERT_GE(r.a.selectedSection(), 0);
            auto &f = r.f;
            const pc::LifeCurve curve = pc::computeLifeCurve(r.a);
            pickIndex(r, MainForm::PageInput, f.CB_ServiceLife, i);
            const int year = r.a.s.CurrentServiceLife;
            SCOPED_TRACE("service life " + std::to_string(year));
            ASSERT_GE(year, 0);
            ASSERT_LT(year, static_cast<int>(curve.rows.size()));
            const pc::LifeCurveRow &row = curve.rows[static_cast<size_t>(year)];
            const pc::RunState &s = r.a.s;
            EXPECT_EQ(row.year, year);
            EXPECT_EQ(row.protectionYears[0], s.ProtectionFront);
            EXPECT_EQ(row.protectionYears[1], s.ProtectionBack);
            EXPECT_EQ(row.losses.front, s.losses.front);
            EXPECT_EQ(row.losses.back, s.losses.back);
            EXPECT_EQ(row.losses.total, s.losses.total);
            if (f.RG_A690.enabled()) {
                EXPECT_EQ(row.losses.frontReduced, s.losses.frontReduced);
            }
            EXPECT_EQ(row.welRed, s.reduced.wel);
            EXPECT_EQ(row.iRed, s.reduced.i);
            EXPECT_EQ(row.aRed, s.reduced.a);
            EXPECT_EQ(row.sfIni, s.factors.sfIni);
            EXPECT_EQ(row.sfRed, s.factors.sfRed);
            EXPECT_EQ(row.passes, f.Lbl_SFRedResult.caption().contains(pc::SfAtLeastText));

            const bool metric = s.UnitsMetric;
            const auto cells = pc::lifeCurveCells(row, metric, r.p.decimalSeparator());
            EXPECT_EQ(cells[1], f.Lbl_Summary_Front2.caption());
            EXPECT_EQ(cells[2], f.Lbl_Summary_Back2.caption());
            if (!metric) {
                EXPECT_EQ(cells[3].toDouble(), s.losses.totalMils);
            }
        }
    }
}

// The design of the hand-worked cases on the small test catalogue: section
// s0 (Wel 1000 / 950 / 900 / 800 cm3/m at 0 / 1 / 2 / 4 mm), fy 240 N/mm2,
// M 100 kNm/m and no load, front rate 0.05 mm/year, back face none.
pc::LifeCurveInput handWorkedDesign()
{
    pc::LifeCurveInput in;
    in.tableRates = false;
    in.projectMode = pc::ProjectMode::Rates;
    in.metric = true;
    in.projectValue = {0.05, 0};
    in.section = 0;
    in.fy = 240;
    in.actions.moment = 100;
    in.sfMinRequired = 2.2L;
    return in;
}

// Sf = fy / (M / Wel x 1000) = 240 x Wel / 100000 = 0.0024 x Wel, so
// Sf,ini = 2.40 and Sf,red >= 2.20 needs a reduced Wel of 915 or more
// (915 x 0.0024 = 2.196, 2.20 after rounding; 910 gives 2.18).
// Between 1 and 2 mm, Wel = 950 - 50 x (L - 1): at year 34 the loss is
// 1.70 mm and Wel 915.0 -> 915 (Sf,red 2.20, passes); at year 35 the loss
// is 1.75 mm and Wel 912.5 -> 912 (ties to even) -> 910 to the nearest 5
// (Sf,red 2.18, fails). The tables end at 4 mm: 4.00 mm at year 80 still
// has Wel 800, 4.05 mm at year 81 is beyond them.
TEST(LifeCurve, HandWorkedCrossingYear)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    const pc::LifeCurve c = pc::computeLifeCurve(cat, handWorkedDesign());
    ASSERT_EQ(c.rows.size(), 151u); // project rates run to year 150
    EXPECT_EQ(c.firstFailingYear, 35);
    EXPECT_EQ(c.firstNoReducedSectionYear, 81);

    struct Expect
    {
        int year;
        double loss;
        double wel;
        long double sfRed;
        bool passes;
        bool beyond;
    };
    const Expect rows[] = {
        {0, 0.00, 1000, 2.40L, true, false},  {34, 1.70, 915, 2.20L, true, false},
        {35, 1.75, 910, 2.18L, false, false}, {80, 4.00, 800, 1.92L, false, false},
        {81, 4.05, 0, 0.0L, false, true},
    };
    for (const Expect &e : rows) {
        SCOPED_TRACE("year " + std::to_string(e.year));
        const pc::LifeCurveRow &row = c.rows[static_cast<size_t>(e.year)];
        EXPECT_EQ(row.year, e.year);
        EXPECT_DOUBLE_EQ(row.losses.total, e.loss);
        EXPECT_EQ(row.welRed, e.wel);
        EXPECT_EQ(row.sfIni, pc::roundToHundredths(2.4L));
        EXPECT_EQ(row.sfRed, pc::roundToHundredths(e.sfRed));
        EXPECT_EQ(row.passes, e.passes);
        EXPECT_EQ(row.beyondTables, e.beyond);
        EXPECT_EQ(row.noReducedSection(), e.beyond);
    }
}

struct YearsCase
{
    const char *name;
    std::function<void(pc::LifeCurveInput &)> change;
    int firstFailingYear;
    int firstNoReducedSectionYear;
};

TEST(LifeCurve, TheTwoYearsOfTheSeries)
{
    const YearsCase cases[] = {
        // 0.005 mm/year: 0.75 mm at year 150, Wel 962.5 -> 962 -> 960, Sf 2.30.
        {"never fails within the series",
         [](pc::LifeCurveInput &in) {
             in.projectValue = {0.005, 0};
         },
         -1, -1},
        // Sf,ini 2.40 is below a required 2.5 from the start.
        {"fails at year 0", [](pc::LifeCurveInput &in) { in.sfMinRequired = 2.5L; }, 0, 81},
        // No load at all: no factor is available, which never passes.
        {"no load", [](pc::LifeCurveInput &in) { in.actions.moment = 0; }, 0, 81},
        // s2 has no reduced section above 2 mm: 2.05 mm at year 41.
        {"no reduced section inside the tables",
         [](pc::LifeCurveInput &in) {
             in.section = 2;
             in.sfMinRequired = 1.0L;
         },
         41, 41},
        // No section selected: nothing passes, no section to reduce.
        {"no section", [](pc::LifeCurveInput &in) { in.section = -1; }, 0, -1},
    };
    const pc::Catalogue cat = pc::test::smallCatalogue();
    for (const YearsCase &c : cases) {
        SCOPED_TRACE(c.name);
        pc::LifeCurveInput in = handWorkedDesign();
        c.change(in);
        const pc::LifeCurve curve = pc::computeLifeCurve(cat, in);
        EXPECT_EQ(curve.firstFailingYear, c.firstFailingYear);
        EXPECT_EQ(curve.firstNoReducedSectionYear, c.firstNoReducedSectionYear);
    }
}

TEST(LifeCurve, TableRatesRunToTheLastTabulatedYearOfTheAnnex)
{
    const pc::Catalogue &cat = sample();
    ASSERT_GE(cat.Annexes.size(), 2u);
    for (int annex = 0; annex < 2; ++annex) {
        pc::LifeCurveInput in;
        in.annex = annex;
        const int last = cat.Annexes[static_cast<size_t>(annex)].AnnexYear.back();
        EXPECT_EQ(pc::lifeCurveLastYear(cat, in), last);
        EXPECT_EQ(pc::computeLifeCurve(cat, in).rows.size(), static_cast<size_t>(last) + 1);
    }
    pc::LifeCurveInput missing;
    missing.annex = 99;
    EXPECT_EQ(pc::lifeCurveLastYear(cat, missing), 0);
}

// A face protected for 25 years loses nothing before then; picking a year
// below 25 rebuilds the protection list without the 25-year item, and the
// last item of the shorter list is kept, as the window keeps it.
TEST(LifeCurve, ProtectionFollowsTheListOfEachYear)
{
    pc::LifeCurveInput in = handWorkedDesign();
    in.protectionDurations = {5, 10, 25};
    in.protectionIndex = {3, 0};
    const pc::Catalogue cat = pc::test::smallCatalogue();
    const struct
    {
        int year;
        int protection;
        double loss;
    } rows[] = {{4, 0, 0.20}, {7, 5, 0.10}, {24, 10, 0.70}, {25, 25, 0.0}, {45, 25, 1.00}};
    for (const auto &e : rows) {
        SCOPED_TRACE("year " + std::to_string(e.year));
        const pc::LifeCurveRow row = pc::lifeCurveRow(cat, in, e.year);
        EXPECT_EQ(row.protectionYears[0], e.protection);
        EXPECT_DOUBLE_EQ(row.losses.front, e.loss);
    }
}

TEST(LifeCurveText, CsvAndJsonHoldTheSeriesInTheUnitSystem)
{
    const pc::Catalogue cat = pc::test::smallCatalogue();
    pc::LifeCurveInput in = handWorkedDesign();
    const pc::LifeCurve c = pc::computeLifeCurve(cat, in);

    const QStringList metric = pc::lifeCurveCsv(c, true).split(QLatin1Char('\n'));
    ASSERT_EQ(metric.size(), 153); // header, 151 years, the empty end
    // Headers holding a comma are quoted.
    EXPECT_EQ(metric[0], QStringLiteral("Year,Loss front (mm),Loss back (mm),Loss total (mm),"
                                        "\"Wel,red (cm³/m)\",\"I,red (cm4/m)\",\"A,red (cm²/m)\","
                                        "\"Sf,ini\",\"Sf,red\",\"Sf,red >= Sfmin\""));
    EXPECT_EQ(metric[35], QStringLiteral("34,1.70,0.00,1.70,915,18300,133.0,2.40,2.20,yes"));
    EXPECT_EQ(metric[82], QStringLiteral("81,4.05,0.00,4.05,N/A,N/A,N/A,2.40,N/A,no"));

    // Imperial: whole mils, properties per foot; the comma never reaches a file.
    const QStringList imperial = pc::lifeCurveCsv(c, false).split(QLatin1Char('\n'));
    EXPECT_TRUE(imperial[0].contains(QStringLiteral("Loss front (mils)")));
    EXPECT_EQ(imperial[35].section(QLatin1Char(','), 0, 4),
              QStringLiteral("34,67,0,67,17.02")); // 1.70 mm / 0.025399956; 915 / 53.763147

    const nlohmann::json j = nlohmann::json::parse(pc::lifeCurveJson(c, true).toStdString());
    EXPECT_EQ(j["firstFailingYear"], 35);
    EXPECT_EQ(j["firstNoReducedSectionYear"], 81);
    EXPECT_EQ(j["sfMinRequired"], 2.2);
    ASSERT_EQ(j["rows"].size(), 151u);
    EXPECT_EQ(j["rows"][34]["welRed"], 915.0);
    EXPECT_EQ(j["rows"][34]["sfRed"], 2.2);
    EXPECT_TRUE(j["rows"][81]["sfRed"].is_null());
    EXPECT_TRUE(j["rows"][81]["beyondTables"].get<bool>());

    pc::LifeCurveInput never = in;
    never.projectValue = {0.005, 0};
    const nlohmann::json none = nlohmann::json::parse(
        pc::lifeCurveJson(pc::computeLifeCurve(cat, never), true).toStdString());
    EXPECT_TRUE(none["firstFailingYear"].is_null());
    EXPECT_TRUE(none["firstNoReducedSectionYear"].is_null());
}

} // namespace
