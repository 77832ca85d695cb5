#pragma once
// For the tests that run a handler that writes the controls once side by side
// with its plain form that writes them for every section: a catalogue with
// the cases that matter, and every state a user can observe.

#include "app_fixture.h"
#include "driver/property_text.h"
#include "driver/run_state_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pc::test {

// 24 sections of rising modulus; every fifth lacks a reduced section from
// 2 mm on, every seventh lacks grade 0; loss steps 0, 1, 2, 4 mm.
inline pc::Catalogue mixedCatalogue()
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

inline QString observableState(pc::test::RunningApp &r)
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

// Runs each step on both programs, on `plain` with its plain way switched on
// by `usePlainWay`, and expects the same observable state after every step.
inline void
expectSameStateAfterEachStep(RunningApp &fast, RunningApp &plain,
                             const std::vector<std::function<void(RunningApp &)>> &steps,
                             void (*usePlainWay)(bool))
{
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](fast);
        usePlainWay(true);
        steps[i](plain);
        usePlainWay(false);
        ASSERT_EQ(observableState(fast), observableState(plain)) << "after step " << i;
    }
}

} // namespace pc::test
