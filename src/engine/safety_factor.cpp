#include "engine/safety_factor.h"

#include "units/format.h"
#include "units/unit_factors.h"

namespace pc {

Extended roundToHundredths(Extended x)
{
    return roundEven(x * 100.0L) / 100.0L;
}

Extended sectionStress(double moment, double load, double deflection, double modulus, double area)
{
    if (!(modulus > 0))
        return 0;
    const Extended m = moment;
    const Extended n = load;
    const Extended e = deflection;
    Extended stress = ((e / 100.0L) * n + m) / static_cast<Extended>(modulus) * 1000.0L;
    if (n != 0) {
        // A load on a section without an area has no stress we could state:
        // the factor is not available rather than a division by zero.
        if (!(area > 0))
            return 0;
        stress += n / static_cast<Extended>(area) * 10.0L;
    }
    return stress > 0 ? stress : 0;
}

Extended factorOfStress(double fy, Extended stress)
{
    if (!(stress > 0))
        return 0;
    return roundToHundredths(static_cast<Extended>(fy) / stress);
}

Extended safetyFactor(double moment, double load, double deflection, double modulus, double area,
                      double fy)
{
    return factorOfStress(fy, sectionStress(moment, load, deflection, modulus, area));
}

SafetyFactors computeSafetyFactors(const SafetyFactorInput &in)
{
    SafetyFactors r;
    if ((in.moment > 0 || in.load > 0) && in.welIni > 0) {
        r.sfIni = safetyFactor(in.moment, in.load, in.deflection, in.welIni, in.aIni, in.fy);
        if (in.welRed > 0)
            r.sfRed = safetyFactor(in.moment, in.load, in.deflection, in.welRed, in.aRed, in.fy);
    }
    return r;
}

QString sfResultText(QChar decimal, Extended sf, bool atLeastSfmin, Extended sfMinRequired)
{
    if (sf > SfShownMax)
        return SfAboveTwentyText;
    if (!(sf > 0))
        return SfNotAvailableText;
    QString text = format(decimal, "%1.2f", {sf});
    if (atLeastSfmin)
        text += SfAtLeastText + format(decimal, "%1.2f", {sfMinRequired});
    return text;
}

QString sfIniResultText(QChar decimal, Extended sfIni, double lossTotal, Extended sfMinRequired)
{
    return sfResultText(decimal, sfIni, lossTotal == 0 && sfIni >= sfMinRequired, sfMinRequired);
}

QString sfRedResultText(QChar decimal, Extended sfRed, Extended sfMinRequired)
{
    return sfResultText(decimal, sfRed, sfRed >= sfMinRequired, sfMinRequired);
}

QString sfRedLabelCaption(const QString &current, double lossTotal, bool sfminMode)
{
    if (lossTotal == 0 && sfminMode)
        return SfIniCaption;
    if (current == SfIniCaption)
        return SfRedCaption;
    return current;
}

bool passesSearch(Extended sfRed, Extended sfMinRequired, Extended sfMaxRequired)
{
    if (!(sfRed > 0))
        return false;
    const Extended r = roundToHundredths(sfRed);
    return sfMinRequired <= r && r <= sfMaxRequired;
}

Extended bendingMomentCapacity(double welIni, double fy)
{
    return static_cast<Extended>(welIni) * static_cast<Extended>(fy) / 1000.0L;
}

QString bendingMomentCapacityText(QChar decimal, bool metric, Extended bmc)
{
    if (metric)
        return format(decimal, "%8.0f", {bmc});
    return format(decimal, "%8.1f", {bmc / KNM_PER_KIPFT});
}

} // namespace pc
