#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_source_geometry.h"
#include "catalogue/section_geometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using nlohmann::json;

// Two families: a Z section by geometry, an explicit section as a maker's
// table would give it, then a U section by geometry; three loss steps.
json smallSource()
{
    return json::parse(R"({
      "LossStep": [0, 2, 6],
      "GradeName": ["G1", "G2", "G3"],
      "GradeFy": [240, 355, 430],
      "GradeFyKsi": [34.8, 51.5, 62.4],
      "ServiceLife": [25, 50],
      "Sections": [
        {"Name": "Zed 12", "Family": "Zed", "MaxLength": 24,
         "Geometry": {"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6,
                      "WebAngle": 45, "InterlockArea": 12}},
        {"Name": "Zed 13*", "Family": "Zed", "MaxLength": 20,
         "Availability": {"G3": 0, "G2": 2},
         "Width": 1.25, "Mass": 101.5, "Tf": 9.5, "Tw": 8.5,
         "RedA": [130.5, 100.25, 40], "RedI": [25000, 19000, 7000], "RedWel": [1300, 990, 360]},
        {"Name": "Ucon 6**", "Family": "Ucon", "MaxLength": 30, "Availability": [3, 1, 0],
         "Geometry": {"Shape": "U", "Width": 1.5, "Height": 300, "Tf": 9, "Tw": 7,
                      "FlangeWidth": 400}}
      ]
    })");
}

TEST(CatalogueSourceGeometry, PlainSourcePassesUnchanged)
{
    const json plain = json::parse(R"({"SectionName": ["A"], "RedA": [[1]], "LossStep": [0]})");
    EXPECT_EQ(pc::expandSectionGeometry(plain), plain);
}

TEST(CatalogueSourceGeometry, ExpandsSectionsIntoPlainArrays)
{
    const json out = pc::expandSectionGeometry(smallSource());
    EXPECT_FALSE(out.contains("Sections"));
    EXPECT_EQ(out["ServiceLife"], json({25, 50})); // other keys kept
    EXPECT_EQ(out["SectionName"], json({"Zed 12", "Zed 13*", "Ucon 6**"}));
    EXPECT_EQ(out["FamilyName"], json({"Zed", "Ucon"}));
    EXPECT_EQ(out["FamilyRange"], json({{0, 2}, {0, 1}, {2, 2}}));
    EXPECT_EQ(out["SectionMaxLength"], json({24, 20, 30}));
    EXPECT_EQ(out["SectionWidth"], json({1.2, 1.25, 1.5}));
    EXPECT_EQ(out["SectionTf"], json({10, 9.5, 9}));
    EXPECT_EQ(out["SectionTw"], json({6, 8.5, 7}));
    EXPECT_EQ(out["Availability"], json({{1, 1, 1}, {1, 2, 0}, {3, 1, 0}}));

    // Rows per loss step, one value per section; the explicit section as given.
    ASSERT_EQ(out["RedA"].size(), 3u);
    for (const char *key : {"RedA", "RedI", "RedWel"})
        for (const json &row : out[key])
            EXPECT_EQ(row.size(), 3u) << key;
    EXPECT_EQ(out["RedA"][1][1], 100.25);
    EXPECT_EQ(out["RedI"][2][1], 7000);
    EXPECT_EQ(out["RedWel"][0][1], 1300);
    EXPECT_EQ(out["SectionMass"][1], 101.5);

    // The computed columns are the calculator's values at the catalogue's
    // precision: A to 0.1 cm2/m, I and Wel to whole units, mass to 0.1 kg/m.
    const pc::PairGeometry z{pc::PileShape::Z, 1.2, 410, 10, 6, 45, 0, 12};
    const int steps[] = {0, 2, 6};
    for (int r = 0; r < 3; ++r) {
        const pc::WallProperties w = pc::pairProperties(z, steps[r]);
        EXPECT_NEAR(out["RedA"][r][0].get<double>(), w.area, 0.05 + 1e-9) << r;
        EXPECT_NEAR(out["RedI"][r][0].get<double>(), w.inertia, 0.5 + 1e-9) << r;
        EXPECT_NEAR(out["RedWel"][r][0].get<double>(), w.wel, 0.5 + 1e-9) << r;
    }
    EXPECT_NEAR(out["SectionMass"][0].get<double>(), pc::pairMass(z), 0.05 + 1e-9);
    EXPECT_GT(out["RedWel"][1][0].get<double>(), 0);
    // A 6 mm loss leaves a 0 mm web: no reduced section in that row.
    EXPECT_EQ(out["RedA"][2][0], 0);
    EXPECT_EQ(out["RedI"][2][0], 0);
    EXPECT_EQ(out["RedWel"][2][0], 0);
    EXPECT_GT(out["RedWel"][2][2].get<double>(), 0); // the U keeps 1 mm of web
}

TEST(CatalogueSourceGeometry, RefusesFaultySources)
{
    struct Fault
    {
        const char *what;
        const char *section;  // JSON patch applied to the second section
        const char *expected; // part of the message
    };
    const Fault faults[] = {
        {"short column", R"({"RedA": [1, 2]})", "2 values for 3 loss steps"},
        {"unknown grade", R"({"Availability": {"G9": 1}})", "unknown grade"},
        {"code out of range", R"({"Availability": {"G1": 4}})", "0, 1, 2 or 3"},
        {"too few codes", R"({"Availability": [1, 1]})", "one code per grade"},
        {"geometry beside a table", R"({"Geometry": {"Shape": "Z"}})", "beside \"Geometry\""},
        {"long name", R"({"Name": "A name of nineteen c"})", "longer than 18"},
        {"no length", R"({"MaxLength": null})", "\"MaxLength\" is missing"},
        {"length not a number", R"({"MaxLength": "20"})", "\"MaxLength\" must be a number"},
    };
    for (const Fault &f : faults) {
        json src = smallSource();
        src["Sections"][1].merge_patch(json::parse(f.section));
        try {
            pc::expandSectionGeometry(src);
            ADD_FAILURE() << f.what << ": accepted";
        } catch (const pc::CatalogueSourceError &e) {
            EXPECT_NE(std::string(e.what()).find(f.expected), std::string::npos)
                << f.what << ": " << e.what();
        }
    }
}

TEST(CatalogueSourceGeometry, RefusesFaultyGeometryAndTopLevel)
{
    struct Fault
    {
        const char *what;
        const char *patch; // applied to the whole source
    };
    const Fault faults[] = {
        {"plain array beside Sections", R"({"SectionName": ["x"]})"},
        {"no loss steps", R"({"LossStep": null})"},
        {"fractional loss step", R"({"LossStep": [0, 1.5, 3]})"},
        {"no grades", R"({"GradeName": []})"},
        {"family without sections", R"({"FamilyName": ["Zed", "Ucon", "Empty"]})"},
        {"family not listed", R"({"FamilyName": ["Zed"]})"},
        {"empty section list", R"({"Sections": []})"},
    };
    for (const Fault &f : faults) {
        json src = smallSource();
        src.merge_patch(json::parse(f.patch));
        EXPECT_THROW(pc::expandSectionGeometry(src), pc::CatalogueSourceError) << f.what;
    }

    json split = smallSource();
    split["Sections"].push_back(split["Sections"][0]);
    split["Sections"][3]["Name"] = "Zed 14";
    try {
        pc::expandSectionGeometry(split);
        ADD_FAILURE() << "a family split in two accepted";
    } catch (const pc::CatalogueSourceError &e) {
        EXPECT_EQ(e.field(), "Sections[3] (Zed 14)");
    }

    const char *badGeometry[] = {
        R"({"Shape": "V", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6, "WebAngle": 45})",
        R"({"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6})",
        R"({"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6, "WebAngle": 45,
            "FlangeWidth": 200})",
        R"({"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": "6", "WebAngle": 45})",
        R"({"Shape": "Z", "Width": 1.2, "Height": 410, "Tf": 10, "Tw": 6, "WebAngle": 10})",
    };
    for (const char *g : badGeometry) {
        json src = smallSource();
        src["Sections"][0]["Geometry"] = json::parse(g);
        EXPECT_THROW(pc::expandSectionGeometry(src), pc::CatalogueSourceError) << g;
    }
}

} // namespace
