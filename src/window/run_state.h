#pragma once
// The state of a run: design input, properties of the section computed
// last, safety factors, losses, quantities, units and list maps, grouped in
// the records the engine takes. Stored values are metric whatever the unit
// system. App owns one instance; the catalogue itself stays as it was read.

#include "corrosion/losses.h"
#include "engine/design_actions.h"
#include "engine/safety_factor.h"
#include "engine/steel_quantities.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace pc {

// A face of the wall: each corrodes at its own rate.
enum class Face { Front, Back };

struct RunState
{
    // Design input.
    DesignActions actions;
    SearchBand band;

    // Safety factors, rounded to 0.01; 0 = not available.
    SafetyFactors factors;
    double CurrentFy = 0; // N/mm2

    // The section computed last: its properties before and after corrosion.
    QString CurrentSectionName;  // at most 18 characters
    QString CurrentSectionLabel; // at most 18 characters
    SectionProperties initial;
    SectionProperties reduced;
    double CurrentWidth = 0; // m
    double CurrentMass = 0;  // kg/m

    // Losses and what they were computed from.
    Losses losses;
    int16_t CurrentServiceLife = 0;
    int16_t ProtectionFront = 0;
    int16_t ProtectionBack = 0;
    // The annex of the corrosion tables in use (index into the catalogue's).
    int16_t CurrentAnnex = 0;

    // Steel quantities.
    WallLengths lengths;
    SteelQuantities quantities;

    // Units (imperial until the settings are applied at start-up), and the
    // unit-label strings of the system in use, set by the unit switch.
    bool UnitsMetric = false;
    QString UnitLoss, UnitLength, UnitWel, UnitI, UnitA, UnitMoment;

    // Section and grade lists: the catalogue section of each row of LB_SSP,
    // and the catalogue grade of each item of CB_SteelGrades (one entry per
    // catalogue grade, GradeListCount of them in use).
    QString CurrentGradeText;   // at most 18 characters
    double MaxSSPLength = 0;    // m
    double MaxSSPLengthImp = 0; // ft
    std::vector<int32_t> SectionListMap;
    std::vector<int8_t> GradeListMap;
    int8_t GradeListCount = 0;

    // Corrosion selection state.
    int16_t LastFrontExposure = 0;
    int16_t LastBackExposure = 0;

    // The working fields a new catalogue starts from: every grade list
    // entry 0, the first annex.
    void startCatalogue(int gradeCount)
    {
        GradeListMap.assign(gradeCount > 0 ? static_cast<size_t>(gradeCount) : 0, 0);
        CurrentAnnex = 0;
    }
};

// Fixed-capacity texts keep their first 18 characters.
inline QString cut18(const QString &s)
{
    return s.left(18);
}

} // namespace pc
