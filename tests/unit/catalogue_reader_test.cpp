#include "case_row.h"
#include "catalogue/catalogue_checks.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue/name_codec.h"
#include "catalogue_test_support.h"
#include "damaged_numbers.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace {

using pc::Catalogue;
using pc::readCatalogue;
using pc::writeCatalogue;
using pc::test::smallestCatalogue;
using pc::test::smallFixture;

// Offsets of single fields in the smallest file (one of everything, no annex).
constexpr int OffFamilyCount = 0;
constexpr int OffSectionCount = 2;
constexpr int OffFamilyName = 4;
constexpr int OffLossStepCount = 48;
constexpr int OffSectionName = 84;
constexpr int OffSectionWidth = 130;
constexpr int OffGradeCount = 202;
constexpr int OffGradeName = 203;
constexpr int OffAvailability = 255;
constexpr int OffAnnexCount = 256;
constexpr int OffServiceLifeCount = 258;
constexpr int OffProtectionCount = 262;
constexpr int OffMaxWallLength = 490;
constexpr int OffSpareListCount = 506;

void putInt16(QByteArray &bytes, int offset, int value)
{
    qToLittleEndian<int16_t>(static_cast<int16_t>(value), bytes.data() + offset);
}

std::string jsonOf(const Catalogue &c)
{
    return pc::catalogueToJson(c).dump();
}

TEST(CatalogueReader, SmallestFileHas560BytesAndLoads)
{
    const QByteArray bytes = writeCatalogue(smallestCatalogue());
    ASSERT_EQ(bytes.size(), 560);
    QString why;
    const auto c = readCatalogue(bytes, &why);
    ASSERT_TRUE(c) << why.toStdString();
    EXPECT_EQ(jsonOf(*c), jsonOf(smallestCatalogue()));
    EXPECT_EQ(c->FamilyName.at(0), QStringLiteral("AX"));
    EXPECT_EQ(c->SectionName.at(0), QStringLiteral("AX 10"));
    EXPECT_EQ(c->GradeName.at(0), QStringLiteral("S 355"));
    EXPECT_EQ(c->AnnexCount(), 0);
    EXPECT_DOUBLE_EQ(c->MaxWallLengthFt, 328.1);
}

TEST(CatalogueReader, FieldsSitAtTheirLayoutOffsets)
{
    const QByteArray b = writeCatalogue(smallestCatalogue());
    const auto i16 = [&](int off) { return qFromLittleEndian<int16_t>(b.constData() + off); };
    const auto f64 = [&](int off) {
        double v;
        std::memcpy(&v, b.constData() + off, 8);
        return v;
    };
    EXPECT_EQ(i16(OffFamilyCount), 1);
    EXPECT_EQ(i16(OffSectionCount), 1);
    EXPECT_EQ(b.at(OffFamilyName), 2); // length of "AX"
    EXPECT_EQ(i16(OffLossStepCount), 1);
    EXPECT_EQ(b.at(OffSectionName), 5);
    EXPECT_DOUBLE_EQ(f64(OffSectionWidth), 1.2);
    EXPECT_EQ(b.at(OffGradeCount), 1);
    EXPECT_EQ(b.at(OffGradeName), 5);
    EXPECT_EQ(b.at(OffAvailability), 1);
    EXPECT_EQ(i16(OffAnnexCount), 0);
    EXPECT_EQ(i16(OffServiceLifeCount), 1);
    EXPECT_EQ(i16(OffProtectionCount), 1);
    EXPECT_DOUBLE_EQ(f64(OffMaxWallLength), 100.0);
    EXPECT_EQ(i16(OffSpareListCount), 1);
}

TEST(CatalogueReader, TrailingBytesAreIgnored)
{
    const QByteArray tails[] = {QByteArray(1, '\0'), QByteArray(7, '\xff'), QByteArray(1000, 'x')};
    for (const Catalogue &source : {smallestCatalogue(), smallFixture()}) {
        const QByteArray bytes = writeCatalogue(source);
        for (const QByteArray &tail : tails) {
            SCOPED_TRACE(pc::test::caseRow(tails, tail));
            const auto c = readCatalogue(bytes + tail);
            ASSERT_TRUE(c) << "tail of " << tail.size();
            EXPECT_EQ(jsonOf(*c), jsonOf(source));
        }
    }
}

TEST(CatalogueReader, EveryTruncationFailsCleanly)
{
    for (const Catalogue &source : {smallestCatalogue(), smallFixture()}) {
        const QByteArray bytes = writeCatalogue(source);
        ASSERT_TRUE(readCatalogue(bytes));
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            QString why;
            EXPECT_FALSE(readCatalogue(bytes.left(n), &why)) << "cut to " << n << " bytes";
            EXPECT_FALSE(why.isEmpty()) << "cut to " << n << " bytes";
        }
    }
}

struct CountCase
{
    const char *name;
    int offset;
    int value;
    bool byte; // GradeCount is one signed byte
    bool loads;
};

TEST(CatalogueReader, CountsZeroNegativeAndHighByte)
{
    const CountCase cases[] = {
        {"FamilyCount 0", OffFamilyCount, 0, false, false},
        {"FamilyCount -1", OffFamilyCount, -1, false, false},
        {"SectionCount 0", OffSectionCount, 0, false, false},
        {"SectionCount -32768", OffSectionCount, -32768, false, false},
        {"SectionCount 32767 beyond the file", OffSectionCount, 32767, false, false},
        {"LossStepCount 0", OffLossStepCount, 0, false, false},
        {"LossStepCount -3", OffLossStepCount, -3, false, false},
        {"GradeCount 0", OffGradeCount, 0, true, false},
        {"GradeCount byte 0x80", OffGradeCount, 0x80, true, false},
        {"GradeCount byte 0xFF", OffGradeCount, 0xFF, true, false},
        {"GradeCount 127 beyond the file", OffGradeCount, 127, true, false},
        {"AnnexCount -1", OffAnnexCount, -1, false, false},
        {"AnnexCount 0", OffAnnexCount, 0, false, true},
        {"ServiceLifeCount 0", OffServiceLifeCount, 0, false, false},
        {"ProtectionCount 0", OffProtectionCount, 0, false, false},
        {"ProtectionCount -2", OffProtectionCount, -2, false, false},
        {"SpareListCount 0", OffSpareListCount, 0, false, false},
        {"SpareListCount -1", OffSpareListCount, -1, false, false},
    };
    const QByteArray good = writeCatalogue(smallestCatalogue());
    for (const auto &c : cases) {
        QByteArray bytes = good;
        if (c.byte)
            bytes[c.offset] = static_cast<char>(c.value);
        else
            putInt16(bytes, c.offset, c.value);
        QString why;
        EXPECT_EQ(readCatalogue(bytes, &why).has_value(), c.loads)
            << c.name << ": " << why.toStdString();
    }
}

// One annex named "A" with two years and one column each; offsets of its counts.
Catalogue oneAnnexCatalogue()
{
    Catalogue c = smallestCatalogue();
    pc::Annex a;
    a.AnnexName = QStringLiteral("A");
    a.AnnexYear = {10, 50};
    a.AtmosColName = {QStringLiteral("a")};
    a.AtmosLoss = {{0.1}, {0.5}};
    a.SoilColName = {QStringLiteral("s")};
    a.SoilLoss = {{0.2}, {0.6}};
    a.WaterColName = {QStringLiteral("w")};
    a.WaterLoss = {{0.3}, {0.7}};
    c.Annexes.push_back(a);
    return c;
}

TEST(CatalogueReader, AnnexCountsMustBePositive)
{
    // AnnexName: 258 (length), 260 (unit); AnnexYearCount 262; years 264;
    // AtmosColCount 268, name 270..273, losses 274..289; SoilColCount 290,
    // name 292..295, losses 296..311; WaterColCount 312.
    struct Case
    {
        const char *name;
        int offset;
        int value;
    } const cases[] = {
        {"AnnexYearCount 0", 262, 0},
        {"AnnexYearCount -1", 262, -1},
        {"AtmosColCount 0", 268, 0},
        {"AtmosColCount -4", 268, -4},
        {"SoilColCount 0", 290, 0},
        {"SoilColCount -1", 290, -1},
        {"WaterColCount 0", 312, 0},
        {"WaterColCount -32768", 312, -32768},
        {"AnnexCount 2 beyond the file", OffAnnexCount, 2},
    };
    const QByteArray good = writeCatalogue(oneAnnexCatalogue());
    ASSERT_TRUE(readCatalogue(good));
    for (const auto &c : cases) {
        QByteArray bytes = good;
        putInt16(bytes, c.offset, c.value);
        EXPECT_FALSE(readCatalogue(bytes)) << c.name;
    }
}

TEST(CatalogueReader, EmptyAnnexNameWithNegativeLength)
{
    Catalogue source = oneAnnexCatalogue();
    source.Annexes[0].AnnexName.clear();
    QByteArray bytes = writeCatalogue(source);
    putInt16(bytes, 258, -5); // a length of 0 or less: empty text, no units follow
    const auto c = readCatalogue(bytes);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->Annexes.at(0).AnnexName.isEmpty());
    EXPECT_EQ(c->Annexes.at(0).AnnexYear, (std::vector<int16_t>{10, 50}));
}

TEST(CatalogueReader, AnnexNameIsTheLowByteOfEachUnit)
{
    QByteArray bytes = writeCatalogue(oneAnnexCatalogue());
    putInt16(bytes, 260, 0x7A42); // high byte ignored: 'B'
    const auto c = readCatalogue(bytes);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Annexes.at(0).AnnexName, QStringLiteral("B"));
}

TEST(CatalogueReader, ColumnNamesAreUnshifted)
{
    // Atmospheric column name at 270: length 1, then one unit at 272.
    QByteArray bytes = writeCatalogue(oneAnnexCatalogue());
    putInt16(bytes, 272, 'Z' + 50 + 1); // position 1, 1 mod 4 = 1
    const auto c = readCatalogue(bytes);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Annexes.at(0).AtmosColName.at(0), QStringLiteral("Z"));
}

TEST(CatalogueReader, NameShiftExamples)
{
    struct Case
    {
        const char *name;
        int offset;        // length byte of the record
        QByteArray record; // length byte and characters as stored
        QString expected;
    } const cases[] = {
        // First family name, key 3: D lowered by 0 + 3, the last character kept.
        {"family D B", OffFamilyName,
         QByteArray("\x02"
                    "DB"),
         QStringLiteral("AB")},
        {"family length 1 as stored", OffFamilyName,
         QByteArray("\x01"
                    "D"),
         QStringLiteral("D")},
        {"family length 0", OffFamilyName, QByteArray("\x00", 1), QString()},
        // First section name, key 4.
        {"section length 1 as stored", OffSectionName,
         QByteArray("\x01"
                    "~"),
         QStringLiteral("~")},
        {"section E F G", OffSectionName,
         QByteArray("\x03"
                    "EFG"),
         QStringLiteral("AAG")},
        // First grade name, key 5: positions 1 and 2 lowered by 5 and 6.
        {"grade", OffGradeName,
         QByteArray("\x03"
                    "FHZ"),
         QStringLiteral("ABZ")},
        // A lowered character without an 8-bit form becomes '?'.
        {"no 8-bit form", OffFamilyName,
         QByteArray("\x02"
                    "\x01"
                    "B"),
         QStringLiteral("?B")},
    };
    const QByteArray good = writeCatalogue(smallestCatalogue());
    for (const auto &c : cases) {
        QByteArray bytes = good;
        bytes.replace(c.offset, 19, c.record + QByteArray(19 - c.record.size(), '\0'));
        const auto cat = readCatalogue(bytes);
        ASSERT_TRUE(cat) << c.name;
        const QString got = c.offset == OffFamilyName    ? cat->FamilyName.at(0)
                            : c.offset == OffSectionName ? cat->SectionName.at(0)
                                                         : cat->GradeName.at(0);
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(CatalogueReader, LengthByteAbove18CountsAs18)
{
    const QString eighteen = QStringLiteral("ABCDEFGHIJKLMNOPQR");
    const auto stored = pc::encodeShiftedName(eighteen, 3);
    ASSERT_TRUE(stored);
    for (const int lengthByte : {18, 19, 0x7F, 0x80, 0xFF}) {
        QByteArray bytes = writeCatalogue(smallestCatalogue());
        bytes[OffFamilyName] = static_cast<char>(lengthByte);
        bytes.replace(OffFamilyName + 1, 18, *stored);
        const auto c = readCatalogue(bytes);
        ASSERT_TRUE(c) << lengthByte;
        EXPECT_EQ(c->FamilyName.at(0), eighteen) << lengthByte;
        // The next field is read from its own place, not from the record.
        EXPECT_EQ(c->SectionName.at(0), QStringLiteral("AX 10")) << lengthByte;
    }
}

TEST(CatalogueReader, ThreeFamiliesUse108BytesOfNameBlockAndSkipTheFiller)
{
    Catalogue source = smallestCatalogue();
    source.FamilyName = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")};
    source.FamilyRange = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
    QByteArray bytes = writeCatalogue(source);
    // Records 4 .. 60, filler 61 .. 111, FamilyRange right after.
    EXPECT_EQ(bytes.mid(OffFamilyName + 57, 51), QByteArray(51, '\0'));
    EXPECT_EQ(qFromLittleEndian<int16_t>(bytes.constData() + OffFamilyName + 108), 0);
    bytes.replace(OffFamilyName + 57, 51, QByteArray(51, '\xA5'));
    const auto c = readCatalogue(bytes);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->FamilyName, source.FamilyName);
}

struct DamageCase
{
    const char *name;
    void (*change)(Catalogue &);
    const char *field; // empty: the catalogue loads
};

// Each case changes the small fixture; an empty field means the file must
// still load, otherwise it is refused with that field named first.
template <size_t N> void expectDamageCases(const DamageCase (&cases)[N])
{
    for (const auto &tc : cases) {
        Catalogue c = smallFixture();
        tc.change(c);
        QString why;
        const auto got = readCatalogue(writeCatalogue(c), &why);
        if (*tc.field == '\0') {
            EXPECT_TRUE(got) << tc.name << ": " << why.toStdString();
        } else {
            EXPECT_FALSE(got) << tc.name;
            EXPECT_TRUE(why.startsWith(QString::fromLatin1(tc.field) + QLatin1Char(':')))
                << tc.name << ": " << why.toStdString();
        }
    }
}

TEST(CatalogueReader, TablesThatWouldBeReadOutOfBoundsOrDivideByZero)
{
    const DamageCase cases[] = {
        {"range past the last section",
         [](Catalogue &c) {
             c.FamilyRange[1] = {3, 6};
         },
         "FamilyRange[1]"},
        {"range with a negative first index",
         [](Catalogue &c) {
             c.FamilyRange[2] = {-1, 4};
         },
         "FamilyRange[2]"},
        {"ALL range past the end",
         [](Catalogue &c) {
             c.FamilyRange[0] = {0, 6};
         },
         "FamilyRange[0]"},
        {"single section range",
         [](Catalogue &c) {
             c.FamilyRange[1] = {5, 5};
         },
         ""},
        {"empty range with wild indices",
         [](Catalogue &c) {
             c.FamilyRange[1] = {900, -40};
         },
         ""},
        {"loss step repeated",
         [](Catalogue &c) {
             c.LossStep = {0, 1, 1, 4};
         },
         "LossStep[2]"},
        {"loss step descending",
         [](Catalogue &c) {
             c.LossStep = {0, 2, 1, 4};
         },
         "LossStep[2]"},
        {"annex years descending",
         [](Catalogue &c) {
             c.Annexes[1].AnnexYear = {10, 100, 50};
         },
         "Annexes[1].AnnexYear[2]"},
        {"annex years repeated",
         [](Catalogue &c) {
             c.Annexes[0].AnnexYear = {5, 5, 50, 75, 100};
         },
         "Annexes[0].AnnexYear[1]"},
        {"annex with one year",
         [](Catalogue &c) {
             auto &a = c.Annexes[1];
             a.AnnexYear = {10};
             a.AtmosLoss.resize(1);
             a.SoilLoss.resize(1);
             a.WaterLoss.resize(1);
         },
         "Annexes[1].AnnexYear"},
        {"section width zero", [](Catalogue &c) { c.SectionWidth[3] = 0; }, "SectionWidth[3]"},
        {"section width negative", [](Catalogue &c) { c.SectionWidth[0] = -1.2; },
         "SectionWidth[0]"},
        {"no annex at all", [](Catalogue &c) { c.Annexes.clear(); }, ""},
    };
    expectDamageCases(cases);
}

TEST(CatalogueReader, NumbersThatAreNotFiniteOrWouldOverflowAreDamage)
{
    for (const auto &field : pc::test::damagedFields()) {
        for (const auto &d : pc::test::damages()) {
            Catalogue c = smallFixture();
            field.set(c, d.value);
            QString why;
            EXPECT_FALSE(readCatalogue(writeCatalogue(c), &why)) << damageName(field, d);
            EXPECT_TRUE(why.startsWith(QString::fromLatin1(field.field) + QLatin1Char(':')))
                << damageName(field, d) << ": " << why.toStdString();
        }
    }
}

TEST(CatalogueReader, PlausibleBoundsOfTheNumbers)
{
    const DamageCase cases[] = {
        {"largest yield strength", [](Catalogue &c) { c.GradeFy[1] = 10000; }, ""},
        {"yield strength above it", [](Catalogue &c) { c.GradeFy[1] = 10000.5; }, "GradeFy[1]"},
        {"yield strength 0", [](Catalogue &c) { c.GradeFy[0] = 0; }, "GradeFy[0]"},
        {"largest ksi", [](Catalogue &c) { c.GradeFyKsi[2] = 1500; }, ""},
        {"ksi above it", [](Catalogue &c) { c.GradeFyKsi[2] = 1501; }, "GradeFyKsi[2]"},
        {"negative ksi", [](Catalogue &c) { c.GradeFyKsi[0] = -50; }, "GradeFyKsi[0]"},
        // One pile element a hundredth of a millimetre wide would weigh
        // more per square metre than a double holds.
        {"narrowest element", [](Catalogue &c) { c.SectionWidth[0] = 0.01; }, ""},
        {"element too narrow", [](Catalogue &c) { c.SectionWidth[0] = 1e-5; }, "SectionWidth[0]"},
        {"element too wide", [](Catalogue &c) { c.SectionWidth[4] = 101; }, "SectionWidth[4]"},
        {"no reduced section", [](Catalogue &c) { c.RedWel[3][0] = 0; }, ""},
        {"negative modulus", [](Catalogue &c) { c.RedWel[2][1] = -1; }, "RedWel[2][1]"},
        {"absurd inertia", [](Catalogue &c) { c.RedI[0][3] = 2e8; }, "RedI[0][3]"},
        {"negative face loss", [](Catalogue &c) { c.Annexes[1].AtmosLoss[0][0] = -0.1; },
         "Annexes[1].AtmosLoss[0][0]"},
        {"no wall length", [](Catalogue &c) { c.MaxWallLength = 0; }, ""},
        {"negative wall length", [](Catalogue &c) { c.MaxWallLength = -1; }, "MaxWallLength"},
        {"negative rate", [](Catalogue &c) { c.MaxCorrosionRate = -0.1; }, "MaxCorrosionRate"},
        {"negative mass", [](Catalogue &c) { c.SectionMass[5] = -1; }, "SectionMass[5]"},
        {"pile longer than a km", [](Catalogue &c) { c.SectionMaxLength[0] = 1001; },
         "SectionMaxLength[0]"},
    };
    expectDamageCases(cases);
}

// A real catalogue's tables are long and their numbers are checked many at
// a time: damage at either edge of such a stretch, inside it or in the last
// cell is found and named by its own cell, the first of two is the one
// named, and the smallest yield strength above 0 still passes.
TEST(CatalogueReader, DamageInLongTablesIsNamedByItsCell)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    constexpr size_t Rows = 3, Columns = 100;
    Catalogue longTables = smallFixture();
    longTables.RedA.assign(Rows, std::vector<double>(Columns, 12.5));
    longTables.GradeFy.assign(130, 355);
    longTables.GradeFy[100] = std::nextafter(0.0, 1.0);
    ASSERT_FALSE(pc::findCatalogueDamage(longTables));

    const struct
    {
        std::vector<std::pair<size_t, double>> cells;
        size_t named;
    } redA[] = {
        {{{0, nan}}, 0},     {{{63, -1}}, 63},     {{{64, inf}}, 64},           {{{127, 2e8}}, 127},
        {{{150, nan}}, 150}, {{{299, -0.5}}, 299}, {{{10, -1}, {200, nan}}, 10}};
    for (const auto &c : redA) {
        SCOPED_TRACE(pc::test::caseRow(redA, c));
        Catalogue damaged = longTables;
        for (const auto &[cell, value] : c.cells)
            damaged.RedA.data()[cell] = value;
        const auto d = pc::findCatalogueDamage(damaged);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->field,
                  QStringLiteral("RedA[%1][%2]").arg(c.named / Columns).arg(c.named % Columns));
    }

    const struct
    {
        size_t grade;
        double value;
    } yield[] = {{0, 0.0}, {64, 0.0}, {70, nan}, {129, -1}, {99, 10000.5}};
    for (const auto &c : yield) {
        SCOPED_TRACE(pc::test::caseRow(yield, c));
        Catalogue damaged = longTables;
        damaged.GradeFy[c.grade] = c.value;
        const auto d = pc::findCatalogueDamage(damaged);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->field, QStringLiteral("GradeFy[%1]").arg(c.grade));
    }
}

TEST(CatalogueReader, FileReadFailsForMissingFileAndDirectory)
{
    QString why;
    EXPECT_FALSE(pc::readCatalogueFile(QStringLiteral("/nonexistent/SSP Pilecorr.pkd"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(pc::readCatalogueFile(QStringLiteral(PILECORR_SOURCE_DIR "/tests"), &why));
}

TEST(CatalogueReader, BuiltFixtureFileReadsLikeItsSource)
{
    QString why;
    const auto c = pc::readCatalogueFile(
        QStringLiteral(PILECORR_BINARY_DIR "/fixtures/small/SSP Pilecorr.pkd"), &why);
    ASSERT_TRUE(c) << why.toStdString();
    EXPECT_EQ(jsonOf(*c), jsonOf(smallFixture()));
}

// Whatever the bytes, the reader answers; when it accepts, every table has
// the shape its counts promise and passes the damage checks.
void expectSound(const Catalogue &c)
{
    const size_t S = c.SectionName.size(), G = c.GradeName.size(), L = c.LossStep.size();
    ASSERT_GE(S, 1u);
    ASSERT_GE(G, 1u);
    ASSERT_EQ(c.FamilyRange.size(), c.FamilyName.size() + 1);
    for (const auto *t : {&c.RedA, &c.RedI, &c.RedWel}) {
        ASSERT_EQ(t->size(), L);
        for (const auto &row : *t)
            ASSERT_EQ(row.size(), S);
    }
    ASSERT_EQ(c.Availability.size(), S);
    for (const auto row : c.Availability)
        ASSERT_EQ(row.size(), G);
    for (const auto &a : c.Annexes)
        for (const auto *t : {&a.AtmosLoss, &a.SoilLoss, &a.WaterLoss})
            ASSERT_EQ(t->size(), a.AnnexYear.size());
    ASSERT_FALSE(pc::findCatalogueDamage(c));
}

TEST(CatalogueReader, SurvivesRandomAndMutatedBytes)
{
    std::mt19937 rng(20130901);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 4000)(rng), '\0');
        for (auto &b : bytes)
            b = static_cast<char>(byte(rng));
        if (const auto c = readCatalogue(bytes))
            expectSound(*c);
    }
    const QByteArray good = writeCatalogue(smallFixture());
    std::uniform_int_distribution<int> pos(0, static_cast<int>(good.size()) - 1);
    int accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes = good;
        const int flips = 1 + i % 4;
        for (int f = 0; f < flips; ++f)
            bytes[pos(rng)] = static_cast<char>(byte(rng));
        if (const auto c = readCatalogue(bytes)) {
            ++accepted;
            expectSound(*c);
        }
    }
    // Most single-value changes hit numbers or names and still load.
    EXPECT_GT(accepted, 0);
}

} // namespace
