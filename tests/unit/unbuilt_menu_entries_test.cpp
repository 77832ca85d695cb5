// Menu entries whose function the program does not have: they must not look
// alive, whatever the page rules would set, and they come alive by getting
// their handler. Every entry of today's window has its function; the rule
// stays for the entries that later work adds.

#include "app_fixture.h"

#include <gtest/gtest.h>

using namespace pc;
using pc::test::RunningApp;
using F = form::MainForm;

namespace {

// Takes the function of an entry away again, as if it had never been wired.
void unwire(RunningApp &r, form::Control &entry)
{
    entry.onClick = nullptr;
    r.f.holdBackUnhandledEntries();
}

} // namespace

TEST(UnbuiltMenuEntries, EveryEntryOfTheWindowHasItsFunction)
{
    RunningApp r;
    for (const form::Control *c : r.f.controls()) {
        if (c->kind() == form::Kind::MenuItem && c->children().empty()) {
            EXPECT_FALSE(c->heldBack()) << c->name().toStdString() << " has no handler";
        }
    }
}

TEST(UnbuiltMenuEntries, StayDisabledOnEveryPageWhileTheOthersLive)
{
    RunningApp r;
    unwire(r, r.f.MenuPrint);
    unwire(r, r.f.MenuCopy);
    struct Row
    {
        const char *name;
        const form::Control &entry;
        bool live;
    };
    const Row rows[] = {
        {"print (unwired)", r.f.MenuPrint, false},
        {"copy to clipboard (unwired)", r.f.MenuCopy, false},
        {"print to file", r.f.MenuPrintToFile, true},
        {"close", r.f.MenuClose, true},
        {"file menu", r.f.MenuFile, true},
        {"units menu", r.f.MenuUnits, true},
        {"help menu", r.f.MenuHelp, true},
        {"font quality", r.f.MenuToggleFontQuality, true},
        {"about", r.f.MenuAbout, true},
    };
    // The input page: its rules enable the print entries.
    ASSERT_EQ(r.f.userPage(F::PageRates), form::ActionResult::Done);
    ASSERT_EQ(r.f.userPage(F::PageInput), form::ActionResult::Done);
    for (const Row &row : rows)
        EXPECT_EQ(row.entry.enabled(), row.live) << row.name;
    // A person cannot click them either.
    EXPECT_EQ(r.f.userClick(r.f.MenuPrint), form::ActionResult::Ignored);
    EXPECT_EQ(r.f.userClick(r.f.MenuCopy), form::ActionResult::Ignored);
}

TEST(UnbuiltMenuEntries, AHandlerBringsAnEntryUnderThePageRules)
{
    RunningApp r;
    unwire(r, r.f.MenuPrint);
    unwire(r, r.f.MenuPrintToFile);
    int printed = 0;
    r.f.MenuPrint.onClick = [&] { ++printed; };
    ASSERT_EQ(r.f.userPage(F::PageRates), form::ActionResult::Done);
    EXPECT_FALSE(r.f.MenuPrint.enabled()) << "the rates page has nothing to print";
    ASSERT_EQ(r.f.userPage(F::PageInput), form::ActionResult::Done);
    EXPECT_TRUE(r.f.MenuPrint.enabled());
    EXPECT_EQ(r.f.userClick(r.f.MenuPrint), form::ActionResult::Done);
    EXPECT_EQ(printed, 1);
    EXPECT_FALSE(r.f.MenuPrintToFile.enabled()) << "still without its function";
}
