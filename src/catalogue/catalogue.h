#pragma once
// The one in-memory store of everything read from the catalogue file. Filled
// once at start-up, read-only afterwards except the two working fields
// GradeListMap and CurrentAnnex. Indices are 0-based; 2-D tables are
// [row][column] in file order.

#include "catalogue/flat_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace pc {

// Reduced properties [loss step][section] and availability codes
// [section][grade]: the two kinds of table that grow with the section count.
using PropertyTable = FlatTable<double>;
using AvailabilityTable = FlatTable<int8_t>;

// One set of corrosion tables (EN 1993-5 or a national annex).
struct Annex
{
    QString AnnexName;
    std::vector<int16_t> AnnexYear;             // Y years, one per row
    std::vector<QString> AtmosColName;          // Ca column texts
    std::vector<std::vector<double>> AtmosLoss; // [year][column], mm
    std::vector<QString> SoilColName;           // Cs
    std::vector<std::vector<double>> SoilLoss;  // [year][column], mm
    std::vector<QString> WaterColName;          // Cw
    std::vector<std::vector<double>> WaterLoss; // [year][column], mm

    int AnnexYearCount() const { return static_cast<int>(AnnexYear.size()); }
    int AtmosColCount() const { return static_cast<int>(AtmosColName.size()); }
    int SoilColCount() const { return static_cast<int>(SoilColName.size()); }
    int WaterColCount() const { return static_cast<int>(WaterColName.size()); }
};

struct Catalogue
{
    // Families: FamilyRange[0] is the range of " ALL", FamilyRange[f] that of family f-1.
    std::vector<QString> FamilyName;
    std::vector<std::array<int16_t, 2>> FamilyRange; // F + 1 pairs {first, last}

    // Reduced-property tables: [loss step row][section].
    std::vector<int16_t> LossStep; // mm, whole numbers
    PropertyTable RedA;            // cm2/m
    PropertyTable RedI;            // cm4/m
    PropertyTable RedWel;          // cm3/m

    // Sections.
    std::vector<QString> SectionName;
    std::vector<double> SectionWidth;     // m
    std::vector<double> SectionMass;      // kg/m
    std::vector<double> SectionTf;        // mm
    std::vector<double> SectionTw;        // mm
    std::vector<double> SectionMaxLength; // m

    // Steel grades.
    std::vector<QString> GradeName;
    std::vector<double> GradeFy;    // N/mm2
    std::vector<double> GradeFyKsi; // ksi
    AvailabilityTable Availability; // [section][grade], codes 0..3

    std::vector<Annex> Annexes;

    std::vector<int16_t> ServiceLife;     // years
    std::vector<int16_t> ProtectionYears; // years
    double MaxWallLength = 0;             // m
    double MaxCorrosionRate = 0;          // mm/year

    // Derived at load.
    double MaxWallLengthFt = 0;  // ft, rounded to 0.1
    double MaxMomentImp = 0;     // kips*ft/ft
    double MaxLoadImp = 0;       // kips/ft
    double MaxDeflectionImp = 0; // in

    static constexpr int16_t MaxMoment = 2306;   // kNm/m
    static constexpr int16_t MaxLoad = 14821;    // kN/m
    static constexpr int16_t MaxDeflection = 50; // cm
    static constexpr int AvailabilityTextCount = 4;
    static const std::array<QString, 4> AvailabilityText;

    // Working fields.
    std::vector<int8_t> GradeListMap; // GradeCount entries
    int16_t CurrentAnnex = 0;

    int FamilyCount() const { return static_cast<int>(FamilyName.size()); }
    int SectionCount() const { return static_cast<int>(SectionName.size()); }
    int LossStepCount() const { return static_cast<int>(LossStep.size()); }
    int GradeCount() const { return static_cast<int>(GradeName.size()); }
    int AnnexCount() const { return static_cast<int>(Annexes.size()); }
    int ServiceLifeCount() const { return static_cast<int>(ServiceLife.size()); }
    int ProtectionCount() const { return static_cast<int>(ProtectionYears.size()); }

    // Sets the constants' derived imperial limits, MaxWallLengthFt,
    // GradeListMap (all 0) and CurrentAnnex (0), as loading does.
    void deriveLoadedValues();
};

} // namespace pc
