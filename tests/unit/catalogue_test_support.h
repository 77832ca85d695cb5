#pragma once
// Catalogues shared by the catalogue tests: the smallest one the file can
// hold and the small fixture source under tests/fixtures.

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_json.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

namespace pc::test {

// One family, section, loss step, grade, service life and protection choice,
// no annex: written, 560 bytes.
inline Catalogue smallestCatalogue()
{
    Catalogue c;
    c.FamilyName = {QStringLiteral("AX")};
    c.FamilyRange = {{0, 0}, {0, 0}};
    c.LossStep = {0};
    c.RedA = {{100.0}};
    c.RedI = {{20000.0}};
    c.RedWel = {{1000.0}};
    c.SectionName = {QStringLiteral("AX 10")};
    c.SectionWidth = {1.2};
    c.SectionMass = {90.0};
    c.SectionTf = {9.0};
    c.SectionTw = {8.5};
    c.SectionMaxLength = {24.0};
    c.GradeName = {QStringLiteral("S 355")};
    c.GradeFy = {355.0};
    c.GradeFyKsi = {51.5};
    c.Availability = {{1}};
    c.ServiceLife = {50};
    c.ProtectionYears = {10};
    c.MaxWallLength = 100.0;
    c.MaxCorrosionRate = 0.2;
    c.deriveLoadedValues();
    return c;
}

inline nlohmann::json smallFixtureJson()
{
    QFile f(QStringLiteral(PILECORR_SOURCE_DIR "/tests/fixtures/small.json"));
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot open the small fixture source";
    return nlohmann::json::parse(f.readAll().toStdString());
}

inline Catalogue smallFixture()
{
    return catalogueFromJson(smallFixtureJson());
}

// Length of a wide text as the file counts it.
inline long wideLength(const QString &s)
{
    return static_cast<long>(s.size());
}

// The size of a catalogue file from its counts alone.
inline long fileSizeFormula(const Catalogue &c)
{
    const long F = c.FamilyCount(), S = c.SectionCount(), L = c.LossStepCount(), G = c.GradeCount(),
               V = c.ServiceLifeCount(), P = c.ProtectionCount(), X = 1;
    long size =
        259 + 40 * F + 2 * L + 32 * L * S + 118 * S + 52 * G + S * G + 2 * V + 2 * P + 52 * X;
    for (const Annex &a : c.Annexes) {
        const long Y = a.AnnexYearCount();
        const long columns = a.AtmosColCount() + a.SoilColCount() + a.WaterColCount();
        size += 10 + 2 * wideLength(a.AnnexName) + 2 * Y + 8 * Y * columns;
        for (const auto *names : {&a.AtmosColName, &a.SoilColName, &a.WaterColName})
            for (const QString &n : *names)
                size += 2 + 2 * wideLength(n);
    }
    return size;
}

} // namespace pc::test
