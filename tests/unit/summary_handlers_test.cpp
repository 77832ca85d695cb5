// The summary page on the form model: how its cells are painted, rows
// without factors, the choice between Sf,ini and Sf,red, and what the page
// changes enable.

#include "app_fixture.h"
#include "case_row.h"
#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

namespace {

using pc::test::RunningApp;
using F = pc::form::MainForm;

// s0: Wel 1000 (lacks grade 2), s1: Wel 1800 (lacks grade 1, grade 2 with a
// note), s2: Wel 2600 (lacks grade 0, grade 2 on request). Grades 240, 355, 430.
struct SummaryApp : RunningApp
{
    explicit SummaryApp(const char *moment = "300")
    {
        f.userReplace(f.Edit_Moment, QString::fromLatin1(moment));
        f.userLeave();
    }
    // A front loss, as the corrosion model would leave it.
    void frontLoss(double mm)
    {
        a.s.losses.front = mm;
        a.ApplyReductionFactor();
    }
};

TEST(SummaryHandlers, CellsOfGradesThatAreNotPlainlyAvailableAreMarked)
{
    SummaryApp r;
    r.f.userPage(F::PageSFTable);
    ASSERT_EQ(r.f.PageControl1.activePageIndex(), F::PageSFTable);
    const auto &draw = r.f.SFList.onDrawCell;
    ASSERT_TRUE(draw);
    struct Case
    {
        int col, row;
        const char *text; // nullptr: the grid's own drawing
    };
    // Columns are the catalogue's grades on " ALL"; rows s0, s1, s2.
    const Case cases[] = {
        {1, 1, nullptr}, {3, 1, "  (*)"},    {2, 2, "  (*)"}, {3, 2, "  2.58***"},
        {1, 3, "  (*)"}, {3, 3, "  3.73**"}, {0, 1, nullptr}, {1, 0, nullptr},
        {4, 1, nullptr}, {1, 4, nullptr}, // outside the grid
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const auto d = draw(c.col, c.row);
        if (!c.text) {
            EXPECT_FALSE(d) << c.col << "," << c.row;
            continue;
        }
        ASSERT_TRUE(d) << c.col << "," << c.row;
        EXPECT_EQ(d->text, QString::fromLatin1(c.text)) << c.col << "," << c.row;
        EXPECT_TRUE(d->activeBorder);
        EXPECT_FALSE(d->header);
    }
    // The value of a marked cell is still computed: only its drawing changes.
    EXPECT_EQ(r.f.SFList.cell(3, 1), QStringLiteral("  1.43"));
}

TEST(SummaryHandlers, MarksFollowTheColumnsOfTheGradeList)
{
    SummaryApp r;
    // Family AB (s0, s1) with only the grades of s0: 240 and 355.
    r.f.userSelect(r.f.RG_SSP, 1);
    r.f.userClick(r.f.ChB_SteelGradesAll);
    ASSERT_EQ(r.f.CB_SteelGrades.itemCount(), 2);
    r.f.userPage(F::PageSFTable);
    EXPECT_EQ(r.f.SFList.colCount(), 3);
    const auto &draw = r.f.SFList.onDrawCell;
    EXPECT_FALSE(draw(2, 1));                             // s0 in 355
    EXPECT_EQ(draw(2, 2)->text, QStringLiteral("  (*)")); // s1 lacks 355
    EXPECT_EQ(r.f.Lbl_SfTableGrades.caption(),
              QStringLiteral("(*)  steel grade not available for this section\r\n"));
}

TEST(SummaryHandlers, AColumnIsOfOneGradeWhenTheGradeListChangesDuringTheFill)
{
    // In Sfmin mode with NVMarin, the splash zone and the factor 1 only QX 10
    // (every grade) is listed; the summary is computed with the factor 5,
    // for which only QX 20 (no S 240 GP) passes, so the grade list loses its
    // first grade while the grid is filled, and gets it back when the
    // factor 1 is restored.
    const auto catalogue = pc::readCatalogueFile(
        QStringLiteral(PILECORR_BINARY_DIR "/fixtures/summary_grades/SSP Pilecorr.pkd"));
    ASSERT_TRUE(catalogue);
    RunningApp r(*catalogue);
    auto &f = r.f;
    f.userSelect(f.RG_SSP, 1);
    f.userSelect(f.CB_SteelGrades, 2);
    f.userSelect(f.CB_ServiceLife, 1);
    f.userPage(F::PageRates);
    f.userSelect(f.RG_Front, 2);
    f.userSelect(f.CB_Front_Detail, 2);
    f.userPage(F::PageInput);
    f.userSelect(f.RG_A690, 1);
    f.userReplace(f.Edit_Moment, QStringLiteral("240"));
    f.userClick(f.ChB_SteelGradesAll);
    f.userClick(f.MenuSelectSfmin);
    f.userReplace(f.Edit_SfMax, QStringLiteral("2"));
    f.userLeave();
    ASSERT_EQ(f.LB_SSP.items(), QStringList{QStringLiteral(" QX 10\t1500      ")});
    ASSERT_EQ(f.CB_SteelGrades.itemCount(), 4);

    f.userPage(F::PageSFTable);
    ASSERT_EQ(f.PageControl1.activePageIndex(), F::PageSFTable);
    // The factor 1 is back, and with it the grade list of QX 10.
    EXPECT_EQ(f.RG_A690.itemIndex(), 1);
    EXPECT_EQ(f.CB_SteelGrades.itemCount(), 4);

    // The columns are those of the list the rows were computed with; each
    // column's header, values and marks are of the grade the header names.
    struct Column
    {
        const char *header;
        const char *qx10; // the cell as drawn: a mark, or the grid's own text
        const char *qx20;
    };
    const Column expected[] = {
        {" S 355 GP ", "  ---- **", "  1.92"},
        {" S 390 GP ", "  ---- ", "  ---- "},
        {" S 430 GP ", "  ---- ***", "  ---- "},
    };
    ASSERT_EQ(f.SFList.colCount(), 4);
    const auto drawn = [&f](int col, int row) {
        const auto d = f.SFList.onDrawCell(col, row);
        return d ? d->text : f.SFList.cell(col, row);
    };
    for (int c = 1; c <= 3; ++c) {
        const Column &e = expected[c - 1];
        SCOPED_TRACE(e.header);
        EXPECT_EQ(f.SFList.cell(c, 0), QString::fromLatin1(e.header));
        EXPECT_EQ(drawn(c, 1), QString::fromLatin1(e.qx10));
        EXPECT_EQ(drawn(c, 2), QString::fromLatin1(e.qx20));
    }
    // The legend names the marks of those columns only: no section lacks
    // any of them.
    EXPECT_EQ(f.Lbl_SfTableGrades.caption().count(QStringLiteral("\r\n")), 2);
    EXPECT_FALSE(f.Lbl_SfTableGrades.caption().startsWith(QStringLiteral("(*) ")));
}

TEST(SummaryHandlers, RowsWithoutALoadReadNotAvailable)
{
    SummaryApp r("0");
    r.a.s.factors.sfIni = 3; // what the fill must clear
    r.a.s.factors.sfRed = 3;
    r.a.summary.FillSummaryGrid();
    for (int row = 1; row < r.f.SFList.rowCount(); ++row)
        for (int col = 1; col < r.f.SFList.colCount(); ++col)
            EXPECT_EQ(r.f.SFList.cell(col, row), QStringLiteral("  N/A")) << col << "," << row;
    EXPECT_EQ(r.a.s.factors.sfIni, 0);
    EXPECT_EQ(r.a.s.factors.sfRed, 0);
}

TEST(SummaryHandlers, SfRedIsOfferedOnlyForALossWithinTheTables)
{
    SummaryApp r;
    r.frontLoss(1.5);
    r.f.userPage(F::PageSFTable);
    EXPECT_EQ(r.f.focused(), &r.f.SFList);
    EXPECT_EQ(r.f.SB1.panel(0), QStringLiteral(" Loss: front = 1.50 mm, back = 0.00 mm"));
    EXPECT_TRUE(r.f.RB_SummarySfRed.enabled());
    r.f.userPage(F::PageInput);
    r.frontLoss(3); // s1 has no reduced section at 3 mm
    r.f.userPage(F::PageSFTable);
    ASSERT_TRUE(r.f.RB_SummarySfRed.enabled());
    r.f.userClick(r.f.RB_SummarySfRed);
    EXPECT_TRUE(r.f.RB_SummarySfRed.checked());
    EXPECT_TRUE(r.f.RB_SummarySfRed.fontBold());
    EXPECT_FALSE(r.f.RB_SummarySfIni.checked());
    EXPECT_FALSE(r.f.RB_SummarySfIni.fontBold());
    EXPECT_EQ(r.f.Lbl_SfSummary.caption(), QStringLiteral(" Sf,red >=  1.00 "));
    // s0 at 3 mm: Wel 850 gives 240 x 850 / 300000 = 0.68; s1 has none;
    // s2: Wel 2240 gives 355 x 2240 / 300000 = 2.65.
    EXPECT_EQ(r.f.SFList.cell(1, 1), QStringLiteral("  ---- "));
    EXPECT_EQ(r.f.SFList.cell(1, 2), QStringLiteral("  ---- "));
    EXPECT_EQ(r.f.SFList.cell(2, 3), QStringLiteral("  2.65"));
    // The input page keeps the selected section's factors.
    EXPECT_EQ(r.a.s.CurrentSectionName, QStringLiteral("AA 10"));

    // Beyond the tables Sf,red is given up and Sf,ini chosen, which refills.
    r.f.userPage(F::PageInput);
    r.frontLoss(4.5);
    r.f.userPage(F::PageSFTable);
    EXPECT_FALSE(r.f.RB_SummarySfRed.enabled());
    EXPECT_FALSE(r.f.RB_SummarySfRed.checked());
    EXPECT_TRUE(r.f.RB_SummarySfIni.checked());
    EXPECT_TRUE(r.f.RB_SummarySfIni.fontBold());
    EXPECT_EQ(r.f.SFList.cell(3, 3), QStringLiteral("  3.73"));
    EXPECT_EQ(r.f.Lbl_SfSummary.caption(), QStringLiteral(" Sf,ini >=  1.00 "));
    // The fill reports the loss beyond the tables after the page's loss text.
    EXPECT_EQ(r.f.SB1.panel(0),
              QStringLiteral(" Max. total loss of steel thickness (front + back) = 4 mm"));
}

TEST(SummaryHandlers, PageChangesEnableTheMenusOfThePage)
{
    SummaryApp r;
    // The print entries come alive once their function exists; from then on
    // the page rules decide.
    r.f.MenuPrint.onClick = [] {};
    r.f.MenuPrintToFile.onClick = [] {};
    struct Expect
    {
        int page;
        bool print, search, rates, units;
    };
    const Expect pages[] = {
        {F::PageRates, false, false, true, true},
        {F::PageSFTable, false, false, false, false},
        {F::PageChart, false, false, false, true},
        {F::PageInput, true, true, false, true},
    };
    for (const Expect &e : pages) {
        SCOPED_TRACE(pc::test::caseRow(pages, e));
        r.f.userPage(e.page);
        ASSERT_EQ(r.f.PageControl1.activePageIndex(), e.page);
        EXPECT_EQ(r.f.MenuPrint.enabled(), e.print) << e.page;
        EXPECT_EQ(r.f.MenuPrintToFile.enabled(), e.print) << e.page;
        EXPECT_EQ(r.f.MenuSelectSection.enabled(), e.search) << e.page;
        EXPECT_EQ(r.f.MenuSelectSfmin.enabled(), e.search) << e.page;
        EXPECT_EQ(r.f.MenuEC3Rates.enabled(), e.rates) << e.page;
        EXPECT_EQ(r.f.MenuProjectRates.enabled(), e.rates) << e.page;
        EXPECT_EQ(r.f.MenuMetric.enabled(), e.units) << e.page;
        EXPECT_EQ(r.f.MenuImperial.enabled(), e.units) << e.page;
    }
    // Back on the input page the descriptions are centred below their
    // captions: a two-line description (15 pixels a line) at
    // round((22 + 15 + 137 - 13) / 2 - 30 / 2) = 66.
    r.f.Lbl_Summary_Front4.setCaption(QStringLiteral("a description that takes two lines"));
    r.f.userPage(F::PageRates);
    r.f.userPage(F::PageInput);
    EXPECT_EQ(r.f.Lbl_Summary_Front4.height(), 30);
    EXPECT_EQ(r.f.Lbl_Summary_Front4.top(), 66);
}

} // namespace
