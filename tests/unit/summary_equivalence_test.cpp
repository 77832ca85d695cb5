// The summary fill evaluates its rows on values and writes the controls of the
// reduced section once, for the last row. Run side by side with the plain fill
// that computes every row's section on the controls in turn, every state a
// user can observe must be the same after each action: every property of
// every control, the run state and the beeps.

#include "observable_state.h"
#include "window/summary_handlers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using pc::test::RunningApp;
using F = pc::form::MainForm;
using Step = std::function<void(RunningApp &)>;

Step frontLoss(double mm)
{
    // The finishing step forms the total from the face losses.
    return [mm](RunningApp &r) { r.a.s.losses.front = mm; };
}

Step page(int index)
{
    return [index](RunningApp &r) { r.f.userPage(index); };
}

Step click(pc::form::Control F::*control)
{
    return [control](RunningApp &r) { r.f.userClick(r.f.*control); };
}

Step replace(pc::form::Control F::*field, const char *text)
{
    return [field, text](RunningApp &r) { r.f.userReplace(r.f.*field, QString::fromUtf8(text)); };
}

Step select(pc::form::Control F::*control, int item)
{
    return [control, item](RunningApp &r) { r.f.userSelect(r.f.*control, item); };
}

TEST(SummaryEquivalence, OneWriteLeavesTheStateOfComputingEveryRow)
{
    // The third family ends with a section that has no reduced section from
    // 2 mm on, the second with one that has; section 13 has no properties at
    // all, so its row has no factors while the others have.
    pc::Catalogue c = pc::test::mixedCatalogue();
    c.FamilyRange = {{0, 23}, {0, 11}, {12, 20}};
    for (size_t r = 0; r < c.RedWel.size(); ++r)
        c.RedWel[r][13] = c.RedA[r][13] = c.RedI[r][13] = 0;

    const std::vector<Step> steps = {
        replace(&F::Edit_Moment, "300"),
        page(F::PageSFTable), // no loss
        page(F::PageInput),
        frontLoss(1.5),
        page(F::PageSFTable), // interpolated rows
        click(&F::RB_SummarySfRed),
        page(F::PageInput),
        frontLoss(3),
        page(F::PageSFTable), // rows without a reduced section, the last has one
        click(&F::RB_SummarySfIni),
        page(F::PageInput),
        select(&F::RG_SSP, 2),
        page(F::PageSFTable), // the last row has no reduced section
        click(&F::RB_SummarySfRed),
        page(F::PageInput),
        replace(&F::Edit_Load, "400"),
        replace(&F::Edit_Deflection, "4"),
        page(F::PageSFTable),
        page(F::PageInput),
        frontLoss(4.5),
        page(F::PageSFTable), // every row beyond the tables; Sf,red is given up
        page(F::PageInput),
        click(&F::MenuSelectSfmin),
        replace(&F::Edit_SfMax, "4"),
        frontLoss(2),
        select(&F::RG_SSP, 0),
        page(F::PageSFTable), // Sfmin mode
        click(&F::RB_SummarySfRed),
        page(F::PageInput),
        replace(&F::Edit_Moment, "0"),
        replace(&F::Edit_Load, "0"),
        // Without a load the summary tab is hidden; a fill from the input
        // page (the reduced section's controls then recompute the factors
        // for each row) gives rows without factors.
        [](RunningApp &r) { r.a.summary.FillSummaryGrid(); },
    };

    RunningApp once(c);
    pc::setSummaryWritesEveryRow(true);
    RunningApp every(c);
    pc::setSummaryWritesEveryRow(false);
    pc::test::expectSameStateAfterEachStep(once, every, steps, pc::setSummaryWritesEveryRow);
    if (testing::Test::HasFatalFailure())
        return;
    // The steps did reach the cases that matter.
    EXPECT_GT(once.p.beeps(), 20);
    EXPECT_EQ(once.f.SFList.cell(1, 1), QStringLiteral("  N/A"));
    EXPECT_EQ(once.a.s.factors.sfIni, 0);
}

} // namespace
