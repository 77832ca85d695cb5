#include "output/section_sketch.h"

#include "catalogue/catalogue_source_geometry.h"
#include "units/format.h"
#include "units/unit_factors.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace pc {

namespace {

// The program's own inch, as everywhere else.
constexpr double MmPerIn = static_cast<double>(MM_PER_IN);
static_assert(MmPerIn == 25.399956, "the same double as the decimal value");
constexpr double PixelWidth = 720;

const QString NoGeometryText = QStringLiteral("No sketch: properties given as tables");

QString num(const char *fmt, double v)
{
    return format(QChar('.'), fmt, {v});
}

QString length(double mm, bool imperial, bool thickness)
{
    if (imperial)
        return num(thickness ? "%.3f in" : "%.2f in", mm / MmPerIn);
    return num(thickness ? "%.1f mm" : "%.0f mm", mm);
}

// Drawing coordinates are mm, x along the wall, y down the page.
struct Svg
{
    QString body;
    double font = 10;

    void polygon(const double (&pts)[8])
    {
        body += QStringLiteral("<polygon points=\"");
        for (int i = 0; i < 8; i += 2)
            body += num("%.2f", pts[i]) + QChar(',') + num("%.2f", pts[i + 1]) + QChar(' ');
        body += QStringLiteral("\" class=\"steel\"/>\n");
    }
    void line(double x0, double y0, double x1, double y1, const char *cls)
    {
        body += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" class=\"%5\"/>\n")
                    .arg(num("%.2f", x0), num("%.2f", y0), num("%.2f", x1), num("%.2f", y1),
                         QString::fromLatin1(cls));
    }
    void text(double x, double y, const QString &s, const char *anchor, double scale = 1)
    {
        body += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\" text-anchor=\"%4\">%5"
                               "</text>\n")
                    .arg(num("%.2f", x), num("%.2f", y), num("%.2f", font * scale),
                         QString::fromLatin1(anchor), s.toHtmlEscaped());
    }
    // A dimension line with an arrowhead at both ends (drawn as shapes: not
    // every SVG renderer knows markers).
    void dimension(double x0, double y0, double x1, double y1)
    {
        line(x0, y0, x1, y1, "dim");
        const double l = std::hypot(x1 - x0, y1 - y0);
        if (!(l > 0))
            return;
        const double ux = (x1 - x0) / l, uy = (y1 - y0) / l;
        const double a = font * 0.6, w = font * 0.2;
        for (int end = 0; end < 2; ++end) {
            const double tx = end ? x1 : x0, ty = end ? y1 : y0;
            const double sx = end ? -ux : ux, sy = end ? -uy : uy; // pointing outwards
            const double bx = tx + sx * a, by = ty + sy * a;
            body += QStringLiteral("<polygon points=\"%1,%2 %3,%4 %5,%6\" class=\"head\"/>\n")
                        .arg(num("%.2f", tx), num("%.2f", ty), num("%.2f", bx - sy * w),
                             num("%.2f", by + sx * w), num("%.2f", bx + sy * w),
                             num("%.2f", by - sx * w));
        }
    }
    void circle(double x, double y, double r)
    {
        body += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" class=\"lock\"/>\n")
                    .arg(num("%.2f", x), num("%.2f", y), num("%.2f", r));
    }

    QString document(double x, double y, double w, double h) const
    {
        const double pxHeight = PixelWidth * h / w;
        return QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                   "viewBox=\"%3 %4 %5 %6\" font-family=\"sans-serif\">\n"
                   "<defs><style>.steel{fill:#5a6470;stroke:none}"
                   ".lock{fill:#ffffff;stroke:#20262c;stroke-width:%7}"
                   ".dim{stroke:black;stroke-width:%7}.head{fill:black;stroke:none}"
                   ".ext{stroke:#808080;stroke-width:%8}</style></defs>\n"
                   "<rect x=\"%3\" y=\"%4\" width=\"%5\" height=\"%6\" fill=\"white\"/>\n")
                   .arg(num("%.0f", PixelWidth), num("%.0f", pxHeight), num("%.2f", x),
                        num("%.2f", y), num("%.2f", w), num("%.2f", h), num("%.2f", font / 8),
                        num("%.2f", font / 14)) +
               body + QStringLiteral("</svg>\n");
    }
};

} // namespace

QString sketchFileName(const QString &label, bool imperial)
{
    QString name = label.trimmed();
    name.replace(QChar('/'), QChar('-'));
    return QStringLiteral("data/") + name +
           (imperial ? QStringLiteral("-imp.svg") : QStringLiteral(".svg"));
}

QString sectionSketchSvg(const PairGeometry &g, const QString &label, bool imperial)
{
    const PairOutline outline = pairOutline(g, 0);
    if (outline.plates.empty())
        return {};
    const double B = outline.width;
    const double top = -(g.height / 2); // outer face of the front flanges, page coordinates
    const double bottom = g.height / 2;

    Svg svg;
    svg.font = std::max(B, g.height) * 0.03;
    const double f = svg.font;

    // Plates as rectangles about their centre lines; inner joints run on by
    // half a thickness so that the corners close.
    const size_t n = outline.plates.size();
    for (size_t i = 0; i < n; ++i) {
        const Plate &p = outline.plates[i];
        const double dy = p.y1 - p.y0, dz = p.z1 - p.z0;
        const double l = std::hypot(dy, dz);
        if (!(l > 0))
            continue;
        const double ux = dy / l, uy = -dz / l; // along the plate, page coordinates
        const double nx = -uy * p.t / 2, ny = ux * p.t / 2;
        const double before = i > 0 ? p.t / 2 : 0, after = i + 1 < n ? p.t / 2 : 0;
        const double x0 = p.y0 - ux * before, y0 = -p.z0 - uy * before;
        const double x1 = p.y1 + ux * after, y1 = -p.z1 + uy * after;
        const double pts[8] = {x0 + nx, y0 + ny, x1 + nx, y1 + ny,
                               x1 - nx, y1 - ny, x0 - nx, y0 - ny};
        svg.polygon(pts);
    }
    for (const LumpedArea &lu : outline.lumps)
        svg.circle(lu.y, -lu.z, std::max(g.tf, g.tw) * 0.9);

    // Overall width below the pair.
    const double dimY = bottom + 2.2 * f;
    svg.line(0, bottom + 0.4 * f, 0, dimY + 0.6 * f, "ext");
    svg.line(B, bottom + 0.4 * f, B, dimY + 0.6 * f, "ext");
    svg.dimension(0, dimY, B, dimY);
    svg.text(B / 2, dimY + 1.3 * f, length(B, imperial, false), "middle");

    // Overall height right of the pair.
    const double dimX = B + 1.8 * f;
    svg.line(B + 0.4 * f, top, dimX + 0.6 * f, top, "ext");
    svg.line(B + 0.4 * f, bottom, dimX + 0.6 * f, bottom, "ext");
    svg.dimension(dimX, top, dimX, bottom);
    svg.text(dimX + 0.7 * f, f * 0.35, QStringLiteral("h = ") + length(g.height, imperial, false),
             "start");

    // Plate thicknesses and the web angle beside the first flange and web.
    for (const Plate &p : outline.plates) {
        if (p.z0 == p.z1 && p.z0 > 0 && p.y1 > p.y0) {
            svg.text((p.y0 + p.y1) / 2 + f, top - 0.6 * f,
                     QStringLiteral("tf = ") + length(g.tf, imperial, true), "start");
            break;
        }
    }
    for (const Plate &p : outline.plates) {
        if (p.z0 != p.z1) {
            const double mx = (p.y0 + p.y1) / 2, my = -(p.z0 + p.z1) / 2;
            svg.text(mx + 1.2 * f, my, QStringLiteral("tw = ") + length(g.tw, imperial, true),
                     "start");
            svg.text(mx + 1.2 * f, my + 1.3 * f,
                     num("%.1f", pairWebAngle(g)) + QString(QChar(0x00B0)), "start");
            break;
        }
    }

    const double x = -2 * f, y = top - 5.5 * f;
    svg.text(x + f, y + 1.8 * f, label.trimmed(), "start", 1.4);
    svg.text(x + f, y + 3.0 * f,
             g.shape == PileShape::Z ? QStringLiteral("pair of Z piles")
                                     : QStringLiteral("pair of U piles"),
             "start", 0.9);
    return svg.document(x, y, B + 14 * f, bottom + 4.2 * f - y);
}

QString placeholderSketchSvg(const QString &label, bool imperial)
{
    Svg svg;
    svg.font = 20;
    svg.text(20, 40, label.trimmed(), "start", 1.4);
    svg.text(20, 80, NoGeometryText, "start");
    svg.text(20, 110, imperial ? QStringLiteral("(imperial)") : QStringLiteral("(metric)"), "start",
             0.8);
    return svg.document(0, 0, 480, 140);
}

std::vector<SketchFile> sectionSketches(const nlohmann::json &source)
{
    const nlohmann::json plain = expandSectionGeometry(source);
    std::map<std::string, PairGeometry> geometry;
    if (source.is_object() && source.contains("Sections")) {
        for (const nlohmann::json &sec : source["Sections"])
            if (sec.contains("Geometry"))
                geometry[sec["Name"].get<std::string>()] =
                    pairGeometryFromJson(sec["Geometry"], sec["Name"].get<std::string>());
    }

    std::vector<SketchFile> files;
    const auto names = plain.find("SectionName");
    if (names == plain.end() || !names->is_array())
        return files;
    for (const nlohmann::json &n : *names) {
        if (!n.is_string())
            continue;
        const QString label = sectionLabel(QString::fromStdString(n.get<std::string>()));
        const auto g = geometry.find(n.get<std::string>());
        for (bool imperial : {false, true}) {
            const QString svg = g != geometry.end() ? sectionSketchSvg(g->second, label, imperial)
                                                    : placeholderSketchSvg(label, imperial);
            files.push_back({sketchFileName(label, imperial), svg});
        }
    }
    return files;
}

} // namespace pc
