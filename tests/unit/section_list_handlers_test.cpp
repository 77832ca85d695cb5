// The section and grade lists driven through the form model.

#include "app_fixture.h"
#include "case_row.h"

#include <gtest/gtest.h>

namespace {

using pc::test::RunningApp;

const QStringList NoMatch = {
    QStringLiteral(" No match found."),         QStringLiteral(" Check bending moment,"),
    QStringLiteral(" compression load,"),       QStringLiteral(" deflection,"),
    QStringLiteral(" available steel grades,"), QStringLiteral(" Sfmin/Sfmax required."),
};

TEST(SectionListHandlers, StartUpListsTheFirstGradesSections)
{
    RunningApp r;
    auto &f = r.f;
    EXPECT_EQ(f.LB_SSP.items(), (QStringList{QStringLiteral(" AA 10\t1000      "),
                                             QStringLiteral(" AA 18*\t1800      ")}));
    EXPECT_EQ(f.LB_SSP.itemIndex(), 0);
    EXPECT_TRUE(f.LB_SSP.enabled());
    EXPECT_EQ(f.Lbl_SteelGrades.caption(),
              QStringLiteral("Some sections not available in this steel grade"));
    EXPECT_EQ(f.GB_SSP.caption(), QStringLiteral("  SSP:     2           Wel,ini (cm³/m)  "));
    EXPECT_EQ(f.CB_SteelGrades.items(),
              (QStringList{QStringLiteral(" S 240 GP             240        "),
                           QStringLiteral(" S 355 GP             355        "),
                           QStringLiteral(" S 430 GP             430        ")}));
    EXPECT_EQ(f.CB_SteelGrades.itemIndex(), 0);
    EXPECT_EQ(f.GB_SteelGrades.caption(), QStringLiteral(" Steel Gr.:  2  |      fy (MPa) "));
    EXPECT_EQ(f.SB1.panel(1), QString()); // every grade shown, none with a note
    // The section's maximum length was shown; the exposure details filled
    // after the lists empty panel 0 again.
    EXPECT_EQ(f.SB1.panel(0), QString());
    EXPECT_EQ(r.a.s.CurrentFy, 240.0);
    EXPECT_EQ(r.a.s.CurrentSectionName, QStringLiteral("AA 10"));
    EXPECT_EQ(r.a.s.initial.wel, 1000.0);
    EXPECT_EQ(f.Lbl_BMC_Value.caption(), QStringLiteral("     240"));
    EXPECT_EQ(r.a.s.CurrentGradeText, QStringLiteral(" S 240 GP         "));
    EXPECT_EQ(r.beeps(), 0);
    // A click on the section shows its maximum length.
    f.userSelect(f.LB_SSP, 0);
    EXPECT_EQ(f.SB1.panel(0), QStringLiteral(" L max =  20.0 m"));
}

TEST(SectionListHandlers, GradeChangeKeepsTheSelectedSection)
{
    RunningApp r;
    auto &f = r.f;
    f.userSelect(f.CB_SteelGrades, 1); // 355: s0 and s2
    EXPECT_EQ(f.LB_SSP.items(), (QStringList{QStringLiteral(" AA 10\t1000      "),
                                             QStringLiteral(" AC 26**\t2600      ")}));
    EXPECT_EQ(f.LB_SSP.itemIndex(), 0);
    EXPECT_EQ(r.a.s.CurrentFy, 355.0);
    EXPECT_EQ(f.Lbl_BMC_Value.caption(), QStringLiteral("     355"));

    f.userSelect(f.LB_SSP, 1);
    f.userSelect(f.CB_SteelGrades, 2); // 430: s1 and s2; s2 stays selected
    EXPECT_EQ(f.LB_SSP.items(), (QStringList{QStringLiteral(" AA 18*\t1800      "),
                                             QStringLiteral(" AC 26**\t2600      ")}));
    EXPECT_EQ(f.LB_SSP.itemIndex(), 1);
    EXPECT_EQ(f.SB1.panel(1),
              QStringLiteral("NOTE: steel grade available on request. Restrictions apply "));
}

TEST(SectionListHandlers, MarkersOfOnRequestAndSupersededSections)
{
    struct Case
    {
        int grade;
        int family;
        const char *caption;
        QString color;
        const char *label;
    };
    const Case cases[] = {
        {1, 2, "** On request only. Contact us.", pc::form::clBlue, "AC 26 - on request"},
        {2, 1, "* Superseded section!", pc::form::clRed, "AA 18 - old"},
        {0, 1, "", pc::form::clRed, "AA 10"}, // the design colour stays
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        RunningApp r;
        r.f.userSelect(r.f.CB_SteelGrades, c.grade);
        r.f.userSelect(r.f.RG_SSP, c.family);
        r.f.userSelect(r.f.LB_SSP, 0);
        EXPECT_EQ(r.f.Lbl_SSP.caption(), QString::fromUtf8(c.caption)) << c.label;
        EXPECT_EQ(r.f.Lbl_SSP.fontColor(), c.color) << c.label;
        EXPECT_EQ(r.a.s.CurrentSectionLabel, QString::fromUtf8(c.label));
    }
}

TEST(SectionListHandlers, AnEmptyFamilyRangeShowsTheNoMatchLines)
{
    RunningApp r;
    auto &f = r.f;
    f.userSelect(f.RG_SSP, 3);
    EXPECT_EQ(f.LB_SSP.items(), NoMatch);
    EXPECT_EQ(f.LB_SSP.itemIndex(), -1);
    EXPECT_FALSE(f.LB_SSP.enabled());
    EXPECT_FALSE(f.MenuPrint.enabled());
    EXPECT_FALSE(f.MenuCopy.enabled());
    EXPECT_FALSE(f.Edit_SSPLength.enabled());
    EXPECT_FALSE(f.TabSheetChart.tabVisible());
    EXPECT_EQ(f.GB_SSP.caption(), QStringLiteral("  SSP:     0           Wel,ini (cm³/m)  "));
    EXPECT_EQ(f.GB_Red_Properties.caption(), QStringLiteral(" Section prop.: "));
    EXPECT_EQ(f.Lbl_Sf_Result.caption(), QStringLiteral("N/A"));
    EXPECT_EQ(f.Lbl_SSP_Result.caption(), QStringLiteral(" N/A "));
    EXPECT_EQ(r.a.s.initial.wel, 0.0);
    EXPECT_EQ(r.a.s.CurrentSectionName, QString());
    EXPECT_EQ(f.StGr_RedProp.cell(1, 1), QStringLiteral(" N/A "));
    // One for the empty list and one for the loss finishing step of the grade
    // refresh: each computes the reduced properties without a section.
    EXPECT_EQ(r.beeps(), 2);

    f.userSelect(f.RG_SSP, 1); // back to a family with sections
    EXPECT_TRUE(f.LB_SSP.enabled());
    EXPECT_TRUE(f.TabSheetChart.tabVisible());
    EXPECT_EQ(f.LB_SSP.itemIndex(), 0);
}

TEST(SectionListHandlers, GradeListTurnsRedWhenThePreviousGradeIsGone)
{
    RunningApp r;
    auto &f = r.f;
    f.Edit_Sfmin.setText(QStringLiteral("1.5"));
    f.userSelect(f.CB_SteelGrades, 2); // 430: s1 and s2, s1 selected
    f.userClick(f.ChB_SteelGradesAll); // only s1's grades: 240 and 430
    EXPECT_EQ(f.CB_SteelGrades.itemCount(), 2);
    EXPECT_EQ(f.CB_SteelGrades.itemIndex(), 1); // 430 kept, one place up
    EXPECT_EQ(f.CB_SteelGrades.fontColor(), pc::form::clWindowText);

    // With no moment nothing passes the search: the grade list is rebuilt
    // for the family's first section, which lacks 430.
    f.userClick(f.MenuSelectSfmin);
    EXPECT_EQ(f.LB_SSP.items(), NoMatch);
    EXPECT_EQ(f.CB_SteelGrades.fontColor(), pc::form::clRed);
    EXPECT_EQ(f.CB_SteelGrades.items(),
              (QStringList{QStringLiteral(" S 240 GP             240        "),
                           QStringLiteral(" S 355 GP             355        ")}));
    EXPECT_EQ(f.CB_SteelGrades.itemIndex(), 0);
    EXPECT_EQ(r.a.s.CurrentFy, 240.0);

    // Entering the list turns it back to window text.
    f.userEnter(f.CB_SteelGrades);
    EXPECT_EQ(f.CB_SteelGrades.fontColor(), pc::form::clWindowText);
}

TEST(SectionListHandlers, HiddenGradesAreNoted)
{
    RunningApp r;
    auto &f = r.f;
    f.userClick(f.ChB_SteelGradesAll);
    EXPECT_EQ(f.CB_SteelGrades.itemCount(), 2);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral(" Some steel grades unavailable for this section "));
    f.userSelect(f.CB_SteelGrades, 1); // 355 for s0
    f.userSelect(f.RG_SSP, 2);         // s2: 355, and 430 on request
    EXPECT_EQ(f.CB_SteelGrades.itemIndex(), 0);
    f.userSelect(f.CB_SteelGrades, 1);
    EXPECT_EQ(f.SB1.panel(1), QStringLiteral("NOTE: steel grade available on request. Restrictions "
                                             "apply  | some steel grades unavailable for this "
                                             "section "));
}

} // namespace
