#include "window/life_curve_source.h"

#include "corrosion/project_rates.h"
#include "corrosion/reduction_factor.h"
#include "window/app.h"
#include "window/corrosion_faces.h"
#include "window/section_list_handlers.h"

namespace pc {

LifeCurveInput lifeCurveInput(const form::MainForm &f, const RunState &s, Platform &p,
                              const Catalogue &cat)
{
    LifeCurveInput in;
    in.tableRates = tableRatesSelected(f);
    in.annex = s.CurrentAnnex;
    in.exposure = {f.RG_Front.itemIndex(), f.RG_Back.itemIndex()};
    in.detail = {f.CB_Front_Detail.itemIndex(), f.CB_Back_Detail.itemIndex()};
    in.projectMode = projectModeOfItem(f.RG_Project_Rates.itemIndex());
    in.metric = s.UnitsMetric;
    const QChar decimal = p.decimalSeparator();
    in.projectValue = {projectTypedNumber(f.Edit_Front.text(), decimal),
                       projectTypedNumber(f.Edit_Back.text(), decimal)};
    in.protectionDurations = cat.ProtectionYears;
    in.protectionIndex = {f.CB_Protection_Front.itemIndex(), f.CB_Protection_Back.itemIndex()};

    // The zone does not change with the years: the factor the window applies
    // now applies to every year.
    const form::Control &group = f.RG_A690;
    const ReductionDecision d = reductionDecision(
        s.CurrentGradeText, !in.tableRates, f.RG_Front.itemIndex(), f.CB_Front_Detail.itemIndex());
    in.reductionApplies = group.enabled() && d.state != ReductionState::NotApplicable;
    if (in.reductionApplies) {
        const int i = group.itemIndex();
        in.reductionFactor = reductionFactor(
            d.state, i >= 0 && i < group.itemCount() ? group.items()[i] : QString());
    }

    in.section = selectedSection(f, s);
    in.fy = s.CurrentFy;
    in.actions = s.actions;
    in.sfMinRequired = s.band.sfMin;
    return in;
}

LifeCurveInput lifeCurveInput(const App &a)
{
    return lifeCurveInput(a.f, a.s, a.p, a.cat());
}

LifeCurve computeLifeCurve(const App &a)
{
    return computeLifeCurve(a.cat(), lifeCurveInput(a));
}

} // namespace pc
