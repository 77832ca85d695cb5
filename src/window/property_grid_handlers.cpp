#include "window/property_grid_handlers.h"

#include "window/property_grid.h"

#include "corrosion/corrosion_table.h"
#include "engine/reduced_properties.h"
#include "form/main_form.h"
#include "units/unit_captions.h"
#include "window/run_state.h"

namespace pc {

QString hintLongPart(const QString &hint)
{
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? QString() : hint.mid(bar + 1);
}

void PropertyGridHandlers::SetUpPropertyGrid()
{
    form::Control &grid = f.StGr_RedProp;
    // The cell sizes follow from the size the window gave the grid, so that
    // its rows fill it without a gap whatever the screen.
    grid.setDefaultColWidth(
        reducedGridColumnWidth(grid.width(), PropertyGridLineWidth, grid.colCount()));
    if (grid.rowCount() > 0) {
        const int rowHeight = grid.height() / grid.rowCount() - 1 - PropertyGridLineWidth;
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setRowHeight(row, rowHeight);
        grid.setHeight((grid.rowHeight(0) + PropertyGridLineWidth) * grid.rowCount() + 3);
    }

    for (int row = 1; row <= 5; ++row)
        grid.setCell(0, row, PropertyGridRowCaptions[static_cast<size_t>(row - 1)]);
    grid.setCell(1, 0, PropertyGridIniHeader);
    grid.setCell(2, 0, PropertyGridRedHeader);

    const int last = grid.colCount() - 1;
    grid.setCell(last, 0, PropertyGridUnitHeader);
    const auto &units = unitCaptions(s.UnitsMetric).propertyUnits;
    for (int row = 1; row <= 5; ++row)
        grid.setCell(last, row, units[static_cast<size_t>(row - 1)]);
}

void PropertyGridHandlers::StGr_RedPropMouseMove(int x, int y)
{
    form::Control &grid = f.StGr_RedProp;
    const int col = gridCellAt(grid.colWidths(), PropertyGridLineWidth, x);
    const int row = gridCellAt(grid.rowHeights(), PropertyGridLineWidth, y);
    if (col >= 0 && row >= 0 && row < static_cast<int>(PropertyGridRowHints.size()))
        grid.setHint(PropertyGridHintHead + PropertyGridRowHints[static_cast<size_t>(row)]);
    f.setMessageStatus(hintLongPart(grid.hint()));
}

void PropertyGridHandlers::GB_Red_PropertiesMouseMove(int, int)
{
    f.setMessageStatus(QString());
}

void wirePropertyGrid(form::MainForm &f, PropertyGridHandlers &grid)
{
    f.StGr_RedProp.onMouseMove = [&grid](int x, int y) { grid.StGr_RedPropMouseMove(x, y); };
    f.GB_Red_Properties.onMouseMove = [&grid](int x, int y) {
        grid.GB_Red_PropertiesMouseMove(x, y);
    };
}

} // namespace pc
