// The Sfmin-mode search writes the controls once, for its last candidate.
// Run side by side with the plain search that writes them for every
// candidate, every state a user can observe must be the same after each
// action: every property of every control, the run state and the beeps.

#include "observable_state.h"
#include "window/section_list_handlers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using pc::test::mixedCatalogue;

TEST(SectionSearchEquivalence, OneWriteLeavesTheStateOfWritingEveryCandidate)
{
    using Step = std::function<void(pc::test::RunningApp &)>;
    auto loss = [](double l) {
        return Step([l](pc::test::RunningApp &r) { r.a.s.losses.total = l; });
    };
    auto replace = [](pc::form::Control pc::form::MainForm::*field, const char *text) {
        return Step([field, text](pc::test::RunningApp &r) {
            r.f.userReplace(r.f.*field, QString::fromUtf8(text));
        });
    };
    auto select = [](pc::form::Control pc::form::MainForm::*field, int item) {
        return Step([field, item](pc::test::RunningApp &r) { r.f.userSelect(r.f.*field, item); });
    };
    using F = pc::form::MainForm;
    const std::vector<Step> steps = {
        [](pc::test::RunningApp &r) { r.f.userClick(r.f.MenuSelectSfmin); },
        replace(&F::Edit_Moment, "300"),
        loss(1.5),
        replace(&F::Edit_Moment, "350"), // interpolated candidates
        loss(3),
        replace(&F::Edit_Moment, "400"), // some without a reduced section
        replace(&F::Edit_SfMax, "2.5"),
        replace(&F::Edit_Sfmin, "2"), // Sfmax reset while searching
        select(&F::RG_SSP, 2),
        select(&F::CB_SteelGrades, 2),
        replace(&F::Edit_Load, "500"),
        replace(&F::Edit_Deflection, "3"),
        loss(4.5),
        replace(&F::Edit_Moment, "200"), // every candidate beyond the tables
        loss(0),
        select(&F::RG_SSP, 0),
        replace(&F::Edit_Moment, "50"), // no loss
        replace(&F::Edit_Moment, "0"),  // nothing passes
        [](pc::test::RunningApp &r) { r.f.userClick(r.f.MenuSelectSection); },
        // A search started away from the input page (the search modes can
        // only be chosen there, but a corrosion input on the rates page
        // re-runs the search): no section click rewrites the status bar, so
        // the text left by a candidate without a reduced section stays.
        loss(3),
        replace(&F::Edit_Moment, "400"),
        [](pc::test::RunningApp &r) { r.f.userClick(r.f.MenuSelectSfmin); },
        [](pc::test::RunningApp &r) { r.f.userPage(pc::form::MainForm::PageRates); },
        loss(3),
        [](pc::test::RunningApp &r) { r.a.RecomputeAfterInput(); },
    };

    pc::test::RunningApp once(mixedCatalogue());
    pc::setSearchWritesEveryCandidate(true);
    pc::test::RunningApp every(mixedCatalogue());
    pc::setSearchWritesEveryCandidate(false);
    pc::test::expectSameStateAfterEachStep(once, every, steps, pc::setSearchWritesEveryCandidate);
    if (testing::Test::HasFatalFailure())
        return;
    // The steps did reach the cases that matter.
    EXPECT_GT(once.p.beeps(), 3);
    EXPECT_EQ(once.f.SB1.panel(0),
              QStringLiteral(" No reduced properties for this loss of steel thickness. "));
}

} // namespace
