// The safety factor summary page: every section of the family against every
// grade column, Sf,ini or Sf,red, with the marks of grades that are not
// plainly available and their legend; and the page changes of the window.
//
// The fill evaluates the sections on values and writes the controls of the
// reduced section once, for the last section, carrying over what the earlier
// sections alone would have left (their beeps, and the status text of a
// section without a reduced section): the state is that of computing every
// section on the controls in turn, which a test checks side by side.

#include "window/summary_handlers.h"

#include "catalogue/catalogue.h"
#include "catalogue/section_list.h"
#include "engine/summary_grid.h"
#include "form/main_form.h"
#include "platform/platform.h"
#include "window/corrosion_faces.h"
#include "window/handler_trace.h"
#include "window/run_state.h"
#include "window/window_metrics.h"

#include <algorithm>

namespace pc {

namespace {

bool summaryWritesEveryRow = false;

// The main window's font, in which the grid measures its texts.
constexpr int GridFontPointSize = 9;

struct FamilyRows
{
    int family = -1;
    int first = 0;
    int last = -1;
};

FamilyRows currentFamily(const form::MainForm &f, const Catalogue &cat)
{
    const int item = f.RG_SSP.itemIndex();
    const auto &ranges = cat.FamilyRange;
    if (item < 0 || item >= static_cast<int>(ranges.size()))
        return {};
    const int last = std::min<int>(ranges[item][1], cat.SectionCount() - 1);
    return {item, std::max<int>(ranges[item][0], 0), last};
}

std::vector<int> currentGradeColumns(const Catalogue &cat, const RunState &s, int family)
{
    return summaryGradeColumns(cat, family, s.GradeListMap, s.GradeListCount);
}

// What the rows of one fill share: the grade strengths of the columns, the
// design and the texts.
class RowWriter
{
public:
    RowWriter(const Platform &p, form::MainForm &f, const RunState &s, const Catalogue &cat,
              const std::vector<int> &columnGrades)
        : f_(f),
          texts_(p.decimalSeparator(), f.MenuSelectSfmin.checked(), s.band.sfMin, s.band.sfMax)
    {
        for (int g : columnGrades)
            fy_.push_back(workingFy(cat, g, s.UnitsMetric));
        design_.actions = s.actions;
        design_.reduced = !f.RB_SummarySfIni.checked();
    }

    // Writes the grade cells of `row` for a section with these properties;
    // false when the row has no factors (it then reads "  N/A").
    // A fill can run over a grid that is still set up for fewer sections
    // than the family has (the page's show chooses the factor before the
    // grid is set up again): the rows it lacks are not written, as the grid
    // always dropped them, but whether a row has factors still counts.
    bool write(int row, const ReducedModulusArea &section)
    {
        form::Control &grid = f_.SFList;
        const bool inGrid = row < grid.rowCount();
        const int columns = std::min(static_cast<int>(fy_.size()), grid.colCount() - 1);
        if (!summaryRowHasFactors(design_, section.welIni)) {
            for (int c = 0; inGrid && c < columns; ++c)
                grid.setCell(c + 1, row, SummaryNotAvailableText);
            return false;
        }
        const Extended stress = summaryRowStress(design_, section);
        for (int c = 0; inGrid && c < columns; ++c)
            grid.setCell(c + 1, row, texts_.textOfStress(fy_[static_cast<size_t>(c)], stress));
        return true;
    }

private:
    form::MainForm &f_;
    SummaryCellTexts texts_;
    std::vector<double> fy_;
    SummaryDesign design_;
};

// The properties of the section computed last, as the run state holds them.
ReducedModulusArea loadedSection(const RunState &s)
{
    ReducedModulusArea m;
    m.welIni = s.initial.wel;
    m.aIni = s.initial.a;
    m.welRed = s.reduced.wel;
    m.aRed = s.reduced.a;
    return m;
}

} // namespace

// One radio button chosen: it is checked and bold, the other neither, and
// the grid is filled with the chosen factor.
void SummaryHandlers::chooseSummaryFactor(form::Control &chosen, form::Control &other)
{
    other.setChecked(false);
    other.setFontBold(false);
    chosen.setChecked(true);
    chosen.setFontBold(true);
    FillSummaryGrid();
    ShowSummaryCaption();
}

void setSummaryWritesEveryRow(bool on)
{
    summaryWritesEveryRow = on;
}

void SummaryHandlers::SetUpSummaryGrid()
{
    PILECORR_TRACED_HANDLER(trace);
    const FamilyRows range = currentFamily(f, cat());
    if (range.family < 0)
        return;
    form::Control &grid = f.SFList;
    const std::vector<int> grades = currentGradeColumns(cat(), s, range.family);

    std::vector<QString> names;
    for (int j = range.first; j <= range.last; ++j)
        names.push_back(cat().SectionName[static_cast<size_t>(j)]);
    std::vector<QString> headers;
    for (int g : grades)
        headers.push_back(g >= 0 && g < cat().GradeCount()
                              ? summaryGradeHeader(cat().GradeName[static_cast<size_t>(g)])
                              : QString());
    const FontSpec font;
    const SummaryGridLayout layout =
        summaryGridLayout(screenScale(p), GridFontPointSize, names, headers, grid.width(),
                          [this, &font](const QString &text) { return p.textWidth(text, font); });

    summaryColumnGrades = grades;
    grid.setRowCount(static_cast<int>(names.size()) + 1);
    grid.setColCount(static_cast<int>(grades.size()) + 1);
    grid.setRowHeight(0, layout.headerHeight);
    grid.setColWidth(0, layout.nameColumnWidth);
    grid.setHeight(0);
    for (size_t r = 0; r < names.size(); ++r) {
        grid.setCell(0, static_cast<int>(r) + 1, QLatin1Char(' ') + names[r]);
        grid.setRowHeight(static_cast<int>(r) + 1, layout.rowHeight);
    }
    for (size_t c = 0; c < headers.size(); ++c) {
        grid.setCell(static_cast<int>(c) + 1, 0, headers[c]);
        grid.setColWidth(static_cast<int>(c) + 1, layout.gradeColumnWidths[c]);
    }
    grid.setHeight(std::min(layout.height, grid.maxHeight()));
}

void SummaryHandlers::FillSummaryGrid()
{
    PILECORR_TRACED_HANDLER(trace);
    const FamilyRows range = currentFamily(f, cat());
    if (range.family < 0)
        return;

    // The table is computed with the factor of the reduction group's first item.
    const bool reductionGroup = f.RG_A690.enabled();
    const int chosenFactor = f.RG_A690.itemIndex();
    if (reductionGroup)
        f.RG_A690.setItemIndex(0);
    chain.ApplyReductionFactor();

    // The factor just chosen re-runs the search in Sfmin mode, which may
    // select another section and so, with "Show all" unchecked, rebuild the
    // grade list: the grid is then set up again for the list as it is now,
    // and the whole fill (values, legend, marks) keeps to that one list
    // whatever restoring the factor does to it afterwards.
    if (currentGradeColumns(cat(), s, range.family) != summaryColumnGrades)
        SetUpSummaryGrid();

    RowWriter rows(p, f, s, cat(), summaryColumnGrades);
    if (summaryWritesEveryRow) {
        for (int j = range.first, r = 1; j <= range.last; ++j, ++r) {
            chain.ComputeReducedProperties(j);
            FillSummaryRow(r);
        }
    } else if (range.first <= range.last) {
        const SectionScan scan(cat(), s.losses.total);
        int earlierBeeps = 0;
        bool earlierLackedReduced = false;
        bool earlierWithoutFactors = false;
        for (int j = range.first, r = 1; j < range.last; ++j, ++r) {
            const ReducedModulusArea m = scan.modulusArea(j);
            earlierBeeps += m.beep ? 1 : 0;
            earlierLackedReduced =
                earlierLackedReduced || m.status == ReducedStatus::NoReducedSection;
            earlierWithoutFactors = !rows.write(r, m) || earlierWithoutFactors;
        }
        if (earlierWithoutFactors)
            s.factors.sfIni = s.factors.sfRed = 0;
        for (int i = 0; i < earlierBeeps; ++i)
            p.beep();
        const bool lastLacksReduced =
            scan.modulusArea(range.last).status == ReducedStatus::NoReducedSection;
        if (earlierLackedReduced && !lastLacksReduced)
            f.setRangeStatus(NoReducedSectionText);
        chain.ComputeReducedProperties(range.last);
        if (!rows.write(range.last - range.first + 1, loadedSection(s)))
            s.factors.sfIni = s.factors.sfRed = 0;
    }

    const QString legend = summaryLegend(cat(), range.first, range.last, summaryColumnGrades);
    const int maxHeight = summaryMaxHeight(legend);
    f.SFList.setMaxHeight(maxHeight);
    if (f.SFList.height() > maxHeight)
        f.SFList.setHeight(maxHeight);
    f.Lbl_SfTableGrades.setTop(f.SFList.top() + f.SFList.height() + 10);
    f.Lbl_SfTableGrades.setCaption(legend);

    if (reductionGroup)
        f.RG_A690.setItemIndex(chosenFactor);
    chain.ApplyReductionFactor();
}

void SummaryHandlers::FillSummaryRow(int row)
{
    RowWriter rows(p, f, s, cat(), summaryColumnGrades);
    if (!rows.write(row, loadedSection(s)))
        s.factors.sfIni = s.factors.sfRed = 0;
}

std::optional<form::CellDrawing> SummaryHandlers::SFListDrawCell(int col, int row) const
{
    if (col <= 0 || row <= 0)
        return std::nullopt;
    const FamilyRows range = currentFamily(f, cat());
    const std::vector<int> &grades = summaryColumnGrades;
    const int section = range.first + row - 1;
    if (range.family < 0 || section > range.last || col > static_cast<int>(grades.size()))
        return std::nullopt;
    const int code = availabilityCode(cat(), section, grades[static_cast<size_t>(col - 1)]);
    const auto mark = summaryCellMark(code, f.SFList.cell(col, row));
    if (!mark)
        return std::nullopt;
    form::CellDrawing d;
    d.text = mark->text;
    d.activeBorder = true;
    return d;
}

void SummaryHandlers::ShowSummaryCaption()
{
    f.Lbl_SfSummary.setCaption(summaryCaption(f.MenuSelectSfmin.checked(),
                                              f.RB_SummarySfIni.checked(), f.Edit_Sfmin.text(),
                                              f.Edit_SfMax.text()));
}

void SummaryHandlers::TabSheetSFTableShow()
{
    const int lossMax = cat().LossStep.empty() ? 0 : cat().LossStep.back();
    const bool sfRed = summarySfRedAvailable(s.initial.wel, s.reduced.wel, s.losses.total, lossMax);
    f.RB_SummarySfRed.setEnabled(sfRed);
    if (!sfRed) {
        f.RB_SummarySfRed.setChecked(false);
        f.RB_SummarySfIni.setChecked(true); // runs its click when it was not checked
    }
    f.setFocus(&f.SFList);
    f.setMessageStatus(QString());
    f.setRangeStatus(lossStatus(f));
    ShowSummaryCaption();
}

void SummaryHandlers::TabSheetSFTableExit() {}

void SummaryHandlers::RB_SummarySfIniClick()
{
    chooseSummaryFactor(f.RB_SummarySfIni, f.RB_SummarySfRed);
}

void SummaryHandlers::RB_SummarySfRedClick()
{
    chooseSummaryFactor(f.RB_SummarySfRed, f.RB_SummarySfIni);
}

void wireSummary(form::MainForm &f, SummaryHandlers &summary)
{
    f.TabSheetSFTable.onShow = [&summary] { summary.TabSheetSFTableShow(); };
    f.TabSheetSFTable.onExit = [&summary] { summary.TabSheetSFTableExit(); };
    f.RB_SummarySfIni.onClick = [&summary] { summary.RB_SummarySfIniClick(); };
    f.RB_SummarySfRed.onClick = [&summary] { summary.RB_SummarySfRedClick(); };
    f.SFList.onDrawCell = [&summary](int col, int row) { return summary.SFListDrawCell(col, row); };
}

} // namespace pc
