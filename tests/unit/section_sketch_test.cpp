#include "case_row.h"
#include "output/section_sketch.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <set>

namespace {

using pc::PairGeometry;
using pc::PileShape;

TEST(SectionSketch, LabelsAndFileNames)
{
    struct Case
    {
        const char *name, *label, *metricFile;
    };
    const Case cases[] = {
        {"ZT 12-700", "ZT 12-700", "data/ZT 12-700.svg"},
        {"ZT 9-700*", "ZT 9-700 - old", "data/ZT 9-700 - old.svg"},
        {"UC 31/800**", "UC 31/800 - on req", "data/UC 31-800 - on req.svg"},
        {"A/B/C", "A/B/C", "data/A-B-C.svg"},
        // Each replacement keeps 18 characters; the file name drops the outer blanks.
        {"ABCDEFGHIJKLMNO**", "ABCDEFGHIJKLMNO - ", "data/ABCDEFGHIJKLMNO -.svg"},
        {"X***", "X - on request - o", "data/X - on request - o.svg"},
        {" Zeta 5 ", " Zeta 5 ", "data/Zeta 5.svg"},
    };
    for (const Case &c : cases) {
        const QString label = pc::sectionLabel(QString::fromUtf8(c.name));
        EXPECT_EQ(label, QString::fromUtf8(c.label)) << c.name;
        EXPECT_LE(label.size(), 18) << c.name;
        EXPECT_EQ(pc::sketchFileName(label, false), QString::fromUtf8(c.metricFile)) << c.name;
        QString imperial = QString::fromUtf8(c.metricFile);
        imperial.replace(QStringLiteral(".svg"), QStringLiteral("-imp.svg"));
        EXPECT_EQ(pc::sketchFileName(label, true), imperial) << c.name;
    }
}

// Reads the drawing as XML, collects its texts and checks that every shape
// lies inside the view box.
struct ParsedSvg
{
    bool wellFormed = false;
    QStringList texts;
    int polygons = 0;
    bool allInside = true;
};

ParsedSvg parse(const QString &svg)
{
    ParsedSvg out;
    QXmlStreamReader xml(svg);
    double vx = 0, vy = 0, vw = 0, vh = 0;
    auto inside = [&](double x, double y) {
        return x >= vx && x <= vx + vw && y >= vy && y <= vy + vh;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        const QStringView name = xml.name();
        if (name == QLatin1String("svg")) {
            const QStringList v = a.value(QLatin1String("viewBox")).toString().split(' ');
            if (v.size() == 4) {
                vx = v[0].toDouble(), vy = v[1].toDouble(), vw = v[2].toDouble();
                vh = v[3].toDouble();
            }
        } else if (name == QLatin1String("text")) {
            out.allInside &= inside(a.value(QLatin1String("x")).toDouble(),
                                    a.value(QLatin1String("y")).toDouble());
            out.texts << xml.readElementText();
        } else if (name == QLatin1String("polygon")) {
            ++out.polygons;
            const auto pts =
                a.value(QLatin1String("points"))
                    .toString()
                    .split(QRegularExpression(QStringLiteral("[ ,]")), Qt::SkipEmptyParts);
            for (int i = 0; i + 1 < pts.size(); i += 2)
                out.allInside &= inside(pts[i].toDouble(), pts[i + 1].toDouble());
        } else if (name == QLatin1String("line")) {
            for (const char *p : {"1", "2"})
                out.allInside &= inside(a.value(QLatin1String("x") + QLatin1String(p)).toDouble(),
                                        a.value(QLatin1String("y") + QLatin1String(p)).toDouble());
        }
    }
    out.wellFormed = !xml.hasError() && vw > 0 && vh > 0;
    return out;
}

TEST(SectionSketch, DrawsThePairWithItsMainDimensions)
{
    const PairGeometry z{PileShape::Z, 1.4, 380, 10, 8.5, 55, 0, 11};
    const PairGeometry u{PileShape::U, 1.6, 460, 16, 13, 0, 602, 13};
    struct Case
    {
        PairGeometry g;
        bool imperial;
        QStringList expected;
    };
    // 1400 mm = 55.12 in, 380 mm = 14.96 in, 10 mm = 0.394 in, 8.5 mm = 0.335 in.
    const Case cases[] = {
        {z,
         false,
         {"1400 mm", "h = 380 mm", "tf = 10.0 mm", "tw = 8.5 mm", "55.0\u00b0", "pair of Z piles",
          "A&B <1>"}},
        {z, true, {"55.12 in", "h = 14.96 in", "tf = 0.394 in", "tw = 0.335 in"}},
        {u, false, {"1600 mm", "h = 460 mm", "tf = 16.0 mm", "tw = 13.0 mm", "pair of U piles"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        const QString svg = pc::sectionSketchSvg(c.g, QStringLiteral(" A&B <1> "), c.imperial);
        const ParsedSvg p = parse(svg);
        EXPECT_TRUE(p.wellFormed) << svg.toStdString();
        EXPECT_TRUE(p.allInside) << svg.toStdString();
        EXPECT_GE(p.polygons, 5); // five plates, then the arrowheads
        for (const QString &t : c.expected)
            EXPECT_TRUE(p.texts.contains(t))
                << t.toStdString() << " in " << p.texts.join('|').toStdString();
        for (const QString &t : p.texts)
            EXPECT_FALSE(t.endsWith(c.imperial ? QStringLiteral(" mm") : QStringLiteral(" in")))
                << t.toStdString();
    }
    EXPECT_TRUE(pc::sectionSketchSvg(PairGeometry{}, QStringLiteral("x"), false).isEmpty());
}

TEST(SectionSketch, EverySectionOfASourceGetsBothDrawings)
{
    const nlohmann::json source = nlohmann::json::parse(R"({
      "LossStep": [0, 1], "GradeName": ["G1"],
      "Sections": [
        {"Name": "Zed 1*", "MaxLength": 20,
         "Geometry": {"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6, "WebAngle": 45}},
        {"Name": "Tab 2/3", "MaxLength": 20, "Width": 1.2, "Mass": 100, "Tf": 9, "Tw": 8,
         "RedA": [100, 90], "RedI": [20000, 18000], "RedWel": [1000, 900]}
      ]})");
    const std::vector<pc::SketchFile> files = pc::sectionSketches(source);
    std::set<QString> paths;
    for (const pc::SketchFile &f : files) {
        paths.insert(f.path);
        EXPECT_TRUE(parse(f.svg).wellFormed) << f.path.toStdString();
    }
    const std::set<QString> expected = {"data/Zed 1 - old.svg", "data/Zed 1 - old-imp.svg",
                                        "data/Tab 2-3.svg", "data/Tab 2-3-imp.svg"};
    EXPECT_EQ(paths, expected);
    // The section given by tables has no geometry to draw: it says so.
    for (const pc::SketchFile &f : files)
        EXPECT_EQ(
            f.path.startsWith(QStringLiteral("data/Tab")),
            parse(f.svg).texts.contains(QStringLiteral("No sketch: properties given as tables")))
            << f.path.toStdString();
}

} // namespace
