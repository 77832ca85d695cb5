// A catalogue with a number that is not finite, or that overflows once
// converted, ends the start-up with the damage message; and the section and
// grade lists, which refresh each other, cannot recurse without end even on
// such numbers or on a chain of handlers that would never settle.

#include "app_fixture.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue_test_support.h"
#include "damaged_numbers.h"
#include "window/catalogue_locator.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

using pc::App;
using pc::Catalogue;
using pc::MessageKind;
using pc::ScriptedPlatform;

TEST(DamagedNumbers, StartUpEndsWithTheDamageMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(pc::CatalogueFileName);
    for (const auto &field : pc::test::damagedFields()) {
        for (const auto &d : pc::test::damages()) {
            const std::string name = damageName(field, d);
            Catalogue c = pc::test::smallFixture();
            field.set(c, d.value);
            {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name;
                const QByteArray bytes = pc::writeCatalogue(c);
                ASSERT_EQ(f.write(bytes), bytes.size()) << name;
            }
            ScriptedPlatform p;
            p.setCurrentDirectory(dir.path());
            App a(p); // the program's own loader: locate, read, report
            a.start();
            EXPECT_TRUE(a.ended()) << name;
            EXPECT_EQ(a.exitCode(), 0) << name;
            EXPECT_FALSE(a.f.TForm1.visible()) << name;
            ASSERT_EQ(p.messages().size(), 1u) << name;
            EXPECT_EQ(p.messages()[0].kind, MessageKind::Plain) << name;
            EXPECT_EQ(p.messages()[0].text, pc::CatalogueCorruptedText) << name;
        }
    }
}

// What the reader now refuses, handed to the program directly: the lists
// still settle at start-up, on the unit switch and on picking each grade.
TEST(DamagedNumbers, TheListsSettleOnStrengthsThatAreNotNumbers)
{
    struct Case
    {
        const char *name;
        void (*change)(Catalogue &);
    } const cases[] = {
        {"first grade's fy not a number",
         [](Catalogue &c) { c.GradeFy[0] = std::numeric_limits<double>::quiet_NaN(); }},
        {"first grade's ksi overflowing in N/mm2", [](Catalogue &c) { c.GradeFyKsi[0] = 1e308; }},
        {"last grade's fy infinite",
         [](Catalogue &c) { c.GradeFy[1] = std::numeric_limits<double>::infinity(); }},
        {"every ksi not a number",
         [](Catalogue &c) {
             c.GradeFyKsi.assign(c.GradeFyKsi.size(), std::numeric_limits<double>::quiet_NaN());
         }},
    };
    for (const Case &tc : cases) {
        Catalogue c = pc::test::handlerCatalogue();
        tc.change(c);
        pc::test::RunningApp r(c);
        ASSERT_FALSE(r.a.ended()) << tc.name;
        EXPECT_GT(r.f.LB_SSP.itemCount(), 0) << tc.name;
        r.f.userClick(r.f.MenuImperial);
        EXPECT_FALSE(r.a.s.UnitsMetric) << tc.name;
        for (int g = 0; g < r.f.CB_SteelGrades.itemCount(); ++g) {
            r.f.userSelect(r.f.CB_SteelGrades, g);
            EXPECT_EQ(r.f.CB_SteelGrades.itemIndex(), g) << tc.name << ", grade item " << g;
        }
        r.f.userClick(r.f.MenuMetric);
        for (int g = 0; g < r.f.CB_SteelGrades.itemCount(); ++g)
            r.f.userSelect(r.f.CB_SteelGrades, g);
        EXPECT_TRUE(r.a.s.UnitsMetric) << tc.name;
    }
}

// A handler that answers the pile length reset by typing a length again and
// clicking the family: every fill of the section list resets the length and
// so starts the next fill. Without a limit on the nesting this chain
// overflows the stack; with it the chain stops and the program goes on.
TEST(DamagedNumbers, AnEndlessChainOfListRefreshesIsStopped)
{
    pc::test::RunningApp r;
    ASSERT_FALSE(r.a.ended());
    ASSERT_TRUE(r.f.Edit_SSPLength.enabled());
    r.f.Edit_SSPLength.setText(QStringLiteral("5.0"));
    r.a.s.lengths.pile = 1e6; // always above the section's maximum
    int familyClicks = 0;
    r.f.Edit_SSPLength.onChange = [&] {
        if (r.f.Edit_SSPLength.text() != QLatin1String("5.0")) {
            r.f.Edit_SSPLength.setText(QStringLiteral("5.0")); // runs this handler again
            return;
        }
        ++familyClicks;
        r.a.f.RG_SSP.onClick();
    };
    r.a.f.RG_SSP.onClick();
    // The chain went deeper than any normal run and was cut off there; on
    // the way out each level clicks at most a few more times.
    EXPECT_GT(familyClicks, 4);
    EXPECT_LT(familyClicks, 100);
    EXPECT_FALSE(r.a.ended());

    // Once the handler is normal again, a family click works as before.
    r.f.Edit_SSPLength.onChange = [] {};
    r.a.s.lengths.pile = 0;
    r.f.userSelect(r.f.RG_SSP, 1);
    EXPECT_TRUE(r.f.LB_SSP.items().value(0).startsWith(QStringLiteral(" AA 10\t")))
        << r.f.LB_SSP.items().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(r.a.s.CurrentSectionName, QStringLiteral("AA 10"));
}

} // namespace
