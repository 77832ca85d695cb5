#pragma once
// The whole corrosion table of one annex as one grid: a row of years, then
// the atmospheric, soil and water details each under a header row, the loss
// of every detail at every year in mm or, in imperial units, in mils. The
// table window and the tests share it; the window only measures and paints.

#include "catalogue/catalogue.h"

#include <QChar>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace pc {

inline const QString CorrosionTableYearsCaption = QStringLiteral(" Years ");
inline const QString CorrosionTableHint =
    QStringLiteral("Click on first column to show whole line text in a hint.");

struct CorrosionTable
{
    QString caption;                         // the window's caption
    int colCount = 0;                        // years + 1
    int rowCount = 0;                        // details + 4
    std::vector<std::vector<QString>> cells; // [row][column]
    std::array<int, 3> headerRows{};         // atmospheric, soil, water

    const QString &cell(int col, int row) const;
};

// The table of `annex` (a catalogue without that annex gives the years row
// and the three headers only). `annexText` is the text of the annex list.
// Imperial cells are converted from the mm values as they read, rounded to
// 0.01 mm, so they match the metric table.
CorrosionTable corrosionTable(const Catalogue &cat, int annex, const QString &annexText,
                              bool metric, QChar decimal);

// The header rows of the table of `annex`: 1, then one below the
// atmospheric details, then one below the soil details.
std::array<int, 3> corrosionHeaderRows(const Catalogue &cat, int annex);

// How the window paints a cell: header rows grey with white text, the losses
// right-aligned, everything else as the grid draws it.
enum class CorrosionCellLook { Plain, RightAligned, Header };
CorrosionCellLook corrosionCellLook(const std::array<int, 3> &headerRows, int col, int row);

// Sizes in pixels of the window's font, measured by the caller.
struct CorrosionTableLayout
{
    int defaultColWidth = 0;
    int firstColWidth = 0;
    int defaultRowHeight = 0;
    int gridWidth = 0;
    int gridHeight = 0;
    int clientWidth = 0;  // at most the window's 800 pixels
    int clientHeight = 0; // at most the window's 500 pixels
};

// `textWidth` measures a text in the window's font; `mgHeight` is the height
// of "Mg" in it.
CorrosionTableLayout corrosionTableLayout(const CorrosionTable &table,
                                          const std::function<int(const QString &)> &textWidth,
                                          int mgHeight);

// The column or row under pixel `pos` of a grid whose cells have `sizes`
// and are separated by lines `lineWidth` wide; -1 beyond the last one.
int gridCellAt(const std::vector<int> &sizes, int lineWidth, int pos);

} // namespace pc
