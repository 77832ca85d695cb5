// The clipboard picture of the active page: what the input page shows at the
// moment its picture is taken, and that everything is back afterwards.

#include "app_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

using pc::ScriptedPlatform;
using pc::WindowPicture;

// The scripted platform, with a look at the window when its picture is taken.
class LookingPlatform : public ScriptedPlatform
{
public:
    std::function<void(int page)> look;
    bool failPicture = false;
    int pictures = 0;

    std::optional<WindowPicture> pictureOfPage(int page, int width, int height) override
    {
        ++pictures;
        if (look)
            look(page);
        if (failPicture)
            return std::nullopt;
        return ScriptedPlatform::pictureOfPage(page, width, height);
    }
};

const QByteArray Drawing("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>");
const QByteArray
    ImperialDrawing("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\"/>");

// The handler tests' catalogue with a "/" in the first section's name.
pc::Catalogue slashCatalogue()
{
    pc::Catalogue c = pc::test::handlerCatalogue();
    c.SectionName[0] = QStringLiteral("AA 10/2");
    return c;
}

struct SnapshotRun
{
    QTemporaryDir dir;
    LookingPlatform p;
    pc::App a{p};
    pc::form::MainForm &f = a.f;

    // Sketches of the sections named, metric and imperial, in data/.
    explicit SnapshotRun(const std::vector<const char *> &sketches = {"AA 10-2.svg",
                                                                      "AA 10-2-imp.svg"})
    {
        p.setCurrentDirectory(dir.path());
        QDir(dir.path()).mkdir(QStringLiteral("data"));
        for (const char *name : sketches) {
            QFile file(
                QDir(dir.path()).filePath(QStringLiteral("data/") + QString::fromUtf8(name)));
            const QByteArray &bytes = QString::fromUtf8(name).endsWith(QStringLiteral("-imp.svg"))
                                          ? ImperialDrawing
                                          : Drawing;
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                ADD_FAILURE() << "cannot write the sketch " << name;
        }
        const pc::Catalogue c = slashCatalogue();
        a.catalogueLoader = [c](pc::Platform &) { return std::optional<pc::Catalogue>(c); };
        a.start();
    }

    // Visibility and caption of every control of the main window.
    std::map<QString, std::pair<bool, QString>> state() const
    {
        std::map<QString, std::pair<bool, QString>> m;
        for (const pc::form::Control *c : f.controls())
            m[c->name()] = {c->visible(), c->caption()};
        return m;
    }

    // The controls of the input page that are hidden (themselves).
    std::set<QString> hiddenOnInputPage() const
    {
        std::set<QString> hidden;
        for (const pc::form::Control *c : f.controls())
            if (f.pageOf(*c) == &f.TabSheetInput && !c->visible())
                hidden.insert(c->name());
        return hidden;
    }
};

// Hidden on the input page whatever the design: the section choice, the
// grade note, the wall-length input, and the never-shown reduced-property
// labels.
std::set<QString> alwaysHidden(const std::set<QString> &before)
{
    std::set<QString> s = before;
    for (const char *name : {"RG_SSP", "GB_SSP", "Lbl_SteelGrades", "ChB_SteelGradesAll",
                             "Lbl_Wall", "Lbl_Wall_Units", "Edit_WallLength"})
        s.insert(QString::fromUtf8(name));
    s.erase(QStringLiteral("GB_SketchSsp"));
    return s;
}

const char *const QuantityDetails[] = {
    "Lbl_SSP_Length",   "Lbl_SSP_Units",         "Lbl_SSP_Pairs",        "Lbl_SSP_Result",
    "Lbl_WallLength",   "Lbl_WallLength_Result", "Lbl_WallLength_Units", "Lbl_Total",
    "Lbl_Total_Result", "Lbl_Total_Units",       "Edit_SSPLength"};

TEST(SnapshotHandlers, TheInputPageGivesWayToTheSketchAndComesBack)
{
    struct Case
    {
        const char *row;
        long double sfIni;
        double loss;
        int life;
        double mass;
        bool a690, sfRed, lifeBox;
        std::vector<const char *> hidden; // besides the ones always hidden
        bool quantityDetailsHidden;
    };
    const Case cases[] = {
        {"everything applies", 1.5L, 0.5, 50, 2000, true, true, true, {}, false},
        {"no service life",
         1.5L,
         0.5,
         0,
         2000,
         true,
         true,
         true,
         {"RG_A690", "GB_ServiceLife", "GB_SurfaceProtection"},
         false},
        {"no loss", 1.5L, 0, 50, 2000, true, true, true, {"GB_Loss_Summary"}, false},
        {"no Sf,ini", 0, 0.5, 50, 2000, true, true, true, {"GB_Input", "GB_Sfmin"}, false},
        {"no Sf,red", 1.5L, 0.5, 50, 2000, true, false, true, {"GB_SfRed"}, false},
        {"factors disabled", 1.5L, 0.5, 50, 2000, false, true, true, {"RG_A690"}, false},
        {"service life disabled",
         1.5L,
         0.5,
         50,
         2000,
         true,
         true,
         false,
         {"GB_ServiceLife", "GB_SurfaceProtection"},
         false},
        {"no steel", 1.5L, 0.5, 50, 0.5, true, true, true, {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        SnapshotRun run;
        run.a.s.factors.sfIni = c.sfIni;
        run.a.s.losses.total = c.loss;
        run.a.s.CurrentServiceLife = static_cast<int16_t>(c.life);
        run.a.s.quantities.massTotal = c.mass;
        run.f.RG_A690.setEnabled(c.a690);
        run.f.Lbl_SFRed.setEnabled(c.sfRed);
        run.f.GB_ServiceLife.setEnabled(c.lifeBox);
        const QString gradesCaption = run.f.GB_SteelGrades.caption();
        ASSERT_EQ(run.f.PageControl1.activePageIndex(), pc::form::MainForm::PageInput);
        const auto before = run.state();
        const auto hiddenBefore = run.hiddenOnInputPage();

        std::set<QString> expected = alwaysHidden(hiddenBefore);
        for (const char *name : c.hidden)
            expected.insert(QString::fromUtf8(name));
        if (c.quantityDetailsHidden)
            for (const char *name : QuantityDetails)
                expected.insert(QString::fromUtf8(name));

        bool looked = false;
        run.p.look = [&](int page) {
            looked = true;
            EXPECT_EQ(page, pc::form::MainForm::PageInput);
            EXPECT_EQ(run.hiddenOnInputPage(), expected);
            EXPECT_TRUE(run.f.GB_SketchSsp.visible());
            EXPECT_TRUE(run.f.TI_SketchSsp.visible());
            EXPECT_EQ(run.f.GB_SketchSsp.caption(), QStringLiteral(" AA 10/2 "));
            EXPECT_EQ(run.f.TI_SketchSsp.picture(), Drawing);
            EXPECT_EQ(run.f.GB_SteelGrades.caption(),
                      QStringLiteral(" Steel Grade    | ") + gradesCaption.right(11));
        };
        run.f.MenuCopy.click();

        EXPECT_TRUE(looked);
        EXPECT_EQ(run.p.clipboardDescription(),
                  QStringLiteral("{\"kind\":\"bitmap\",\"width\":640,\"height\":549}"));
        EXPECT_TRUE(run.p.messages().empty());
        // Everything is back, except the label, which keeps its "-".
        auto after = run.state();
        after[QStringLiteral("GB_SketchSsp")].second =
            before.at(QStringLiteral("GB_SketchSsp")).second;
        EXPECT_EQ(after, before);
        EXPECT_EQ(run.a.s.CurrentSectionLabel, QStringLiteral("AA 10-2"));
    }
}

TEST(SnapshotHandlers, AMissingSketchShowsItsNameAndPutsNothingOnTheClipboard)
{
    struct Case
    {
        const char *row;
        std::vector<const char *> sketches;
        bool imperial;
        const char *file, *reason;
    };
    const Case cases[] = {
        {"metric drawing missing",
         {"AA 10-2-imp.svg"},
         false,
         "data/AA 10-2.svg",
         "The file does not exist."},
        {"imperial drawing missing",
         {"AA 10-2.svg"},
         true,
         "data/AA 10-2-imp.svg",
         "The file does not exist."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        SnapshotRun run(c.sketches);
        if (c.imperial)
            run.f.MenuImperial.click();
        const auto before = run.state();
        run.f.MenuCopy.click();

        EXPECT_EQ(run.p.pictures, 0);
        EXPECT_EQ(run.p.clipboardDescription(), QString());
        ASSERT_EQ(run.p.messageTexts().size(), 1);
        EXPECT_EQ(run.p.messageTexts().front(),
                  QStringLiteral("The section sketch could not be read from\r\n") +
                      QString::fromUtf8(c.file) + QStringLiteral("\r\n") +
                      QString::fromUtf8(c.reason));
        auto after = run.state();
        after[QStringLiteral("GB_SketchSsp")].second =
            before.at(QStringLiteral("GB_SketchSsp")).second;
        EXPECT_EQ(after, before);
        EXPECT_FALSE(run.f.GB_SketchSsp.visible());
    }
}

TEST(SnapshotHandlers, TheImperialSketchIsShownInImperialUnits)
{
    SnapshotRun run;
    run.f.MenuImperial.click();
    ASSERT_FALSE(run.a.s.UnitsMetric);
    QByteArray shown;
    run.p.look = [&](int) { shown = run.f.TI_SketchSsp.picture(); };
    run.f.MenuCopy.click();
    EXPECT_EQ(shown, ImperialDrawing);
    EXPECT_EQ(run.p.clipboardDescription(),
              QStringLiteral("{\"kind\":\"bitmap\",\"width\":640,\"height\":549}"));
}

TEST(SnapshotHandlers, AnInstalledProgramFindsTheSketchBesideItsCatalogue)
{
    SnapshotRun run(std::vector<const char *>{}); // nothing in the working folder
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkpath(QStringLiteral("data")));
    QFile file(QDir(installed.path()).filePath(QStringLiteral("data/AA 10-2.svg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(Drawing), Drawing.size());
    file.close();
    run.a.catalogueFolder = installed.path();
    QByteArray shown;
    run.p.look = [&](int) { shown = run.f.TI_SketchSsp.picture(); };
    run.f.MenuCopy.click();
    EXPECT_EQ(shown, Drawing);
    EXPECT_TRUE(run.p.messages().empty());
}

TEST(SnapshotHandlers, AValueBeingTypedIsTakenFirstAndTheFocusLeaves)
{
    SnapshotRun run;
    ASSERT_EQ(run.f.userType(run.f.Edit_Moment, QStringLiteral("100.4")),
              pc::form::ActionResult::Done);
    ASSERT_EQ(run.f.focused(), &run.f.Edit_Moment);
    QString typed;
    run.p.look = [&](int) { typed = run.f.Edit_Moment.text(); };
    run.f.MenuCopy.click();
    // Leaving the field rewrites it without decimals, as the exit handler does.
    EXPECT_EQ(typed, QStringLiteral("100"));
    EXPECT_EQ(run.f.focused(), nullptr);
    EXPECT_GT(run.a.s.factors.sfIni, 0);
}

TEST(SnapshotHandlers, OtherPagesArePicturedAsTheyAre)
{
    for (int page : {pc::form::MainForm::PageRates, pc::form::MainForm::PageChart}) {
        SCOPED_TRACE(page);
        SnapshotRun run(std::vector<const char *>{}); // no sketch is read off the input page
        ASSERT_EQ(run.f.userPage(page), pc::form::ActionResult::Done);
        const auto before = run.state();
        int pictured = -1;
        run.p.look = [&](int shown) {
            pictured = shown;
            EXPECT_EQ(run.state(), before);
        };
        run.f.MenuCopy.click();
        EXPECT_EQ(pictured, page);
        EXPECT_TRUE(run.p.messages().empty());
        EXPECT_EQ(run.p.clipboardDescription(),
                  QStringLiteral("{\"kind\":\"bitmap\",\"width\":640,\"height\":549}"));
        EXPECT_EQ(run.state(), before);
        EXPECT_EQ(run.a.s.CurrentSectionLabel, QStringLiteral("AA 10/2"));
    }
}

TEST(SnapshotHandlers, APictureThatCannotBeMadeLeavesThePageAsItWas)
{
    SnapshotRun run;
    run.p.failPicture = true;
    const auto before = run.state();
    run.f.MenuCopy.click();
    EXPECT_EQ(run.p.pictures, 1);
    EXPECT_EQ(run.p.clipboardDescription(), QString());
    EXPECT_EQ(run.p.messageTexts(),
              QStringList{QStringLiteral("The picture of the page could not be made.")});
    auto after = run.state();
    after[QStringLiteral("GB_SketchSsp")].second = before.at(QStringLiteral("GB_SketchSsp")).second;
    EXPECT_EQ(after, before);
}

} // namespace
