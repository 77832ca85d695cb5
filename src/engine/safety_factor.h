#pragma once
// Safety factor of a section by the method of allowable steel stresses, the
// texts that show it, the Sfmin-mode search test and the bending moment
// capacity. All arithmetic in extended precision, in the order the stress
// formula is written.

#include "engine/design_actions.h"
#include "units/rounding.h"

#include <QChar>
#include <QString>

namespace pc {

inline const QString SfAboveTwentyText = QStringLiteral(">20");
inline const QString SfNotAvailableText = QStringLiteral("N/A");
inline const QString SfAtLeastText = QStringLiteral(" ≥ ");
inline const QString SfIniCaption = QStringLiteral("Sf,ini=");
inline const QString SfRedCaption = QStringLiteral("Sf,red=");
inline const QString SfStressHint = QStringLiteral(" Sf = (M/Wel) + (N*e)/Wel + N/A ");
inline const QString BmcCaption = QStringLiteral("BMC = Wel,ini * fy  = ");
inline const QString BmcHint = QStringLiteral("  Bending Moment Capacity = Wel,ini * fy  ");

// The largest factor shown as a number; above it the result reads ">20".
constexpr long double SfShownMax = 20.0L;

// x rounded to 0.01 with ties to even, returned as the extended value nearest
// to that two-decimal number. Dividing the whole number of hundredths by 100
// (instead of multiplying by an inexact 0.01) makes the result equal to the
// value read from the same digits typed by the user, so a factor that shows
// exactly the required bound compares equal to it.
inline Extended roundToHundredths(Extended x);

// Sf = fy / stress, stress = ((e / 100) x N + M) / W x 1000 + N / A x 10 in
// N/mm2, rounded to 0.01. M in kNm/m, N in kN/m, e in cm, W in cm3/m, A in
// cm2/m, fy in N/mm2. Returns 0 ("not available") when W is not above 0, when
// N > 0 acts on an area that is not above 0, or when there is no stress.
inline Extended safetyFactor(double moment, double load, double deflection, double modulus,
                             double area, double fy);

// The two steps of safetyFactor, for a scan that puts one section under many
// grade strengths: the stress of the section in N/mm2 (0 when it has none we
// could state, as above), then fy / stress rounded to 0.01 (0 without a stress).
inline Extended sectionStress(double moment, double load, double deflection, double modulus,
                              double area);
inline Extended factorOfStress(double fy, Extended stress);

struct SafetyFactors
{
    Extended sfIni = 0;
    Extended sfRed = 0;
};

struct SafetyFactorInput
{
    DesignActions actions;
    double fy = 0; // N/mm2
    double welIni = 0, aIni = 0;
    double welRed = 0, aRed = 0;
};

// Both factors of the section computed last: 0 without a load (M and N not
// above 0) or without an initial modulus; Sf,red 0 without a reduced modulus.
inline SafetyFactors computeSafetyFactors(const SafetyFactorInput &in);

// Result text of one factor: ">20" above 20, the factor with 2 decimals when
// above 0 (followed by " ≥ " and Sfmin with 2 decimals when atLeastSfmin),
// "N/A" otherwise.
QString sfResultText(QChar decimal, Extended sf, bool atLeastSfmin, Extended sfMinRequired);

// Text of the initial factor: the " ≥ " suffix only without loss.
QString sfIniResultText(QChar decimal, Extended sfIni, double lossTotal, Extended sfMinRequired);

// Text of the reduced factor: the suffix whenever Sf,red reaches Sfmin.
QString sfRedResultText(QChar decimal, Extended sfRed, Extended sfMinRequired);

// The caption of the reduced-factor box title: "Sf,ini=" without loss in
// Sfmin mode; back to "Sf,red=" only from "Sf,ini="; any other caption stays.
QString sfRedLabelCaption(const QString &current, double lossTotal, bool sfminMode);

// Sfmin-mode search test: Sf,red rounded to 0.01 within [Sfmin, Sfmax], both
// bounds inclusive. A factor that is not available never passes.
inline bool passesSearch(Extended sfRed, Extended sfMinRequired, Extended sfMaxRequired);

// Bending moment capacity Wel,ini x fy / 1000 in kNm/m.
Extended bendingMomentCapacity(double welIni, double fy);

// "%8.0f" of the capacity in kNm/m, or "%8.1f" of it in kips*ft/ft.
QString bendingMomentCapacityText(QChar decimal, bool metric, Extended bmc);

// ---- Definitions of the inline functions, which every scan of sections calls
// for each section.

inline Extended roundToHundredths(Extended x)
{
    return roundEven(x * 100.0L) / 100.0L;
}

inline Extended sectionStress(double moment, double load, double deflection, double modulus,
                              double area)
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

inline Extended factorOfStress(double fy, Extended stress)
{
    if (!(stress > 0))
        return 0;
    return roundToHundredths(static_cast<Extended>(fy) / stress);
}

inline Extended safetyFactor(double moment, double load, double deflection, double modulus,
                             double area, double fy)
{
    return factorOfStress(fy, sectionStress(moment, load, deflection, modulus, area));
}

inline SafetyFactors computeSafetyFactors(const SafetyFactorInput &in)
{
    SafetyFactors r;
    if ((in.actions.moment > 0 || in.actions.load > 0) && in.welIni > 0) {
        r.sfIni = safetyFactor(in.actions.moment, in.actions.load, in.actions.deflection, in.welIni,
                               in.aIni, in.fy);
        if (in.welRed > 0)
            r.sfRed = safetyFactor(in.actions.moment, in.actions.load, in.actions.deflection,
                                   in.welRed, in.aRed, in.fy);
    }
    return r;
}

inline bool passesSearch(Extended sfRed, Extended sfMinRequired, Extended sfMaxRequired)
{
    if (!(sfRed > 0))
        return false;
    const Extended r = roundToHundredths(sfRed);
    return sfMinRequired <= r && r <= sfMaxRequired;
}

} // namespace pc
