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
#include "catalogue/section_list.h"
#include "engine/summary_grid.h"
#include "window/app.h"
#include "window/corrosion_faces.h"
#include "window/wiring.h"

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

FamilyRows currentFamily(const App &a)
{
    const int item = a.f.RG_SSP.itemIndex();
    const auto &ranges = a.cat().FamilyRange;
    if (item < 0 || item >= static_cast<int>(ranges.size()))
        return {};
    const int last = std::min<int>(ranges[item][1], a.cat().SectionCount() - 1);
    return {item, std::max<int>(ranges[item][0], 0), last};
}

std::vector<int> currentGradeColumns(const App &a, int family)
{
    return summaryGradeColumns(a.cat(), family, a.s.GradeListMap, a.s.GradeListCount);
}

// What the rows of one fill share: the grade strengths of the columns, the
// design and the texts.
class RowWriter
{
public:
    explicit RowWriter(App &a)
        : a_(a), texts_(a.p.decimalSeparator(), a.f.MenuSelectSfmin.checked(), a.s.band.sfMin,
                        a.s.band.sfMax)
    {
        for (int g : a.summaryColumnGrades)
            fy_.push_back(workingFy(a.cat(), g, a.s.UnitsMetric));
        design_.actions = a.s.actions;
        design_.reduced = !a.f.RB_SummarySfIni.checked();
    }

    // Writes the grade cells of `row` for a section with these properties;
    // false when the row has no factors (it then reads "  N/A").
    // A fill can run over a grid that is still set up for fewer sections
    // than the family has (the page's show chooses the factor before the
    // grid is set up again): the rows it lacks are not written, as the grid
    // always dropped them, but whether a row has factors still counts.
    bool write(int row, const ReducedModulusArea &section)
    {
        form::Control &grid = a_.f.SFList;
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
    App &a_;
    SummaryCellTexts texts_;
    std::vector<double> fy_;
    SummaryDesign design_;
};

// The properties of the section computed last, as the run state holds them.
ReducedModulusArea loadedSection(const App &a)
{
    ReducedModulusArea m;
    m.welIni = a.s.initial.wel;
    m.aIni = a.s.initial.a;
    m.welRed = a.s.reduced.wel;
    m.aRed = a.s.reduced.a;
    return m;
}

// One radio button chosen: it is checked and bold, the other neither, and
// the grid is filled with the chosen factor.
void chooseSummaryFactor(App &a, form::Control &chosen, form::Control &other)
{
    other.setChecked(false);
    other.setFontBold(false);
    chosen.setChecked(true);
    chosen.setFontBold(true);
    a.FillSummaryGrid();
    a.ShowSummaryCaption();
}

} // namespace

void setSummaryWritesEveryRow(bool on)
{
    summaryWritesEveryRow = on;
}

void App::SetUpSummaryGrid()
{
    PILECORR_TRACED_HANDLER(trace);
    const FamilyRows range = currentFamily(*this);
    if (range.family < 0)
        return;
    form::Control &grid = f.SFList;
    const std::vector<int> grades = currentGradeColumns(*this, range.family);

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

void App::FillSummaryGrid()
{
    PILECORR_TRACED_HANDLER(trace);
    const FamilyRows range = currentFamily(*this);
    if (range.family < 0)
        return;

    // The table is computed with the factor of the reduction group's first item.
    const bool reductionGroup = f.RG_A690.enabled();
    const int chosenFactor = f.RG_A690.itemIndex();
    if (reductionGroup)
        f.RG_A690.setItemIndex(0);
    ApplyReductionFactor();

    // The factor just chosen re-runs the search in Sfmin mode, which may
    // select another section and so, with "Show all" unchecked, rebuild the
    // grade list: the grid is then set up again for the list as it is now,
    // and the whole fill (values, legend, marks) keeps to that one list
    // whatever restoring the factor does to it afterwards.
    if (currentGradeColumns(*this, range.family) != summaryColumnGrades)
        SetUpSummaryGrid();

    RowWriter rows(*this);
    if (summaryWritesEveryRow) {
        for (int j = range.first, r = 1; j <= range.last; ++j, ++r) {
            ComputeReducedProperties(j);
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
        ComputeReducedProperties(range.last);
        if (!rows.write(range.last - range.first + 1, loadedSection(*this)))
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
    ApplyReductionFactor();
}

void App::FillSummaryRow(int row)
{
    RowWriter rows(*this);
    if (!rows.write(row, loadedSection(*this)))
        s.factors.sfIni = s.factors.sfRed = 0;
}

std::optional<form::CellDrawing> App::SFListDrawCell(int col, int row) const
{
    if (col <= 0 || row <= 0)
        return std::nullopt;
    const FamilyRows range = currentFamily(*this);
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

void App::ShowSummaryCaption()
{
    f.Lbl_SfSummary.setCaption(summaryCaption(f.MenuSelectSfmin.checked(),
                                              f.RB_SummarySfIni.checked(), f.Edit_Sfmin.text(),
                                              f.Edit_SfMax.text()));
}

void App::TabSheetSFTableShow()
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
    f.setRangeStatus(lossStatus(*this));
    ShowSummaryCaption();
}

void App::TabSheetSFTableExit() {}

void App::RB_SummarySfIniClick()
{
    chooseSummaryFactor(*this, f.RB_SummarySfIni, f.RB_SummarySfRed);
}

void App::RB_SummarySfRedClick()
{
    chooseSummaryFactor(*this, f.RB_SummarySfRed, f.RB_SummarySfIni);
}

void App::PageControl1Change()
{
    const int page = f.PageControl1.activePageIndex();
    const bool input = page == form::MainForm::PageInput;
    f.MenuPrint.setEnabled(input);
    f.MenuPrintToFile.setEnabled(input);
    if (input) {
        // The environment descriptions sit in the middle of the space below
        // their captions.
        const long double scale = screenScale(p);
        const FontSpec font;
        const auto width = [this, &font](const QString &text) { return p.textWidth(text, font); };
        const int lineHeight = p.textHeight(QStringLiteral("Mg"), font);
        const std::pair<form::Control *, form::Control *> pairs[] = {
            {&f.Lbl_Summary_Front1, &f.Lbl_Summary_Front4},
            {&f.Lbl_Summary_Back1, &f.Lbl_Summary_Back4}};
        for (const auto &[caption, description] : pairs) {
            description->setHeight(wrappedTextHeight(description->caption(),
                                                     description->maxWidth(), lineHeight,
                                                     description->maxHeight(), width));
            description->setTop(centredDescriptionTop(caption->top(), caption->height(),
                                                      f.GB_Loss_Summary.height(),
                                                      description->height(), scale));
        }
    }
    f.MenuSelectSection.setEnabled(input);
    f.MenuSelectSfmin.setEnabled(input);

    const bool rates = page == form::MainForm::PageRates;
    f.MenuEC3Rates.setEnabled(rates);
    f.MenuProjectRates.setEnabled(rates);

    const bool summary = page == form::MainForm::PageSFTable;
    f.MenuMetric.setEnabled(!summary);
    f.MenuImperial.setEnabled(!summary);
    if (summary) {
        SetUpSummaryGrid();
        FillSummaryGrid();
    }
}

void wireSummary(App &a)
{
    auto &f = a.f;
    f.PageControl1.onChange = [&a] { a.PageControl1Change(); };
    f.TabSheetSFTable.onShow = [&a] { a.TabSheetSFTableShow(); };
    f.TabSheetSFTable.onExit = [&a] { a.TabSheetSFTableExit(); };
    f.RB_SummarySfIni.onClick = [&a] { a.RB_SummarySfIniClick(); };
    f.RB_SummarySfRed.onClick = [&a] { a.RB_SummarySfRedClick(); };
    f.SFList.onDrawCell = [&a](int col, int row) { return a.SFListDrawCell(col, row); };
}

} // namespace pc
