#include "corrosion/corrosion_table.h"

#include "units/unit_factors.h"

#include "corrosion/annex_tables.h"
#include "corrosion/project_rates.h"
#include "units/format.h"
#include "units/rounding.h"

#include <algorithm>

namespace pc {

namespace {

constexpr int FirstColumnMaxWidth = 400;
constexpr int WindowMaxWidth = 800;
constexpr int WindowMaxHeight = 500;
constexpr int WindowMargin = 10;

// The header of each exposure's block, in exposure order.
const QString BlockHeaders[] = {QStringLiteral("  ****  Atmospheric  **** "),
                                QStringLiteral("  ****  Soil  ****"),
                                QStringLiteral("  ****  Water  ****")};

int roundedPixels(long double x)
{
    return static_cast<int>(roundEven(x));
}

} // namespace

const QString &CorrosionTable::cell(int col, int row) const
{
    static const QString none;
    if (row < 0 || row >= static_cast<int>(cells.size()) || col < 0 ||
        col >= static_cast<int>(cells[static_cast<size_t>(row)].size()))
        return none;
    return cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

CorrosionTable corrosionTable(const Catalogue &cat, int annex, const QString &annexText,
                              bool metric, QChar decimal)
{
    static const Annex noAnnex;
    const Annex &a = annexAt(cat, annex) ? *annexAt(cat, annex) : noAnnex;
    const int years = a.AnnexYearCount();

    CorrosionTable t;
    t.caption =
        QLatin1Char(' ') + annexText +
        (metric ? QStringLiteral(" . Loss of steel thickness [mm]")
                : QStringLiteral(" . Loss of steel thickness [mils] (converted from [mm])"));
    t.colCount = years + 1;
    t.rowCount = a.AtmosColCount() + a.SoilColCount() + a.WaterColCount() + 4;
    t.cells.assign(static_cast<size_t>(t.rowCount),
                   std::vector<QString>(static_cast<size_t>(t.colCount)));

    t.cells[0][0] = CorrosionTableYearsCaption;
    for (int j = 1; j <= years; ++j)
        t.cells[0][static_cast<size_t>(j)] =
            format(decimal, "  %1.0d", {int(a.AnnexYear[static_cast<size_t>(j - 1)])});

    t.headerRows = corrosionHeaderRows(cat, annex);
    size_t row = 1;
    for (int exposure = 0; exposure < 3; ++exposure) {
        const ExposureTable block = exposureTable(a, exposure);
        const auto &losses = *block.losses;
        t.cells[row++][0] = BlockHeaders[exposure];
        for (size_t c = 0; c < block.names->size(); ++c, ++row) {
            t.cells[row][0] = QLatin1Char(' ') + (*block.names)[c];
            for (int j = 1; j <= years; ++j) {
                const auto y = static_cast<size_t>(j - 1);
                if (y < losses.size() && c < losses[y].size())
                    t.cells[row][static_cast<size_t>(j)] =
                        format(decimal, "  %1.2f", {losses[y][c]});
            }
        }
    }

    if (!metric) {
        // Mils from the values as the metric table shows them.
        for (int r = 1; r < t.rowCount; ++r)
            for (int col = 1; col < t.colCount; ++col) {
                QString &text = t.cells[static_cast<size_t>(r)][static_cast<size_t>(col)];
                if (const auto x = parseNumber(text, decimal)) {
                    const float mm = static_cast<float>(*x);
                    text = format(decimal, "  %1.0f", {mm / MM_PER_MIL});
                }
            }
    }
    return t;
}

std::array<int, 3> corrosionHeaderRows(const Catalogue &cat, int annex)
{
    const Annex *a = annexAt(cat, annex);
    const int atmos = a ? a->AtmosColCount() : 0;
    const int soil = a ? a->SoilColCount() : 0;
    return {1, atmos + 2, atmos + soil + 3};
}

CorrosionCellLook corrosionCellLook(const std::array<int, 3> &headerRows, int col, int row)
{
    if (std::find(headerRows.begin(), headerRows.end(), row) != headerRows.end())
        return CorrosionCellLook::Header;
    if (col > 0 && row > 1)
        return CorrosionCellLook::RightAligned;
    return CorrosionCellLook::Plain;
}

CorrosionTableLayout corrosionTableLayout(const CorrosionTable &table,
                                          const std::function<int(const QString &)> &textWidth,
                                          int mgHeight)
{
    CorrosionTableLayout l;
    l.defaultColWidth = textWidth(QStringLiteral("XXXXXX")) + 2;
    // The years caption and the first header are short; the details decide.
    int widest = 0;
    for (int row = 2; row < table.rowCount; ++row)
        widest = std::max(widest, textWidth(table.cell(0, row)));
    l.firstColWidth = std::min(widest, FirstColumnMaxWidth);
    const long double columns =
        l.firstColWidth + static_cast<long double>(table.colCount - 1) * l.defaultColWidth;
    l.gridWidth = roundedPixels(columns * 1.02L);
    l.defaultRowHeight = roundedPixels(1.25L * mgHeight);
    l.gridHeight =
        roundedPixels(static_cast<long double>(table.rowCount) * l.defaultRowHeight * 1.07L);
    l.clientWidth = std::min(l.gridWidth + WindowMargin, WindowMaxWidth);
    l.clientHeight = std::min(l.gridHeight + WindowMargin, WindowMaxHeight);
    return l;
}

int gridCellAt(const std::vector<int> &sizes, int lineWidth, int pos)
{
    if (pos < 0)
        return -1;
    int start = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int end = start + sizes[i] + lineWidth;
        if (pos < end)
            return static_cast<int>(i);
        start = end;
    }
    return -1;
}

} // namespace pc
