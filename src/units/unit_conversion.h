#pragma once
// What the unit switch writes into the input fields: every stored (metric)
// value shown in the new unit system, capped at that system's limits where
// the switch caps it, with the notation of each field.

#include <QChar>
#include <QString>

namespace pc {

// The stored values the switch rewrites (m, m, kNm/m, kN/m, cm).
struct StoredInputs
{
    double sspLength = 0;
    double wallLength = 0;
    double moment = 0;
    double load = 0;
    double deflection = 0;
};

// The limits of both systems (metric in m, imperial in ft, kips*ft/ft,
// kips/ft and in).
struct InputLimits
{
    double maxSspLength = 0;
    double maxSspLengthImp = 0;
    double maxWallLength = 0;
    double maxWallLengthFt = 0;
    double maxMomentImp = 0;
    double maxLoadImp = 0;
    double maxDeflectionImp = 0;
};

struct InputTexts
{
    QString sspLength;  // Edit_SSPLength
    QString wallLength; // Edit_WallLength
    QString moment;     // Edit_Moment
    QString load;       // Edit_Load
    QString deflection; // Edit_Deflection
};

// A pile length in m moved to the nearest hundredth of a foot, so that the
// imperial text shows it exactly in its two decimals.
double snapToHundredthFoot(double metres);

// The fields in imperial units, each capped at its imperial limit: lengths
// with 2 and 1 decimals, the actions with 8 significant digits and 1 decimal.
InputTexts imperialInputTexts(QChar decimal, const StoredInputs &v, const InputLimits &l);

// The fields in metric units: the lengths capped at their limits (2 and 1
// decimals), the actions uncapped with 8 significant digits and 0 decimals.
InputTexts metricInputTexts(QChar decimal, const StoredInputs &v, const InputLimits &l);

// A project value (rate per year or total loss) given in mm, written in mils:
// rates with 2 decimals, total losses with 1.
QString projectValueInMils(QChar decimal, long double mm, bool rates);

// A project value given in mils, written in mm and capped: rates at the
// largest corrosion rate with 3 decimals, total losses at the largest
// tabulated loss with 2.
QString projectValueInMm(QChar decimal, long double mils, bool rates, double maxCorrosionRate,
                         double maxTotalLoss);

} // namespace pc
