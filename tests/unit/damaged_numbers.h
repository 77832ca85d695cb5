#pragma once
// Damaged numbers of every kind a catalogue holds, for the small fixture (six
// sections, three grades, two annexes): one table of fields, each damaged by
// a value that is not a number, an infinity, or a finite value that
// overflows once converted to the other unit system or multiplied in a
// formula (1e308 ksi is infinite in N/mm2).

#include "catalogue/catalogue.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace pc::test {

struct DamagedField
{
    const char *field; // as the reader names it
    std::function<void(Catalogue &, double)> set;
};

inline const std::vector<DamagedField> &damagedFields()
{
    static const std::vector<DamagedField> fields = {
        {"RedA[1][2]", [](Catalogue &c, double v) { c.RedA[1][2] = v; }},
        {"RedI[0][0]", [](Catalogue &c, double v) { c.RedI[0][0] = v; }},
        {"RedWel[3][5]", [](Catalogue &c, double v) { c.RedWel[3][5] = v; }},
        {"SectionWidth[1]", [](Catalogue &c, double v) { c.SectionWidth[1] = v; }},
        {"SectionMass[0]", [](Catalogue &c, double v) { c.SectionMass[0] = v; }},
        {"SectionTf[2]", [](Catalogue &c, double v) { c.SectionTf[2] = v; }},
        {"SectionTw[3]", [](Catalogue &c, double v) { c.SectionTw[3] = v; }},
        {"SectionMaxLength[5]", [](Catalogue &c, double v) { c.SectionMaxLength[5] = v; }},
        {"GradeFy[0]", [](Catalogue &c, double v) { c.GradeFy[0] = v; }},
        {"GradeFy[2]", [](Catalogue &c, double v) { c.GradeFy[2] = v; }},
        {"GradeFyKsi[0]", [](Catalogue &c, double v) { c.GradeFyKsi[0] = v; }},
        {"GradeFyKsi[2]", [](Catalogue &c, double v) { c.GradeFyKsi[2] = v; }},
        {"Annexes[0].AtmosLoss[1][0]",
         [](Catalogue &c, double v) { c.Annexes[0].AtmosLoss[1][0] = v; }},
        {"Annexes[1].SoilLoss[0][0]",
         [](Catalogue &c, double v) { c.Annexes[1].SoilLoss[0][0] = v; }},
        {"Annexes[1].WaterLoss[2][1]",
         [](Catalogue &c, double v) { c.Annexes[1].WaterLoss[2][1] = v; }},
        {"MaxWallLength", [](Catalogue &c, double v) { c.MaxWallLength = v; }},
        {"MaxCorrosionRate", [](Catalogue &c, double v) { c.MaxCorrosionRate = v; }},
    };
    return fields;
}

struct Damage
{
    const char *name;
    double value;
};

inline const std::vector<Damage> &damages()
{
    static const std::vector<Damage> list = {
        {"NaN", std::numeric_limits<double>::quiet_NaN()},
        {"infinity", std::numeric_limits<double>::infinity()},
        {"minus infinity", -std::numeric_limits<double>::infinity()},
        {"overflowing 1e308", 1e308},
    };
    return list;
}

inline std::string damageName(const DamagedField &f, const Damage &d)
{
    return std::string(f.field) + " = " + d.name;
}

} // namespace pc::test
