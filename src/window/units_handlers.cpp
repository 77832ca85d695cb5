// The unit switch between metric and imperial.
//
// The stored values are metric whatever the system. The switch sets the flag
// first and then rewrites every input field in the new system; each field's
// own change handler reads its new text in the new system and stores it back
// in metric units, so the stored values take the rounding of the text shown
// (100 kNm/m shows 22.5 kips*ft/ft and is stored as 22.5 x 4.449741).

#include "catalogue/section_list.h"
#include "corrosion/project_rates.h"
#include "output/corrosion_chart.h"
#include "units/format.h"
#include "units/unit_captions.h"
#include "units/unit_conversion.h"
#include "window/app.h"
#include "window/wiring.h"

namespace pc {

namespace {

const QString UnitsChangedText = QStringLiteral(" Units change => fy may have slightly changed");

void showUnitCaptions(App &a, bool metric)
{
    auto &f = a.f;
    const UnitCaptions &c = unitCaptions(metric);
    f.Lbl_MomentUnit.setCaption(c.momentUnit);
    f.Lbl_LoadUnit.setCaption(c.loadUnit);
    f.Lbl_DeflectionUnit.setCaption(c.deflectionUnit);
    f.Lbl_BMC_Unit.setCaption(c.bmcUnit);
    // The two boxes are written in this order in metric units and the other
    // way round in imperial units.
    if (metric) {
        f.GB_SSP.setCaption(c.sectionBox);
        f.GB_SteelGrades.setCaption(c.steelGradesBox);
    } else {
        f.GB_SteelGrades.setCaption(c.steelGradesBox);
        f.GB_SSP.setCaption(c.sectionBox);
    }
    f.Lbl_SSP_Units.setCaption(c.pileLengthUnit);
    f.Lbl_Total_Units.setCaption(c.totalUnit);
    f.Lbl_Wall_Units.setCaption(c.wallUnit);
    f.Lbl_WallLength_Units.setCaption(c.wallLengthUnit);
    f.Lbl_Weight_Units.setCaption(c.weightUnit);
    f.Lbl_Red_Ax3.setCaption(c.redAUnit);
    f.Lbl_Red_Ix3.setCaption(c.redIUnit);
    f.Lbl_Red_Wx3.setCaption(c.redWelUnit);
    f.Lbl_Red_tf3.setCaption(c.redTfUnit);
    f.Lbl_Red_tw3.setCaption(c.redTwUnit);
    f.Lbl_Summary_Front3.setCaption(c.lossUnit);
    f.Lbl_Summary_Back3.setCaption(c.lossUnit);
    // Replacing single items keeps the chosen mode selected.
    f.RG_Project_Rates.setItem(0, c.ratesItem);
    f.RG_Project_Rates.setItem(1, c.totalLossItem);
    const QString projectUnit =
        projectUnitCaption(projectModeOfItem(f.RG_Project_Rates.itemIndex()), metric);
    f.Lbl_Front3.setCaption(projectUnit);
    f.Lbl_Back3.setCaption(projectUnit);
    form::Control &grid = f.StGr_RedProp;
    const int unitColumn = grid.colCount() - 1;
    for (int row = 1; row <= 5; ++row)
        grid.setCell(unitColumn, row, c.propertyUnits[static_cast<size_t>(row - 1)]);
}

// The working fy of the selected grade in the new system; left as it is
// while no grade is selected.
void takeWorkingFy(App &a)
{
    const int item = a.f.CB_SteelGrades.itemIndex();
    if (item >= 0)
        a.s.CurrentFy =
            workingFyOfItem(a.cat(), a.s.GradeListMap, a.s.GradeListCount, item, a.s.UnitsMetric);
}

InputLimits inputLimits(const App &a)
{
    InputLimits l;
    l.maxSspLength = a.s.MaxSSPLength;
    l.maxSspLengthImp = a.s.MaxSSPLengthImp;
    l.maxWallLength = a.cat().MaxWallLength;
    l.maxWallLengthFt = a.cat().MaxWallLengthFt;
    l.maxMomentImp = a.cat().MaxMomentImp;
    l.maxLoadImp = a.cat().MaxLoadImp;
    l.maxDeflectionImp = a.cat().MaxDeflectionImp;
    return l;
}

// Writing each text runs the field's change handler, which stores it back.
void rewriteInputs(App &a, const InputTexts &t)
{
    a.f.Edit_SSPLength.setText(t.sspLength);
    a.f.Edit_WallLength.setText(t.wallLength);
    a.f.Edit_Moment.setText(t.moment);
    a.f.Edit_Load.setText(t.load);
    a.f.Edit_Deflection.setText(t.deflection);
}

StoredInputs storedInputs(const App &a)
{
    return {a.s.lengths.pile, a.s.lengths.wall, a.s.actions.moment, a.s.actions.load,
            a.s.actions.deflection};
}

// The project values in the old system: a text that is not a number counts
// as 0 and the field shows "0".
long double projectValue(App &a, form::Control &edit)
{
    if (const auto v = parseNumber(edit.text(), a.p.decimalSeparator()))
        return *v;
    edit.setText(QStringLiteral("0"));
    return 0;
}

void convertProjectValues(App &a)
{
    const QChar decimal = a.p.decimalSeparator();
    const bool rates = a.f.RG_Project_Rates.itemIndex() == 0;
    const long double front = projectValue(a, a.f.Edit_Front);
    const long double back = projectValue(a, a.f.Edit_Back);
    if (a.s.UnitsMetric) {
        const double maxRate = a.cat().MaxCorrosionRate;
        const double maxLoss = a.cat().LossStep.empty() ? 0 : a.cat().LossStep.back();
        a.f.Edit_Front.setText(projectValueInMm(decimal, front, rates, maxRate, maxLoss));
        a.f.Edit_Back.setText(projectValueInMm(decimal, back, rates, maxRate, maxLoss));
    } else {
        a.f.Edit_Front.setText(projectValueInMils(decimal, front, rates));
        a.f.Edit_Back.setText(projectValueInMils(decimal, back, rates));
    }
}

// The steps both switches end with: the losses, the section and grade lists,
// the selection, the status text and the unit labels.
void recomputeInNewUnits(App &a, int rememberedItem)
{
    auto &f = a.f;
    if (f.MenuEC3Rates.checked())
        a.ComputeTableLoss();
    else
        a.ComputeProjectLoss();

    const int family = f.RG_SSP.itemIndex();
    const auto &ranges = a.cat().FamilyRange;
    if (family >= 0 && family < static_cast<int>(ranges.size()))
        a.FillSectionList(ranges[family][0], ranges[family][1]);
    a.RefreshGradeList(true);

    // The refill has found the section again by its row text; the item
    // remembered before the switch is selected once more and clicked. Only a
    // section row can be: the list may have become shorter or show the
    // no-match lines.
    if (rememberedItem > 0 && f.LB_SSP.enabled() && rememberedItem < f.LB_SSP.itemCount()) {
        f.LB_SSP.setItemIndex(rememberedItem);
        a.LB_SSPClick();
    }

    f.setMessageStatus(UnitsChangedText);
    if (f.PageControl1.activePageIndex() == form::MainForm::PageRates)
        f.setRangeStatus(QString());

    const UnitLabels &labels = unitLabels(a.s.UnitsMetric);
    a.s.UnitLoss = labels.loss;
    a.s.UnitLength = labels.length;
    a.s.UnitWel = labels.wel;
    a.s.UnitI = labels.i;
    a.s.UnitA = labels.a;
    a.s.UnitMoment = labels.moment;

    // The chart: its bottom-axis title follows at once; shown, it is rebuilt
    // in the new units (without its zoom).
    ChartPicture chart = f.TeeCh_Wx.picture();
    chart.bottomAxisTitle = chartBottomAxisTitle(labels);
    f.TeeCh_Wx.setPicture(chart);
    if (f.PageControl1.activePageIndex() == form::MainForm::PageChart) {
        f.TeeCh_Wx.undoZoom();
        a.chart.TC_ChartChange();
        // The read-out was of the old units; the rebuilt chart has erased
        // its cursor lines, and the next mouse move reads out anew.
        f.TC_ChartLbl.setCaption(QString());
    }
}

// The switch itself, in its order. Only the switch to imperial snaps the
// pile length, so that it shows exactly in hundredths of a foot.
void switchUnits(App &a, bool metric)
{
    a.s.UnitsMetric = metric;
    (metric ? a.f.MenuMetric : a.f.MenuImperial).setChecked(true);
    takeWorkingFy(a);
    const int remembered = a.f.LB_SSP.itemIndex();
    if (metric) {
        a.ShowMetricUnitLabels();
    } else {
        a.ShowImperialUnitLabels();
        a.s.lengths.pile = snapToHundredthFoot(a.s.lengths.pile);
    }
    a.summary.SetUpSummaryGrid();
    const QChar decimal = a.p.decimalSeparator();
    rewriteInputs(a, metric ? metricInputTexts(decimal, storedInputs(a), inputLimits(a))
                            : imperialInputTexts(decimal, storedInputs(a), inputLimits(a)));
    a.p.beep();
    convertProjectValues(a);
    recomputeInNewUnits(a, remembered);
}

} // namespace

void App::ShowMetricUnitLabels()
{
    PILECORR_TRACED_HANDLER(trace);
    showUnitCaptions(*this, true);
}

void App::ShowImperialUnitLabels()
{
    PILECORR_TRACED_HANDLER(trace);
    showUnitCaptions(*this, false);
}

void App::MenuImperialClick()
{
    if (!f.MenuImperial.checked())
        switchUnits(*this, false);
}

void App::MenuMetricClick()
{
    if (!f.MenuMetric.checked())
        switchUnits(*this, true);
}

void wireUnits(App &a)
{
    a.f.MenuMetric.onClick = [&a] { a.MenuMetricClick(); };
    a.f.MenuImperial.onClick = [&a] { a.MenuImperialClick(); };
}

} // namespace pc
