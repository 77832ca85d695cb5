#include "window/corrosion_table_handlers.h"

#include "catalogue/catalogue.h"
#include "corrosion/corrosion_table.h"
#include "form/main_form.h"
#include "form/table_window_form.h"
#include "platform/platform.h"
#include "window/handler_trace.h"
#include "window/run_state.h"

namespace pc {

namespace {

// The window's font: Tahoma at 12 pixels (9 points at 96 pixels per inch).
FontSpec tableWindowFont()
{
    FontSpec font;
    font.family = QStringLiteral("Tahoma");
    font.pointSize = 9;
    return font;
}

constexpr int GridLineWidth = 1;

} // namespace

void CorrosionTableHandlers::BuildCorrosionTable()
{
    PILECORR_TRACED_HANDLER(trace);
    const CorrosionTable t = corrosionTable(cat(), s.CurrentAnnex, f.CB_EC3NAD.text(),
                                            s.UnitsMetric, p.decimalSeparator());
    form::Control &window = tableWindow.TForm2;
    form::Control &grid = tableWindow.SG_EC3Table;
    window.setCaption(t.caption);
    grid.setColCount(t.colCount);
    grid.setRowCount(t.rowCount);
    for (int row = 0; row < t.rowCount; ++row)
        for (int col = 0; col < t.colCount; ++col)
            grid.setCell(col, row, t.cell(col, row));
    // A new window: no hint of an earlier one.
    grid.setHint(QString());

    const FontSpec font = tableWindowFont();
    const CorrosionTableLayout l = corrosionTableLayout(
        t, [this, &font](const QString &text) { return p.textWidth(text, font); },
        p.textHeight(QStringLiteral("Mg"), font));
    grid.setDefaultColWidth(l.defaultColWidth);
    if (grid.colCount() > 0)
        grid.setColWidth(0, l.firstColWidth);
    grid.setDefaultRowHeight(l.defaultRowHeight);
    grid.setWidth(l.gridWidth);
    grid.setHeight(l.gridHeight);
    window.setWidth(l.clientWidth);
    window.setHeight(l.clientHeight);

    tableWindow.show();
}

void CorrosionTableHandlers::B_EC3TablesClick()
{
    BuildCorrosionTable();
}

void CorrosionTableHandlers::TableWindowDeactivate()
{
    tableWindow.hide();
}

void CorrosionTableHandlers::SG_EC3TableMouseMove(int x, int y)
{
    form::Control &grid = tableWindow.SG_EC3Table;
    const int col = gridCellAt(grid.colWidths(), GridLineWidth, x);
    const int row = gridCellAt(grid.rowHeights(), GridLineWidth, y);
    if (col == 0 && row >= 0) {
        // The first column may cut a long detail text; the hint shows it whole.
        grid.setShowHint(true);
        grid.setHint(grid.cell(0, row));
    } else {
        // Elsewhere the window's own hint is shown.
        grid.setHint(QString());
    }
}

std::optional<form::CellDrawing> CorrosionTableHandlers::SG_EC3TableDrawCell(int col, int row) const
{
    const form::Control &grid = tableWindow.SG_EC3Table;
    form::CellDrawing d;
    d.text = grid.cell(col, row);
    switch (corrosionCellLook(corrosionHeaderRows(cat(), s.CurrentAnnex), col, row)) {
    case CorrosionCellLook::Header:
        d.header = true;
        return d;
    case CorrosionCellLook::RightAligned:
        d.rightAligned = true;
        return d;
    case CorrosionCellLook::Plain:
        break;
    }
    return std::nullopt;
}

void wireCorrosionTable(form::MainForm &f, form::TableWindowForm &tableWindow,
                        CorrosionTableHandlers &table)
{
    f.B_EC3Tables.onClick = [&table] { table.B_EC3TablesClick(); };
    form::Control &grid = tableWindow.SG_EC3Table;
    grid.onMouseMove = [&table](int x, int y) { table.SG_EC3TableMouseMove(x, y); };
    grid.onDrawCell = [&table](int col, int row) { return table.SG_EC3TableDrawCell(col, row); };
    tableWindow.TForm2.onDeactivate = [&table] { table.TableWindowDeactivate(); };
}

} // namespace pc
