#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using nlohmann::json;
using pc::Catalogue;
using pc::catalogueFromJson;
using pc::catalogueToJson;
using pc::writeCatalogue;
using pc::test::fileSizeFormula;
using pc::test::smallestCatalogue;
using pc::test::smallFixture;
using pc::test::smallFixtureJson;

Catalogue withVariedTexts()
{
    Catalogue c = smallFixture();
    c.Annexes[0].AnnexName.clear();
    c.Annexes[1].AnnexName = QStringLiteral("Annex with a longer name, 2013 ");
    c.Annexes[1].WaterColName = {QString(), QStringLiteral("x")};
    c.SectionName[2] = QStringLiteral("ABCDEFGHIJKLMNOPQR");
    c.FamilyName[0] = QString();
    return c;
}

TEST(CatalogueWriter, FileSizeFormulaAndByteIdentityOfRewrite)
{
    for (const Catalogue &c : {smallestCatalogue(), smallFixture(), withVariedTexts()}) {
        const QByteArray bytes = writeCatalogue(c);
        EXPECT_EQ(bytes.size(), fileSizeFormula(c));
        QString why;
        const auto back = pc::readCatalogue(bytes, &why);
        ASSERT_TRUE(back) << why.toStdString();
        EXPECT_EQ(writeCatalogue(*back), bytes);
        EXPECT_EQ(catalogueToJson(*back), catalogueToJson(c));
    }
}

TEST(CatalogueJson, DumpBuildDumpIsTheIdentity)
{
    for (const Catalogue &c : {smallestCatalogue(), smallFixture(), withVariedTexts()}) {
        const json dumped = catalogueToJson(c);
        const json again = catalogueToJson(catalogueFromJson(json::parse(dumped.dump(2))));
        EXPECT_EQ(again.dump(2), dumped.dump(2));
    }
}

TEST(CatalogueJson, FieldsAndDerivedLimits)
{
    json source = smallFixtureJson();
    // Derived values in a source are recomputed, not taken.
    source["MaxWallLengthFt"] = 1.0;
    source["MaxMomentImp"] = 2.0;
    const json out = catalogueToJson(catalogueFromJson(source));
    EXPECT_DOUBLE_EQ(out["MaxWallLengthFt"].get<double>(), 328.1);
    EXPECT_DOUBLE_EQ(out["MaxMomentImp"].get<double>(), 518.2);
    EXPECT_DOUBLE_EQ(out["MaxLoadImp"].get<double>(), 1015.2);
    EXPECT_DOUBLE_EQ(out["MaxDeflectionImp"].get<double>(), 19.6);
    EXPECT_EQ(out["MaxMoment"], 2306);
    EXPECT_EQ(out["MaxLoad"], 14821);
    EXPECT_EQ(out["MaxDeflection"], 50);
    EXPECT_EQ(out["RedWel"][3][5], 1860);
    EXPECT_EQ(out["Availability"][2], json({1, 2, 3}));
    EXPECT_EQ(out["FamilyRange"][2], json({3, 5}));
    EXPECT_EQ(out["Annexes"][1]["WaterLoss"][2], json({1.6, 6.0}));
    EXPECT_EQ(out["ServiceLife"], json({25, 50, 100}));
    EXPECT_FALSE(out.contains("_comment"));
}

// Such numbers are written as texts and read back as the numbers they name;
// a catalogue holding them is damaged, and building one names the field.
TEST(CatalogueJson, NonFiniteNumbersAreWrittenAsTextAndRefusedByBuild)
{
    struct Case
    {
        const char *name;
        void (*change)(Catalogue &);
        const char *field;
        const char *text;
    } const cases[] = {
        {"NaN", [](Catalogue &c) { c.RedA[0][0] = std::nan(""); }, "RedA", "NaN"},
        {"infinity", [](Catalogue &c) { c.RedI[0][0] = INFINITY; }, "RedI", "Infinity"},
        {"minus infinity", [](Catalogue &c) { c.SectionTf[0] = -INFINITY; }, "SectionTf",
         "-Infinity"},
    };
    for (const Case &tc : cases) {
        Catalogue c = smallestCatalogue();
        tc.change(c);
        const json out = catalogueToJson(c);
        const json &value = out[tc.field].is_array() && out[tc.field][0].is_array()
                                ? out[tc.field][0][0]
                                : out[tc.field][0];
        EXPECT_EQ(value, tc.text) << tc.name;
        try {
            catalogueFromJson(out);
            ADD_FAILURE() << tc.name << ": built";
        } catch (const pc::CatalogueSourceError &e) {
            EXPECT_EQ(e.field().rfind(tc.field, 0), 0u) << tc.name << ": " << e.field();
        }
    }
    json source = catalogueToJson(smallestCatalogue());
    source["MaxCorrosionRate"] = "-Infinity";
    try {
        catalogueFromJson(source);
        ADD_FAILURE() << "a rate of minus infinity was built";
    } catch (const pc::CatalogueSourceError &e) {
        EXPECT_EQ(e.field(), "MaxCorrosionRate");
        EXPECT_NE(e.reason().find("-inf"), std::string::npos) << e.reason();
    }
}

struct SourceErrorCase
{
    const char *name;
    std::function<void(json &)> change;
    const char *field;
    const char *reason; // a part of the reason
};

TEST(CatalogueJson, SourceErrorsNameFieldAndReason)
{
    const SourceErrorCase cases[] = {
        {"not an object", [](json &j) { j = json::array(); }, "", "expected an object"},
        {"missing field", [](json &j) { j.erase("SectionTw"); }, "SectionTw", "missing"},
        {"missing annex field", [](json &j) { j["Annexes"][1].erase("SoilLoss"); },
         "Annexes[1].SoilLoss", "missing"},
        {"unknown field", [](json &j) { j["SectionTF"] = json::array(); }, "SectionTF",
         "unknown field"},
        {"wrong type", [](json &j) { j["SectionMass"][2] = "heavy"; }, "SectionMass[2]",
         "expected a number"},
        {"text expected", [](json &j) { j["GradeName"][0] = 355; }, "GradeName[0]",
         "expected a text"},
        {"whole number expected", [](json &j) { j["ServiceLife"][1] = 50.5; }, "ServiceLife[1]",
         "expected a whole number"},
        {"short row", [](json &j) { j["RedI"][2].erase(0); }, "RedI[2]", "6 are needed"},
        {"missing row", [](json &j) { j["RedA"].erase(0); }, "RedA", "4 are needed"},
        {"availability row length", [](json &j) { j["Availability"][4].push_back(1); },
         "Availability[4]", "3 are needed"},
        {"annex loss row length", [](json &j) { j["Annexes"][0]["SoilLoss"][4].erase(0); },
         "Annexes[0].SoilLoss[4]", "3 are needed"},
        {"family ranges one short", [](json &j) { j["FamilyRange"].erase(2); }, "FamilyRange",
         "3 are needed"},
        {"no family", [](json &j) { j["FamilyName"] = json::array(); }, "FamilyName", "1 to 32767"},
        {"128 grades",
         [](json &j) {
             j["GradeName"] = json::array();
             for (int g = 0; g < 128; ++g)
                 j["GradeName"].push_back("G" + std::to_string(g));
         },
         "GradeName", "1 to 127"},
        {"no service life", [](json &j) { j["ServiceLife"] = json::array(); }, "ServiceLife",
         "1 to 32767"},
        {"annex without atmospheric columns",
         [](json &j) { j["Annexes"][0]["AtmosColName"] = json::array(); },
         "Annexes[0].AtmosColName", "1 to 32767"},
        {"int16 out of range", [](json &j) { j["ProtectionYears"][0] = 40000; },
         "ProtectionYears[0]", "outside -32768 .. 32767"},
        {"int16 below range", [](json &j) { j["LossStep"][0] = -40000; }, "LossStep[0]", "outside"},
        {"availability beyond int8", [](json &j) { j["Availability"][0][0] = 200; },
         "Availability[0][0]", "outside -128 .. 127"},
        {"name longer than 18", [](json &j) { j["SectionName"][1] = "ABCDEFGHIJKLMNOPQRS"; },
         "SectionName[1]", "longer than 18"},
        {"name outside the code page", [](json &j) { j["FamilyName"][1] = "B\u0100"; },
         "FamilyName[1]", "outside Windows-1252"},
        {"name that the shift cannot store",
         [](json &j) { j["GradeName"][2] = "zzzzzzzzzzzzzzzzzz"; }, "GradeName[2]",
         "cannot be stored"},
        {"column name outside the code page",
         [](json &j) { j["Annexes"][1]["WaterColName"][0] = "\u4e2d"; },
         "Annexes[1].WaterColName[0]", "outside Windows-1252"},
        {"range past the sections",
         [](json &j) {
             j["FamilyRange"][1] = {0, 6};
         },
         "FamilyRange[1]", "outside 0 .. 5"},
        {"loss steps not ascending",
         [](json &j) {
             j["LossStep"] = {0, 2, 2, 4};
         },
         "LossStep[2]", "ascending"},
        {"annex with one year",
         [](json &j) {
             auto &a = j["Annexes"][1];
             a["AnnexYear"] = {10};
             for (const char *k : {"AtmosLoss", "SoilLoss", "WaterLoss"})
                 a[k] = json::array({a[k][0]});
         },
         "Annexes[1].AnnexYear", "at least 2"},
        {"section width zero", [](json &j) { j["SectionWidth"][0] = 0; }, "SectionWidth[0]",
         "not above 0"},
        {"bad number text", [](json &j) { j["MaxWallLength"] = "100"; }, "MaxWallLength",
         "expected a number"},
    };
    for (const auto &c : cases) {
        json source = smallFixtureJson();
        c.change(source);
        try {
            catalogueFromJson(source);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const pc::CatalogueSourceError &e) {
            EXPECT_EQ(e.field(), c.field) << c.name;
            EXPECT_NE(e.reason().find(c.reason), std::string::npos) << c.name << ": " << e.reason();
        }
    }
}

TEST(CatalogueJson, CommentsAndEmptyRangesAreAccepted)
{
    json source = smallFixtureJson();
    source["_note"] = "anything";
    source["FamilyRange"][1] = {4, 2}; // last below first: lists no section
    source["Annexes"] = json::array();
    const Catalogue c = catalogueFromJson(source);
    EXPECT_EQ(c.AnnexCount(), 0);
    EXPECT_EQ(c.FamilyRange[1][0], 4);
    EXPECT_EQ(c.FamilyRange[1][1], 2);
}

} // namespace
