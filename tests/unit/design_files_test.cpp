// Design files: the document's reader and writer, and the window's Open
// design and Save design on the sample catalogue: a design saved and opened
// again after changes leaves the window as it was, a file the window cannot
// take changes nothing and names its key, and a file that cannot be written
// is reported and leaves nothing behind.

#include "app_fixture.h"
#include "catalogue/catalogue_reader.h"
#include "observable_state.h"
#include "output/design_file.h"
#include "small_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <functional>
#include <limits>

namespace {

using pc::test::RunningApp;
using Json = nlohmann::ordered_json;
using MF = pc::form::MainForm;
using Steps = std::function<void(RunningApp &)>;

pc::Catalogue sampleCatalogue()
{
    const auto c =
        pc::readCatalogueFile(QStringLiteral(PILECORR_BINARY_DIR "/sample/SSP Pilecorr.pkd"));
    EXPECT_TRUE(c);
    return c ? *c : pc::Catalogue{};
}

// Every control property and run-state value a user or a test can read,
// without the status bar (its panels say what the last action reported, which
// is no input of a design), the beeps, and the total loss in mils, which is
// kept from the last computation in imperial units and read only in them.
// Two things nobody can see are left out as well: the summary grid while its
// page is hidden (it is set up again when the page is shown), and the colour
// of the section note while it is empty (it is set only with a note).
QString designState(RunningApp &r)
{
    const bool gridShown = r.f.TabSheetSFTable.tabVisible();
    const bool noteShown = !r.f.Lbl_SSP.caption().isEmpty();
    QString out;
    for (const QString &line : pc::test::observableState(r).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("SB1.")) || line.startsWith(QLatin1String("Beeps=")) ||
            line.startsWith(QLatin1String("LossTotalMils=")))
            continue;
        if (!gridShown && line.startsWith(QLatin1String("SFList.")))
            continue;
        if (!noteShown && line.startsWith(QLatin1String("Lbl_SSP.FontColor=")))
            continue;
        out += line + QLatin1Char('\n');
    }
    return out;
}

// The lines of `now` that differ from `before`, for a failure that says what.
std::string differences(const QString &before, const QString &now)
{
    const QStringList a = before.split(QLatin1Char('\n'));
    const QStringList b = now.split(QLatin1Char('\n'));
    std::string out;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : QString();
        const QString y = i < b.size() ? b[i] : QString();
        if (x != y)
            out += "\n  was " + x.toStdString() + "\n  now " + y.toStdString();
    }
    return out;
}

// The summary grid and the chart are drawn when their pages are shown, from
// the design of that moment: every page is shown in turn, ending on `page`,
// before the state is taken, so that none of them shows an older design.
void showEveryPage(RunningApp &r, int page)
{
    for (int p : {MF::PageSFTable, MF::PageChart, MF::PageRates, MF::PageInput, page})
        r.f.userPage(p);
    r.f.userLeave();
}

// ---- User actions the cases are made of --------------------------------------

void pick(RunningApp &r, int page, pc::form::Control &c, int index)
{
    r.f.userPage(page);
    ASSERT_EQ(r.f.userSelect(c, index), pc::form::ActionResult::Done) << c.name().toStdString();
}

void type(RunningApp &r, int page, pc::form::Control &c, const char *text)
{
    r.f.userPage(page);
    ASSERT_EQ(r.f.userReplace(c, QString::fromUtf8(text)), pc::form::ActionResult::Done)
        << c.name().toStdString();
    r.f.userLeave();
}

void menu(RunningApp &r, int page, pc::form::Control &entry)
{
    r.f.userPage(page);
    ASSERT_EQ(r.f.userClick(entry), pc::form::ActionResult::Done) << entry.name().toStdString();
}

// A design unlike every case's: other units, family, grade, annex, lives,
// exposures, actions and band.
void changeEverything(RunningApp &r)
{
    auto &f = r.f;
    if (f.MenuProjectRates.checked())
        menu(r, MF::PageRates, f.MenuEC3Rates);
    menu(r, MF::PageInput, r.a.s.UnitsMetric ? f.MenuImperial : f.MenuMetric);
    pick(r, MF::PageInput, f.RG_SSP, f.RG_SSP.itemIndex() == 3 ? 2 : 3);
    menu(r, MF::PageInput, f.ChB_SteelGradesAll);
    pick(r, MF::PageInput, f.CB_SteelGrades, 0);
    pick(r, MF::PageRates, f.CB_EC3NAD, f.CB_EC3NAD.itemIndex() == 0 ? 1 : 0);
    pick(r, MF::PageRates, f.RG_Back, 2);
    pick(r, MF::PageInput, f.CB_ServiceLife, 2);
    type(r, MF::PageInput, f.Edit_Moment, "7");
    type(r, MF::PageInput, f.Edit_Load, "3");
    type(r, MF::PageInput, f.Edit_WallLength, "4");
    menu(r, MF::PageInput, f.MenuSelectSfmin.checked() ? f.MenuSelectSection : f.MenuSelectSfmin);
    r.f.userPage(MF::PageChart);
}

void sectionModeMetric(RunningApp &r)
{
    auto &f = r.f;
    pick(r, MF::PageInput, f.RG_SSP, 1);
    pick(r, MF::PageInput, f.LB_SSP, 2);
    pick(r, MF::PageInput, f.CB_SteelGrades, 3);
    pick(r, MF::PageRates, f.CB_EC3NAD, 1);
    pick(r, MF::PageRates, f.RG_Front, 1);
    pick(r, MF::PageRates, f.CB_Front_Detail, 1);
    pick(r, MF::PageInput, f.CB_ServiceLife, 8);
    type(r, MF::PageInput, f.Edit_Moment, "120");
    type(r, MF::PageInput, f.Edit_Load, "35");
    type(r, MF::PageInput, f.Edit_Deflection, "12");
    type(r, MF::PageInput, f.Edit_WallLength, "25");
    type(r, MF::PageInput, f.Edit_SSPLength, "8.5");
}

void sfminModeMetric(RunningApp &r)
{
    auto &f = r.f;
    pick(r, MF::PageInput, f.CB_ServiceLife, 10);
    pick(r, MF::PageRates, f.RG_Back, 1);
    menu(r, MF::PageInput, f.MenuSelectSfmin);
    type(r, MF::PageInput, f.Edit_Sfmin, "1.8");
    type(r, MF::PageInput, f.Edit_SfMax, "3");
    type(r, MF::PageInput, f.Edit_Moment, "250");
    type(r, MF::PageInput, f.Edit_Load, "60");
    pick(r, MF::PageInput, f.LB_SSP, 1);
}

void sectionModeImperial(RunningApp &r)
{
    menu(r, MF::PageInput, r.f.MenuImperial);
    sectionModeMetric(r);
}

void sfminModeImperial(RunningApp &r)
{
    auto &f = r.f;
    menu(r, MF::PageInput, f.MenuImperial);
    pick(r, MF::PageInput, f.CB_ServiceLife, 10);
    menu(r, MF::PageInput, f.MenuSelectSfmin);
    type(r, MF::PageInput, f.Edit_Sfmin, "1.6");
    type(r, MF::PageInput, f.Edit_SfMax, "4");
    type(r, MF::PageInput, f.Edit_Moment, "40");
    type(r, MF::PageInput, f.Edit_Load, "5.5");
    pick(r, MF::PageInput, f.LB_SSP, 1);
}

void projectTotalLossComma(RunningApp &r)
{
    auto &f = r.f;
    pick(r, MF::PageInput, f.CB_ServiceLife, 6);
    pick(r, MF::PageInput, f.CB_Protection_Front, 0);
    menu(r, MF::PageRates, f.MenuProjectRates);
    pick(r, MF::PageRates, f.RG_Project_Rates, 1);
    type(r, MF::PageRates, f.Edit_Front, "1,25");
    type(r, MF::PageRates, f.Edit_Back, "0,5");
    type(r, MF::PageRates, f.Edit_Front_Descr, "harbour basin, tidal");
    type(r, MF::PageInput, f.Edit_Moment, "80,5");
    type(r, MF::PageInput, f.Edit_SSPLength, "6,25");
}

void projectRatesThenTables(RunningApp &r)
{
    auto &f = r.f;
    menu(r, MF::PageRates, f.MenuProjectRates);
    type(r, MF::PageRates, f.Edit_Front, "0.02");
    type(r, MF::PageRates, f.Edit_Back_Descr, "backfill");
    menu(r, MF::PageRates, f.MenuEC3Rates);
    pick(r, MF::PageInput, f.CB_ServiceLife, 5);
}

// A corrosion-resistant grade with a water front in the detail where its
// factor applies, and a factor other than the one offered first.
void reductionFactorPicked(RunningApp &r)
{
    auto &f = r.f;
    pick(r, MF::PageInput, f.CB_SteelGrades, 9);
    pick(r, MF::PageRates, f.RG_Front, 2);
    pick(r, MF::PageRates, f.CB_Front_Detail, 2);
    pick(r, MF::PageInput, f.CB_ServiceLife, 8);
    ASSERT_TRUE(f.RG_A690.enabled());
    ASSERT_GT(f.RG_A690.itemCount(), 1);
    pick(r, MF::PageInput, f.RG_A690, f.RG_A690.itemCount() - 1);
    type(r, MF::PageInput, f.Edit_Moment, "90");
}

struct RoundTrip
{
    const char *name;
    QChar decimal;
    Steps design;
    int finalPage;
};

class DesignRoundTrip : public testing::TestWithParam<RoundTrip>
{
};

TEST_P(DesignRoundTrip, OpeningASavedDesignAfterChangesGivesTheWindowBack)
{
    const RoundTrip &c = GetParam();
    RunningApp r(sampleCatalogue(), c.decimal);
    c.design(r);
    showEveryPage(r, c.finalPage);
    const QString saved = designState(r);
    const pc::Design savedDesign = r.a.currentDesign();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.json"));
    ASSERT_EQ(r.a.saveDesign(path), std::nullopt);

    changeEverything(r);
    ASSERT_NE(designState(r), saved) << "the changes must show in the state compared";
    ASSERT_NE(r.a.currentDesign(), savedDesign);

    EXPECT_EQ(r.a.openDesign(path).value_or(QStringLiteral("opened")).toStdString(), "opened");
    showEveryPage(r, c.finalPage);
    EXPECT_EQ(differences(saved, designState(r)), "");
    EXPECT_TRUE(r.a.currentDesign() == savedDesign);
    EXPECT_TRUE(r.p.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignRoundTrip,
    testing::Values(
        RoundTrip{"SectionModeMetric", QLatin1Char('.'), sectionModeMetric, MF::PageInput},
        RoundTrip{"SfminModeMetric", QLatin1Char('.'), sfminModeMetric, MF::PageInput},
        RoundTrip{"SectionModeImperial", QLatin1Char('.'), sectionModeImperial, MF::PageRates},
        RoundTrip{"SfminModeImperial", QLatin1Char('.'), sfminModeImperial, MF::PageInput},
        RoundTrip{"SectionModeDecimalComma", QLatin1Char(','), sectionModeMetric, MF::PageInput},
        RoundTrip{"ProjectTotalLossDecimalComma", QLatin1Char(','), projectTotalLossComma,
                  MF::PageRates},
        RoundTrip{"ProjectValuesKeptUnderTables", QLatin1Char('.'), projectRatesThenTables,
                  MF::PageInput},
        RoundTrip{"ReductionFactorPicked", QLatin1Char('.'), reductionFactorPicked, MF::PageInput}),
    [](const testing::TestParamInfo<RoundTrip> &i) { return std::string(i.param.name); });

} // namespace
