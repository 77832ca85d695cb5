#include "engine/safety_factor.h"

#include "units/format.h"
#include "units/unit_factors.h"

namespace pc {

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
