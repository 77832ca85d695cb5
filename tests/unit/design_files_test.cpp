// Design files: the document's reader and writer, and the window's Open
// design and Save design on the sample catalogue: a design saved and opened
// again after changes leaves the window as it was, a file the window cannot
// take changes nothing and names its key, and a file that cannot be written
// is reported and leaves nothing behind.

#include "app_fixture.h"
#include "built_sample.h"
#include "catalogue/catalogue_reader.h"
#include "corrosion/reduction_factor.h"
#include "observable_state.h"
#include "output/design_file.h"
#include "small_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    RunningApp r(pc::test::builtSample(), c.decimal);
    c.design(r);
    showEveryPage(r, c.finalPage);
    const QString saved = designState(r);
    const pc::Design savedDesign = r.a.designFiles.currentDesign();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.json"));
    ASSERT_EQ(r.a.designFiles.saveDesign(path), std::nullopt);

    changeEverything(r);
    ASSERT_NE(designState(r), saved) << "the changes must show in the state compared";
    ASSERT_NE(r.a.designFiles.currentDesign(), savedDesign);

    EXPECT_EQ(r.a.designFiles.openDesign(path).value_or(QStringLiteral("opened")).toStdString(),
              "opened");
    showEveryPage(r, c.finalPage);
    EXPECT_EQ(differences(saved, designState(r)), "");
    EXPECT_TRUE(r.a.designFiles.currentDesign() == savedDesign);
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

namespace {

// ---- Files the window refuses -------------------------------------------------

// A document written by the program, changed by `edit`.
struct Refused
{
    const char *name;
    std::function<QByteArray(const QByteArray &good)> file;
    const char *key; // the refusal starts with it
};

QByteArray edited(const QByteArray &good, const std::function<void(Json &)> &edit)
{
    Json j = Json::parse(good.toStdString());
    edit(j);
    return QByteArray::fromStdString(j.dump());
}

std::function<QByteArray(const QByteArray &)> set(const char *pointer, Json value)
{
    return [pointer, value](const QByteArray &good) {
        return edited(good, [&](Json &j) { j[Json::json_pointer(pointer)] = value; });
    };
}

std::function<QByteArray(const QByteArray &)> bytes(const char *text)
{
    return [text](const QByteArray &) { return QByteArray(text); };
}

const Refused refusedFiles[] = {
    {"DamagedJson", [](const QByteArray &g) { return g.left(g.size() / 2); }, "file"},
    {"EmptyFile", bytes(""), "file"},
    {"NaNIsNoJson", bytes("{\"format\": 1, \"actions\": {\"moment\": NaN}}"), "file"},
    {"ForeignJson", bytes("{\"name\": \"quay wall\", \"piles\": [1, 2]}"), "format"},
    {"JsonArray", bytes("[1, 2, 3]"), "format"},
    {"FormatTwo", set("/format", 2), "format"},
    {"FormatAsText", set("/format", "1"), "format"},
    {"UnknownKey", set("/colour", "red"), "colour"},
    {"MissingKey",
     [](const QByteArray &g) { return edited(g, [](Json &j) { j.erase("lengths"); }); }, "lengths"},
    {"UnitsUnknown", set("/units", "furlongs"), "units"},
    {"UnknownFamily", set("/family", "No such family"), "family"},
    {"UnknownSection", set("/section", "XX 99-999"), "section"},
    {"UnknownGrade", set("/grade", "S 999 GP"), "grade"},
    {"UnknownAnnex", set("/corrosion/annex", "Annex of nowhere"), "corrosion.annex"},
    {"UnknownDetail", set("/corrosion/back/detail", "Lava"), "corrosion.back.detail"},
    {"UnknownFactor", set("/reduction", "7.5"), "reduction"},
    {"ServiceLifeNotListed", set("/corrosion/service_life", 33), "corrosion.service_life"},
    {"ServiceLifeFraction", set("/corrosion/service_life", 50.5), "corrosion.service_life"},
    {"ProtectionBeyondLife", set("/corrosion/front/protection_years", 1000),
     "corrosion.front.protection_years"},
    {"MomentTooLarge", set("/actions/moment", 1e7), "actions.moment"},
    {"MomentAbsurd", set("/actions/moment", 1e308), "actions.moment"},
    // A number beyond every double is no JSON the reader takes.
    {"MomentOverflowsToInfinity",
     bytes("{\"format\":1,\"units\":\"metric\",\"family\":null,"
           "\"section\":null,\"grade\":null,\"show_all_grades\":"
           "true,\"reduction\":null,\"actions\":{\"moment\":1e999,"
           "\"load\":0,\"deflection\":0}}"),
     "file"},
    {"LoadNegative", set("/actions/load", -5), "actions.load"},
    {"DeflectionAsText", set("/actions/deflection", "12"), "actions.deflection"},
    {"WallTooLong", set("/lengths/wall", 1e6), "lengths.wall"},
    {"PileLongerThanTheSection", set("/lengths/pile", 500), "lengths.pile"},
    {"SfminBelowOne", set("/search/sfmin", 0.5), "search.sfmin"},
    {"SfmaxAboveTwenty", set("/search/sfmax", 25), "search.sfmax"},
    {"SfmaxBelowTheBand", set("/search/sfmax", 1.6), "search.sfmax"},
    {"SearchModeUnknown", set("/search/mode", "fastest"), "search.mode"},
    {"ProjectValueTooLarge", set("/corrosion/front/project_value", 50),
     "corrosion.front.project_value"},
    {"ProjectValueTooManyDigits", set("/corrosion/back/project_value", 0.1234567890123456),
     "corrosion.back.project_value"},
    {"DescriptionTooLong", set("/corrosion/front/project_description", std::string(71, 'x')),
     "corrosion.front.project_description"},
    // One line of the report: a line break or a NUL would break its rows.
    {"DescriptionWithLineBreak", set("/corrosion/back/project_description", "quay\r\nwall"),
     "corrosion.back.project_description"},
    {"DescriptionWithNul", set("/corrosion/front/project_description", std::string("a\0b", 3)),
     "corrosion.front.project_description"},
    {"ShowAllAsNumber", set("/show_all_grades", 1), "show_all_grades"},
    {"SectionAsNumber", set("/section", 3), "section"},
    {"FaceNotAnObject", set("/corrosion/front", "water"), "corrosion.front"},
    // The parser recurses once per level: a deep file would end the program.
    {"NestedDeeperThanTheStack",
     [](const QByteArray &) {
         return "{\"format\":1,\"actions\":{\"moment\":" + QByteArray(200000, '[') +
                QByteArray(200000, ']') + "}}";
     },
     "file"},
    {"ObjectsNestedDeep",
     [](const QByteArray &) {
         QByteArray deep;
         for (int i = 0; i < 70; ++i)
             deep += "{\"a\":";
         return deep + "1" + QByteArray(70, '}');
     },
     "file"},
};

class DesignRefused : public testing::TestWithParam<Refused>
{
};

TEST_P(DesignRefused, OneMessageNamesTheKeyAndTheWindowStaysAsItWas)
{
    const Refused &c = GetParam();
    RunningApp r(pc::test::builtSample());
    sectionModeMetric(r);
    QTemporaryDir dir;
    const QString goodPath = dir.filePath(QStringLiteral("good.json"));
    ASSERT_EQ(r.a.designFiles.saveDesign(goodPath), std::nullopt);
    QFile good(goodPath);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray file = c.file(good.readAll());

    changeEverything(r);
    const QString before = pc::test::observableState(r);
    const QString path = dir.filePath(QStringLiteral("refused.json"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    r.p.queuePath(path);
    r.f.userClick(r.f.MenuOpenDesign);
    ASSERT_EQ(r.p.messages().size(), 1u);
    const QString text = r.p.messages()[0].text;
    EXPECT_TRUE(
        text.contains(QStringLiteral("\r\n") + QString::fromLatin1(c.key) + QStringLiteral(": ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    // Nothing of the file reached the window: not a control, not a value,
    // not the status bar.
    EXPECT_EQ(differences(before, pc::test::observableState(r)), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignRefused, testing::ValuesIn(refusedFiles),
                         [](const testing::TestParamInfo<Refused> &i) {
                             return std::string(i.param.name);
                         });

// Paths that hold no design file: each refused with the reason, nothing
// changed, and the program never waits on a FIFO.
TEST(DesignRefusedPaths, AFolderAFifoAndAMissingFileChangeNothing)
{
    RunningApp r(pc::test::builtSample());
    sectionModeMetric(r);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        const char *name;
        QString path;
        const char *reason;
    } cases[] = {{"folder", dir.path(), "it is a folder"},
                 {"fifo", fifo, "it is not a regular file"},
                 {"missing", dir.filePath(QStringLiteral("none.json")), "there is no such file"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString before = pc::test::observableState(r);
        EXPECT_EQ(r.a.designFiles.openDesign(c.path),
                  QStringLiteral("file: ") + QString::fromLatin1(c.reason));
        EXPECT_EQ(differences(before, pc::test::observableState(r)), "");
    }
}

// A replay the window cannot finish (a factor of another zone) is undone: the
// window comes back to the design it held.
TEST(DesignRefusedReplay, AFactorTheZoneDoesNotOfferIsUndone)
{
    RunningApp r(pc::test::builtSample());
    sectionModeMetric(r);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.json"));
    ASSERT_EQ(r.a.designFiles.saveDesign(path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // A factor name that some zone lists, on a grade no zone applies to.
    QString someFactor;
    for (auto st : {pc::ReductionState::A690Splash, pc::ReductionState::NVMarinLWZ})
        if (!pc::reductionStateLook(st).items.isEmpty())
            someFactor = pc::reductionStateLook(st).items.last().trimmed();
    ASSERT_FALSE(someFactor.isEmpty());
    const QByteArray file =
        edited(f.readAll(), [&](Json &j) { j["reduction"] = someFactor.toStdString(); });
    f.close();
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();

    changeEverything(r);
    showEveryPage(r, MF::PageInput);
    const QString before = designState(r);
    const auto refusal = r.a.designFiles.openDesign(path);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->startsWith(QStringLiteral("reduction: "))) << refusal->toStdString();
    showEveryPage(r, MF::PageInput);
    EXPECT_EQ(differences(before, designState(r)), "");
}

// ---- Saving -------------------------------------------------------------------

TEST(DesignSave, AFolderThatCannotTakeTheFileIsReportedAndNothingIsWritten)
{
    RunningApp r(pc::test::builtSample());
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/d.json"));
    r.p.queuePath(missing);
    r.f.userClick(r.f.MenuSaveDesign);
    ASSERT_EQ(r.p.messages().size(), 1u);
    EXPECT_TRUE(r.p.messages()[0].text.startsWith(
        QStringLiteral("The design could not be saved in\r\n") + missing + QStringLiteral("\r\n")));
    EXPECT_GT(r.p.messages()[0].text.size(),
              (QStringLiteral("The design could not be saved in\r\n") + missing).size() + 2);
    EXPECT_FALSE(QFileInfo::exists(missing));

    // A folder at the path itself.
    const auto intoFolder = r.a.designFiles.saveDesign(dir.path());
    ASSERT_TRUE(intoFolder);
    EXPECT_EQ(*intoFolder, QStringLiteral("it is a folder"));
}

TEST(DesignSave, AReadOnlyDiskKeepsTheOldFileWhole)
{
    const pc::test::SmallTmpfs disk("size=64k,ro");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    RunningApp r(pc::test::builtSample());
    const QString path = disk.filePath(QStringLiteral("d.json"));
    const auto reason = r.a.designFiles.saveDesign(path);
    ASSERT_TRUE(reason);
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_TRUE(QDir(disk.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(DesignSave, AFullDiskKeepsTheOldFileWhole)
{
    const pc::test::SmallTmpfs disk("size=8k");
    if (!disk.mounted())
        GTEST_SKIP() << qPrintable(disk.reason());
    RunningApp r(pc::test::builtSample());
    const QString path = disk.filePath(QStringLiteral("d.json"));
    ASSERT_EQ(r.a.designFiles.saveDesign(path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray old = f.readAll();
    f.close();
    ASSERT_TRUE(disk.fill(QStringLiteral("filler")));
    sectionModeMetric(r);
    ASSERT_TRUE(r.a.designFiles.saveDesign(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
}

// ---- The document itself ---------------------------------------------------------

TEST(DesignFormat, EveryValueComesBackAsWritten)
{
    pc::Design d;
    d.metric = false;
    d.family = QStringLiteral("Zeta Max");
    d.section = std::nullopt;
    d.grade = QStringLiteral("S 355 GP");
    d.showAllGrades = false;
    d.reduction = QStringLiteral("1.5");
    d.moment = 0.1;
    d.load = 123456.789;
    d.deflection = 1e-9;
    d.wallLength = 25;
    d.pileLength = 7.25;
    d.searchMode = pc::DesignSearchMode::Sfmin;
    d.sfMin = 1.3;
    d.sfMax = 19.99;
    d.rates = pc::DesignRateSource::Project;
    d.annex = QStringLiteral("Annex \u00e9\u00df \"quoted\"");
    d.serviceLife = 120;
    d.projectMode = pc::DesignProjectMode::TotalLoss;
    d.front = {pc::DesignExposure::Water, QStringLiteral("tidal\tzone"), 25, 2.5,
               QStringLiteral("Hafenbecken \u00fc")};
    d.back = {pc::DesignExposure::Soil, std::nullopt, 0, 0, QString()};
    const auto back = pc::designFromJson(pc::designToJson(d));
    ASSERT_TRUE(std::holds_alternative<pc::Design>(back))
        << std::get<pc::DesignFileFault>(back).text().toStdString();
    EXPECT_TRUE(std::get<pc::Design>(back) == d);
}

} // namespace

namespace {

// A file written by hand may hold more digits than a field shows: the window
// takes the number as the field tidies it when left, as it would from a user.
TEST(DesignOpen, ANumberWithMoreDigitsThanTheFieldShowsIsTakenAsTheFieldTidiesIt)
{
    RunningApp r(pc::test::builtSample());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.json"));
    ASSERT_EQ(r.a.designFiles.saveDesign(path), std::nullopt);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray file = edited(f.readAll(), [](Json &j) {
        j["actions"]["moment"] = 120.4;
        j["lengths"]["wall"] = 12.345;
    });
    f.close();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(file);
    f.close();

    EXPECT_EQ(r.a.designFiles.openDesign(path).value_or(QStringLiteral("opened")).toStdString(),
              "opened");
    EXPECT_EQ(r.f.Edit_Moment.text(), QStringLiteral("120"));
    EXPECT_EQ(r.a.s.actions.moment, 120.0);
    EXPECT_EQ(r.f.Edit_WallLength.text(), QStringLiteral("12.3"));
    EXPECT_DOUBLE_EQ(r.a.s.lengths.wall, 12.3);
}

} // namespace

namespace {

// The numbers of a file are those the fields show, in the file's units: an
// imperial design holds kips*ft/ft, kips/ft, in and ft, not their metric values.
TEST(DesignSave, NumbersAreWrittenInTheUnitsOfTheFile)
{
    const struct
    {
        const char *name;
        bool imperial;
        const char *moment, *load, *deflection, *wall;
        double expected[4];
    } cases[] = {
        {"metric", false, "120", "35", "12", "25", {120, 35, 12, 25}},
        {"imperial", true, "22.5", "3.5", "1.2", "80", {22.5, 3.5, 1.2, 80}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RunningApp r(pc::test::builtSample());
        if (c.imperial)
            menu(r, MF::PageInput, r.f.MenuImperial);
        type(r, MF::PageInput, r.f.Edit_Moment, c.moment);
        type(r, MF::PageInput, r.f.Edit_Load, c.load);
        type(r, MF::PageInput, r.f.Edit_Deflection, c.deflection);
        type(r, MF::PageInput, r.f.Edit_WallLength, c.wall);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.json"));
        ASSERT_EQ(r.a.designFiles.saveDesign(path), std::nullopt);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const Json j = Json::parse(f.readAll().toStdString());
        EXPECT_EQ(j["units"], c.imperial ? "imperial" : "metric");
        EXPECT_EQ(j["actions"]["moment"].get<double>(), c.expected[0]);
        EXPECT_EQ(j["actions"]["load"].get<double>(), c.expected[1]);
        EXPECT_EQ(j["actions"]["deflection"].get<double>(), c.expected[2]);
        EXPECT_EQ(j["lengths"]["wall"].get<double>(), c.expected[3]);
    }
}

} // namespace
