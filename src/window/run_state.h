#pragma once
// The globals of a run: design input, properties of the section computed
// last, safety factors, losses, quantities, units and list maps. Stored values
// are metric whatever the unit system. The form model owns one instance.

#include <QString>

#include <cstdint>
#include <vector>

namespace pc {

struct RunState
{
    // Design input (metric).
    double DesignMoment = 0;     // kNm/m
    double DesignLoad = 0;       // kN/m
    double DesignDeflection = 0; // cm
    long double SfMinRequired = 0;
    long double SfMaxRequired = 0;

    // Safety factors, rounded to 0.01; 0 = not available.
    long double SfIni = 0;
    long double SfRed = 0;
    double CurrentFy = 0; // N/mm2

    // Properties of the section computed last; a reduced value of 0 = not available.
    QString CurrentSectionName;    // at most 18 characters
    QString CurrentSectionLabel;   // at most 18 characters
    double WelIni = 0, WelRed = 0; // cm3/m
    double IIni = 0, IRed = 0;     // cm4/m
    double AIni = 0, ARed = 0;     // cm2/m
    double TfIni = 0, TfRed = 0;   // mm
    double TwIni = 0, TwRed = 0;   // mm
    double CurrentWidth = 0;       // m
    double CurrentMass = 0;        // kg/m
    double LossTotalMils = 0;

    // Losses, mm, rounded to 0.01 mm after the finishing step.
    double LossFront = 0;
    double LossBack = 0;
    double LossFrontReduced = 0;
    double LossTotal = 0;
    int16_t CurrentServiceLife = 0;
    int16_t ProtectionFront = 0;
    int16_t ProtectionBack = 0;

    // Steel quantities.
    double WallLength = 0; // m
    double SspLength = 0;  // m
    int32_t SspPairCount = 0;
    double CoveredWallLength = 0; // m
    double SteelMassTotal = 0;    // kg

    // Units (imperial until the settings are applied at start-up), and the
    // unit-label strings of the system in use, set by the unit switch.
    bool UnitsMetric = false;
    QString UnitLoss, UnitLength, UnitWel, UnitI, UnitA, UnitMoment;

    // Section and grade lists.
    QString CurrentGradeText;   // at most 18 characters
    double MaxSSPLength = 0;    // m
    double MaxSSPLengthImp = 0; // ft
    std::vector<int32_t> SectionListMap;
    int8_t GradeListCount = 0;

    // Corrosion selection state.
    int16_t LastFrontExposure = 0;
    int16_t LastBackExposure = 0;
};

// Fixed-capacity texts keep their first 18 characters.
inline QString cut18(const QString &s)
{
    return s.left(18);
}

} // namespace pc
