// Start-up of the program on an in-memory catalogue, and its ends.

#include "case_row.h"
#include "platform/scripted_platform.h"
#include "small_catalogue.h"
#include "window/app.h"

#include "catalogue/catalogue_writer.h"
#include "catalogue_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pc;
using pc::test_support::smallCatalogue;

namespace {

struct StartedApp
{
    ScriptedPlatform p;
    App a{p};
    explicit StartedApp(std::optional<Catalogue> c, AppOptions o = {}) : a(p, std::move(o))
    {
        a.catalogueLoader = [c](Platform &) { return c; };
    }
};

} // namespace

TEST(AppStartup, StateAfterStartOnASmallCatalogue)
{
    StartedApp r(smallCatalogue(2));
    r.a.start();
    ASSERT_FALSE(r.a.ended());
    auto &f = r.a.f;
    EXPECT_EQ(f.RG_SSP.items(), (QStringList{QStringLiteral(" ALL"), QStringLiteral("FAM-A"),
                                             QStringLiteral("FAM-B")}));
    EXPECT_EQ(f.RG_SSP.itemIndex(), 0);
    EXPECT_EQ(f.CB_EC3NAD.items(),
              (QStringList{QStringLiteral("Annex 0"), QStringLiteral("Annex 1")}));
    EXPECT_EQ(f.CB_EC3NAD.itemIndex(), 0);
    EXPECT_EQ(f.Lbl_NAD.caption(), QString());
    EXPECT_EQ(f.CB_ServiceLife.items(),
              (QStringList{QStringLiteral(" 0"), QStringLiteral(" 25"), QStringLiteral(" 50"),
                           QStringLiteral(" 100")}));
    EXPECT_EQ(f.CB_ServiceLife.itemIndex(), 0);
    EXPECT_FALSE(f.TabSheetSFTable.tabVisible());
    EXPECT_EQ(f.PageControl1.activePageIndex(), form::MainForm::PageInput);
    EXPECT_TRUE(f.MenuMetric.checked());
    EXPECT_FALSE(f.MenuImperial.checked());
    EXPECT_TRUE(r.a.s.UnitsMetric);
    EXPECT_EQ(f.Edit_Sfmin.text(), QStringLiteral("1.50"));
    EXPECT_EQ(f.Edit_SfMax.text(), QStringLiteral("10.00"));
    EXPECT_TRUE(f.TForm1.visible());
    EXPECT_EQ(f.TForm1.caption(), QStringLiteral(" Pilecorr "));
    EXPECT_EQ(r.a.about.Version.caption(), QStringLiteral(" Version 2.5.0 - September 2013 "));
    EXPECT_EQ(r.a.s.CurrentAnnex, 0);
    EXPECT_EQ(r.a.s.GradeListMap, std::vector<int8_t>{0});
    EXPECT_DOUBLE_EQ(r.a.cat().MaxMomentImp, 518.2);
    EXPECT_TRUE(r.p.messages().empty());
}

TEST(AppStartup, WithoutAnnexesNothingIsSelectedInTheAnnexList)
{
    StartedApp r(smallCatalogue(0));
    r.a.start();
    EXPECT_EQ(r.a.f.CB_EC3NAD.itemCount(), 0);
    EXPECT_EQ(r.a.f.CB_EC3NAD.itemIndex(), -1);
}

TEST(AppStartup, TheFirstFamilySelectionFindsNoGradeData)
{
    StartedApp r(smallCatalogue(1));
    struct Seen
    {
        int calls = 0;
        int sections = -1;
        int grades = -1;
        int serviceLives = -1;
        bool loaded = true;
    } seen;
    r.a.f.RG_SSP.onClick = [&] {
        ++seen.calls;
        seen.sections = r.a.cat().SectionCount();
        seen.grades = r.a.cat().GradeCount();
        seen.serviceLives = r.a.cat().ServiceLifeCount();
        seen.loaded = r.a.gradeDataLoaded;
    };
    r.a.start();
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.sections, 3);
    EXPECT_EQ(seen.grades, 0);
    EXPECT_EQ(seen.serviceLives, 0);
    EXPECT_FALSE(seen.loaded);
    EXPECT_TRUE(r.a.gradeDataLoaded);
    EXPECT_EQ(r.a.cat().GradeCount(), 1);
}

TEST(AppStartup, ScreenScalingOfTheStatusBarAndTheWrappedLabels)
{
    struct Case
    {
        int ppi;
        int panel0;
        int maxHeight;
        int maxWidth;
        int minWidth;
    };
    const Case cases[] = {
        {96, 300, 95, 160, 145},
        {120, 375, 117, 200, 181}, // 112.5 -> 112 (half to even); 181.25 -> 181
        {144, 450, 140, 240, 218}, // 217.5 -> 218
    };
    for (const Case &c : cases) {
        StartedApp r(smallCatalogue(1));
        r.p.setPixelsPerInch(c.ppi);
        r.a.start();
        EXPECT_EQ(r.a.f.SB1.panelWidths()[0], c.panel0) << c.ppi;
        EXPECT_EQ(r.a.f.Lbl_Summary_Front4.maxHeight(), c.maxHeight) << c.ppi;
        EXPECT_EQ(r.a.f.Lbl_Summary_Back4.maxWidth(), c.maxWidth) << c.ppi;
        EXPECT_EQ(r.a.f.Lbl_Summary_Back4.minWidth(), c.minWidth) << c.ppi;
    }
}

TEST(AppStartup, AMissingCatalogueEndsTheRunBeforeTheWindowShows)
{
    StartedApp r(std::nullopt);
    r.a.start();
    EXPECT_TRUE(r.a.ended());
    EXPECT_EQ(r.a.exitCode(), 0);
    EXPECT_FALSE(r.a.f.TForm1.visible());
    EXPECT_EQ(r.a.f.RG_SSP.itemCount(), 0);
}

TEST(AppStartup, TheDisclaimerEndsTheRunUnlessAccepted)
{
    struct Case
    {
        std::optional<MessageButton> answer;
        bool ended;
    };
    const Case cases[] = {
        {MessageButton::Yes, false}, {MessageButton::No, true}, {std::nullopt, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        AppOptions o;
        o.askDisclaimer = true;
        StartedApp r(smallCatalogue(1), o);
        if (c.answer)
            r.p.queueButton(*c.answer);
        r.a.start();
        EXPECT_EQ(r.a.ended(), c.ended);
        ASSERT_EQ(r.p.messages().size(), 1u);
        EXPECT_EQ(r.p.messages()[0].kind, MessageKind::Question);
        EXPECT_EQ(r.p.messages()[0].caption, QStringLiteral(" Pilecorr 2.5.0.3 "));
        EXPECT_TRUE(r.p.messages()[0].text.endsWith(
            QStringLiteral("\r\n\r\nDo you accept above liability clauses?")));
    }
}

TEST(AppStartup, CloseMenuEndsTheRunLikeTheCloseButton)
{
    StartedApp r(smallCatalogue(1));
    r.a.start();
    r.a.f.userClick(r.a.f.MenuClose);
    EXPECT_TRUE(r.a.ended());
    EXPECT_EQ(r.a.exitCode(), 0);
    EXPECT_FALSE(r.a.f.TForm1.visible());
}

TEST(AppStartup, FontQualityToggleTwiceRestoresTheDesignQuality)
{
    StartedApp r(smallCatalogue(1));
    r.a.start();
    std::vector<FontQuality> applied;
    r.a.onFontQualityChanged = [&](FontQuality q) { applied.push_back(q); };
    r.a.f.userClick(r.a.f.MenuToggleFontQuality);
    r.a.f.userClick(r.a.f.MenuToggleFontQuality);
    EXPECT_EQ(applied,
              (std::vector<FontQuality>{FontQuality::Default, FontQuality::ClearTypeNatural}));
    EXPECT_TRUE(r.a.f.SB1.visible());
}

// The catalogue named on the command line is opened although the working
// directory has none; without it the program asks for one.
TEST(AppStartup, TheCatalogueNamedAtStartIsOpened)
{
    QTemporaryDir empty;
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("my catalogue.pkd"));
    {
        QFile f(named);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_GT(f.write(pc::writeCatalogue(pc::test::smallFixture())), 0);
    }
    for (const bool given : {true, false}) {
        ScriptedPlatform p;
        p.setCurrentDirectory(empty.path());
        p.queueButton(MessageButton::No); // would the program ask for the file
        AppOptions o;
        if (given)
            o.cataloguePath = named;
        App a(p, o);
        a.start();
        EXPECT_EQ(a.ended(), !given) << given;
        EXPECT_EQ(p.messages().size(), given ? 0u : 1u) << given;
        EXPECT_EQ(a.cat().SectionCount(), given ? 6 : 0) << given;
    }
}
