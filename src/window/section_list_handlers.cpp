// The section list LB_SSP and the steel grade list CB_SteelGrades: filling
// them for the chosen family and grade, keeping the previous choices where
// they still exist, and refreshing what depends on the selected section.
//
// FillSectionList and RefreshGradeList call each other through LB_SSPClick;
// the nesting ends because the inner RefreshGradeList finds the same grade
// selected (every listed section offers it) and so no change of fy. Two
// things keep that true whatever the data: a change of fy is only a change
// when the difference is a number (NaN compares unequal to itself), and a
// nesting deeper than any normal run reaches ends the chain where it stands.

#include "window/section_list_handlers.h"

#include "catalogue/section_list.h"
#include "engine/section_search.h"
#include "units/format.h"
#include "units/rounding.h"
#include "window/app.h"
#include "window/wiring.h"

#include <optional>
#include <utility>

namespace pc {

namespace {

bool searchWritesEveryCandidate = false;

// A normal run nests FillSectionList and RefreshGradeList at most three deep
// (a family click whose grade list changes fy once); a chain that goes on
// far past this is a fault. Once it is cut, every call of the two returns at
// once until the outermost one has finished: the chain unwinds, and each
// level's own later refreshes cannot start a new chain on the way out.
constexpr int MaxSectionListNesting = 16;

class NestingScope
{
public:
    NestingScope(int &depth, bool &cut) : depth_(depth), cut_(cut)
    {
        ++depth_;
        if (depth_ > MaxSectionListNesting)
            cut_ = true;
    }
    ~NestingScope()
    {
        if (--depth_ == 0)
            cut_ = false;
    }
    NestingScope(const NestingScope &) = delete;
    NestingScope &operator=(const NestingScope &) = delete;
    bool chainCut() const { return cut_; }

private:
    int &depth_;
    bool &cut_;
};

// The working fy moved by at least 0.05 N/mm2; false when either side is not
// a number, so that a damaged strength cannot count as a change every time.
bool fyChanged(double oldFy, double newFy)
{
    const Extended difference = roundToPow10(static_cast<Extended>(oldFy) - newFy, -1);
    return difference < 0 || difference > 0;
}

bool sfminMode(const App &a)
{
    return a.f.MenuSelectSfmin.checked();
}

// The FamilyRange pair of the family chosen in RG_SSP; an empty range when
// no family is chosen.
std::pair<int, int> currentFamilyRange(const App &a)
{
    const int item = a.f.RG_SSP.itemIndex();
    const auto &ranges = a.cat().FamilyRange;
    if (item < 0 || item >= static_cast<int>(ranges.size()))
        return {0, -1};
    return {ranges[item][0], ranges[item][1]};
}

// The search test of section j as the program states it: the initial
// properties, the reduced properties for the current loss and both safety
// factors, all written to the controls.
void runSearchTestOnControls(App &a, int j)
{
    const ReducedProperties r = computeReducedProperties(a.cat(), j, a.s.losses.total);
    a.s.initial.a = r.initial.a;
    a.s.initial.i = r.initial.i;
    a.s.initial.wel = r.initial.wel;
    a.s.CurrentWidth = r.initial.width;
    a.ComputeReducedProperties(j);
    a.ComputeSafetyFactors();
}

} // namespace

void setSearchWritesEveryCandidate(bool on)
{
    searchWritesEveryCandidate = on;
}

void App::FillSectionList(int first, int last)
{
    PILECORR_TRACED_HANDLER(trace);
    const NestingScope nesting(sectionListNesting_, sectionListChainCut_);
    if (nesting.chainCut())
        return;
    const bool metric = s.UnitsMetric;
    const QChar decimal = p.decimalSeparator();
    const auto g = static_cast<int8_t>(f.CB_SteelGrades.itemIndex());

    QString previousText;
    if (f.LB_SSP.enabled()) {
        const int shown = selectedSection();
        if (shown >= 0)
            previousText = sectionRowTexts_.text(cat(), shown, metric, decimal);
    }

    f.Lbl_SteelGrades.setCaption(QString());
    f.LB_SSP.clearItems();
    s.SectionListMap.assign(last >= first ? static_cast<size_t>(last - first + 1) : 0, 0);

    if (!gradeDataLoaded || cat().Availability.empty() || g < 0)
        return;
    const int grade = g < static_cast<int>(s.GradeListMap.size()) ? s.GradeListMap[g] : -1;

    // In Sfmin mode every candidate is evaluated on values; the controls are
    // written once, for the last candidate, which leaves them as a full
    // evaluation of every candidate in turn would. What the earlier
    // candidates alone would have left behind is carried over: their beeps,
    // and the status text of a candidate without a reduced section.
    const bool search = sfminMode(*this);
    // Evaluating every candidate of the family is the costly part of a
    // search; the trace counts it apart from the rest of the refill.
    std::optional<HandlerScope> searchScope;
    if (search)
        searchScope.emplace(trace, "SectionSearch");
    SearchDesign design;
    design.actions = s.actions;
    design.fy = s.CurrentFy;
    design.lossTotal = s.losses.total;
    design.band = s.band;
    // The loss interval is found once for every candidate.
    const SearchEvaluator evaluator(cat(), design);
    int lastCandidate = -1;
    bool lastBeeped = false;
    bool lastLackedReduced = false;
    int earlierBeeps = 0;
    bool earlierLackedReduced = false;

    QStringList rows;
    int count = 0;
    for (int j = std::max(first, 0); j <= last && j < cat().SectionCount(); ++j) {
        const int code = availabilityCode(cat(), j, grade);
        if (code == 0 && f.Lbl_SteelGrades.caption().isEmpty()) {
            f.Lbl_SteelGrades.setCaption(SectionsNotInGradeText);
            f.Lbl_SteelGrades.setShowHint(true);
            f.Lbl_SteelGrades.setHint(SectionsNotInGradeText);
        }
        if (code <= 0)
            continue;
        bool listed = true;
        if (search && searchWritesEveryCandidate) {
            runSearchTestOnControls(*this, j);
            listed = passesSearch(s.factors.sfRed, s.band.sfMin, s.band.sfMax);
        } else if (search) {
            const SearchCandidate c = evaluator.evaluate(j);
            if (lastCandidate >= 0) {
                earlierBeeps += lastBeeped ? 1 : 0;
                earlierLackedReduced = earlierLackedReduced || lastLackedReduced;
            }
            lastCandidate = j;
            lastBeeped = c.reduced.beep;
            lastLackedReduced = c.reduced.status == ReducedStatus::NoReducedSection;
            listed = c.passes;
        }
        if (listed && count < static_cast<int>(s.SectionListMap.size())) {
            rows.append(sectionRowTexts_.text(cat(), j, metric, decimal));
            s.SectionListMap[count++] = j;
        }
    }
    if (lastCandidate >= 0) {
        for (int i = 0; i < earlierBeeps; ++i)
            p.beep();
        if (earlierLackedReduced && !lastLackedReduced)
            f.setRangeStatus(NoReducedSectionText);
        runSearchTestOnControls(*this, lastCandidate);
    }
    searchScope.reset();
    f.LB_SSP.setItems(rows);

    if (count > 0) {
        f.MenuPrint.setEnabled(true);
        f.MenuPrintToFile.setEnabled(true);
        f.LB_SSP.setEnabled(true);
        const int previous = previousText.isEmpty() ? -1 : rows.indexOf(previousText);
        f.LB_SSP.setItemIndex(previous >= 0 ? previous : 0);
        LB_SSPClick();
        // The click may have refilled the list; a refill that found nothing
        // has done the no-match work itself.
        const int selected = selectedSection();
        if (selected >= 0) {
            ComputeReducedProperties(selected);
            ComputeSafetyFactors();
        }
        if (!f.TabSheetChart.tabVisible())
            f.TabSheetChart.setTabVisible(true);
    } else {
        f.MenuPrint.setEnabled(false);
        f.MenuPrintToFile.setEnabled(false);
        f.LB_SSP.setEnabled(false);
        s.CurrentSectionName.clear();
        f.GB_Red_Properties.setCaption(EmptySectionPropCaption);
        s.initial.i = 0;
        s.initial.a = 0;
        s.initial.wel = 0;
        s.CurrentWidth = 0;
        s.MaxSSPLength = 0;
        s.MaxSSPLengthImp = 0;
        ComputeSafetyFactors();
        for (const QString &line : NoMatchLines)
            f.LB_SSP.addItem(line);
        f.setRangeStatus(QString());
        f.LB_SSP.setItemIndex(-1);
        ComputeReducedProperties(-1);
        if (f.TabSheetChart.tabVisible())
            f.TabSheetChart.setTabVisible(false);
    }

    steelQuantities.UpdateSteelQuantities();
    ShowBendingMomentCapacity();

    if (f.LB_SSP.enabled()) {
        f.GB_SSP.setCaption(sectionListCaption(f.LB_SSP.itemCount(), metric));
        if (!f.Edit_SSPLength.enabled())
            f.Edit_SSPLength.setEnabled(true);
        const int selected = selectedSection();
        if (selected >= 0)
            LoadSectionMaxLength(selected);
        if (!f.MenuPrint.enabled())
            f.MenuPrint.setEnabled(true);
        if (!f.MenuCopy.enabled())
            f.MenuCopy.setEnabled(true);
    } else {
        f.GB_SSP.setCaption(sectionListCaption(0, metric));
        f.Edit_SSPLength.setEnabled(false);
        if (f.MenuCopy.enabled())
            f.MenuCopy.setEnabled(false);
    }
}

void App::RefreshGradeList(bool force)
{
    PILECORR_TRACED_HANDLER(trace);
    const Catalogue &c = cat();
    if (!gradeDataLoaded || c.GradeCount() == 0)
        return;
    const NestingScope nesting(sectionListNesting_, sectionListChainCut_);
    if (nesting.chainCut())
        return;
    const bool metric = s.UnitsMetric;
    const QChar decimal = p.decimalSeparator();

    const bool showAll = f.ChB_SteelGradesAll.checked();
    const double oldFy = s.CurrentFy;
    f.setMessageStatus(QString());

    // The reference section: the selected one, or the family's first.
    int k = f.LB_SSP.itemIndex();
    if (f.LB_SSP.itemCount() == 0 || k < 0) {
        k = 0;
        if (s.SectionListMap.empty())
            s.SectionListMap.resize(1);
        s.SectionListMap[0] = currentFamilyRange(*this).first;
    }
    const int section = k < static_cast<int>(s.SectionListMap.size()) ? s.SectionListMap[k] : -1;

    const std::vector<int8_t> oldMap = s.GradeListMap;
    const GradeList list = buildGradeList(c, section, showAll, oldMap);
    s.GradeListMap = list.map;
    s.GradeListCount = static_cast<int8_t>(list.count);

    int item = std::max(f.CB_SteelGrades.itemIndex(), 0);
    if (f.CB_SteelGrades.itemCount() > 0 && !list.changed && !force) {
        if (f.CB_SteelGrades.fontColor() != form::clWindowText)
            f.CB_SteelGrades.setFontColor(form::clWindowText);
    } else {
        f.CB_SteelGrades.clearItems();
        const GradeSelection sel = chooseGradeSelection(oldMap, list, item);
        item = sel.item;
        if (sel.color == GradeListColor::WindowText &&
            f.CB_SteelGrades.fontColor() != form::clWindowText)
            f.CB_SteelGrades.setFontColor(form::clWindowText);
        if (sel.color == GradeListColor::Red && f.CB_SteelGrades.fontColor() != form::clRed)
            f.CB_SteelGrades.setFontColor(form::clRed);
        QStringList items;
        for (int j = 0; j < list.count; ++j)
            items.append(gradeItemText(c, s.GradeListMap[j], metric, decimal));
        f.CB_SteelGrades.setItems(items);
        s.CurrentFy = workingFyOfItem(c, s.GradeListMap, list.count, item, metric);
        f.CB_SteelGrades.setItemIndex(item < list.count ? item : -1);
        ApplyReductionFactor();
    }

    const int grade = item < static_cast<int>(s.GradeListMap.size()) ? s.GradeListMap[item] : -1;
    const QString note = availabilityNote(c, section, grade);
    if (!note.isEmpty())
        f.setMessageStatus(note);

    const double newFy = workingFyOfItem(c, s.GradeListMap, list.count, item, metric);
    if (fyChanged(oldFy, newFy)) {
        const auto [first, last] = currentFamilyRange(*this);
        FillSectionList(first, last);
    }

    s.CurrentGradeText = cut18(f.CB_SteelGrades.text());
    ApplyReductionFactor();
    ShowBendingMomentCapacity();

    if (s.GradeListCount < c.GradeCount())
        f.setMessageStatus(gradesHiddenNote(f.messageStatus()));

    f.GB_SteelGrades.setCaption(gradeListCaption(list.available, metric));
}

void App::LoadSectionMaxLength(int section)
{
    if (section < 0 || section >= static_cast<int>(cat().SectionMaxLength.size()))
        return;
    s.MaxSSPLength = cat().SectionMaxLength[section];
    s.MaxSSPLengthImp = maxSspLengthImp(s.MaxSSPLength);
    const QChar decimal = p.decimalSeparator();
    const double typed =
        static_cast<double>(parseNumber(f.Edit_SSPLength.text(), decimal).value_or(0));
    if (pileLengthTooLong(s.UnitsMetric, s.lengths.pile, s.MaxSSPLength, typed,
                          s.MaxSSPLengthImp)) {
        f.Edit_SSPLength.setText(format(decimal, "%1.1f", {0.0}));
        f.Edit_SSPLength.setShowHint(true);
    }
}

void App::RG_SSPClick()
{
    PILECORR_TRACED_HANDLER(trace);
    f.RG_SSP.setHint(QString());
    if (f.RG_SSP.itemIndex() == 0)
        f.RG_SSP.setHint(AllFamiliesHint);
    const auto [first, last] = currentFamilyRange(*this);
    FillSectionList(first, last);
    RefreshGradeList(false);
}

void App::CB_SteelGradesChange()
{
    f.setRangeStatus(QString());
    s.CurrentFy = workingFyOfItem(cat(), s.GradeListMap, s.GradeListCount,
                                  f.CB_SteelGrades.itemIndex(), s.UnitsMetric);
    const auto [first, last] = currentFamilyRange(*this);
    FillSectionList(first, last);
    s.CurrentGradeText = cut18(f.CB_SteelGrades.text());
    RefreshGradeList(false);
}

void App::CB_SteelGradesEnter()
{
    f.setRangeStatus(QString());
    f.setMessageStatus(QString());
    if (f.CB_SteelGrades.fontColor() != form::clWindowText)
        f.CB_SteelGrades.setFontColor(form::clWindowText);
}

void App::ChB_SteelGradesAllClick()
{
    RefreshGradeList(false);
}

void App::LB_SSPClick()
{
    PILECORR_TRACED_HANDLER(trace);
    const int section = selectedSection();
    if (section < 0)
        return;
    LoadSectionMaxLength(section);

    if (f.PageControl1.activePageIndex() == form::MainForm::PageInput) {
        const MaxLengthTexts t = maxLengthTexts(
            SystemFormat.decimalSeparator, s.UnitsMetric, s.MaxSSPLength, s.MaxSSPLengthImp,
            s.UnitsMetric ? QStringLiteral("m") : QStringLiteral("ft"));
        f.setRangeStatus(t.panel0);
        f.setMessageStatus(t.panel1);
    }

    RefreshGradeList(false);
    ApplyReductionFactor();
    ComputeSafetyFactors();
    steelQuantities.UpdateSteelQuantities();
    ShowBendingMomentCapacity();

    if (s.initial.wel > 0) {
        s.CurrentSectionLabel = trimmedSectionLabel(s.CurrentSectionName);
        const SectionMarker marker = sectionMarker(s.CurrentSectionName);
        if (marker.color == SectionMarkerColor::Blue)
            f.Lbl_SSP.setFontColor(form::clBlue);
        else if (marker.color == SectionMarkerColor::Red)
            f.Lbl_SSP.setFontColor(form::clRed);
        f.Lbl_SSP.setCaption(marker.caption);
    }
}

void wireSectionList(App &a)
{
    a.f.RG_SSP.onClick = [&a] { a.RG_SSPClick(); };
    a.f.LB_SSP.onClick = [&a] { a.LB_SSPClick(); };
    a.f.CB_SteelGrades.onChange = [&a] { a.CB_SteelGradesChange(); };
    a.f.CB_SteelGrades.onEnter = [&a] { a.CB_SteelGradesEnter(); };
    a.f.ChB_SteelGradesAll.onClick = [&a] { a.ChB_SteelGradesAllClick(); };
}

// While the list shows the no-match lines it is disabled and has no selection.
int App::selectedSection() const
{
    return pc::selectedSection(f, s);
}

int selectedSection(const form::MainForm &f, const RunState &s)
{
    const int item = f.LB_SSP.itemIndex();
    const auto &map = s.SectionListMap;
    if (item < 0 || item >= f.LB_SSP.itemCount() || item >= static_cast<int>(map.size()))
        return -1;
    return map[static_cast<size_t>(item)];
}

} // namespace pc
