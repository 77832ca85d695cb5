// The main window's controls: registry, structure and design-time state.

#include "form/main_form.h"
#include "form/table_window_form.h"

#include <gtest/gtest.h>

#include <set>

using namespace pc::form;

TEST(FormMainWindow, EveryControlIsFoundByItsNameAndNamesAreUnique)
{
    MainForm f;
    std::set<QString> names;
    for (Control *c : f.controls()) {
        EXPECT_TRUE(names.insert(c->name()).second) << c->name().toStdString();
        EXPECT_EQ(f.find(c->name()), c);
    }
    EXPECT_EQ(f.find(QStringLiteral("NoSuchControl")), nullptr);
    const auto sorted = f.controlsSortedByName();
    ASSERT_EQ(sorted.size(), f.controls().size());
    for (size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LT(sorted[i - 1]->name(), sorted[i]->name());
}

TEST(FormMainWindow, ControlsLieOnTheirPages)
{
    MainForm f;
    struct Case
    {
        Control *control;
        Control *page;
    };
    const Case cases[] = {
        {&f.Edit_Moment, &f.TabSheetInput},
        {&f.CB_Protection_Back, &f.TabSheetInput},
        {&f.Edit_SSPLength, &f.TabSheetInput},
        {&f.RB_SummarySfRed, &f.TabSheetSFTable},
        {&f.SFList, &f.TabSheetSFTable},
        {&f.CB_Front_Detail, &f.TabSheetRates},
        {&f.Edit_Back_Descr, &f.TabSheetRates},
        {&f.TC_Chart, &f.TabSheetChart},
        {&f.PopUpPrint, &f.TabSheetChart},
        {&f.MenuImperial, nullptr},
        {&f.SB1, nullptr},
        {&f.Edit1, nullptr},
    };
    for (const Case &c : cases)
        EXPECT_EQ(f.pageOf(*c.control), c.page) << c.control->name().toStdString();
    const auto pages = f.pages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[MainForm::PageRates], &f.TabSheetRates);
}

TEST(FormMainWindow, DesignTimeState)
{
    MainForm f;
    struct Case
    {
        Control *control;
        QString text; // caption, or text of edits and combo boxes
        bool enabled;
        bool visible;
    };
    const Case cases[] = {
        {&f.TForm1, QStringLiteral(" Pilecorr "), true, false},
        {&f.Edit1, QStringLiteral(" Beta version 2.5.0. Double-check the results  "), true, true},
        {&f.TabSheetSFTable, QStringLiteral("Sf &summary"), true, true},
        {&f.GB_SSP, QString::fromUtf8(" SSP section            Wx,ini (cm³/m)  "), true, true},
        {&f.GB_SteelGrades, QStringLiteral(" Steel Grades             fy (MPa) "), true, true},
        {&f.Edit_Sfmin, QStringLiteral("1.50"), true, false},
        {&f.Edit_SfMax, QStringLiteral("20.00"), true, false},
        {&f.Lbl_Sf_Text, QStringLiteral("=< Sf,red =<"), true, false},
        {&f.GB_SketchSsp, QStringLiteral("  Input Data  "), true, false},
        {&f.Lbl_Red_Wx3, QString::fromUtf8("cm³/m"), true, false},
        {&f.RG_A690, QStringLiteral(" NVMarin / A690 reduction factors "), false, true},
        {&f.CB_ServiceLife, QStringLiteral(" 0"), true, true},
        {&f.Edit_Front, QStringLiteral("0"), false, true},
        {&f.Edit_Front_Descr, QStringLiteral("describe_environment_front "), false, true},
        {&f.RG_Project_Rates, QString(), false, true},
        {&f.MenuEC3Rates, QStringLiteral("&EuroCode 3 rates"), false, true},
        {&f.MenuProjectRates, QStringLiteral("&Project specific rates"), false, true},
        {&f.MenuSelectSection, QStringLiteral("&Select section "), true, true},
        {&f.CopytoClipboard1, QStringLiteral("Copy chart to Clipboard "), true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control->name().toStdString());
        EXPECT_EQ(c.control->text(), c.text);
        EXPECT_EQ(c.control->enabled(), c.enabled);
        EXPECT_EQ(c.control->visible(), c.visible);
    }
    EXPECT_EQ(f.Lbl_SSP.fontColor(), clRed);
    EXPECT_EQ(f.Edit1.fontColor(), clMaroon);
    EXPECT_FALSE(f.Edit1.focusable());
    EXPECT_TRUE(f.ChB_SteelGradesAll.checked());
    EXPECT_TRUE(f.RB_SummarySfIni.checked());
    EXPECT_TRUE(f.MenuSelectSection.checked());
    EXPECT_TRUE(f.MenuEC3Rates.checked());
    EXPECT_FALSE(f.MenuMetric.checked());
    EXPECT_EQ(f.Edit_Back.maxLength(), 15);
    EXPECT_EQ(f.Edit_Back_Descr.maxLength(), 70);
    EXPECT_FALSE(f.Edit_SSPLength.showHint());
    EXPECT_FALSE(f.Lbl_SteelGrades.showHint());
    EXPECT_TRUE(f.Edit_SfMax.showHint());
    EXPECT_EQ(f.RG_Front.items(), (QStringList{QStringLiteral(" atmospheric"),
                                               QStringLiteral(" soil"), QStringLiteral(" water")}));
    EXPECT_EQ(f.TC_Chart.items().size(), 4);
    EXPECT_EQ(f.SB1.panelWidths(), (std::vector<int>{300, 50}));
    EXPECT_EQ(f.StGr_RedProp.colCount(), 4);
    EXPECT_EQ(f.StGr_RedProp.rowCount(), 6);
    EXPECT_EQ(f.SFList.colCount(), 8);
    EXPECT_EQ(f.SFList.rowCount(), 9);
}

TEST(FormMainWindow, MenuRadioGroupsActAsPairs)
{
    MainForm f;
    f.MenuMetric.setChecked(true);
    f.MenuImperial.setChecked(true);
    EXPECT_FALSE(f.MenuMetric.checked());
    f.MenuSelectSfmin.setChecked(true);
    EXPECT_FALSE(f.MenuSelectSection.checked());
    EXPECT_TRUE(f.MenuEC3Rates.checked()); // same menu, other group
    f.MenuProjectRates.setChecked(true);
    EXPECT_FALSE(f.MenuEC3Rates.checked());
    EXPECT_TRUE(f.MenuSelectSfmin.checked());
}

TEST(FormMainWindow, TheBannerCannotBeFocusedOrEdited)
{
    MainForm f;
    f.show();
    EXPECT_EQ(f.userType(f.Edit1, QStringLiteral("x")), ActionResult::Ignored);
    EXPECT_EQ(f.userEnter(f.Edit1), ActionResult::Ignored);
    EXPECT_EQ(f.focused(), nullptr);
    EXPECT_EQ(f.Edit1.text(), QStringLiteral(" Beta version 2.5.0. Double-check the results  "));
}

TEST(FormMainWindow, TableWindowNamesCarryTheirPrefix)
{
    TableWindowForm t;
    EXPECT_EQ(t.qualifiedName(t.SG_EC3Table), QStringLiteral("TableWindow.SG_EC3Table"));
    EXPECT_EQ(t.find(QStringLiteral("SG_EC3Table")), &t.SG_EC3Table);
    EXPECT_FALSE(t.TForm2.visible());
}
