// Checks over the whole shipped sample: the catalogue built from
// data/catalogue/sample.json must look like a real one and carry the
// recommended EN 1993-5 tables exactly.

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_source_geometry.h"
#include "catalogue/catalogue_writer.h"
#include "output/section_sketch.h"
#include "units/rounding.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

json sampleSource()
{
    QFile f(QStringLiteral(PILECORR_SOURCE_DIR "/data/catalogue/sample.json"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = f.readAll();
    return json::parse(text.constData(), text.constData() + text.size());
}

const QString BuiltSample = QStringLiteral(PILECORR_BINARY_DIR "/sample/SSP Pilecorr.pkd");

// The sample as the build makes it, through the file format and back.
pc::Catalogue loadSample()
{
    const QByteArray bytes =
        pc::writeCatalogue(pc::catalogueFromJson(pc::expandSectionGeometry(sampleSource())));
    QString why;
    std::optional<pc::Catalogue> c = pc::readCatalogue(bytes, &why);
    if (!c) {
        ADD_FAILURE() << "the sample does not read back: " << why.toStdString();
        return {};
    }
    return *c;
}

class SampleCatalogue : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { cat = new pc::Catalogue(loadSample()); }
    void SetUp() override { ASSERT_GT(cat->SectionCount(), 0); }
    static void TearDownTestSuite()
    {
        delete cat;
        cat = nullptr;
    }
    static pc::Catalogue *cat;
};
pc::Catalogue *SampleCatalogue::cat = nullptr;

TEST_F(SampleCatalogue, SectionsLookLikeRealSheetPiles)
{
    const pc::Catalogue &c = *cat;
    const int S = c.SectionCount();
    ASSERT_GE(S, 40);
    ASSERT_EQ(c.RedWel.size(), c.LossStep.size());
    double welMin = 1e9, welMax = 0;
    for (int s = 0; s < S; ++s) {
        const std::string name = c.SectionName[s].toStdString();
        const double wel = c.RedWel[0][s], i = c.RedI[0][s], a = c.RedA[0][s];
        welMin = std::min(welMin, wel);
        welMax = std::max(welMax, wel);
        EXPECT_GE(wel, 450) << name;
        EXPECT_LE(wel, 5500) << name;
        // I / Wel is the distance of the extreme fibre: half a wall 14 to 66 cm high.
        EXPECT_GE(i / wel, 7.0) << name;
        EXPECT_LE(i / wel, 33.0) << name;
        EXPECT_GE(c.SectionWidth[s], 1.2) << name;
        EXPECT_LE(c.SectionWidth[s], 1.6) << name;
        const double perSquareMetre = c.SectionMass[s] / c.SectionWidth[s];
        EXPECT_GE(perSquareMetre, 80) << name;
        EXPECT_LE(perSquareMetre, 250) << name;
        // The mass is the steel area of the element: A (cm2/m) x width x 0.785.
        EXPECT_NEAR(c.SectionMass[s], a * c.SectionWidth[s] * 0.785, 0.15) << name;
        for (double t : {c.SectionTf[s], c.SectionTw[s]}) {
            EXPECT_GE(t, 7) << name;
            EXPECT_LE(t, 20) << name;
        }
        EXPECT_GE(c.SectionMaxLength[s], 18) << name;
        EXPECT_LE(c.SectionMaxLength[s], 31) << name;
        EXPECT_LE(c.SectionName[s].size(), 18) << name;
        // Each step of loss takes properties away, down to 0 where no section is left.
        for (size_t r = 1; r < c.LossStep.size(); ++r)
            for (const auto *table : {&c.RedA, &c.RedI, &c.RedWel}) {
                const double v = (*table)[r][s], before = (*table)[r - 1][s];
                EXPECT_TRUE(v == 0 || v < before) << name << " row " << r;
            }
    }
    EXPECT_LE(welMin, 600);
    EXPECT_GE(welMax, 4500);
}

TEST_F(SampleCatalogue, FamiliesMarkersAndLossSteps)
{
    const pc::Catalogue &c = *cat;
    const int S = c.SectionCount();
    ASSERT_GE(c.FamilyCount(), 3);
    ASSERT_EQ(c.FamilyRange.size(), static_cast<size_t>(c.FamilyCount()) + 1);
    EXPECT_EQ(c.FamilyRange[0][0], 0);
    EXPECT_EQ(c.FamilyRange[0][1], S - 1);
    // The families cover the sections one after another.
    int next = 0;
    for (int f = 1; f <= c.FamilyCount(); ++f) {
        EXPECT_EQ(c.FamilyRange[f][0], next) << f;
        EXPECT_GE(c.FamilyRange[f][1], c.FamilyRange[f][0]) << f;
        next = c.FamilyRange[f][1] + 1;
    }
    EXPECT_EQ(next, S);

    int onRequest = 0, old = 0;
    std::set<QString> labels;
    for (const QString &n : c.SectionName) {
        onRequest += n.endsWith(QStringLiteral("**"));
        old += n.endsWith(QChar('*')) && !n.endsWith(QStringLiteral("**"));
        labels.insert(pc::sectionLabel(n));
    }
    EXPECT_GE(onRequest, 2);
    EXPECT_GE(old, 2);
    EXPECT_EQ(labels.size(), static_cast<size_t>(S)); // one sketch per section

    const std::vector<int16_t> steps = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(c.LossStep, steps);
}

TEST_F(SampleCatalogue, GradesAndAvailability)
{
    const pc::Catalogue &c = *cat;
    struct Grade
    {
        const char *name;
        double mpa, ksi; // the one the grade is defined by; 0 for the other
    };
    const Grade grades[] = {
        {"S 240 GP", 240, 0},    {"S 270 GP", 270, 0},       {"S 320 GP", 320, 0},
        {"S 355 GP", 355, 0},    {"S 390 GP", 390, 0},       {"S 430 GP", 430, 0},
        {"S 460 AP", 460, 0},    {"ASTM A572 Gr 50", 0, 50}, {"ASTM A572 Gr 60", 0, 60},
        {"ASTM A690", 0, 50},    {"NVMarin 320", 320, 0},    {"NVMarin 355", 355, 0},
        {"NVMarin 390", 390, 0},
    };
    ASSERT_EQ(c.GradeCount(), 13);
    for (int g = 0; g < 13; ++g) {
        const Grade &e = grades[g];
        EXPECT_EQ(c.GradeName[g], QString::fromLatin1(e.name)) << g;
        if (e.mpa > 0) {
            EXPECT_EQ(c.GradeFy[g], e.mpa) << e.name;
            EXPECT_NEAR(c.GradeFyKsi[g],
                        static_cast<double>(pc::roundToPow10(e.mpa / 6.894757L, -1)), 1e-9)
                << e.name;
        } else {
            EXPECT_EQ(c.GradeFyKsi[g], e.ksi) << e.name;
            EXPECT_EQ(c.GradeFy[g], static_cast<double>(pc::roundEven(e.ksi * 6.894757L)))
                << e.name;
        }
    }
    // Spot values worked out by hand: 355 / 6.894757 = 51.49; 60 x 6.894757 = 413.69.
    EXPECT_DOUBLE_EQ(c.GradeFyKsi[3], 51.5);
    EXPECT_DOUBLE_EQ(c.GradeFy[8], 414);

    ASSERT_EQ(c.Availability.size(), static_cast<size_t>(c.SectionCount()));
    std::set<int> codes;
    for (const auto row : c.Availability) {
        ASSERT_EQ(row.size(), 13u);
        codes.insert(row.begin(), row.end());
    }
    EXPECT_EQ(codes, (std::set<int>{0, 1, 2, 3}));
}

struct Column
{
    const char *name;
    std::vector<double> loss; // one per year
};

void expectTable(const std::vector<QString> &names, const std::vector<std::vector<double>> &loss,
                 const std::vector<Column> &expected, const char *what)
{
    ASSERT_EQ(names.size(), expected.size()) << what;
    for (size_t c = 0; c < expected.size(); ++c) {
        EXPECT_EQ(names[c], QString::fromLatin1(expected[c].name)) << what << " " << c;
        ASSERT_EQ(loss.size(), expected[c].loss.size()) << what;
        for (size_t y = 0; y < loss.size(); ++y) {
            ASSERT_EQ(loss[y].size(), expected.size()) << what;
            EXPECT_DOUBLE_EQ(loss[y][c], expected[c].loss[y]) << what << " " << c << " year " << y;
        }
    }
}

TEST_F(SampleCatalogue, EurocodeAnnexHoldsTheRecommendedLosses)
{
    ASSERT_GE(cat->AnnexCount(), 2);
    const pc::Annex &a = cat->Annexes[0];
    EXPECT_EQ(a.AnnexName, QStringLiteral("EN 1993-5:2007"));
    EXPECT_EQ(a.AnnexYear, (std::vector<int16_t>{0, 5, 25, 50, 75, 100}));
    expectTable(
        a.AtmosColName, a.AtmosLoss,
        {{"Normal atmosphere (0.01 mm/year)", {0, 0.05, 0.25, 0.50, 0.75, 1.00}},
         {"Marine atmosphere near the sea (0.02 mm/year)", {0, 0.10, 0.50, 1.00, 1.50, 2.00}}},
        "atmosphere");
    expectTable(
        a.SoilColName, a.SoilLoss,
        {{"Undisturbed natural soils (sand, silt, clay, schist, ...)",
          {0, 0.00, 0.30, 0.60, 0.90, 1.20}},
         {"Polluted natural soils and industrial sites", {0, 0.15, 0.75, 1.50, 2.25, 3.00}},
         {"Aggressive natural soils (swamp, marsh, peat, ...)", {0, 0.20, 1.00, 1.75, 2.50, 3.25}},
         {"Non-compacted and non-aggressive fills (clay, schist, sand, silt, ...)",
          {0, 0.18, 0.70, 1.20, 1.70, 2.20}},
         {"Non-compacted and aggressive fills (ashes, slag, ...)",
          {0, 0.50, 2.00, 3.25, 4.50, 5.75}}},
        "soil");
    expectTable(a.WaterColName, a.WaterLoss,
                {{"Common fresh water (river, ship canal, ...) in the zone of high attack (water "
                  "line)",
                  {0, 0.15, 0.55, 0.90, 1.15, 1.40}},
                 {"Very polluted fresh water (sewage, industrial effluent, ...) in the zone of "
                  "high attack (water line)",
                  {0, 0.30, 1.30, 2.30, 3.30, 4.30}},
                 {"Sea water in temperate climate in the zone of high attack (low water and "
                  "splash zones)",
                  {0, 0.55, 1.90, 3.75, 5.60, 7.50}},
                 {"Sea water in temperate climate in the zone of permanent immersion or in the "
                  "intertidal zone",
                  {0, 0.25, 0.90, 1.75, 2.60, 3.50}}},
                "water");
}

TEST_F(SampleCatalogue, IllustrativeAnnexListsAndLimits)
{
    const pc::Catalogue &c = *cat;
    ASSERT_EQ(c.AnnexCount(), 2);
    const pc::Annex &a = c.Annexes[1];
    EXPECT_EQ(a.AnnexName, QStringLiteral("Illustrative annex (example values)"));
    EXPECT_EQ(a.AnnexYear, (std::vector<int16_t>{0, 5, 25, 50, 75, 100, 120}));
    for (const auto *table : {&a.AtmosLoss, &a.SoilLoss, &a.WaterLoss}) {
        ASSERT_EQ(table->size(), a.AnnexYear.size());
        for (size_t col = 0; col < (*table)[0].size(); ++col) {
            EXPECT_EQ((*table)[0][col], 0.0);
            for (size_t y = 1; y < table->size(); ++y)
                EXPECT_GT((*table)[y][col], (*table)[y - 1][col]) << col << " " << y;
        }
    }
    EXPECT_GE(a.WaterColCount(), 4); // the reduction factors test water details 2 and 3
    for (const auto *names : {&a.AtmosColName, &a.SoilColName, &a.WaterColName})
        for (const QString &n : *names)
            EXPECT_NE(n, c.Annexes[0].AtmosColName[0]);

    EXPECT_EQ(c.ServiceLife,
              (std::vector<int16_t>{5, 10, 15, 20, 25, 30, 40, 50, 60, 75, 80, 100}));
    EXPECT_EQ(c.ProtectionYears, (std::vector<int16_t>{5, 10, 15, 20, 25, 30}));
    EXPECT_EQ(c.MaxWallLength, 1000.0);
    EXPECT_EQ(c.MaxCorrosionRate, 0.5);
}

TEST_F(SampleCatalogue, BuiltFileIsTheSourceAndHasEverySketch)
{
    QFile built(BuiltSample);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << BuiltSample.toStdString();
    const QByteArray expected =
        pc::writeCatalogue(pc::catalogueFromJson(pc::expandSectionGeometry(sampleSource())));
    EXPECT_TRUE(built.readAll() == expected) << "the built sample is not its source";

    // The program finds a sketch of every section in both unit systems.
    for (const QString &name : cat->SectionName)
        for (bool imperial : {false, true}) {
            const QString path = QStringLiteral(PILECORR_BINARY_DIR "/sample/") +
                                 pc::sketchFileName(pc::sectionLabel(name), imperial);
            const QFileInfo info(path);
            EXPECT_TRUE(info.isFile() && info.size() > 0) << path.toStdString();
        }
}

} // namespace
