#pragma once
// The safety factor summary page: every section of the family against every
// grade column, Sf,ini or Sf,red, with the marks of grades that are not
// plainly available and their legend.

#include "form/control.h"
#include "window/window_parts.h"

#include <optional>
#include <vector>

namespace pc {

// On: the summary fill computes the reduced section of every row on the
// controls in turn, as written, instead of on values with one write at the
// end. Both must leave the same state; the tests run them side by side.
void setSummaryWritesEveryRow(bool on);

// What the summary asks of the window's calculation chain: the reduction
// factor in force and the reduced section of one section, each computed by
// the window's own handlers so that the page leaves the state they leave.
class SummaryChain
{
public:
    virtual void ApplyReductionFactor() = 0;
    virtual void ComputeReducedProperties(int section) = 0;

protected:
    ~SummaryChain() = default;
};

class SummaryHandlers
{
public:
    SummaryHandlers(Platform &p, form::MainForm &f, RunState &s, const Catalogue &catalogue,
                    HandlerTrace &trace, SummaryChain &chain)
        : p(p), f(f), s(s), catalogue_(catalogue), trace(trace), chain(chain)
    {}

    void SetUpSummaryGrid();
    void FillSummaryGrid();
    void FillSummaryRow(int row);
    void ShowSummaryCaption();
    void TabSheetSFTableShow();
    void TabSheetSFTableExit();
    void RB_SummarySfIniClick();
    void RB_SummarySfRedClick();
    // How SFList paints cell (col, row): the marks of grades that are not
    // plainly available; nothing for the grid's own drawing.
    std::optional<form::CellDrawing> SFListDrawCell(int col, int row) const;

private:
    void chooseSummaryFactor(form::Control &chosen, form::Control &other);
    const Catalogue &cat() const { return catalogue_; }

    Platform &p;
    form::MainForm &f;
    RunState &s;
    const Catalogue &catalogue_;
    HandlerTrace &trace;
    SummaryChain &chain;
    // The grade of each grade column of SFList as its headers were set up
    // (column c + 1 shows grade summaryColumnGrades[c]): the values, marks
    // and legend of a fill follow it, so a column is of one grade even when
    // the grade list changes while the grid is filled.
    std::vector<int> summaryColumnGrades;
};

void wireSummary(form::MainForm &f, SummaryHandlers &summary);

} // namespace pc
