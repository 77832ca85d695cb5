#pragma once
// Thin-walled properties of a sheet pile pair from its idealised centre-line
// geometry. The catalogue holds properties per metre of wall and per loss of
// thickness; this calculator produces them for sections whose maker's tables
// are not at hand (the shipped sample, or a user's sketch of a section).
//
// Model. One period of the wall (one pair, width B) is a trapezoidal
// corrugation: a flange on the front face, a web down to the back face, a
// flange on the back face and a web back up. Both pile types share this
// centre line; they differ in where the interlocks sit:
//  - Z pair: two flanges and two webs, interlocks in the middle of the
//    flanges, on the outer fibres;
//  - U pair: one flange, two webs and two half-flanges, interlocks in the
//    middle of the webs, on the wall's neutral axis.
// Corners and interlocks are lumped into an extra area per pair, split
// evenly over the interlock positions. A total loss of thickness t makes
// every plate t thinner (front and back faces together) about its unchanged
// centre line; the lumped area shrinks in proportion to the flange.

#include <QString>

#include <vector>

namespace pc {

enum class PileShape { Z, U };

struct PairGeometry
{
    PileShape shape = PileShape::Z;
    double width = 0;         // system width of the pair, m
    double height = 0;        // overall height of the wall, outer face to outer face, mm
    double tf = 0;            // flange thickness, mm
    double tw = 0;            // web thickness, mm
    double webAngle = 0;      // web angle to the wall plane, degrees; 0 = from flangeWidth
    double flangeWidth = 0;   // centre-line width of one flange, mm (used when webAngle is 0)
    double interlockArea = 0; // corners and interlocks of one pair, cm2
};

// One straight plate of the centre line, coordinates in mm: y along the wall,
// z across it (0 = wall axis, positive towards the front face).
struct Plate
{
    double y0 = 0, z0 = 0, y1 = 0, z1 = 0;
    double t = 0; // thickness, mm
};

// A lumped area (corner or interlock) at a point, mm and mm2.
struct LumpedArea
{
    double y = 0, z = 0;
    double area = 0;
};

// The centre line of one period of the wall and its lumped areas.
struct PairOutline
{
    std::vector<Plate> plates;
    std::vector<LumpedArea> lumps;
    double width = 0; // mm
};

// Properties per metre of wall. All 0 when the section does not exist
// (a plate thinner than the minimum plate thickness).
struct WallProperties
{
    double area = 0;    // cm2/m
    double inertia = 0; // cm4/m
    double wel = 0;     // cm3/m
    bool exists() const { return area > 0; }
};

constexpr double SteelDensity = 7850.0;   // kg/m3
constexpr double MinPlateThickness = 1.0; // mm; a thinner plate leaves no section

// Empty when the geometry describes a pair, else the reason it does not.
QString checkPairGeometry(const PairGeometry &g);

// Web angle in degrees, given or derived from the flange width.
double pairWebAngle(const PairGeometry &g);

// Centre-line flange width in mm, given or derived from the web angle.
double pairFlangeWidth(const PairGeometry &g);

// The centre line with every plate thinner by `loss` mm. Empty outline for a
// geometry that checkPairGeometry refuses.
PairOutline pairOutline(const PairGeometry &g, double loss = 0);

// Properties about the outline's own horizontal neutral axis. An outline
// with a plate thinner than MinPlateThickness, or without width, gives all 0.
WallProperties wallProperties(const PairOutline &outline);

// Properties of the pair for a total loss of thickness (front + back), mm.
WallProperties pairProperties(const PairGeometry &g, double loss = 0);

// Mass of one pile element (the pair) per metre of its length, kg/m.
double pairMass(const PairGeometry &g);

} // namespace pc
