#include "units/unit_conversion.h"

#include "units/format.h"
#include "units/rounding.h"
#include "units/unit_factors.h"

#include <algorithm>

namespace pc {

namespace {

constexpr int ActionDigits = 8;

// The value, or the limit when the value is greater.
long double capped(long double value, long double limit)
{
    return value > limit ? limit : value;
}

} // namespace

double snapToHundredthFoot(double metres)
{
    return static_cast<double>(roundEven(metres * 100.0L / M_PER_FT) * M_PER_FT / 100.0L);
}

InputTexts imperialInputTexts(QChar decimal, const StoredInputs &v, const InputLimits &l)
{
    InputTexts t;
    t.sspLength = format(decimal, "%1.2f", {capped(v.sspLength / M_PER_FT, l.maxSspLengthImp)});
    t.wallLength = format(decimal, "%1.1f", {capped(v.wallLength / M_PER_FT, l.maxWallLengthFt)});
    t.moment =
        formatFixed(decimal, capped(v.moment / KNM_PER_KIPFT, l.maxMomentImp), ActionDigits, 1);
    t.load = formatFixed(decimal, capped(v.load / KNPM_PER_KIPPFT, l.maxLoadImp), ActionDigits, 1);
    // The cap is tested with other digits of the inch than the conversion uses.
    const long double deflection = v.deflection / CM_PER_IN_DEFLECTION_CAP > l.maxDeflectionImp
                                       ? l.maxDeflectionImp
                                       : v.deflection / CM_PER_IN;
    t.deflection = formatFixed(decimal, deflection, ActionDigits, 1);
    return t;
}

InputTexts metricInputTexts(QChar decimal, const StoredInputs &v, const InputLimits &l)
{
    InputTexts t;
    t.sspLength = format(decimal, "%1.2f", {std::min(v.sspLength, l.maxSspLength)});
    t.wallLength = format(decimal, "%1.1f", {std::min(v.wallLength, l.maxWallLength)});
    t.moment = formatFixed(decimal, v.moment, ActionDigits, 0);
    t.load = formatFixed(decimal, v.load, ActionDigits, 0);
    t.deflection = formatFixed(decimal, v.deflection, ActionDigits, 0);
    return t;
}

QString projectValueInMils(QChar decimal, long double mm, bool rates)
{
    return format(decimal, rates ? "%1.2f" : "%1.1f", {mm / MM_PER_MIL});
}

QString projectValueInMm(QChar decimal, long double mils, bool rates, double maxCorrosionRate,
                         double maxTotalLoss)
{
    const long double mm = mils * MM_PER_MIL;
    if (rates)
        return format(decimal, "%1.3f", {capped(mm, maxCorrosionRate)});
    return format(decimal, "%1.2f", {capped(mm, maxTotalLoss)});
}

} // namespace pc
