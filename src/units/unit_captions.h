#pragma once
// The texts that name the units of the two unit systems: the unit-label
// strings, the unit captions of the window, and the units of the property
// grid's last column.

#include <QString>

#include <array>

namespace pc {

// The six unit-label strings (UnitLoss, UnitLength, UnitWel, UnitI, UnitA,
// UnitMoment).
struct UnitLabels
{
    QString loss;
    QString length;
    QString wel;
    QString i;
    QString a;
    QString moment;
};
const UnitLabels &unitLabels(bool metric);

// The unit captions of the window's controls, one per control (or item).
struct UnitCaptions
{
    QString momentUnit;     // Lbl_MomentUnit
    QString loadUnit;       // Lbl_LoadUnit
    QString deflectionUnit; // Lbl_DeflectionUnit
    QString bmcUnit;        // Lbl_BMC_Unit
    QString steelGradesBox; // GB_SteelGrades
    QString sectionBox;     // GB_SSP
    QString pileLengthUnit; // Lbl_SSP_Units
    QString totalUnit;      // Lbl_Total_Units
    QString wallUnit;       // Lbl_Wall_Units
    QString wallLengthUnit; // Lbl_WallLength_Units
    QString weightUnit;     // Lbl_Weight_Units
    QString redAUnit;       // Lbl_Red_Ax3
    QString redIUnit;       // Lbl_Red_Ix3
    QString redWelUnit;     // Lbl_Red_Wx3
    QString redTfUnit;      // Lbl_Red_tf3
    QString redTwUnit;      // Lbl_Red_tw3
    QString lossUnit;       // Lbl_Summary_Front3, Lbl_Summary_Back3
    QString ratesItem;      // RG_Project_Rates item 0
    QString totalLossItem;  // RG_Project_Rates item 1
    // The property grid's unit column, rows Wel, I, A, tf, tw.
    std::array<QString, 5> propertyUnits;
};
const UnitCaptions &unitCaptions(bool metric);

} // namespace pc
