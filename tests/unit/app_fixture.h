#pragma once
// A started program on an in-memory catalogue, driven by user actions, for
// the tests of the section list, the engine handlers and the input fields.

#include "platform/scripted_platform.h"
#include "test_catalogue.h"
#include "window/app.h"

#include <optional>

namespace pc::test {

// The calculation tests' catalogue (test_catalogue.h) with what the handler
// tests need beyond it: s0 with Wel 1000 cm3/m and A 100 cm2/m (the worked
// examples), s1 superseded and without a reduced section from 3 mm on, s2 on
// request. Three grades 240, 355 and 430 N/mm2; s0 lacks 430, s1 lacks 355,
// s2 lacks 240 (and offers 430 on request only). Family 1 holds s0 and s1,
// family 2 holds s2, family 3 holds nothing.
inline Catalogue handlerCatalogue()
{
    Catalogue c = smallCatalogue();
    c.FamilyName.push_back(QStringLiteral("AC"));
    c.FamilyRange.push_back({3, 2});
    c.SectionName[2] = QStringLiteral("AC 26**");
    // At the last loss step s1, not s2, has no reduced section.
    c.RedWel[3][1] = 0.0;
    c.RedWel[3][2] = 2120.0;
    c.RedI[3][1] = 0.0;
    c.RedI[3][2] = 45000.0;
    c.RedA[3][1] = 0.0;
    c.RedA[3][2] = 186.0;
    // s0's areas of the worked examples.
    const double s0Area[] = {100.0, 95.0, 90.0, 80.0};
    for (int step = 0; step < 4; ++step)
        c.RedA[step][0] = s0Area[step];
    c.Availability[0][2] = 0;
    c.Availability[2][2] = 2;
    c.ServiceLife = {25, 50, 100};
    c.ProtectionYears = {5};
    c.MaxWallLength = 100.0;
    c.deriveLoadedValues();
    return c;
}

struct RunningApp
{
    ScriptedPlatform p;
    App a{p};
    form::MainForm &f = a.f;

    explicit RunningApp(Catalogue c = handlerCatalogue(), QChar decimal = QLatin1Char('.'))
    {
        p.setDecimalSeparator(decimal);
        a.catalogueLoader = [c](Platform &) { return std::optional<Catalogue>(c); };
        a.start();
        startupBeeps = p.beeps();
    }

    // Beeps of the user's actions; start-up sounds one of its own (the first
    // grade list is finished before any section is listed).
    int beeps() const { return p.beeps() - startupBeeps; }
    int startupBeeps = 0;
};

} // namespace pc::test
