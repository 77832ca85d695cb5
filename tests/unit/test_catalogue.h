#pragma once
// A small catalogue built field by field for the calculation-layer tests:
// three sections (a plain one, a superseded one, one on request), four loss
// steps, three grades.

#include "catalogue/catalogue.h"

namespace pc::test {

inline Catalogue smallCatalogue()
{
    Catalogue c;
    c.FamilyName = {QStringLiteral("AA"), QStringLiteral("AB")};
    c.FamilyRange = {{0, 2}, {0, 1}, {2, 2}};
    c.LossStep = {0, 1, 2, 4};
    //              s0      s1      s2
    c.RedWel = {{1000.0, 1800.0, 2600.0},
                {950.0, 1720.0, 2480.0},
                {900.0, 1640.0, 2360.0},
                {800.0, 1480.0, 0.0}};
    c.RedI = {{20000.0, 38000.0, 55000.0},
              {19000.0, 36300.0, 52500.0},
              {18000.0, 34600.0, 50000.0},
              {16000.0, 31200.0, 0.0}};
    c.RedA = {
        {150.0, 190.0, 230.0}, {140.0, 180.0, 219.0}, {130.0, 170.0, 208.0}, {110.0, 150.0, 0.0}};
    c.SectionName = {QStringLiteral("AA 10"), QStringLiteral("AA 18*"), QStringLiteral("AB 26**")};
    c.SectionWidth = {1.26, 1.25, 1.4};
    c.SectionMass = {100.0, 120.0, 160.0};
    c.SectionTf = {10.0, 11.5, 12.2};
    c.SectionTw = {9.0, 10.0, 11.1};
    c.SectionMaxLength = {20.0, 24.0, 12.0};
    c.GradeName = {QStringLiteral("S 240 GP"), QStringLiteral("S 355 GP"),
                   QStringLiteral("S 430 GP")};
    c.GradeFy = {240.0, 355.0, 430.0};
    c.GradeFyKsi = {35.0, 50.0, 60.0};
    //                 g0 g1 g2
    c.Availability = {{1, 1, 2}, {1, 0, 3}, {0, 1, 1}};
    c.MaxWallLength = 1000.0;
    c.MaxCorrosionRate = 0.5;
    c.deriveLoadedValues();
    return c;
}

} // namespace pc::test
