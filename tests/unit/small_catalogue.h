#pragma once
// A catalogue of two families, three sections, one grade and the service
// lives 25, 50 and 100 years, built in memory for start-up tests.

#include "catalogue/catalogue.h"

namespace pc::test_support {

inline Catalogue smallCatalogue(int annexCount)
{
    Catalogue c;
    c.FamilyName = {QStringLiteral("FAM-A"), QStringLiteral("FAM-B")};
    c.FamilyRange = {{0, 2}, {0, 1}, {2, 2}};
    c.LossStep = {0, 2};
    c.SectionName = {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B1")};
    c.SectionWidth = {0.6, 0.6, 0.7};
    c.SectionMass = {50, 60, 70};
    c.SectionTf = {9, 10, 11};
    c.SectionTw = {8, 9, 10};
    c.SectionMaxLength = {20, 22, 24};
    c.RedA = {{100, 110, 120}, {90, 100, 110}};
    c.RedI = c.RedA;
    c.RedWel = c.RedA;
    c.GradeName = {QStringLiteral("G1")};
    c.GradeFy = {240};
    c.GradeFyKsi = {35};
    c.Availability = {{1}, {1}, {1}};
    for (int a = 0; a < annexCount; ++a) {
        Annex x;
        x.AnnexName = QStringLiteral("Annex %1").arg(a);
        x.AnnexYear = {5, 25};
        x.AtmosColName = {QStringLiteral("a")};
        x.AtmosLoss = {{0}, {0.1}};
        x.SoilColName = x.AtmosColName;
        x.SoilLoss = x.AtmosLoss;
        x.WaterColName = x.AtmosColName;
        x.WaterLoss = x.AtmosLoss;
        c.Annexes.push_back(x);
    }
    c.ServiceLife = {25, 50, 100};
    c.ProtectionYears = {5};
    c.MaxWallLength = 100;
    c.MaxCorrosionRate = 0.5;
    return c;
}

} // namespace pc::test_support
