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
    in.actions = s.actions;
    in.fy = s.CurrentFy;
    in.welIni = s.initial.wel;
    in.aIni = s.initial.a;
    in.welRed = s.reduced.wel;
    in.aRed = s.reduced.a;
    s.factors = computeSafetyFactors(in);

    f.Lbl_Sf_Result.setCaption(
        sfIniResultText(decimal, s.factors.sfIni, s.losses.total, s.band.sfMin));
    f.Lbl_SFRedResult.setCaption(sfRedResultText(decimal, s.factors.sfRed, s.band.sfMin));
    f.Lbl_SFRed.setCaption(
        sfRedLabelCaption(f.Lbl_SFRed.caption(), s.losses.total, f.MenuSelectSfmin.checked()));

    if (!(s.factors.sfIni > 0) && f.TabSheetSFTable.tabVisible())
        f.TabSheetSFTable.setTabVisible(false);
    if (s.factors.sfIni > 0 && !f.TabSheetSFTable.tabVisible())
        f.TabSheetSFTable.setTabVisible(true);

    // The curve window follows the design: every chain of the window ends here.
    curve.RefreshLifeCurve();
}

void App::ShowBendingMomentCapacity()
{
    PILECORR_TRACED_HANDLER(trace);
    f.Lbl_BMC_Value.setCaption(bendingMomentCapacityText(
        p.decimalSeparator(), s.UnitsMetric, bendingMomentCapacity(s.initial.wel, s.CurrentFy)));
}

void App::RecomputeAfterInput()
{
    PILECORR_TRACED_HANDLER(trace);
    if (f.MenuSelectSfmin.checked())
        RG_SSPClick();
    ComputeSafetyFactors();
}

} // namespace pc
