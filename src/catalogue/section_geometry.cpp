#include "catalogue/section_geometry.h"

#include <algorithm>
#include <cmath>

namespace pc {

namespace {

constexpr double Pi = 3.14159265358979323846;

bool finite(double x)
{
    return std::isfinite(x);
}

// Distance between the centre lines of the two flanges, mm.
double centreHeight(const PairGeometry &g)
{
    return g.height - g.tf;
}

// Horizontal projection of one web, mm.
double webProjection(const PairGeometry &g)
{
    const double hc = centreHeight(g);
    if (g.webAngle > 0)
        return hc / std::tan(g.webAngle * Pi / 180.0);
    return g.width * 1000.0 / 2.0 - g.flangeWidth;
}

} // namespace

QString checkPairGeometry(const PairGeometry &g)
{
    if (!finite(g.width) || !finite(g.height) || !finite(g.tf) || !finite(g.tw) ||
        !finite(g.webAngle) || !finite(g.flangeWidth) || !finite(g.interlockArea))
        return QStringLiteral("a dimension is not a number");
    if (g.width <= 0)
        return QStringLiteral("the width must be positive");
    if (g.tf < MinPlateThickness || g.tw < MinPlateThickness)
        return QStringLiteral("tf and tw must be at least 1 mm");
    if (g.height < g.tf)
        return QStringLiteral("the height must be at least tf");
    if (g.interlockArea < 0)
        return QStringLiteral("the interlock area must not be negative");
    if (g.webAngle < 0 || g.webAngle > 90)
        return QStringLiteral("the web angle must lie between 0 and 90 degrees");
    if (g.webAngle == 0 && g.flangeWidth <= 0)
        return QStringLiteral("give either the web angle or the flange width");
    const double p = webProjection(g);
    if (!finite(p) || p < 0)
        return QStringLiteral("the flanges are wider than half the pair");
    if (g.width * 1000.0 / 2.0 - p < 0)
        return QStringLiteral("the webs are too flat for the width and height");
    return {};
}

double pairWebAngle(const PairGeometry &g)
{
    if (g.webAngle > 0)
        return g.webAngle;
    const double p = webProjection(g);
    return std::atan2(centreHeight(g), p) * 180.0 / Pi;
}

double pairFlangeWidth(const PairGeometry &g)
{
    if (g.webAngle > 0)
        return g.width * 1000.0 / 2.0 - webProjection(g);
    return g.flangeWidth;
}

PairOutline pairOutline(const PairGeometry &g, double loss)
{
    PairOutline out;
    if (!checkPairGeometry(g).isEmpty())
        return out;
    const double B = g.width * 1000.0;
    const double hc = centreHeight(g);
    const double p = webProjection(g);
    const double b = B / 2.0 - p;
    const double tf = g.tf - loss;
    const double tw = g.tw - loss;
    const double top = hc / 2.0;
    const double lump = g.interlockArea * 100.0 * std::max(0.0, tf) / g.tf; // mm2 per pair
    out.width = B;

    auto add = [&out](double y0, double z0, double y1, double z1, double t) {
        out.plates.push_back(Plate{y0, z0, y1, z1, t});
    };
    if (g.shape == PileShape::Z) {
        // From the interlock in the middle of a front flange to the next one.
        add(0, top, b / 2, top, tf);
        add(b / 2, top, b / 2 + p, -top, tw);
        add(b / 2 + p, -top, 3 * b / 2 + p, -top, tf);
        add(3 * b / 2 + p, -top, 3 * b / 2 + 2 * p, top, tw);
        add(3 * b / 2 + 2 * p, top, B, top, tf);
        out.lumps = {{0, top, lump / 4}, {b + p, -top, lump / 2}, {B, top, lump / 4}};
    } else {
        // From the interlock in the middle of a web to the next one.
        add(0, 0, p / 2, top, tw);
        add(p / 2, top, p / 2 + b, top, tf);
        add(p / 2 + b, top, 3 * p / 2 + b, -top, tw);
        add(3 * p / 2 + b, -top, 3 * p / 2 + 2 * b, -top, tf);
        add(3 * p / 2 + 2 * b, -top, B, 0, tw);
        out.lumps = {{0, 0, lump / 4}, {p + b, 0, lump / 2}, {B, 0, lump / 4}};
    }
    return out;
}

WallProperties wallProperties(const PairOutline &outline)
{
    if (!(outline.width > 0) || outline.plates.empty())
        return {};
    double area = 0, moment = 0;
    for (const Plate &pl : outline.plates) {
        if (!(pl.t >= MinPlateThickness))
            return {};
        const double l = std::hypot(pl.y1 - pl.y0, pl.z1 - pl.z0);
        area += l * pl.t;
        moment += l * pl.t * (pl.z0 + pl.z1) / 2;
    }
    for (const LumpedArea &lu : outline.lumps) {
        area += lu.area;
        moment += lu.area * lu.z;
    }
    if (!(area > 0))
        return {};
    const double zNa = moment / area;

    double inertia = 0, zMax = 0;
    for (const Plate &pl : outline.plates) {
        const double dy = pl.y1 - pl.y0, dz = pl.z1 - pl.z0;
        const double l = std::hypot(dy, dz);
        if (!(l > 0))
            continue; // a web of no length (a flat wall) adds nothing
        const double zc = (pl.z0 + pl.z1) / 2 - zNa;
        const double a = l * pl.t;
        // A rectangle l x t turned by the plate's slope, about its own centroid.
        const double own = a / 12 * (dz * dz + pl.t * pl.t * dy * dy / (l * l));
        inertia += own + a * zc * zc;
        const double reach = std::fabs(dz) / 2 + pl.t / 2 * std::fabs(dy) / l;
        zMax = std::max({zMax, std::fabs(zc + reach), std::fabs(zc - reach)});
    }
    for (const LumpedArea &lu : outline.lumps)
        inertia += lu.area * (lu.z - zNa) * (lu.z - zNa);
    if (!(zMax > 0))
        return {};

    const double perMetre = 1000.0 / outline.width;
    WallProperties w;
    w.area = area / 100.0 * perMetre;        // mm2 -> cm2
    w.inertia = inertia / 1e4 * perMetre;    // mm4 -> cm4
    w.wel = inertia / zMax / 1e3 * perMetre; // mm3 -> cm3
    return w;
}

WallProperties pairProperties(const PairGeometry &g, double loss)
{
    if (!finite(loss))
        return {};
    return wallProperties(pairOutline(g, loss));
}

double pairMass(const PairGeometry &g)
{
    const WallProperties w = pairProperties(g, 0);
    // cm2/m of wall x width = cm2 per pair; x 1e-4 m2/cm2 x density = kg/m.
    return w.area * g.width * 1e-4 * SteelDensity;
}

} // namespace pc
