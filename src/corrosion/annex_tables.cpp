#include "corrosion/annex_tables.h"

#include "units/rounding.h"

#include <algorithm>

namespace pc {

namespace {

// The loss of row y in `column`; 0 for a cell the table does not hold.
Extended cell(const std::vector<std::vector<double>> &table, size_t y, int column)
{
    if (y >= table.size() || column < 0 || static_cast<size_t>(column) >= table[y].size())
        return 0;
    return table[y][static_cast<size_t>(column)];
}

} // namespace

ExposureTable exposureTable(const Annex &a, int exposure)
{
    switch (exposure) {
    case static_cast<int>(Exposure::Atmospheric):
        return {&a.AtmosColName, &a.AtmosLoss};
    case static_cast<int>(Exposure::Soil):
        return {&a.SoilColName, &a.SoilLoss};
    case static_cast<int>(Exposure::Water):
        return {&a.WaterColName, &a.WaterLoss};
    default:
        return {};
    }
}

const Annex *annexAt(const Catalogue &cat, int annex)
{
    if (annex < 0 || annex >= cat.AnnexCount())
        return nullptr;
    return &cat.Annexes[static_cast<size_t>(annex)];
}

QStringList detailNames(const Catalogue &cat, int annex, int exposure)
{
    QStringList out;
    if (const Annex *a = annexAt(cat, annex))
        if (const ExposureTable t = exposureTable(*a, exposure); t.names)
            for (const QString &name : *t.names)
                out.append(name);
    return out;
}

QString detailGroupCaption(int exposure)
{
    switch (exposure) {
    case static_cast<int>(Exposure::Atmospheric):
        return QStringLiteral(" Chapter 4 ");
    case static_cast<int>(Exposure::Soil):
        return QStringLiteral(" Table 4.1 ");
    case static_cast<int>(Exposure::Water):
        return QStringLiteral(" Table 4.2 ");
    default:
        return QString();
    }
}

QString longDetailText(const QString &detail)
{
    return detail.size() > LongDetailTextLength ? detail : QString();
}

double faceTableLoss(const Catalogue &cat, int annex, int exposure, int detail, int effectiveYears)
{
    const Annex *a = annexAt(cat, annex);
    if (!a)
        return 0;
    const ExposureTable t = exposureTable(*a, exposure);
    if (!t.names || detail < 0 || detail >= static_cast<int>(t.names->size()))
        return 0;
    return tableLoss(a->AnnexYear, *t.losses, detail, effectiveYears);
}

double tableLoss(const std::vector<int16_t> &years, const std::vector<std::vector<double>> &table,
                 int column, long double effectiveYears)
{
    const size_t n = years.size();
    if (n == 0)
        return 0;
    Extended loss = 0;
    if (n == 1 || effectiveYears >= years[n - 1]) {
        // Beyond the last year the table says nothing more: its last loss stands.
        loss = cell(table, n - 1, column);
    } else {
        size_t k = 0;
        for (size_t i = 1; i < n; ++i)
            if (years[i] < effectiveYears)
                k = i;
        const Extended span = Extended(years[k + 1]) - years[k];
        const Extended lo = cell(table, k, column);
        const Extended hi = cell(table, k + 1, column);
        // Years are strictly ascending in a catalogue that loads; two equal
        // years would leave no segment, and the upper one holds the loss.
        loss = span != 0 ? (effectiveYears - years[k]) / span * (hi - lo) + lo : hi;
    }
    // A first segment extended below its first year can fall under zero; a
    // face never gains steel.
    return static_cast<double>(std::max<Extended>(loss, 0));
}

} // namespace pc
