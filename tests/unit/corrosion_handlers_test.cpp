// The corrosion handlers driven through the form model on the corrosion test
// catalogue: project rates and total losses, the switch back to the tables,
// reduction factors under project rates, the table window, the drop-down
// widths, and catalogues whose corrosion tables are thin or missing.

#include "app_fixture.h"
#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

namespace {

using pc::test::RunningApp;

// One family of two sections; grades S 355 GP, ASTM A690, NVMarin 355;
// annex 0 with the years 0, 5, 25, 50, 75, 100; service lives 5, 25, 50,
// 100; protection 10, 25, 50 years; MaxCorrosionRate 0.3; LossStep up to 6.
pc::Catalogue corrosionCatalogue()
{
    const auto c = pc::readCatalogueFile(
        QStringLiteral(PILECORR_BINARY_DIR "/fixtures/corrosion/SSP Pilecorr.pkd"));
    EXPECT_TRUE(c);
    return c ? *c : pc::Catalogue{};
}

constexpr int ServiceLife50 = 3;
constexpr int Protection10 = 1;

void choose(RunningApp &r, int page, pc::form::Control &c, int index)
{
    r.f.userPage(page);
    r.f.userSelect(c, index);
}

// The rate menu entries are enabled while the corrosion rates page is shown;
// that is the page change handling's work, done here by hand.
void toProjectRates(RunningApp &r)
{
    r.f.userPage(pc::form::MainForm::PageRates);
    r.f.MenuEC3Rates.setEnabled(true);
    r.f.MenuProjectRates.setEnabled(true);
    r.f.userClick(r.f.MenuProjectRates);
}

void toTableRates(RunningApp &r)
{
    r.f.userPage(pc::form::MainForm::PageRates);
    r.f.MenuEC3Rates.setEnabled(true);
    r.f.MenuProjectRates.setEnabled(true);
    r.f.userClick(r.f.MenuEC3Rates);
}

TEST(CorrosionHandlers, ProjectRatesSwitchOverTheControls)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    toProjectRates(r);
    EXPECT_TRUE(f.MenuProjectRates.checked());
    EXPECT_FALSE(f.MenuEC3Rates.checked());
    for (auto *c : {&f.RG_Project_Rates, &f.Edit_Front, &f.Edit_Front_Descr, &f.Edit_Back,
                    &f.Edit_Back_Descr, &f.Lbl_Front1, &f.Lbl_Front3, &f.Lbl_Back1, &f.Lbl_Back3})
        EXPECT_TRUE(c->enabled()) << c->name().toStdString();
    for (auto *c : {&f.GB_EC3, &f.CB_EC3NAD, &f.RG_Back, &f.CB_Back_Detail, &f.RG_Front,
                    &f.CB_Front_Detail, &f.B_EC3Tables, &f.Lbl_EC3Front, &f.Lbl_EC3Back})
        EXPECT_FALSE(c->enabled()) << c->name().toStdString();
    EXPECT_EQ(f.focused(), &f.Edit_Front);
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" Max. corrosion rate of steel = 0.30 mm / year"));
    EXPECT_EQ(f.Lbl_Summary_Front4.caption(), QStringLiteral("describe_environment_front "));
    EXPECT_EQ(f.Lbl_Summary_Back4.caption(), QStringLiteral("describe_environment_back"));
    EXPECT_EQ(r.a.s.losses.front, 0.0);
    EXPECT_EQ(r.a.s.losses.back, 0.0);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Loss: front = 0.00 mm, back = 0.00 mm"));

    f.userReplace(f.Edit_Front_Descr, QStringLiteral("harbour basin"));
    EXPECT_EQ(f.Lbl_Summary_Front4.caption(), QStringLiteral("harbour basin"));

    // Back to the tables: the project controls are disabled, the exposures
    // unchanged give back their descriptions and the table losses return.
    toTableRates(r);
    for (auto *c : {&f.RG_Project_Rates, &f.Edit_Front, &f.Edit_Front_Descr, &f.Edit_Back,
                    &f.Edit_Back_Descr, &f.Lbl_Front1, &f.Lbl_Front3, &f.Lbl_Back1, &f.Lbl_Back3})
        EXPECT_FALSE(c->enabled()) << c->name().toStdString();
    EXPECT_TRUE(f.CB_Front_Detail.enabled());
    EXPECT_EQ(f.Lbl_Summary_Front4.caption(), QStringLiteral(" normal atmosphere"));
    EXPECT_EQ(f.Lbl_Summary_Back4.caption(), QStringLiteral(" normal atmosphere"));
    EXPECT_EQ(r.a.s.losses.front, 0.02); // the year-0 loss of the table
    EXPECT_EQ(f.Edit_Front_Descr.text(), QStringLiteral("harbour basin"));
    EXPECT_EQ(r.beeps(), 0);
}

TEST(CorrosionHandlers, ProjectRateTimesEffectiveYears)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    f.userSelect(f.CB_Protection_Front, Protection10);
    toProjectRates(r);
    f.userReplace(f.Edit_Front, QStringLiteral("0.02"));
    EXPECT_DOUBLE_EQ(r.a.s.losses.front, 0.80); // 40 years x 0.02 mm/year
    EXPECT_EQ(f.Lbl_Summary_Front2.caption(), QStringLiteral("0.80"));
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Loss: front = 0.80 mm, back = 0.00 mm"));
    f.userReplace(f.Edit_Back, QStringLiteral("0.01"));
    EXPECT_DOUBLE_EQ(r.a.s.losses.back, 0.50);
    EXPECT_DOUBLE_EQ(r.a.s.losses.total, 1.30);
    f.userLeave();
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral("0.010"));
    EXPECT_EQ(r.beeps(), 0);
}

TEST(CorrosionHandlers, RateLimitIsInclusive)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    toProjectRates(r);
    // MaxCorrosionRate 0.3 itself is accepted.
    f.userReplace(f.Edit_Front, QStringLiteral("0.3"));
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("0.3"));
    EXPECT_EQ(f.SB1.panel(0), QString());
    EXPECT_EQ(r.beeps(), 0);

    // The next value above it is rejected: the edit is blanked, the face
    // reads " N/A " and the losses in force stay.
    choose(r, 0, f.CB_ServiceLife, 1); // 5 years: 1.5 mm
    ASSERT_DOUBLE_EQ(r.a.s.losses.front, 1.5);
    f.userPage(pc::form::MainForm::PageRates);
    f.userReplace(f.Edit_Front, QStringLiteral("0.301"));
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral(" "));
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" Max. corrosion rate of steel = 0.30 mm / year"));
    EXPECT_EQ(f.Lbl_Summary_Front2.caption(), QStringLiteral(" N/A "));
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Loss: front =  N/A  mm, back = 0.00 mm"));
    EXPECT_DOUBLE_EQ(r.a.s.losses.front, 1.5);
    EXPECT_EQ(r.beeps(), 1);

    // A computation started meanwhile by something else counts the blank
    // edit as 0.
    r.a.ComputeProjectLoss();
    EXPECT_EQ(r.a.s.losses.front, 0.0);
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral(" "));

    // Leaving the blank edit writes zero and beeps.
    f.userLeave();
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("0.000"));
    EXPECT_EQ(r.beeps(), 2);
}

TEST(CorrosionHandlers, TotalLossModeFreezesServiceLifeAndProtection)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    toProjectRates(r);
    f.userSelect(f.RG_Project_Rates, 1);
    for (auto *c : {&f.CB_Protection_Front, &f.CB_Protection_Back, &f.CB_ServiceLife})
        EXPECT_FALSE(c->enabled()) << c->name().toStdString();
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("0.00"));
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral("0.00"));
    EXPECT_EQ(f.Lbl_Front3.caption(), QStringLiteral(" mm"));
    EXPECT_EQ(f.Lbl_Back3.caption(), QStringLiteral(" mm"));

    // Each face may reach the largest tabulated loss; the sum lies beyond the
    // tables, which the reduced properties report.
    f.userReplace(f.Edit_Front, QStringLiteral("6"));
    f.userReplace(f.Edit_Back, QStringLiteral("6"));
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral("6"));
    EXPECT_EQ(r.a.s.losses.total, 12.0);
    EXPECT_EQ(f.SB1.panel(0),
              QStringLiteral(" Max. total loss of steel thickness (front + back) = 6 mm"));
    f.userReplace(f.Edit_Back, QStringLiteral("6.01"));
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral(" "));
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" Max. total loss of steel (front + back) = 6.00 mm"));

    // Rates again: the lists come back and both edits are zero.
    f.userSelect(f.RG_Project_Rates, 0);
    EXPECT_TRUE(f.CB_ServiceLife.enabled());
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("0.000"));
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral("0.000"));
    EXPECT_EQ(f.Lbl_Front3.caption(), QStringLiteral(" mm / year"));
    EXPECT_EQ(r.a.s.losses.total, 0.0);

    // Table rates re-enable the lists a total-loss mode left disabled.
    f.userSelect(f.RG_Project_Rates, 1);
    toTableRates(r);
    EXPECT_TRUE(f.CB_ServiceLife.enabled());
    EXPECT_TRUE(f.CB_Protection_Front.enabled());
    EXPECT_TRUE(f.CB_Protection_Back.enabled());
}

TEST(CorrosionHandlers, ImperialRatesAreCheckedInMillimetres)
{
    pc::Catalogue c = corrosionCatalogue();
    c.MaxCorrosionRate = 0.025;
    RunningApp r(c);
    auto &f = r.f;
    r.a.s.UnitsMetric = false; // the unit switch is not part of these tests
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    f.userSelect(f.CB_Protection_Front, Protection10);
    toProjectRates(r);
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" Max. corrosion rate of steel = 0.98 mils / year"));
    // 1 mil/year is 0.0253999... mm/year, 0.025 to three decimals: accepted.
    f.userReplace(f.Edit_Front, QStringLiteral("1"));
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("1"));
    EXPECT_EQ(r.beeps(), 0);
    // 40 years x 1 mil = 1.01599824 mm.
    EXPECT_EQ(r.a.s.losses.front, 1.02);
    // 1.02 mils/year are 0.026 mm/year: too much.
    f.userReplace(f.Edit_Front, QStringLiteral("1.02"));
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral(" "));
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" Max. corrosion rate of steel = 0.98 mils / year"));
    EXPECT_EQ(r.beeps(), 1);
}

TEST(CorrosionHandlers, ProjectEditsCountOnlyUnderProjectRates)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    const double tableLoss = r.a.s.losses.front;
    // The unit switch rewrites the edits in either mode; under table rates
    // that neither checks them nor replaces the table losses.
    f.Edit_Front.setText(QStringLiteral("0.25"));
    f.Edit_Back.setText(QStringLiteral("99"));
    EXPECT_EQ(r.a.s.losses.front, tableLoss);
    EXPECT_EQ(f.Edit_Back.text(), QStringLiteral("99"));
    EXPECT_EQ(f.Lbl_Summary_Front2.caption(), QStringLiteral("0.50"));
    EXPECT_EQ(r.beeps(), 0);
    f.Edit_Front.setText(QStringLiteral("0"));
    f.Edit_Back.setText(QStringLiteral("0"));

    // Switching back to table rates while a project edit has the focus moves
    // the focus off it without tidying it or computing project losses.
    toProjectRates(r);
    f.userReplace(f.Edit_Front, QStringLiteral(".")); // not a number yet
    ASSERT_EQ(f.focused(), &f.Edit_Front);
    f.userClick(f.MenuEC3Rates); // a menu does not take the focus
    EXPECT_EQ(f.focused(), &f.CB_Front_Detail);
    EXPECT_EQ(f.Edit_Front.text(), QStringLiteral("."));
    EXPECT_EQ(r.a.s.losses.front, tableLoss);
    EXPECT_EQ(r.beeps(), 0);
}

TEST(CorrosionHandlers, ReductionFactorsUnderProjectRates)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    f.userSelect(f.CB_Protection_Front, Protection10);

    // NVMarin: both zones offered, no reduction until the designer picks one.
    f.userSelect(f.CB_SteelGrades, 2);
    toProjectRates(r);
    f.userReplace(f.Edit_Front, QStringLiteral("0.02"));
    EXPECT_EQ(f.RG_A690.caption(), QStringLiteral(" NVMarin: CIP valid in LWZ or PIZ "));
    EXPECT_EQ(f.RG_A690.items(), (QStringList{QStringLiteral(" 5 (LWZ)"),
                                              QStringLiteral(" 3 (PIZ)"), QStringLiteral(" 1 ")}));
    EXPECT_EQ(f.RG_A690.itemIndex(), 2);
    EXPECT_EQ(f.RG_A690.columns(), 3);
    EXPECT_TRUE(f.RG_A690.enabled());
    EXPECT_EQ(r.a.s.losses.frontReduced, 0.8);
    f.userPage(pc::form::MainForm::PageInput);
    f.userSelect(f.RG_A690, 0);
    EXPECT_EQ(r.a.s.losses.frontReduced, 0.16); // 0.80 / 5
    EXPECT_EQ(r.a.s.losses.total, 0.16);
    EXPECT_EQ(f.Lbl_Summary_Front2.caption(), QStringLiteral("0.16"));

    // A690: " 3 " preselected whatever the front face.
    f.userSelect(f.CB_SteelGrades, 1);
    EXPECT_EQ(f.RG_A690.caption(), QStringLiteral(" A690: CIP valid in Splash Zone "));
    EXPECT_EQ(f.RG_A690.itemIndex(), 0);
    EXPECT_EQ(r.a.s.losses.frontReduced, 0.27); // 0.80 / 3
    EXPECT_EQ(r.a.s.losses.front, 0.8);
    EXPECT_EQ(r.a.s.losses.total, 0.27);

    // A plain grade: no factor, the plain front loss.
    f.userSelect(f.CB_SteelGrades, 0);
    EXPECT_EQ(f.RG_A690.caption(), QStringLiteral(" NVMarin / A690 reduction factors "));
    EXPECT_FALSE(f.RG_A690.enabled());
    EXPECT_EQ(r.a.s.losses.total, 0.8);
}

TEST(CorrosionHandlers, TableWindowPaintsAndHidesOnDeactivation)
{
    RunningApp r(corrosionCatalogue());
    auto &t = r.a.tableWindow;
    // Start-up builds the window for annex 0 and it closes at once.
    EXPECT_FALSE(t.shown());
    EXPECT_EQ(t.SG_EC3Table.rowCount(), 18);

    r.f.userPage(pc::form::MainForm::PageRates);
    r.f.userClick(r.f.B_EC3Tables);
    EXPECT_TRUE(t.shown());
    const auto header = r.a.corrosionTable.SG_EC3TableDrawCell(3, 5);
    ASSERT_TRUE(header);
    EXPECT_TRUE(header->header);
    EXPECT_EQ(r.a.corrosionTable.SG_EC3TableDrawCell(0, 13)->text,
              QStringLiteral("  ****  Water  ****"));
    const auto value = r.a.corrosionTable.SG_EC3TableDrawCell(3, 2);
    ASSERT_TRUE(value);
    EXPECT_TRUE(value->rightAligned);
    EXPECT_FALSE(value->header);
    EXPECT_EQ(value->text, QStringLiteral("  0.25"));
    EXPECT_FALSE(
        r.a.corrosionTable.SG_EC3TableDrawCell(0, 2)); // detail texts: the grid's own drawing
    EXPECT_FALSE(r.a.corrosionTable.SG_EC3TableDrawCell(2, 0)); // the years too
    // The Qt window reaches the owner drawing through the grid.
    ASSERT_TRUE(t.SG_EC3Table.onDrawCell);
    EXPECT_TRUE(t.SG_EC3Table.onDrawCell(1, 1)->header);

    r.a.corrosionTable.TableWindowDeactivate();
    EXPECT_FALSE(t.shown());

    // Imperial units: a fresh table in mils.
    r.a.s.UnitsMetric = false;
    r.f.userClick(r.f.B_EC3Tables);
    EXPECT_TRUE(t.shown());
    EXPECT_EQ(t.SG_EC3Table.cell(3, 2), QStringLiteral("  10")); // 0.25 mm
    EXPECT_EQ(t.SG_EC3Table.cell(3, 0), QStringLiteral("  25"));
    EXPECT_EQ(t.TForm2.caption(),
              QStringLiteral(" EN 1993-5 . Loss of steel thickness [mils] (converted from [mm])"));
}

TEST(CorrosionHandlers, DropDownWidthFitsTheLongestItem)
{
    RunningApp r(corrosionCatalogue());
    auto &f = r.f;
    // Start-up fits the annex list: "EN 1993-5" is 63 pixels, plus the frame.
    EXPECT_EQ(f.CB_EC3NAD.droppedWidth(), 67);

    f.userPage(pc::form::MainForm::PageRates);
    f.userSelect(f.RG_Back, 1);
    // Seven soil details, the longest of 76 characters; more items than rows
    // add a scroll bar.
    f.CB_Back_Detail.setDropDownCount(5);
    f.userDropDown(f.CB_Back_Detail);
    EXPECT_EQ(f.CB_Back_Detail.droppedWidth(), 76 * 7 + 4 + 17);
    // A box wider than its items opens as wide as itself.
    f.CB_Front_Detail.setWidth(400);
    f.userDropDown(f.CB_Front_Detail);
    EXPECT_EQ(f.CB_Front_Detail.droppedWidth(), 400);

    // Sizes grow with the screen's pixels per inch.
    r.p.setPixelsPerInch(120);
    r.a.FitDropDownWidth(f.CB_EC3NAD);
    EXPECT_EQ(f.CB_EC3NAD.droppedWidth(), 79 + 5); // 9 x 8.75 = 78.75, frame 5
    // Only combo boxes are fitted.
    r.a.FitDropDownWidth(f.LB_SSP);
    EXPECT_EQ(f.LB_SSP.droppedWidth(), 0);
}

TEST(CorrosionHandlers, CatalogueWithoutCorrosionTables)
{
    RunningApp r; // its catalogue has no annex at all
    auto &f = r.f;
    EXPECT_EQ(f.CB_Front_Detail.itemCount(), 0);
    EXPECT_EQ(r.a.s.losses.total, 0.0);
    choose(r, 0, f.CB_ServiceLife, 2);
    EXPECT_EQ(r.a.s.losses.total, 0.0);
    choose(r, pc::form::MainForm::PageRates, f.RG_Front, 2);
    EXPECT_EQ(f.CB_Front_Detail.itemIndex(), -1);
    f.userClick(f.B_EC3Tables);
    EXPECT_TRUE(r.a.tableWindow.shown());
    EXPECT_EQ(r.a.tableWindow.SG_EC3Table.rowCount(), 4);
    EXPECT_EQ(r.beeps(), 0);
}

TEST(CorrosionHandlers, ServiceLifeBeyondTheFirstAnnexReadsItsLastYear)
{
    // The catalogue's own service lives are trimmed only when the annex
    // changes; until then 150 years meet a table that ends at 100.
    pc::Catalogue c = corrosionCatalogue();
    c.ServiceLife.push_back(150);
    RunningApp r(c);
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, 5);
    EXPECT_EQ(r.a.s.CurrentServiceLife, 150);
    EXPECT_EQ(r.a.s.losses.front, 1.0); // the 100-year loss
    EXPECT_EQ(r.a.s.losses.back, 1.0);
    EXPECT_EQ(r.beeps(), 0);
}

TEST(CorrosionHandlers, ThinTablesAreReadWithinTheirBounds)
{
    // A catalogue held in memory may break what the file reader refuses: an
    // exposure table without details, an annex of one year.
    pc::Catalogue c = corrosionCatalogue();
    c.Annexes[0].WaterColName.clear();
    for (auto &row : c.Annexes[0].WaterLoss)
        row.clear();
    c.Annexes[2].AnnexYear = {40};
    c.Annexes[2].AtmosLoss = {{0.4}};
    c.Annexes[2].SoilLoss = {{0.3}};
    c.Annexes[2].WaterLoss = {{0.8}};
    RunningApp r(c);
    auto &f = r.f;
    choose(r, 0, f.CB_ServiceLife, ServiceLife50);
    choose(r, pc::form::MainForm::PageRates, f.RG_Front, 2);
    EXPECT_EQ(f.CB_Front_Detail.itemCount(), 0);
    EXPECT_EQ(f.CB_Front_Detail.text(), QString());
    EXPECT_EQ(r.a.s.losses.front, 0.0);
    EXPECT_EQ(f.GB_Front_Detail.caption(), QStringLiteral(" Table 4.2 "));

    f.userSelect(f.CB_EC3NAD, 2);
    EXPECT_EQ(f.CB_ServiceLife.items(),
              (QStringList{QStringLiteral(" 0"), QStringLiteral(" 5"), QStringLiteral(" 25")}));
    EXPECT_EQ(f.Lbl_NAD.caption(), QStringLiteral(" Note: service life reset to 0 years!"));
    EXPECT_EQ(r.a.s.losses.front, 0.8);
    EXPECT_EQ(r.a.s.losses.back, 0.4);
    f.userClick(f.B_EC3Tables);
    EXPECT_EQ(r.a.tableWindow.SG_EC3Table.colCount(), 2);
}

} // namespace
