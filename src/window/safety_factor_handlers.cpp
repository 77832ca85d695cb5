// The safety factors of the section computed last, the bending moment
// capacity, and the refresh after a change of a design input.

#include "engine/safety_factor.h"
#include "window/app.h"

namespace pc {

void App::ComputeSafetyFactors()
{
    PILECORR_TRACED_HANDLER(trace);
    const QChar decimal = p.decimalSeparator();
    SafetyFactorInput in;
    in.moment = s.DesignMoment;
    in.load = s.DesignLoad;
    in.deflection = s.DesignDeflection;
    in.fy = s.CurrentFy;
    in.welIni = s.WelIni;
    in.aIni = s.AIni;
    in.welRed = s.WelRed;
    in.aRed = s.ARed;
    const SafetyFactors sf = computeSafetyFactors(in);
    s.SfIni = sf.sfIni;
    s.SfRed = sf.sfRed;

    f.Lbl_Sf_Result.setCaption(sfIniResultText(decimal, s.SfIni, s.LossTotal, s.SfMinRequired));
    f.Lbl_SFRedResult.setCaption(sfRedResultText(decimal, s.SfRed, s.SfMinRequired));
    f.Lbl_SFRed.setCaption(
        sfRedLabelCaption(f.Lbl_SFRed.caption(), s.LossTotal, f.MenuSelectSfmin.checked()));

    if (!(s.SfIni > 0) && f.TabSheetSFTable.tabVisible())
        f.TabSheetSFTable.setTabVisible(false);
    if (s.SfIni > 0 && !f.TabSheetSFTable.tabVisible())
        f.TabSheetSFTable.setTabVisible(true);
}

void App::ShowBendingMomentCapacity()
{
    PILECORR_TRACED_HANDLER(trace);
    f.Lbl_BMC_Value.setCaption(bendingMomentCapacityText(
        p.decimalSeparator(), s.UnitsMetric, bendingMomentCapacity(s.WelIni, s.CurrentFy)));
}

void App::RecomputeAfterInput()
{
    PILECORR_TRACED_HANDLER(trace);
    if (f.MenuSelectSfmin.checked())
        RG_SSPClick();
    ComputeSafetyFactors();
}

} // namespace pc
