#include "units/unit_captions.h"

namespace pc {

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

const UnitLabels &unitLabels(bool metric)
{
    static const UnitLabels metricLabels{S("mm"),    S("m"),     S("cm³/m"),
                                         S("cm4/m"), S("cm²/m"), S("kNm/m")};
    static const UnitLabels imperialLabels{S("mils"),   S("ft"),     S("in³/ft"),
                                           S("in4/ft"), S("in²/ft"), S("kips*ft/ft")};
    return metric ? metricLabels : imperialLabels;
}

const UnitCaptions &unitCaptions(bool metric)
{
    static const UnitCaptions metricCaptions{
        S("kNm/m"),
        S("kN/m"),
        S("cm"),
        S("kNm/m"),
        S(" Steel Grades      fy (MPa) "),
        S(" SSP section            Wel,ini (cm³/m) "),
        S("m"),
        S("metric t"),
        S("m"),
        S("m"),
        S("kg/m²"),
        S("cm²/m"),
        S("cm4/m"),
        S("cm³/m"),
        S("mm"),
        S("mm"),
        // The metric loss caption has no leading blank; the imperial one has.
        S("mm"),
        S(" rates (mm / year)"),
        S(" total loss (mm)"),
        {S(" cm³/m"), S(" cm4/m"), S(" cm²/m"), S(" mm"), S(" mm")}};
    static const UnitCaptions imperialCaptions{
        S("kips*ft/ft"),
        S("kips/ft"),
        S("in"),
        S("kips*ft/ft"),
        S(" Steel Grades      fy (ksi) "),
        S(" SSP section            Wel,ini (in³/ft) "),
        S("ft"),
        S("net t"),
        S("ft"),
        S("ft"),
        S("lb/ft²"),
        S("in²/ft"),
        S("in4/ft"),
        S("in³/ft"),
        S("in"),
        S("in"),
        S(" mils"),
        S(" rates (mils / year)"),
        S(" total loss (mils)"),
        {S(" in³/ft"), S(" in4/ft"), S(" in²/ft"), S(" in"), S(" in")}};
    return metric ? metricCaptions : imperialCaptions;
}

} // namespace pc
