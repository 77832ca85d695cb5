// One user action can run a long chain of handlers through the toolkit rules
// (a setter that runs a change, a refill that re-runs a click). The trace
// makes that chain visible; the budgets below keep it from growing unseen:
// each row is one user action on the sample catalogue and the most times it
// may run each costly operation (and at least once, so a row cannot pass by
// running nothing).

#include "app_fixture.h"
#include "built_sample.h"

#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using pc::test::RunningApp;

// The design of the benchmarks: a moment the sample's sections carry, the
// required factors of a search band.
void enterDesign(RunningApp &r)
{
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("120"));
    r.f.userReplace(r.f.Edit_Sfmin, QStringLiteral("1.5"));
    r.f.userReplace(r.f.Edit_SfMax, QStringLiteral("2"));
}

void curveOpen(RunningApp &r)
{
    enterDesign(r);
    r.f.userClick(r.f.MenuLifeCurve);
}

void searchMode(RunningApp &r)
{
    enterDesign(r);
    r.f.userClick(r.f.MenuSelectSfmin);
}

struct Budget
{
    const char *operation;
    int atMost;
};

struct ActionBudget
{
    const char *name;
    std::function<void(RunningApp &)> setUp;
    std::function<void(RunningApp &)> act;
    std::vector<Budget> budgets;
};

const std::vector<ActionBudget> &actionBudgets()
{
    static const std::vector<ActionBudget> rows = {
        {"unit switch, one section",
         enterDesign,
         [](RunningApp &r) { r.f.userClick(r.f.MenuImperial); },
         {{"ComputeSafetyFactors", 11}, {"ComputeReducedProperties", 6}}},
        {"unit switch, search over every family",
         searchMode,
         [](RunningApp &r) { r.f.userClick(r.f.MenuImperial); },
         {{"SectionSearch", 4}, {"ComputeSafetyFactors", 37}}},
        {"moment keystroke, search over every family",
         searchMode,
         [](RunningApp &r) { r.f.userKey(r.f.Edit_Moment, QLatin1Char('5')); },
         {{"SectionSearch", 1}, {"ComputeSafetyFactors", 6}}},
        {"moment keystroke, one section",
         enterDesign,
         [](RunningApp &r) { r.f.userKey(r.f.Edit_Moment, QLatin1Char('5')); },
         {{"ComputeSafetyFactors", 1}}},
        {"family pick, search",
         searchMode,
         [](RunningApp &r) { r.f.userSelect(r.f.RG_SSP, 1); },
         {{"SectionSearch", 1}, {"FillSectionList", 1}}},
        {"grade pick, one section",
         enterDesign,
         [](RunningApp &r) { r.f.userSelect(r.f.CB_SteelGrades, 1); },
         {{"FillSectionList", 1}, {"ComputeSafetyFactors", 6}}},
        {"service life pick",
         enterDesign,
         [](RunningApp &r) { r.f.userSelect(r.f.CB_ServiceLife, 2); },
         {{"ComputeTableLoss", 1}, {"ComputeSafetyFactors", 2}}},
        // With the curve window open every chain ends in a refresh of the
        // curve; it computes the series only when the design changed, so a
        // keystroke computes it once.
        {"moment keystroke, one section, curve window open",
         curveOpen,
         [](RunningApp &r) { r.f.userKey(r.f.Edit_Moment, QLatin1Char('5')); },
         {{"ComputeSafetyFactors", 1}, {"RefreshLifeCurve", 1}}},
        // A unit switch rewrites each field in the new units, and each
        // rewrite that moves a stored value changes the design for a moment.
        {"unit switch, one section, curve window open",
         curveOpen,
         [](RunningApp &r) { r.f.userClick(r.f.MenuImperial); },
         {{"ComputeSafetyFactors", 11}, {"RefreshLifeCurve", 4}}},
    };
    return rows;
}

TEST(HandlerBudgets, EachUserActionStaysWithinItsBudget)
{
    const pc::Catalogue sample = pc::test::builtSample();
    for (const ActionBudget &row : actionBudgets()) {
        SCOPED_TRACE(row.name);
        RunningApp r(sample);
        row.setUp(r);
        r.a.trace.resetCounts();
        row.act(r);
        for (const Budget &b : row.budgets) {
            const int ran = r.a.trace.count(b.operation);
            EXPECT_GE(ran, 1) << b.operation << " did not run at all";
            EXPECT_LE(ran, b.atMost) << b.operation << " ran " << ran << " times";
        }
    }
}

// What the trace shows of one keystroke: the key filter and the change at
// the top, the computations nested under the change, each name once per run
// even where a bound event's handler opens a scope of its own.
TEST(HandlerTrace, ShowsTheChainOfOneKeystrokeByDepth)
{
    RunningApp r(pc::test::builtSample());
    enterDesign(r);
    std::vector<std::pair<int, std::string>> lines;
    r.a.trace.setSink([&lines](int depth, const char *name) { lines.emplace_back(depth, name); });
    r.f.userKey(r.f.Edit_Moment, QLatin1Char('5'));
    r.a.trace.setSink({});

    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], (std::pair<int, std::string>{0, "Edit_MomentKeyPress"}));
    EXPECT_EQ(lines[1], (std::pair<int, std::string>{0, "Edit_MomentChange"}));
    bool safetyFactorUnderChange = false;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_GE(lines[i].first, 1) << lines[i].second << " is not nested under the change";
        safetyFactorUnderChange |= lines[i].second == "ComputeSafetyFactors";
    }
    EXPECT_TRUE(safetyFactorUnderChange);
    EXPECT_EQ(r.a.trace.depth(), 0);
}

TEST(HandlerTrace, AScopeInsideOneOfTheSameNameIsTheSameRun)
{
    pc::HandlerTrace trace;
    std::vector<std::pair<int, std::string>> lines;
    trace.setSink([&lines](int depth, const char *name) { lines.emplace_back(depth, name); });
    {
        const pc::HandlerScope click(trace, "LB_SSPClick");
        {
            const pc::HandlerScope sameClick(trace, "LB_SSPClick");
            const pc::HandlerScope inner(trace, "ComputeSafetyFactors");
        }
        const pc::HandlerScope again(trace, "ComputeSafetyFactors");
    }
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "LB_SSPClick"}, {1, "ComputeSafetyFactors"}, {1, "ComputeSafetyFactors"}};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(trace.count("LB_SSPClick"), 1);
    EXPECT_EQ(trace.count("ComputeSafetyFactors"), 2);
    EXPECT_EQ(trace.depth(), 0);
}

} // namespace
