// Menu entries whose function the program does not have yet: they must not
// look alive, whatever the page rules would set, and they come alive by
// getting their handler.

#include "app_fixture.h"

#include <gtest/gtest.h>

using namespace pc;
using pc::test::RunningApp;
using F = form::MainForm;

TEST(UnbuiltMenuEntries, StayDisabledOnEveryPageWhileTheOthersLive)
{
    RunningApp r;
    struct Row
    {
        const char *name;
        const form::Control &entry;
        bool live;
    };
    const Row rows[] = {
        {"print", r.f.MenuPrint, false},
        {"print to file", r.f.MenuPrintToFile, false},
        {"copy to clipboard", r.f.MenuCopy, false},
        {"chart: print", r.f.PopUpPrint, false},
        {"chart: export", r.f.PopUpExportEmf, false},
        {"chart: copy", r.f.CopytoClipboard1, false},
        {"close", r.f.MenuClose, true},
        {"file menu", r.f.MenuFile, true},
        {"units menu", r.f.MenuUnits, true},
        {"help menu", r.f.MenuHelp, true},
        {"font quality", r.f.MenuToggleFontQuality, true},
        {"about", r.f.MenuAbout, true},
    };
    // The input page last: its rules enable the print entries.
    for (int page : {F::PageRates, F::PageInput}) {
        ASSERT_EQ(r.f.userPage(page), form::ActionResult::Done);
        for (const Row &row : rows)
            EXPECT_EQ(row.entry.enabled(), row.live) << row.name << " on page " << page;
    }
    // A person cannot click them either.
    EXPECT_EQ(r.f.userClick(r.f.MenuPrint), form::ActionResult::Ignored);
    EXPECT_EQ(r.f.userClick(r.f.MenuCopy), form::ActionResult::Ignored);
}

TEST(UnbuiltMenuEntries, AHandlerBringsAnEntryUnderThePageRules)
{
    RunningApp r;
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
