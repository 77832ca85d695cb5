// The Sfmin-mode search writes the controls once, for its last candidate.
// Run side by side with the plain search that writes them for every
// candidate, every state a user can observe must be the same after each
// action: every property of every control, the run state and the beeps.

#include "app_fixture.h"
#include "window/section_list_handlers.h"
#include "driver/property_text.h"
#include "driver/run_state_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// 24 sections of rising modulus; every fifth lacks a reduced section from
// 2 mm on, every seventh lacks grade 0; loss steps 0, 1, 2, 4 mm.
pc::Catalogue mixedCatalogue()
{
    pc::Catalogue c = pc::test::handlerCatalogue();
    const int n = 24;
    c.FamilyName = {QStringLiteral("AA"), QStringLiteral("AB")};
    c.FamilyRange = {{0, n - 1}, {0, 11}, {12, n - 1}};
    c.SectionName.clear();
    c.SectionWidth.assign(n, 1.2);
    c.SectionMass.assign(n, 100);
    c.SectionTf.assign(n, 10);
    c.SectionTw.assign(n, 9);
    c.SectionMaxLength.assign(n, 20);
    c.RedA.assign(4, std::vector<double>(n));
    c.RedI.assign(4, std::vector<double>(n));
    c.RedWel.assign(4, std::vector<double>(n));
    c.Availability.assign(n, std::vector<int8_t>{1, 1, 2});
    for (int s = 0; s < n; ++s) {
        c.SectionName.push_back(QStringLiteral("S %1%2").arg(s).arg(s % 6 == 0 ? "*" : ""));
        const double w = 400 + 150 * s;
        const double keep[4] = {1.0, 0.95, 0.9, 0.8};
        for (int r = 0; r < 4; ++r) {
            const bool gone = s % 5 == 0 && r >= 2;
            c.RedWel[r][s] = gone ? 0 : w * keep[r];
            c.RedI[r][s] = gone ? 0 : 20 * w * keep[r];
            c.RedA[r][s] = gone ? 0 : 0.1 * w * keep[r];
        }
        if (s % 7 == 0)
            c.Availability[s][0] = 0;
    }
    return c;
}

QString observableState(pc::test::RunningApp &r)
{
    QString out;
    for (const pc::form::Control *c : r.f.controls())
        for (pc::form::Property p : c->dumpedProperties())
            out += c->name() + QLatin1Char('.') + pc::driver::propertyName(p) + QLatin1Char('=') +
                   QString::fromStdString(pc::driver::propertyJson(*c, p)) + QLatin1Char('\n');
    for (const char *name : {"DesignMoment",
                             "DesignLoad",
                             "SfMinRequired",
                             "SfMaxRequired",
                             "SfIni",
                             "SfRed",
                             "CurrentFy",
                             "WelIni",
                             "WelRed",
                             "IIni",
                             "IRed",
                             "AIni",
                             "ARed",
                             "TfIni",
                             "TfRed",
                             "TwIni",
                             "TwRed",
                             "CurrentWidth",
                             "CurrentMass",
                             "LossTotalMils",
                             "SspPairCount",
                             "CurrentSectionName",
                             "CurrentSectionLabel",
                             "CurrentGradeText",
                             "MaxSSPLength",
                             "SectionListMap",
                             "GradeListMap",
                             "GradeListCount",
                             "Beeps",
                             "ExclamationBeeps"})
        out += QString::fromUtf8(name) + QLatin1Char('=') +
               QString::fromStdString(
                   pc::driver::runStateJson(r.a, r.p, QString::fromUtf8(name)).value_or("?")) +
               QLatin1Char('\n');
    return out;
}

TEST(SectionSearchEquivalence, OneWriteLeavesTheStateOfWritingEveryCandidate)
{
    using Step = std::function<void(pc::test::RunningApp &)>;
    auto loss = [](double l) {
        return Step([l](pc::test::RunningApp &r) { r.a.s.LossTotal = l; });
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
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](once);
        pc::setSearchWritesEveryCandidate(true);
        steps[i](every);
        pc::setSearchWritesEveryCandidate(false);
        ASSERT_EQ(observableState(once), observableState(every)) << "after step " << i;
    }
    // The steps did reach the cases that matter.
    EXPECT_GT(once.p.beeps(), 3);
    EXPECT_EQ(once.f.SB1.panel(0),
              QStringLiteral(" No reduced properties for this loss of steel thickness. "));
}

} // namespace
