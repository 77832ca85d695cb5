#include "synthetic_catalogue.h"

#include <algorithm>
#include <cstdint>

namespace pc::bench {

namespace {

// A small deterministic generator, the same on every platform.
class Lcg
{
public:
    explicit Lcg(uint32_t seed) : state_(seed) {}
    uint32_t next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double unit() { return double(next() % 1000000u) / 1000000.0; } // [0, 1)

private:
    uint32_t state_;
};

} // namespace

Catalogue syntheticCatalogue(const SyntheticCatalogueSize &size)
{
    const int S = std::max(1, size.sections), G = std::clamp(size.grades, 1, 127),
              L = std::max(1, size.lossSteps), F = std::clamp(size.families, 1, S);
    Lcg rng(20130901u);
    Catalogue c;

    c.FamilyRange.push_back({0, static_cast<int16_t>(S - 1)});
    for (int f = 0; f < F; ++f) {
        c.FamilyName.push_back(QStringLiteral("Family %1").arg(QChar(u'A' + f % 26)));
        const int first = S * f / F, last = S * (f + 1) / F - 1;
        c.FamilyRange.push_back({static_cast<int16_t>(first), static_cast<int16_t>(last)});
    }

    for (int r = 0; r < L; ++r)
        c.LossStep.push_back(static_cast<int16_t>(r));
    c.RedA.assign(L, std::vector<double>(S));
    c.RedI.assign(L, std::vector<double>(S));
    c.RedWel.assign(L, std::vector<double>(S));

    for (int s = 0; s < S; ++s) {
        const char *marker = s % 17 == 0 ? "**" : s % 11 == 0 ? "*" : "";
        c.SectionName.push_back(QStringLiteral("SX %1%2")
                                    .arg(s + 1, 4, 10, QLatin1Char('0'))
                                    .arg(QLatin1String(marker)));
        const double tf = 7.0 + 10.0 * rng.unit();
        const double tw = tf - 1.0 * rng.unit();
        const double a0 = 60.0 + 200.0 * rng.unit();
        const double i0 = 5000.0 + 200000.0 * rng.unit();
        const double w0 = 400.0 + 5000.0 * rng.unit();
        c.SectionWidth.push_back(0.5 + 0.9 * rng.unit());
        c.SectionMass.push_back(40.0 + 200.0 * rng.unit());
        c.SectionTf.push_back(tf);
        c.SectionTw.push_back(tw);
        c.SectionMaxLength.push_back(double(18 + rng.next() % 18));
        for (int r = 0; r < L; ++r) {
            // Properties shrink with the loss of thickness, faster for thin plates.
            const double keep = std::max(0.0, 1.0 - r / (tf + tw));
            c.RedA[r][s] = a0 * keep;
            c.RedI[r][s] = i0 * keep;
            c.RedWel[r][s] = w0 * keep;
        }
    }

    for (int g = 0; g < G; ++g) {
        c.GradeName.push_back(QStringLiteral("S %1 GP").arg(240 + 10 * g));
        c.GradeFy.push_back(240.0 + 10.0 * g);
        c.GradeFyKsi.push_back((240.0 + 10.0 * g) / 6.894757);
    }
    c.Availability.assign(S, std::vector<int8_t>(G));
    for (auto row : c.Availability)
        for (auto &code : row)
            code = static_cast<int8_t>(rng.next() % 4);

    const std::vector<int16_t> years = {5, 25, 50, 75, 100};
    for (int a = 0; a < size.annexes; ++a) {
        Annex x;
        x.AnnexName = QStringLiteral("Annex %1").arg(a + 1);
        x.AnnexYear = years;
        const auto table = [&](std::vector<QString> &names, std::vector<std::vector<double>> &loss,
                               int columns, const char *what) {
            for (int col = 0; col < columns; ++col)
                names.push_back(
                    QStringLiteral(" %1 class %2").arg(QLatin1String(what)).arg(col + 1));
            loss.assign(years.size(), std::vector<double>(columns));
            for (size_t y = 0; y < years.size(); ++y)
                for (int col = 0; col < columns; ++col)
                    loss[y][col] = 0.012 * years[y] * (col + 1) * (a + 1);
        };
        table(x.AtmosColName, x.AtmosLoss, 2, "atmospheric");
        table(x.SoilColName, x.SoilLoss, 3, "soil");
        table(x.WaterColName, x.WaterLoss, 4, "water");
        c.Annexes.push_back(std::move(x));
    }

    c.ServiceLife = {25, 50, 75, 100};
    c.ProtectionYears = {5, 10, 15, 20, 25};
    c.MaxWallLength = 1000.0;
    c.MaxCorrosionRate = 0.5;
    c.deriveLoadedValues();
    return c;
}

} // namespace pc::bench
