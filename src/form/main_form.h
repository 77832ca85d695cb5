#pragma once
// The main window TForm1 as named controls: one public member per control of
// the window, named as the window names it, with its design-time state. The
// handlers read and write these members; the Qt widgets and the headless
// driver reach them by name through the registry of Form.

#include "form/chart_control.h"
#include "form/form.h"

namespace pc::form {

class MainForm : public Form
{
public:
    MainForm();

    // Page indices of PageControl1, in tab order.
    static constexpr int PageInput = 0;
    static constexpr int PageSFTable = 1;
    static constexpr int PageRates = 2;
    static constexpr int PageChart = 3;

    Control TForm1{QStringLiteral("TForm1"), Kind::Window};
    Control PageControl1{QStringLiteral("PageControl1"), Kind::PageControl};
    Control SB1{QStringLiteral("SB1"), Kind::StatusBar};
    // The two panels of SB1. The range panel shows the admissible range of
    // the field being edited and what keeps a computation from a result (no
    // reduced section, a loss beyond the tables); the message panel shows the
    // errors of the design input, the state of the loss and the notes of the
    // lists.
    static constexpr int RangePanel = 0;
    static constexpr int MessagePanel = 1;
    void setRangeStatus(const QString &text) { SB1.setPanel(RangePanel, text); }
    void setMessageStatus(const QString &text) { SB1.setPanel(MessagePanel, text); }
    QString rangeStatus() const { return SB1.panel(RangePanel); }
    QString messageStatus() const { return SB1.panel(MessagePanel); }
    Control Edit1{QStringLiteral("Edit1"), Kind::Edit};

    Control TabSheetInput{QStringLiteral("TabSheetInput"), Kind::Page};
    Control TabSheetSFTable{QStringLiteral("TabSheetSFTable"), Kind::Page};
    Control TabSheetRates{QStringLiteral("TabSheetRates"), Kind::Page};
    Control TabSheetChart{QStringLiteral("TabSheetChart"), Kind::Page};

    // Page "Input &data": design actions.
    Control GB_Input{QStringLiteral("GB_Input"), Kind::GroupBox};
    Control Lbl_Moment{QStringLiteral("Lbl_Moment"), Kind::Label};
    Control Edit_Moment{QStringLiteral("Edit_Moment"), Kind::Edit};
    Control Lbl_MomentUnit{QStringLiteral("Lbl_MomentUnit"), Kind::Label};
    Control Lbl_Load{QStringLiteral("Lbl_Load"), Kind::Label};
    Control Edit_Load{QStringLiteral("Edit_Load"), Kind::Edit};
    Control Lbl_LoadUnit{QStringLiteral("Lbl_LoadUnit"), Kind::Label};
    Control Lbl_Deflection{QStringLiteral("Lbl_Deflection"), Kind::Label};
    Control Edit_Deflection{QStringLiteral("Edit_Deflection"), Kind::Edit};
    Control Lbl_DeflectionUnit{QStringLiteral("Lbl_DeflectionUnit"), Kind::Label};
    Control Lbl_BMC{QStringLiteral("Lbl_BMC"), Kind::Label};
    Control Lbl_BMC_Value{QStringLiteral("Lbl_BMC_Value"), Kind::Label};
    Control Lbl_BMC_Unit{QStringLiteral("Lbl_BMC_Unit"), Kind::Label};
    Control GB_SketchSsp{QStringLiteral("GB_SketchSsp"), Kind::GroupBox};
    Control TI_SketchSsp{QStringLiteral("TI_SketchSsp"), Kind::Image};

    // Page "Input &data": section and grade.
    Control RG_SSP{QStringLiteral("RG_SSP"), Kind::RadioGroup};
    Control GB_SSP{QStringLiteral("GB_SSP"), Kind::GroupBox};
    Control LB_SSP{QStringLiteral("LB_SSP"), Kind::ListBox};
    Control Lbl_SSP{QStringLiteral("Lbl_SSP"), Kind::Label};
    Control GB_SteelGrades{QStringLiteral("GB_SteelGrades"), Kind::GroupBox};
    Control CB_SteelGrades{QStringLiteral("CB_SteelGrades"), Kind::ComboBox};
    Control Lbl_SteelGrades{QStringLiteral("Lbl_SteelGrades"), Kind::Label};
    Control ChB_SteelGradesAll{QStringLiteral("ChB_SteelGradesAll"), Kind::CheckBox};
    Control RG_A690{QStringLiteral("RG_A690"), Kind::RadioGroup};

    // Page "Input &data": service life, protection and loss summary.
    Control GB_ServiceLife{QStringLiteral("GB_ServiceLife"), Kind::GroupBox};
    Control CB_ServiceLife{QStringLiteral("CB_ServiceLife"), Kind::ComboBox};
    Control GB_SurfaceProtection{QStringLiteral("GB_SurfaceProtection"), Kind::GroupBox};
    Control Lbl_Protection_Front{QStringLiteral("Lbl_Protection_Front"), Kind::Label};
    Control CB_Protection_Front{QStringLiteral("CB_Protection_Front"), Kind::ComboBox};
    Control Lbl_Protection_Back{QStringLiteral("Lbl_Protection_Back"), Kind::Label};
    Control CB_Protection_Back{QStringLiteral("CB_Protection_Back"), Kind::ComboBox};
    Control GB_Loss_Summary{QStringLiteral("GB_Loss_Summary"), Kind::GroupBox};
    Control Lbl_Summary_Front1{QStringLiteral("Lbl_Summary_Front1"), Kind::Label};
    Control Lbl_Summary_Front2{QStringLiteral("Lbl_Summary_Front2"), Kind::Label};
    Control Lbl_Summary_Front3{QStringLiteral("Lbl_Summary_Front3"), Kind::Label};
    Control Lbl_Summary_Front4{QStringLiteral("Lbl_Summary_Front4"), Kind::Label};
    Control Lbl_Summary_Back1{QStringLiteral("Lbl_Summary_Back1"), Kind::Label};
    Control Lbl_Summary_Back2{QStringLiteral("Lbl_Summary_Back2"), Kind::Label};
    Control Lbl_Summary_Back3{QStringLiteral("Lbl_Summary_Back3"), Kind::Label};
    Control Lbl_Summary_Back4{QStringLiteral("Lbl_Summary_Back4"), Kind::Label};

    // Page "Input &data": section properties.
    Control GB_Red_Properties{QStringLiteral("GB_Red_Properties"), Kind::GroupBox};
    Control StGr_RedProp{QStringLiteral("StGr_RedProp"), Kind::Grid};
    Control Lbl_Red_Wx1{QStringLiteral("Lbl_Red_Wx1"), Kind::Label};
    Control Lbl_Red_Wx2{QStringLiteral("Lbl_Red_Wx2"), Kind::Label};
    Control Lbl_Red_Wx3{QStringLiteral("Lbl_Red_Wx3"), Kind::Label};
    Control Lbl_Red_Ix1{QStringLiteral("Lbl_Red_Ix1"), Kind::Label};
    Control Lbl_Red_Ix2{QStringLiteral("Lbl_Red_Ix2"), Kind::Label};
    Control Lbl_Red_Ix3{QStringLiteral("Lbl_Red_Ix3"), Kind::Label};
    Control Lbl_Red_Ax1{QStringLiteral("Lbl_Red_Ax1"), Kind::Label};
    Control Lbl_Red_Ax2{QStringLiteral("Lbl_Red_Ax2"), Kind::Label};
    Control Lbl_Red_Ax3{QStringLiteral("Lbl_Red_Ax3"), Kind::Label};
    Control Lbl_Red_tw1{QStringLiteral("Lbl_Red_tw1"), Kind::Label};
    Control Lbl_Red_tw2{QStringLiteral("Lbl_Red_tw2"), Kind::Label};
    Control Lbl_Red_tw3{QStringLiteral("Lbl_Red_tw3"), Kind::Label};
    Control Lbl_Red_tf1{QStringLiteral("Lbl_Red_tf1"), Kind::Label};
    Control Lbl_Red_tf2{QStringLiteral("Lbl_Red_tf2"), Kind::Label};
    Control Lbl_Red_tf3{QStringLiteral("Lbl_Red_tf3"), Kind::Label};

    // Page "Input &data": safety factors.
    Control GB_Sfmin{QStringLiteral("GB_Sfmin"), Kind::GroupBox};
    Control Lbl_SfIni{QStringLiteral("Lbl_SfIni"), Kind::Label};
    Control Lbl_Sf_Result{QStringLiteral("Lbl_Sf_Result"), Kind::Label};
    Control Edit_Sfmin{QStringLiteral("Edit_Sfmin"), Kind::Edit};
    Control Lbl_Sf_Text{QStringLiteral("Lbl_Sf_Text"), Kind::Label};
    Control Edit_SfMax{QStringLiteral("Edit_SfMax"), Kind::Edit};
    Control GB_SfRed{QStringLiteral("GB_SfRed"), Kind::GroupBox};
    Control Lbl_SFRed{QStringLiteral("Lbl_SFRed"), Kind::Label};
    Control Lbl_SFRedResult{QStringLiteral("Lbl_SFRedResult"), Kind::Label};

    // Page "Input &data": steel quantities, in the box's child order (the
    // clipboard snapshot hides the children from the fourth on).
    Control GB_SteelQuantity{QStringLiteral("GB_SteelQuantity"), Kind::GroupBox};
    Control Lbl_Weight{QStringLiteral("Lbl_Weight"), Kind::Label};
    Control Lbl_Weight_Units{QStringLiteral("Lbl_Weight_Units"), Kind::Label};
    Control Lbl_Weight_Result{QStringLiteral("Lbl_Weight_Result"), Kind::Label};
    Control Lbl_Wall{QStringLiteral("Lbl_Wall"), Kind::Label};
    Control Lbl_Wall_Units{QStringLiteral("Lbl_Wall_Units"), Kind::Label};
    Control Lbl_SSP_Length{QStringLiteral("Lbl_SSP_Length"), Kind::Label};
    Control Lbl_SSP_Units{QStringLiteral("Lbl_SSP_Units"), Kind::Label};
    Control Lbl_SSP_Pairs{QStringLiteral("Lbl_SSP_Pairs"), Kind::Label};
    Control Lbl_SSP_Result{QStringLiteral("Lbl_SSP_Result"), Kind::Label};
    Control Lbl_WallLength{QStringLiteral("Lbl_WallLength"), Kind::Label};
    Control Lbl_WallLength_Result{QStringLiteral("Lbl_WallLength_Result"), Kind::Label};
    Control Lbl_WallLength_Units{QStringLiteral("Lbl_WallLength_Units"), Kind::Label};
    Control Lbl_Total{QStringLiteral("Lbl_Total"), Kind::Label};
    Control Lbl_Total_Result{QStringLiteral("Lbl_Total_Result"), Kind::Label};
    Control Lbl_Total_Units{QStringLiteral("Lbl_Total_Units"), Kind::Label};
    Control Edit_WallLength{QStringLiteral("Edit_WallLength"), Kind::Edit};
    Control Edit_SSPLength{QStringLiteral("Edit_SSPLength"), Kind::Edit};

    // Page "Sf &summary".
    Control GB_Summary_Sf{QStringLiteral("GB_Summary_Sf"), Kind::GroupBox};
    Control RB_SummarySfIni{QStringLiteral("RB_SummarySfIni"), Kind::RadioButton};
    Control RB_SummarySfRed{QStringLiteral("RB_SummarySfRed"), Kind::RadioButton};
    Control GB_Summary_SF_Result{QStringLiteral("GB_Summary_SF_Result"), Kind::GroupBox};
    Control Lbl_SfSummary{QStringLiteral("Lbl_SfSummary"), Kind::Label};
    Control SFList{QStringLiteral("SFList"), Kind::Grid};
    Control Lbl_SfTableGrades{QStringLiteral("Lbl_SfTableGrades"), Kind::Label};

    // Page "&Corrosion rates": tables of EN 1993-5 or a national annex.
    Control GB_EC3{QStringLiteral("GB_EC3"), Kind::GroupBox};
    Control CB_EC3NAD{QStringLiteral("CB_EC3NAD"), Kind::ComboBox};
    Control Lbl_NAD{QStringLiteral("Lbl_NAD"), Kind::Label};
    Control RG_Front{QStringLiteral("RG_Front"), Kind::RadioGroup};
    Control RG_Back{QStringLiteral("RG_Back"), Kind::RadioGroup};
    Control GB_Front_Detail{QStringLiteral("GB_Front_Detail"), Kind::GroupBox};
    Control CB_Front_Detail{QStringLiteral("CB_Front_Detail"), Kind::ComboBox};
    Control Lbl_EC3Front{QStringLiteral("Lbl_EC3Front"), Kind::Label};
    Control GB_Back_Detail{QStringLiteral("GB_Back_Detail"), Kind::GroupBox};
    Control CB_Back_Detail{QStringLiteral("CB_Back_Detail"), Kind::ComboBox};
    Control Lbl_EC3Back{QStringLiteral("Lbl_EC3Back"), Kind::Label};
    Control B_EC3Tables{QStringLiteral("B_EC3Tables"), Kind::Button};

    // Page "&Corrosion rates": project-specific rates.
    Control GB_Project_Rates{QStringLiteral("GB_Project_Rates"), Kind::GroupBox};
    Control RG_Project_Rates{QStringLiteral("RG_Project_Rates"), Kind::RadioGroup};
    Control GB_Rates_Help{QStringLiteral("GB_Rates_Help"), Kind::GroupBox};
    Control Lbl_Front1{QStringLiteral("Lbl_Front1"), Kind::Label};
    Control Edit_Front{QStringLiteral("Edit_Front"), Kind::Edit};
    Control Lbl_Front3{QStringLiteral("Lbl_Front3"), Kind::Label};
    Control Lbl_Back1{QStringLiteral("Lbl_Back1"), Kind::Label};
    Control Edit_Back{QStringLiteral("Edit_Back"), Kind::Edit};
    Control Lbl_Back3{QStringLiteral("Lbl_Back3"), Kind::Label};
    Control Edit_Front_Descr{QStringLiteral("Edit_Front_Descr"), Kind::Edit};
    Control Edit_Back_Descr{QStringLiteral("Edit_Back_Descr"), Kind::Edit};

    // Page "Corrosion chart".
    Control TC_Chart{QStringLiteral("TC_Chart"), Kind::TabControl};
    ChartControl TeeCh_Wx{QStringLiteral("TeeCh_Wx")};
    Control TC_ChartLbl{QStringLiteral("TC_ChartLbl"), Kind::Label};

    // Main menu.
    Control MainMenu{QStringLiteral("MainMenu"), Kind::Menu};
    Control MenuFile{QStringLiteral("MenuFile"), Kind::MenuItem};
    Control MenuOpenDesign{QStringLiteral("MenuOpenDesign"), Kind::MenuItem};
    Control MenuSaveDesign{QStringLiteral("MenuSaveDesign"), Kind::MenuItem};
    Control MenuPrint{QStringLiteral("MenuPrint"), Kind::MenuItem};
    Control MenuPrintToFile{QStringLiteral("MenuPrintToFile"), Kind::MenuItem};
    Control MenuCopy{QStringLiteral("MenuCopy"), Kind::MenuItem};
    Control MenuClose{QStringLiteral("MenuClose"), Kind::MenuItem};
    Control MenuUnits{QStringLiteral("MenuUnits"), Kind::MenuItem};
    Control MenuMetric{QStringLiteral("MenuMetric"), Kind::MenuItem};
    Control MenuImperial{QStringLiteral("MenuImperial"), Kind::MenuItem};
    Control MenuSearchOption{QStringLiteral("MenuSearchOption"), Kind::MenuItem};
    Control MenuSelectSection{QStringLiteral("MenuSelectSection"), Kind::MenuItem};
    Control MenuSelectSfmin{QStringLiteral("MenuSelectSfmin"), Kind::MenuItem};
    Control MenuEC3Rates{QStringLiteral("MenuEC3Rates"), Kind::MenuItem};
    Control MenuProjectRates{QStringLiteral("MenuProjectRates"), Kind::MenuItem};
    Control MenuLifeCurve{QStringLiteral("MenuLifeCurve"), Kind::MenuItem};
    Control MenuHelp{QStringLiteral("MenuHelp"), Kind::MenuItem};
    Control MenuToggleFontQuality{QStringLiteral("MenuToggleFontQuality"), Kind::MenuItem};
    Control MenuAbout{QStringLiteral("MenuAbout"), Kind::MenuItem};

    // Context menu of the chart.
    Control PopUpMenu{QStringLiteral("PopUpMenu"), Kind::Menu};
    Control PopUpPrint{QStringLiteral("PopUpPrint"), Kind::MenuItem};
    Control PopUpExportEmf{QStringLiteral("PopUpExportEmf"), Kind::MenuItem};
    Control CopytoClipboard1{QStringLiteral("CopytoClipboard1"), Kind::MenuItem};

    // Radio groups of the menu entries (menu radio items of one group uncheck
    // each other).
    static constexpr int MenuGroupUnits = 1;
    static constexpr int MenuGroupSearch = 2;
    static constexpr int MenuGroupRates = 3;

private:
    void build();
    void setDesignState();
};

} // namespace pc::form
