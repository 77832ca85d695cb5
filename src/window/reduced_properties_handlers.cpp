// ComputeReducedProperties: the reduced section of the selected (or a
// scanned) section written into the property grid, the loss summary and the
// status bar.

#include "catalogue/section_list.h"
#include "engine/reduced_properties.h"
#include "window/app.h"
#include "window/property_grid.h"

namespace pc {

void App::ComputeReducedProperties(int section)
{
    PILECORR_TRACED_HANDLER(trace);
    const bool metric = s.UnitsMetric;
    const QChar decimal = p.decimalSeparator();
    const bool sfminMode = f.MenuSelectSfmin.checked();
    form::Control &grid = f.StGr_RedProp;
    const ReducedProperties r = computeReducedProperties(cat(), section, s.losses.total);
    // An index the catalogue lacks is treated as no section at all.
    const int shown = r.hasSection ? section : -1;

    // Column 2 holds the reduced values while a loss applies; without it the
    // unit column moves into its place.
    const int columns = reducedGridColumnCount(grid.colCount(), s.losses.total, shown);
    if (columns == 4 && grid.colCount() == 3) {
        grid.setColCount(4);
        grid.setDefaultColWidth(reducedGridColumnWidth(grid.width(), PropertyGridLineWidth, 4));
        grid.setCell(2, 0, ReducedColumnHeader);
        for (int row = 1; row < grid.rowCount(); ++row)
            grid.setCell(3, row, grid.cell(2, row));
    } else if (columns == 3 && grid.colCount() == 4) {
        for (int row = 0; row < grid.rowCount(); ++row)
            grid.setCell(2, row, grid.cell(3, row));
        grid.setColCount(3);
        grid.setDefaultColWidth(reducedGridColumnWidth(grid.width(), PropertyGridLineWidth, 3));
    }

    if (r.hasSection) {
        s.CurrentSectionName = cut18(cat().SectionName[section]);
        s.CurrentSectionLabel = sectionLabel(s.CurrentSectionName);
        f.GB_Red_Properties.setCaption(sectionPropertiesCaption(s.CurrentSectionLabel));
        s.initial.a = r.initial.a;
        s.initial.i = r.initial.i;
        s.initial.wel = r.initial.wel;
        s.CurrentWidth = r.initial.width;
        s.CurrentMass = r.initial.mass;
        s.initial.tf = r.initial.tf;
        s.initial.tw = r.initial.tw;
        s.reduced.tf = s.initial.tf;
        s.reduced.tw = s.initial.tw;
    }

    switch (r.status) {
    case ReducedStatus::NoSection:
    case ReducedStatus::OutOfRange:
        f.Lbl_SFRed.setEnabled(true);
        f.Lbl_SFRedResult.setEnabled(true);
        s.reduced.wel = s.reduced.a = s.reduced.i = 0;
        for (int row = 1; row < grid.rowCount(); ++row) {
            grid.setCell(1, row, NotAvailableCellText);
            grid.setCell(grid.colCount() - 2, row, NotAvailableCellText);
        }
        if (r.lossBeyondTables)
            f.setRangeStatus(lossBeyondTablesText(r.lossMax, metric));
        p.beep();
        break;
    case ReducedStatus::NoLoss:
        s.reduced.a = r.aRed;
        s.reduced.i = r.iRed;
        s.reduced.wel = r.welRed;
        f.Lbl_SFRed.setEnabled(r.reducedSfEnabled(sfminMode));
        f.Lbl_SFRedResult.setEnabled(r.reducedSfEnabled(sfminMode));
        break;
    case ReducedStatus::NoReducedSection:
        f.Lbl_SFRed.setEnabled(true);
        f.Lbl_SFRedResult.setEnabled(true);
        s.reduced.wel = s.reduced.a = s.reduced.i = 0;
        for (int row = 1; row < grid.rowCount(); ++row)
            grid.setCell(2, row, NotAvailableCellText);
        f.setRangeStatus(NoReducedSectionText);
        p.beep();
        break;
    case ReducedStatus::Interpolated:
        f.Lbl_SFRed.setEnabled(true);
        f.Lbl_SFRedResult.setEnabled(true);
        s.reduced.a = r.aRed;
        s.reduced.i = r.iRed;
        s.reduced.wel = r.welRed;
        s.reduced.tw = r.twRed;
        s.reduced.tf = r.tfRed;
        break;
    }

    if (r.hasSection) {
        const auto ini = propertyCellTexts(decimal, metric, s.initial.wel, s.initial.i, s.initial.a,
                                           s.initial.tf, s.initial.tw);
        for (int row = 1; row <= 5; ++row)
            grid.setCell(1, row, ini[row - 1]);
        if (s.reduced.wel > 0 && s.losses.total > 0) {
            const auto red = propertyCellTexts(decimal, metric, s.reduced.wel, s.reduced.i,
                                               s.reduced.a, s.reduced.tf, s.reduced.tw);
            for (int row = 1; row <= 5; ++row)
                grid.setCell(2, row, red[row - 1]);
        }
    }

    const LossSummary summary = lossSummary(decimal, metric, s.losses.front, s.losses.frontReduced,
                                            f.RG_A690.enabled(), s.losses.back, s.losses.total);
    f.Lbl_Summary_Back2.setCaption(summary.back);
    f.Lbl_Summary_Front2.setCaption(summary.front);
    if (summary.lossTotalMils)
        s.losses.totalMils = *summary.lossTotalMils;
    f.GB_Loss_Summary.setCaption(summary.caption);

    if (f.PageControl1.activePageIndex() != form::MainForm::PageSFTable)
        ComputeSafetyFactors();
}

} // namespace pc
