#include "case_row.h"
#include "catalogue/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using pc::PairGeometry;
using pc::PileShape;

struct PropertyCase
{
    const char *what;
    PairGeometry g;
    double loss;
    double area, inertia, wel; // cm2/m, cm4/m, cm3/m
};

// A flat plate 1 m wide and 10 mm thick: a Z pair whose height equals its
// flange thickness has webs of no length.
//   A = 1000 x 10 mm2 = 100 cm2/m; I = 1000 x 10^3 / 12 mm4 = 8.333 cm4/m;
//   Wel = 1000 x 10^2 / 6 mm3 = 16.667 cm3/m; 8 mm thick: 80, 4.267, 10.667.
const PairGeometry FlatPlate{PileShape::Z, 1.0, 10, 10, 10, 45, 0, 0};

// A symmetric Z pair, B = 1.2 m, h = 410, tf = tw = 10, webs at 45 degrees:
// centre-line height 400, web projection 400, flange 200, web 565.685.
//   flanges: A = 2 x 200 x 10 = 4000 mm2 at 200 mm: I = 4000 x 200^2 + 2 x 200 x 10^3/12
//   webs:    A = 2 x 565.685 x 10 = 11313.7 mm2, I = 2 x 5656.85/12 x (400^2 + 10^2/2)
//   I = 310.930e6 mm4 per pair; extreme fibre 205 mm.
//   Per metre: A = 15313.7 / 100 / 1.2 = 127.614, I = 25910.8, Wel = 1263.94.
// With a 2 mm loss (plates of 8 mm, extreme fibre 204 mm): 102.091, 20726.7, 1016.02.
const PairGeometry SymmetricZ{PileShape::Z, 1.2, 410, 10, 10, 45, 0, 0};

TEST(SectionGeometry, PropertiesMatchHandCalculations)
{
    PairGeometry zByFlange = SymmetricZ;
    zByFlange.webAngle = 0;
    zByFlange.flangeWidth = 200;
    PairGeometry uPair = SymmetricZ;
    uPair.shape = PileShape::U;
    PairGeometry zLumped = SymmetricZ;
    zLumped.interlockArea = 12; // 1200 mm2 on the flanges: +10 cm2/m, +1200 x 200^2 mm4
    PairGeometry uLumped = uPair;
    uLumped.interlockArea = 12; // on the neutral axis: area only
    PairGeometry zUneven{PileShape::Z, 1.2, 410, 12, 8, 60, 0, 0};

    const PropertyCase cases[] = {
        {"flat plate", FlatPlate, 0, 100.0, 8.33333, 16.6667},
        {"flat plate, 2 mm loss", FlatPlate, 2, 80.0, 4.26667, 10.6667},
        {"flat plate, 1 mm left", FlatPlate, 9, 10.0, 0.0083333, 0.166667},
        {"symmetric Z", SymmetricZ, 0, 127.614237, 25910.8267, 1263.94277},
        {"symmetric Z, 2 mm loss", SymmetricZ, 2, 102.091390, 20726.7300, 1016.01618},
        {"symmetric Z, 5 mm loss", SymmetricZ, 5, 63.8071187, 12952.8985, 639.649311},
        {"Z given by its flange width", zByFlange, 0, 127.614237, 25910.8267, 1263.94277},
        {"U pair on the same centre line", uPair, 0, 127.614237, 25910.8267, 1263.94277},
        {"Z with interlocks", zLumped, 0, 137.614237, 29910.8267, 1459.06472},
        {"U with interlocks", uLumped, 0, 137.614237, 25910.8267, 1263.94277},
        {"Z, tf 12, tw 8, 60 degrees", zUneven, 0, 135.319027, 37420.0889, 1825.37019},
    };
    for (const auto &c : cases) {
        const pc::WallProperties w = pc::pairProperties(c.g, c.loss);
        EXPECT_NEAR(w.area, c.area, 1e-5 * c.area) << c.what;
        EXPECT_NEAR(w.inertia, c.inertia, 1e-5 * c.inertia) << c.what;
        EXPECT_NEAR(w.wel, c.wel, 1e-5 * c.wel) << c.what;
    }
}

TEST(SectionGeometry, MassAndDerivedDimensions)
{
    // 15313.7 mm2 per pair x 7850 kg/m3 = 120.213 kg/m; flat plate 100 cm2 = 78.5 kg/m.
    EXPECT_NEAR(pc::pairMass(SymmetricZ), 120.212612, 1e-5);
    EXPECT_NEAR(pc::pairMass(FlatPlate), 78.5, 1e-9);
    EXPECT_NEAR(pc::pairFlangeWidth(SymmetricZ), 200.0, 1e-9);

    PairGeometry byFlange = SymmetricZ;
    byFlange.webAngle = 0;
    byFlange.flangeWidth = 200;
    EXPECT_NEAR(pc::pairWebAngle(byFlange), 45.0, 1e-9);
}

TEST(SectionGeometry, PlateBelowOneMillimetreLeavesNoSection)
{
    const PairGeometry thinWeb{PileShape::Z, 1.2, 410, 10, 6, 45, 0, 8};
    struct Row
    {
        double loss;
        bool exists;
    };
    const Row rows[] = {{0, true},  {4.9, true}, {5.0, true}, {5.01, false},
                        {6, false}, {10, false}, {20, false}};
    for (const Row &r : rows) {
        SCOPED_TRACE(pc::test::caseRow(rows, r));
        const pc::WallProperties w = pc::pairProperties(thinWeb, r.loss);
        EXPECT_EQ(w.exists(), r.exists) << r.loss;
        if (!r.exists) {
            EXPECT_EQ(w.area, 0.0);
            EXPECT_EQ(w.inertia, 0.0);
            EXPECT_EQ(w.wel, 0.0);
        }
    }
    // Properties fall with every step of loss while the section exists.
    double last = pc::pairProperties(thinWeb, 0).wel;
    for (int t = 1; t <= 5; ++t) {
        const double wel = pc::pairProperties(thinWeb, t).wel;
        EXPECT_LT(wel, last) << t;
        last = wel;
    }
}

TEST(SectionGeometry, RefusesGeometryThatIsNoPair)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Bad
    {
        const char *what;
        PairGeometry g;
    };
    const Bad cases[] = {
        {"no width", {PileShape::Z, 0, 410, 10, 10, 45, 0, 0}},
        {"plate under 1 mm", {PileShape::Z, 1.2, 410, 0.5, 10, 45, 0, 0}},
        {"height below tf", {PileShape::U, 1.2, 8, 10, 10, 45, 0, 0}},
        {"webs too flat for the width", {PileShape::Z, 1.2, 410, 10, 10, 20, 0, 0}},
        {"flanges wider than half the pair", {PileShape::Z, 1.2, 410, 10, 10, 0, 650, 0}},
        {"neither angle nor flange", {PileShape::Z, 1.2, 410, 10, 10, 0, 0, 0}},
        {"angle above 90", {PileShape::Z, 1.2, 410, 10, 10, 95, 0, 0}},
        {"negative interlock area", {PileShape::Z, 1.2, 410, 10, 10, 45, 0, -1}},
        {"not a number", {PileShape::Z, 1.2, nan, 10, 10, 45, 0, 0}},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(pc::checkPairGeometry(c.g).isEmpty()) << c.what;
        EXPECT_FALSE(pc::pairProperties(c.g).exists()) << c.what;
        EXPECT_EQ(pc::pairMass(c.g), 0.0) << c.what;
        EXPECT_TRUE(pc::pairOutline(c.g).plates.empty()) << c.what;
    }
    EXPECT_TRUE(pc::checkPairGeometry(SymmetricZ).isEmpty());
    EXPECT_FALSE(pc::pairProperties(SymmetricZ, nan).exists());
}

} // namespace
