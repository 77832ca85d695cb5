#include "engine/life_curve.h"

#include "corrosion/annex_tables.h"
#include "corrosion/loss_finishing.h"
#include "corrosion/service_life.h"

namespace pc {

bool operator==(const LifeCurveInput &a, const LifeCurveInput &b)
{
    return a.tableRates == b.tableRates && a.annex == b.annex && a.exposure == b.exposure &&
           a.detail == b.detail && a.projectMode == b.projectMode && a.metric == b.metric &&
           a.projectValue == b.projectValue && a.protectionDurations == b.protectionDurations &&
           a.protectionIndex == b.protectionIndex && a.reductionApplies == b.reductionApplies &&
           a.reductionFactor == b.reductionFactor && a.section == b.section && a.fy == b.fy &&
           a.actions.moment == b.actions.moment && a.actions.load == b.actions.load &&
           a.actions.deflection == b.actions.deflection && a.sfMinRequired == b.sfMinRequired;
}

int lifeCurveLastYear(const Catalogue &cat, const LifeCurveInput &in)
{
    if (!in.tableRates)
        return ProjectRatesLastYear;
    const Annex *a = annexAt(cat, in.annex);
    if (!a || a->AnnexYear.empty())
        return 0;
    const int last = a->AnnexYear.back();
    return last > 0 ? last : 0;
}

LifeCurveRow lifeCurveRow(const Catalogue &cat, const LifeCurveInput &in, int year)
{
    LifeCurveRow row;
    row.year = year;
    double loss[2] = {0, 0};
    for (int face = 0; face < 2; ++face) {
        const int protection =
            protectionYearsForLife(in.protectionDurations, in.protectionIndex[face], year);
        row.protectionYears[face] = protection;
        const int years = effectiveYears(year, protection);
        loss[face] = in.tableRates
                         ? faceTableLoss(cat, in.annex, in.exposure[face], in.detail[face], years)
                         : projectFaceLoss(in.projectMode, in.metric, in.projectValue[face], years);
    }
    const double frontReduced =
        in.reductionApplies ? reducedFrontLoss(loss[0], in.reductionFactor) : loss[0];
    row.losses = finishLosses(loss[0], frontReduced, loss[1], in.reductionApplies);
    row.reductionApplies = in.reductionApplies;

    const ReducedProperties r = computeReducedProperties(cat, in.section, row.losses.total);
    row.status = r.status;
    row.beyondTables = r.lossBeyondTables;
    row.welRed = r.welRed;
    row.iRed = r.iRed;
    row.aRed = r.aRed;
    if (r.hasSection) {
        SafetyFactorInput sf;
        sf.actions = in.actions;
        sf.fy = in.fy;
        sf.welIni = r.initial.wel;
        sf.aIni = r.initial.a;
        sf.welRed = r.welRed;
        sf.aRed = r.aRed;
        const SafetyFactors f = computeSafetyFactors(sf);
        row.sfIni = f.sfIni;
        row.sfRed = f.sfRed;
    }
    row.passes = row.sfRed > 0 && row.sfRed >= in.sfMinRequired;
    return row;
}

LifeCurve computeLifeCurve(const Catalogue &cat, const LifeCurveInput &in)
{
    LifeCurve c;
    c.sfMinRequired = in.sfMinRequired;
    const int last = lifeCurveLastYear(cat, in);
    c.rows.reserve(static_cast<size_t>(last) + 1);
    for (int year = 0; year <= last; ++year) {
        c.rows.push_back(lifeCurveRow(cat, in, year));
        const LifeCurveRow &row = c.rows.back();
        if (c.firstFailingYear < 0 && !row.passes)
            c.firstFailingYear = year;
        if (c.firstNoReducedSectionYear < 0 && row.noReducedSection())
            c.firstNoReducedSectionYear = year;
    }
    return c;
}

} // namespace pc
