#pragma once
// A started program on an in-memory catalogue, driven by user actions, for
// the tests of the section list, the engine handlers and the input fields.

#include "platform/scripted_platform.h"
#include "window/app.h"

#include <optional>

namespace pc::test {

// Three sections: s0 with Wel 1000 cm3/m and A 100 cm2/m (the worked
// examples), s1 superseded and without a reduced section from 3 mm on, s2 on
// request. Three grades 240, 355 and 430 N/mm2; s0 lacks 430, s1 lacks 355,
// s2 lacks 240 (and offers 430 on request only). Family 1 holds s0 and s1,
// family 2 holds s2, family 3 holds nothing.
inline Catalogue handlerCatalogue()
{
    Catalogue c;
    c.FamilyName = {QStringLiteral("AA"), QStringLiteral("AB"), QStringLiteral("AC")};
    c.FamilyRange = {{0, 2}, {0, 1}, {2, 2}, {3, 2}};
    c.LossStep = {0, 1, 2, 4};
    c.RedWel = {{1000.0, 1800.0, 2600.0},
                {950.0, 1720.0, 2480.0},
                {900.0, 1640.0, 2360.0},
                {800.0, 0.0, 2120.0}};
    c.RedI = {{20000.0, 38000.0, 55000.0},
              {19000.0, 36300.0, 52500.0},
              {18000.0, 34600.0, 50000.0},
              {16000.0, 0.0, 45000.0}};
    c.RedA = {
        {100.0, 190.0, 230.0}, {95.0, 180.0, 219.0}, {90.0, 170.0, 208.0}, {80.0, 0.0, 186.0}};
    c.SectionName = {QStringLiteral("AA 10"), QStringLiteral("AA 18*"), QStringLiteral("AC 26**")};
    c.SectionWidth = {1.26, 1.25, 1.4};
    c.SectionMass = {100.0, 120.0, 160.0};
    c.SectionTf = {10.0, 11.5, 12.2};
    c.SectionTw = {9.0, 10.0, 11.1};
    c.SectionMaxLength = {20.0, 24.0, 12.0};
    c.GradeName = {QStringLiteral("S 240 GP"), QStringLiteral("S 355 GP"),
                   QStringLiteral("S 430 GP")};
    c.GradeFy = {240.0, 355.0, 430.0};
    c.GradeFyKsi = {35.0, 50.0, 60.0};
    c.Availability = {{1, 1, 0}, {1, 0, 3}, {0, 1, 2}};
    c.ServiceLife = {25, 50, 100};
    c.ProtectionYears = {5};
    c.MaxWallLength = 100.0;
    c.MaxCorrosionRate = 0.5;
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
