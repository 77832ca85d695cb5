#include "form/main_form.h"

namespace pc::form {

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void labelled(Control &c, const char *caption)
{
    c.setCaption(S(caption));
}

void edit(Control &c, const char *text)
{
    c.setText(S(text)); // no handler is bound yet: nothing runs
}

void items(Control &c, std::initializer_list<const char *> list, int selected)
{
    QStringList l;
    for (const char *s : list)
        l << S(s);
    c.setItems(l);
    c.setItemIndex(selected);
}

} // namespace

MainForm::MainForm() : Form(QString())
{
    build();
    setDesignState();
}

void MainForm::build()
{
    add(TForm1, nullptr);
    add(PageControl1, &TForm1);
    setPageControl(PageControl1);
    add(SB1, &TForm1);
    add(Edit1, &TForm1);
    add(TabSheetInput, &PageControl1);
    add(TabSheetSFTable, &PageControl1);
    add(TabSheetRates, &PageControl1);
    add(TabSheetChart, &PageControl1);

    // Input page.
    add(GB_Input, &TabSheetInput);
    for (Control *c : {&Lbl_Moment, &Edit_Moment, &Lbl_MomentUnit, &Lbl_Load, &Edit_Load,
                       &Lbl_LoadUnit, &Lbl_Deflection, &Edit_Deflection, &Lbl_DeflectionUnit,
                       &Lbl_BMC, &Lbl_BMC_Value, &Lbl_BMC_Unit})
        add(*c, &GB_Input);
    add(GB_SketchSsp, &TabSheetInput);
    add(TI_SketchSsp, &GB_SketchSsp);
    add(RG_SSP, &TabSheetInput);
    add(GB_SSP, &TabSheetInput);
    add(LB_SSP, &GB_SSP);
    add(Lbl_SSP, &GB_SSP);
    add(GB_SteelGrades, &TabSheetInput);
    for (Control *c : {&CB_SteelGrades, &Lbl_SteelGrades, &ChB_SteelGradesAll, &RG_A690})
        add(*c, &GB_SteelGrades);
    add(GB_ServiceLife, &TabSheetInput);
    add(CB_ServiceLife, &GB_ServiceLife);
    add(GB_SurfaceProtection, &GB_ServiceLife);
    for (Control *c :
         {&Lbl_Protection_Front, &CB_Protection_Front, &Lbl_Protection_Back, &CB_Protection_Back})
        add(*c, &GB_SurfaceProtection);
    add(GB_Loss_Summary, &TabSheetInput);
    for (Control *c :
         {&Lbl_Summary_Front1, &Lbl_Summary_Front2, &Lbl_Summary_Front3, &Lbl_Summary_Front4,
          &Lbl_Summary_Back1, &Lbl_Summary_Back2, &Lbl_Summary_Back3, &Lbl_Summary_Back4})
        add(*c, &GB_Loss_Summary);
    add(GB_Red_Properties, &TabSheetInput);
    for (Control *c :
         {&StGr_RedProp, &Lbl_Red_Wx1, &Lbl_Red_Wx2, &Lbl_Red_Wx3, &Lbl_Red_Ix1, &Lbl_Red_Ix2,
          &Lbl_Red_Ix3, &Lbl_Red_Ax1, &Lbl_Red_Ax2, &Lbl_Red_Ax3, &Lbl_Red_tw1, &Lbl_Red_tw2,
          &Lbl_Red_tw3, &Lbl_Red_tf1, &Lbl_Red_tf2, &Lbl_Red_tf3})
        add(*c, &GB_Red_Properties);
    add(GB_Sfmin, &TabSheetInput);
    for (Control *c : {&Lbl_SfIni, &Lbl_Sf_Result, &Edit_Sfmin, &Lbl_Sf_Text, &Edit_SfMax})
        add(*c, &GB_Sfmin);
    add(GB_SfRed, &TabSheetInput);
    add(Lbl_SFRed, &GB_SfRed);
    add(Lbl_SFRedResult, &GB_SfRed);
    add(GB_SteelQuantity, &TabSheetInput);
    // Child order: the three weight labels first, then the other labels in
    // design order, then the edits.
    for (Control *c :
         {&Lbl_Weight, &Lbl_Weight_Units, &Lbl_Weight_Result, &Lbl_Wall, &Lbl_Wall_Units,
          &Lbl_SSP_Length, &Lbl_SSP_Units, &Lbl_SSP_Pairs, &Lbl_SSP_Result, &Lbl_WallLength,
          &Lbl_WallLength_Result, &Lbl_WallLength_Units, &Lbl_Total, &Lbl_Total_Result,
          &Lbl_Total_Units, &Edit_WallLength, &Edit_SSPLength})
        add(*c, &GB_SteelQuantity);

    // Summary page.
    add(GB_Summary_Sf, &TabSheetSFTable);
    add(RB_SummarySfIni, &GB_Summary_Sf);
    add(RB_SummarySfRed, &GB_Summary_Sf);
    add(GB_Summary_SF_Result, &TabSheetSFTable);
    add(Lbl_SfSummary, &GB_Summary_SF_Result);
    add(SFList, &TabSheetSFTable);
    add(Lbl_SfTableGrades, &TabSheetSFTable);

    // Corrosion rates page.
    add(GB_EC3, &TabSheetRates);
    for (Control *c : {&CB_EC3NAD, &Lbl_NAD, &RG_Front, &RG_Back, &GB_Front_Detail, &GB_Back_Detail,
                       &B_EC3Tables})
        add(*c, &GB_EC3);
    add(CB_Front_Detail, &GB_Front_Detail);
    add(Lbl_EC3Front, &GB_Front_Detail);
    add(CB_Back_Detail, &GB_Back_Detail);
    add(Lbl_EC3Back, &GB_Back_Detail);
    add(GB_Project_Rates, &TabSheetRates);
    add(RG_Project_Rates, &GB_Project_Rates);
    add(GB_Rates_Help, &GB_Project_Rates);
    for (Control *c : {&Lbl_Front1, &Edit_Front, &Lbl_Front3, &Lbl_Back1, &Edit_Back, &Lbl_Back3,
                       &Edit_Front_Descr, &Edit_Back_Descr})
        add(*c, &GB_Rates_Help);

    // Chart page; the chart's context menu is reached through the chart.
    add(TC_Chart, &TabSheetChart);
    add(TeeCh_Wx, &TabSheetChart);
    add(TC_ChartLbl, &TabSheetChart);
    add(PopUpMenu, &TeeCh_Wx);
    for (Control *c : {&PopUpPrint, &PopUpExportEmf, &CopytoClipboard1})
        add(*c, &PopUpMenu);

    // Main menu.
    add(MainMenu, &TForm1);
    for (Control *c : {&MenuFile, &MenuUnits, &MenuSearchOption, &MenuHelp})
        add(*c, &MainMenu);
    for (Control *c :
         {&MenuOpenDesign, &MenuSaveDesign, &MenuPrint, &MenuPrintToFile, &MenuCopy, &MenuClose})
        add(*c, &MenuFile);
    add(MenuMetric, &MenuUnits);
    add(MenuImperial, &MenuUnits);
    for (Control *c :
         {&MenuSelectSection, &MenuSelectSfmin, &MenuEC3Rates, &MenuProjectRates, &MenuLifeCurve})
        add(*c, &MenuSearchOption);
    add(MenuToggleFontQuality, &MenuHelp);
    add(MenuAbout, &MenuHelp);
}

// The design state is the one source of the window's texts, titles, hints
// and the geometry the program sets: the Qt binders write it over whatever
// the .ui files hold, so it is what the user sees. The .ui files say the same
// so that the designer shows the real window; a GUI test builds every window
// from its .ui file alone and names each widget and property that differs.
// A change here goes into the .ui file too (and the other way round).
void MainForm::setDesignState()
{
    // The window shows hints, and every control inherits that unless it
    // switches its own hint display off.
    for (Control *c : controls())
        c->setShowHint(true);

    labelled(TForm1, " Pilecorr ");
    TForm1.setVisible(false); // shown once start-up is done
    TForm1.setWidth(640);
    TForm1.setHeight(549);

    Edit1.setText(S(" Beta version 2.5.0. Double-check the results  "));
    Edit1.setFontColor(clMaroon);
    Edit1.setFocusable(false);

    SB1.setPanelWidth(0, 300);
    SB1.setPanelWidth(1, 50);

    labelled(TabSheetInput, "Input &data");
    labelled(TabSheetSFTable, "Sf &summary");
    labelled(TabSheetRates, "&Corrosion rates");
    labelled(TabSheetChart, "Corrosion chart");
    PageControl1.setActivePageIndex(PageInput);

    // Design actions.
    labelled(GB_Input, "  Input Data  ");
    labelled(Lbl_Moment, "&Bending Moment");
    edit(Edit_Moment, "0");
    labelled(Lbl_MomentUnit, "kNm/m");
    labelled(Lbl_Load, "C&ompression Load");
    edit(Edit_Load, "0");
    labelled(Lbl_LoadUnit, "kN/m");
    labelled(Lbl_Deflection, "D&eflection");
    edit(Edit_Deflection, "0");
    labelled(Lbl_DeflectionUnit, "cm");
    labelled(Lbl_BMC, "BMC = Wel,ini * fy  = ");
    Lbl_BMC.setHint(S("  Bending Moment Capacity = Wel,ini * fy  "));
    labelled(Lbl_BMC_Value, "yyy");
    labelled(Lbl_BMC_Unit, "kNm/m");
    labelled(GB_SketchSsp, "  Input Data  ");
    GB_SketchSsp.setVisible(false);

    // Section and grade.
    labelled(RG_SSP, " Sheet piles  ");
    RG_SSP.setColumns(2); // the family names stand in two columns
    labelled(GB_SSP, " SSP section            Wx,ini (cm³/m)  ");
    labelled(Lbl_SSP, "xxxxxxxxxx");
    Lbl_SSP.setFontColor(clRed);
    labelled(GB_SteelGrades, " Steel Grades             fy (MPa) ");
    GB_SteelGrades.setHint(S("Number of steel grades available for selected section."));
    CB_SteelGrades.setDropDownCount(7);
    CB_SteelGrades.setHint(
        S(" Steel grades according to EN10248, ASTM or Ferrovane specification "));
    labelled(Lbl_SteelGrades, "xxxxxxxxxx");
    Lbl_SteelGrades.setHint(S(" "));
    Lbl_SteelGrades.setShowHint(false);
    labelled(ChB_SteelGradesAll, "Show all");
    ChB_SteelGradesAll.setChecked(true);
    ChB_SteelGradesAll.setHint(S("Check the box to see all steel grades available (list above "
                                 "shows only sections available in selected steel grade)"));
    labelled(RG_A690, " NVMarin / A690 reduction factors ");
    items(RG_A690, {" Not applicable"}, 0);
    RG_A690.setHint(S(
        " Reduction factor for the corrosion rates, applied only to the front face in seawater "));
    RG_A690.setEnabled(false);

    // Service life and protection.
    labelled(GB_ServiceLife, " Service Life (years) ");
    items(CB_ServiceLife, {" 0"}, 0);
    labelled(GB_SurfaceProtection, " Protection ");
    GB_SurfaceProtection.setHint(S(" Coating / cathodic protection, ... (years) "));
    labelled(Lbl_Protection_Front, "Front");
    items(CB_Protection_Front, {" 0"}, 0);
    CB_Protection_Front.setDropDownCount(6);
    labelled(Lbl_Protection_Back, "Back");
    items(CB_Protection_Back, {" 0"}, 0);
    CB_Protection_Back.setDropDownCount(6);
    labelled(GB_Loss_Summary, " Loss of steel thickness ");
    // The loss box's geometry places the two environment descriptions.
    GB_Loss_Summary.setHeight(137);
    labelled(Lbl_Summary_Front1, "Front :");
    Lbl_Summary_Front1.setTop(22);
    Lbl_Summary_Front1.setHeight(15);
    labelled(Lbl_Summary_Front2, "N/A");
    labelled(Lbl_Summary_Front3, "mm");
    labelled(Lbl_Summary_Back1, "Back :");
    Lbl_Summary_Back1.setTop(22);
    Lbl_Summary_Back1.setHeight(15);
    labelled(Lbl_Summary_Back2, "N/A");
    labelled(Lbl_Summary_Back3, "mm");
    for (Control *c : {&Lbl_Summary_Front4, &Lbl_Summary_Back4}) {
        c->setMaxHeight(90);
        c->setMinWidth(145);
        c->setMaxWidth(160);
    }

    // Section properties.
    labelled(GB_Red_Properties, " Section properties ");
    GB_Red_Properties.setHint(S("  Section properties: see explanation in bottom statusbar | "));
    StGr_RedProp.setColCount(4);
    StGr_RedProp.setRowCount(6);
    StGr_RedProp.setWidth(215); // design size; the set-up derives the cell sizes from it
    StGr_RedProp.setHeight(125);
    struct RedRow
    {
        Control *caption, *value, *unit;
        const char *captionText, *unitText, *hint;
    };
    const RedRow redRows[] = {
        {&Lbl_Red_Wx1, &Lbl_Red_Wx2, &Lbl_Red_Wx3, "Wx, red =", "cm³/m",
         " Reduced section modulus "},
        {&Lbl_Red_Ix1, &Lbl_Red_Ix2, &Lbl_Red_Ix3, "Ix, red =", "cm4/m",
         " Reduced moment of inertia "},
        {&Lbl_Red_Ax1, &Lbl_Red_Ax2, &Lbl_Red_Ax3, "Ax, red =", "cm²/m", " Reduced steel area "},
        {&Lbl_Red_tw1, &Lbl_Red_tw2, &Lbl_Red_tw3, "tw, red =", "mm", " Reduced web thickness "},
        {&Lbl_Red_tf1, &Lbl_Red_tf2, &Lbl_Red_tf3, "tf, red =", "mm", " Reduced flange thickness "},
    };
    for (const RedRow &r : redRows) {
        labelled(*r.caption, r.captionText);
        labelled(*r.value, "N/A");
        labelled(*r.unit, r.unitText);
        for (Control *c : {r.caption, r.value, r.unit}) {
            c->setHint(S(r.hint));
            c->setVisible(false);
        }
    }

    // Safety factors.
    labelled(GB_Sfmin, "  Safety factors Sf  ");
    GB_Sfmin.setHint(S(" Sf = (M/Wel) + (N*e)/Wel + N/A "));
    labelled(Lbl_SfIni, "Sf,ini = ");
    labelled(Lbl_Sf_Result, "N/A");
    edit(Edit_Sfmin, "1.50");
    Edit_Sfmin.setVisible(false);
    labelled(Lbl_Sf_Text, "=< Sf,red =<");
    Lbl_Sf_Text.setVisible(false);
    edit(Edit_SfMax, "20.00");
    Edit_SfMax.setVisible(false);
    Edit_SfMax.setHint(S(" use this box to limit the amount of sections shown"));
    labelled(Lbl_SFRed, " Sf,red = ");
    labelled(Lbl_SFRedResult, "N/A");

    // Steel quantities.
    labelled(GB_SteelQuantity, " Steel quantities ");
    labelled(Lbl_Wall, "&Wall length");
    edit(Edit_WallLength, "0");
    labelled(Lbl_Wall_Units, "m");
    labelled(Lbl_SSP_Length, "SS&P length");
    edit(Edit_SSPLength, "0");
    Edit_SSPLength.setHint(S(" Change of section length !! "));
    Edit_SSPLength.setShowHint(false);
    labelled(Lbl_SSP_Units, "m");
    labelled(Lbl_SSP_Pairs, "SSP pairs");
    labelled(Lbl_SSP_Result, "N/A");
    labelled(Lbl_WallLength, "Wall length");
    labelled(Lbl_WallLength_Result, "N/A");
    labelled(Lbl_WallLength_Units, "m");
    labelled(Lbl_Total, "Total");
    labelled(Lbl_Total_Result, "N/A");
    labelled(Lbl_Total_Units, "metric t");
    labelled(Lbl_Weight, "Weight");
    labelled(Lbl_Weight_Result, "N/A");
    labelled(Lbl_Weight_Units, "kg/m²");

    // Summary page.
    labelled(GB_Summary_Sf, "  Safety factor Sf  ");
    labelled(RB_SummarySfIni, "Sf, in&i");
    RB_SummarySfIni.setChecked(true);
    labelled(RB_SummarySfRed, "Sf, &red");
    labelled(GB_Summary_SF_Result, " Safety factor ");
    labelled(Lbl_SfSummary, "Sf info");
    SFList.setColCount(8);
    SFList.setRowCount(9);
    SFList.setFocusable(false);
    SFList.setMaxHeight(390);
    // The legend goes below the grid; the grid's width decides whether its
    // columns need a horizontal scroll bar.
    SFList.setTop(56);
    SFList.setWidth(616);
    labelled(Lbl_SfTableGrades, "Note: on steel grades and more");

    // Corrosion rates page.
    labelled(GB_EC3, " EuroCode 3, Part 5  (EN 1993-5, 2007) ");
    CB_EC3NAD.setDropDownCount(5);
    CB_EC3NAD.setHint(S("Choose national NAD (National Application Document)"));
    labelled(RG_Front, "  Front  ");
    items(RG_Front, {" atmospheric", " soil", " water"}, 0);
    labelled(RG_Back, "  Back  ");
    items(RG_Back, {" atmospheric", " soil", " water"}, 0);
    labelled(GB_Front_Detail, "Table xxxx");
    labelled(GB_Back_Detail, "Table xxxx");
    CB_Front_Detail.setHint(S("Corrosion zone of front surface (water / excavation side)"));
    CB_Back_Detail.setHint(S("Corrosion zone of back surface (soil / backfill side)"));
    labelled(B_EC3Tables, "Show table");
    labelled(GB_Project_Rates, " Project specific ");
    items(RG_Project_Rates, {" rates (mm / year)", " total loss (mm)"}, 0);
    RG_Project_Rates.setEnabled(false);
    labelled(Lbl_Front1, " Front :");
    edit(Edit_Front, "0");
    labelled(Lbl_Front3, "mm / year");
    labelled(Lbl_Back1, " Back :");
    edit(Edit_Back, "0");
    labelled(Lbl_Back3, "mm / year");
    edit(Edit_Front_Descr, "describe_environment_front ");
    edit(Edit_Back_Descr, "describe_environment_back");
    for (Control *c : {&Edit_Front, &Edit_Back})
        c->setMaxLength(15);
    for (Control *c : {&Edit_Front_Descr, &Edit_Back_Descr})
        c->setMaxLength(70);
    for (Control *c : {&Lbl_Front1, &Edit_Front, &Lbl_Front3, &Lbl_Back1, &Edit_Back, &Lbl_Back3,
                       &Edit_Front_Descr, &Edit_Back_Descr})
        c->setEnabled(false);

    // Chart page.
    items(TC_Chart, {" Wel ", " I ", " A ", " BMC "}, 0);
    TC_Chart.setTabIndex(0);
    labelled(TC_ChartLbl, "Lable values chart");

    // Main menu.
    labelled(MenuFile, "&File");
    labelled(MenuOpenDesign, "Open &design ...");
    MenuOpenDesign.setShortcut(S("Ctrl+O"));
    labelled(MenuSaveDesign, "&Save design ...");
    MenuSaveDesign.setShortcut(S("Ctrl+S"));
    labelled(MenuPrint, "&Print ...");
    MenuPrint.setShortcut(S("Ctrl+P"));
    labelled(MenuPrintToFile, "P&rint To File ...");
    labelled(MenuCopy, "C&opy to Clipboard");
    MenuCopy.setShortcut(S("Ctrl+B"));
    labelled(MenuClose, "&Close");
    labelled(MenuUnits, "&Units");
    labelled(MenuMetric, "&Metric");
    MenuMetric.setShortcut(S("Ctrl+M"));
    MenuMetric.setHint(S("Unavailable. Could change the KW/KR combination"));
    labelled(MenuImperial, "&Imperial");
    MenuImperial.setShortcut(S("Ctrl+I"));
    labelled(MenuSearchOption, "&Options");
    labelled(MenuSelectSection, "&Select section ");
    labelled(MenuSelectSfmin, "S&elect Sfmin");
    labelled(MenuEC3Rates, "&EuroCode 3 rates");
    labelled(MenuProjectRates, "&Project specific rates");
    labelled(MenuLifeCurve, "Service &life curve ...");
    labelled(MenuHelp, "Hel&p");
    labelled(MenuToggleFontQuality, "Toggle &Font quality");
    MenuToggleFontQuality.setShortcut(S("Ctrl+F"));
    labelled(MenuAbout, "&About ...");
    MenuMetric.setRadioGroup(MenuGroupUnits);
    MenuImperial.setRadioGroup(MenuGroupUnits);
    MenuSelectSection.setRadioGroup(MenuGroupSearch);
    MenuSelectSfmin.setRadioGroup(MenuGroupSearch);
    MenuEC3Rates.setRadioGroup(MenuGroupRates);
    MenuProjectRates.setRadioGroup(MenuGroupRates);
    MenuSelectSection.setChecked(true);
    MenuEC3Rates.setChecked(true);
    MenuEC3Rates.setEnabled(false);
    MenuProjectRates.setEnabled(false);

    // Context menu of the chart.
    labelled(PopUpPrint, "Print chart");
    labelled(PopUpExportEmf, "Export chart to emf");
    labelled(CopytoClipboard1, "Copy chart to Clipboard ");
}

} // namespace pc::form
