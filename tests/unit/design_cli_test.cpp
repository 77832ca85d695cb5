// Runs the built pilecorr-cli design commands (check, search, summary,
// batch) on the sample catalogue and holds them to what the window gives:
// the report of check must be the very file the headless window writes for
// the same user actions.

#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

const QString Sample = QStringLiteral(PILECORR_BINARY_DIR "/sample");
const QString Expected = QStringLiteral(PILECORR_SOURCE_DIR "/tests/cli");

using pc::test::CliRun;

// The CLI in the sample's folder (whose catalogue it finds by default),
// under the C locale unless `locale` names another.
CliRun cli(const QStringList &args, const QString &locale = QStringLiteral("C"),
           const QByteArray &input = {})
{
    return pc::test::runCli(args, Sample, locale, input);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// ---- check text = the window's report file --------------------------------

struct ReportCase
{
    const char *name;
    QStringList options;  // of check
    const char *script;   // the same design played as a user plays it
    const char *mustHold; // a line of the report that shows the design took
};

const ReportCase ReportCases[] = {
    {"metric_two_faces_and_quantities",
     {"--family",      "Zeta", "--section",     "ZT 12",   "--grade",      "S 355",
      "--life",        "30",   "--front",       "water:3", "--back",       "soil:2",
      "--moment",      "280",  "--load",        "60",      "--deflection", "5",
      "--wall-length", "120",  "--pile-length", "14"},
     "select RG_SSP 1\nselect LB_SSP 3\nselect CB_SteelGrades 3\nselect CB_ServiceLife 6\n"
     "page 2\nselect RG_Front 2\nselect CB_Front_Detail 3\nselect RG_Back 1\n"
     "select CB_Back_Detail 2\npage 0\nreplace Edit_Moment 280\nleave\nreplace Edit_Load 60\n"
     "leave\nreplace Edit_Deflection 5\nleave\nreplace Edit_WallLength 120\nleave\n"
     "replace Edit_SSPLength 14\nleave\n",
     " Safety factor Sf,ini:                      1.47 "},
    {"imperial_reduction_factor",
     {"--units",       "imperial",  "--family", "zeta", "--section",     "zt 12-700",
      "--grade",       "ASTM A690", "--life",   "50",   "--front",       "water:2",
      "--cip",         "2",         "--moment", "20",   "--wall-length", "100",
      "--pile-length", "40"},
     "click MenuImperial\nselect RG_SSP 1\nselect LB_SSP 3\nselect CB_SteelGrades 9\n"
     "select CB_ServiceLife 8\npage 2\nselect RG_Front 2\nselect CB_Front_Detail 2\npage 0\n"
     "select RG_A690 1\nreplace Edit_Moment 20\nleave\nreplace Edit_WallLength 100\nleave\n"
     "replace Edit_SSPLength 40\nleave\n",
     "reduction factor for corrosion loss on front face =  2"},
    {"project_total_loss",
     {"--family", "Ucon", "--section", "UC 13", "--total-loss", "2.5,1.5", "--moment", "150"},
     "select RG_SSP 3\nselect LB_SSP 8\npage 2\nclick MenuProjectRates\n"
     "select RG_Project_Rates 1\nreplace Edit_Front 2.5\nleave\nreplace Edit_Back 1.5\nleave\n"
     "page 0\nreplace Edit_Moment 150\nleave\n",
     "     environment :                    user defined "},
    {"no_loss_whole_catalogue",
     {"--section", "UC 5", "--moment", "100"},
     "select LB_SSP 28\nreplace Edit_Moment 100\nleave\n",
     " Section :                              UC 5/600 "},
};

void PrintTo(const ReportCase &c, std::ostream *os)
{
    *os << c.name;
}

class CheckReport : public ::testing::TestWithParam<ReportCase>
{
};

TEST_P(CheckReport, IsTheReportFileTheWindowWrites)
{
    const ReportCase &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString report = dir.filePath(QStringLiteral("report.txt"));
    const QString script = dir.filePath(QStringLiteral("design.script"));
    const QString design = dir.filePath(QStringLiteral("design.json"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.script);
        f.write(QStringLiteral("answer-file %1\nclick MenuPrintToFile\n").arg(report).toUtf8());
        f.write(QStringLiteral("answer-file %1\nclick MenuSaveDesign\n").arg(design).toUtf8());
    }
    const CliRun window = cli({QStringLiteral("script"), script, QStringLiteral("--settings"),
                               dir.filePath(QStringLiteral("fresh.ini"))});
    ASSERT_EQ(window.exitCode, 0) << window.err.toStdString();
    const QByteArray written = readFile(report);
    ASSERT_TRUE(written.contains(c.mustHold)) << written.toStdString();

    const CliRun check = cli(QStringList{QStringLiteral("check")} + c.options);
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.err.isEmpty()) << check.err.toStdString();
    EXPECT_EQ(check.out, written);

    // The comma locale changes nothing: numbers are read and written with a
    // decimal point.
    const CliRun de =
        cli(QStringList{QStringLiteral("check")} + c.options, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(de.exitCode, 0);
    EXPECT_EQ(de.out, written);

    // The design the window saved gives the same report, and an option given
    // beside it changes the design as that option alone would.
    const CliRun opened = cli({QStringLiteral("check"), QStringLiteral("--design"), design});
    ASSERT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    EXPECT_EQ(opened.out, written);
    QStringList changed = c.options;
    const int moment = static_cast<int>(changed.indexOf(QStringLiteral("--moment")));
    ASSERT_GE(moment, 0);
    changed[moment + 1] = QStringLiteral("90");
    const CliRun alone = cli(QStringList{QStringLiteral("check")} + changed);
    const CliRun over = cli({QStringLiteral("check"), QStringLiteral("--design"), design,
                             QStringLiteral("--moment"), QStringLiteral("90")});
    ASSERT_EQ(alone.exitCode, 0) << alone.err.toStdString();
    ASSERT_EQ(over.exitCode, 0) << over.err.toStdString();
    EXPECT_EQ(over.out, alone.out);
    EXPECT_NE(over.out, written);
}

INSTANTIATE_TEST_SUITE_P(Designs, CheckReport, ::testing::ValuesIn(ReportCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- stored outputs -------------------------------------------------------

struct StoredCase
{
    const char *name;
    QStringList args;
    const char *expectedFile; // under tests/cli
    int status;
};

const StoredCase StoredCases[] = {
    {"check_json_metric",
     {"check",  "--family",      "Zeta", "--section",     "ZT 12",   "--grade",
      "S 355",  "--life",        "30",   "--front",       "water:3", "--back",
      "soil:2", "--moment",      "280",  "--load",        "60",      "--deflection",
      "5",      "--wall-length", "120",  "--pile-length", "14",      "--format",
      "json"},
     "check_metric.json",
     0},
    {"check_json_imperial",
     {"check",     "--units",       "imperial",  "--family", "Zeta", "--section",
      "ZT 12-700", "--grade",       "ASTM A690", "--life",   "50",   "--front",
      "water:2",   "--cip",         "2",         "--moment", "20",   "--wall-length",
      "100",       "--pile-length", "40",        "--format", "json"},
     "check_imperial.json",
     0},
    {"search_text_metric",
     {"search", "--family", "Zeta", "--moment", "280", "--load", "60", "--deflection", "5",
      "--life", "30", "--front", "water:3", "--back", "soil:2", "--sfmin", "1.2", "--sfmax", "3"},
     "search_metric.txt",
     0},
    {"search_json_imperial",
     {"search", "--units", "imperial", "--family", "Ucon", "--moment", "40", "--sfmin", "1.5",
      "--format", "json"},
     "search_imperial.json",
     0},
    {"summary_csv_reduced",
     {"summary", "--family", "Zeta Max", "--moment", "600", "--life", "50", "--front", "water:3",
      "--reduced"},
     "summary_reduced.csv",
     0},
    {"batch_both_unit_systems_and_bad_rows",
     {"batch", PILECORR_SOURCE_DIR "/tests/cli/batch_cases.csv", "--jobs", "2"},
     "batch_cases.expected.csv",
     3},
};

void PrintTo(const StoredCase &c, std::ostream *os)
{
    *os << c.name;
}

class StoredOutput : public ::testing::TestWithParam<StoredCase>
{
};

TEST_P(StoredOutput, EqualsTheCheckedFile)
{
    const StoredCase &c = GetParam();
    const CliRun r = cli(c.args);
    EXPECT_EQ(r.exitCode, c.status) << r.err.toStdString();
    const QByteArray expected = readFile(Expected + QLatin1Char('/') + c.expectedFile);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(r.out.toStdString(), expected.toStdString());
    const CliRun de = cli(c.args, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(de.out, r.out);
}

INSTANTIATE_TEST_SUITE_P(Outputs, StoredOutput, ::testing::ValuesIn(StoredCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A band or a moment that no section of the family meets is an answer, not
// a failure: no sections, and the text says what the window lists instead.
// The no-match lines in the window's list were once read as sections.
TEST(SearchCli, NoSectionInTheBandIsAnEmptyAnswer)
{
    const QStringList queries[] = {
        {"search", "--family", "Zeta", "--moment", "280", "--sfmin", "4.9", "--sfmax", "5.4"},
        {"search", "--family", "Ucon", "--moment", "469"},
        {"search", "--moment", "764"},
    };
    for (const QStringList &q : queries) {
        SCOPED_TRACE(q.join(QLatin1Char(' ')).toStdString());
        const CliRun text = cli(q);
        EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
        EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
        const QList<QByteArray> lines = text.out.trimmed().split('\n');
        ASSERT_EQ(lines.size(), 3) << text.out.toStdString();
        EXPECT_EQ(lines[2], "No match found. Check bending moment, compression load, "
                            "deflection, available steel grades, Sfmin/Sfmax required.");
        const CliRun json = cli(q + QStringList{"--format", "json"});
        EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
        const auto j = nlohmann::json::parse(json.out.toStdString());
        EXPECT_TRUE(j.at("sections").empty());
    }
}

// Standard output on a full disk: every command says that its answer was
// lost and ends with status 1. A script run once ended with 0 and said
// nothing.
TEST(CliOutput, AnAnswerThatCannotBeWrittenIsAFailureThatSaysSo)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full on this system";
    const struct
    {
        QStringList args;
        QByteArray input;
    } cases[] = {
        {{"check", "--moment", "100"}, {}},
        {{"search", "--family", "Zeta", "--moment", "280"}, {}},
        {{"life", "--front", "water:3", "--moment", "100"}, {}},
        {{"catalogue", "dump", "SSP Pilecorr.pkd"}, {}},
        {{"script", "-"}, "get $UnitsMetric\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun r = pc::test::runCli(c.args, Sample, QStringLiteral("C"), c.input,
                                          QStringLiteral("/dev/full"));
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains("cannot be written")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(std::strerror(ENOSPC))) << r.err.toStdString();
    }
}

// The JSON of check holds the report's numbers: each value row of the text
// report is found, with its unit, among the JSON values.
TEST(CheckJson, HoldsEveryValueOfTheReportWithItsUnit)
{
    const QStringList options = {"check",  "--family", "Zeta",    "--section",    "ZT 19",
                                 "--life", "50",       "--front", "water:3",      "--moment",
                                 "300",    "--load",   "50",      "--deflection", "8"};
    const CliRun text = cli(options);
    const CliRun json = cli(options + QStringList{"--format", "json"});
    ASSERT_EQ(text.exitCode, 0);
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const auto j = nlohmann::json::parse(json.out.toStdString());
    const auto &rows = j.at("report");
    ASSERT_GE(rows.size(), 20u);
    for (const auto &row : rows) {
        // Each JSON row is a line of the report file, as written there.
        const std::string value = row.at("value").get<std::string>();
        const std::string label = row.at("label").get<std::string>();
        EXPECT_NE(text.out.toStdString().find(label), std::string::npos) << label;
        EXPECT_NE(text.out.toStdString().find(value), std::string::npos) << value;
    }
    const auto &v = j.at("values");
    // By hand: fy / (M / Wel + N e / Wel + N / A) with Wel 1915 and 1515
    // cm3/m, A 141.3 and 110.2 cm2/m, fy 240 MPa.
    EXPECT_EQ(v.at("sf_ini").at("value").get<double>(), 1.48);
    EXPECT_EQ(v.at("sf_red").at("value").get<double>(), 1.17);
    EXPECT_EQ(v.at("wel_ini").at("unit").get<std::string>(), "cm³/m");
    EXPECT_EQ(v.at("loss_total").at("unit").get<std::string>(), "mm");
    EXPECT_GT(v.at("loss_total").at("value").get<double>(), 0.0);
}

// ---- names and values the window would refuse ------------------------------

struct RefusedCase
{
    const char *name;
    QStringList args;
    std::vector<const char *> said; // what standard error must hold
};

const RefusedCase RefusedCases[] = {
    {"unknown_section",
     {"check", "--section", "ZX 1"},
     {"--section \"ZX 1\" is not known", "\"UC 29/800\""}},
    {"ambiguous_section",
     {"check", "--family", "Ucon", "--section", "uc 10"},
     {"--section \"uc 10\" is ambiguous", "\"UC 10/600\", \"UC 10/700\""}},
    {"section_outside_the_family",
     {"check", "--family", "Ucon", "--section", "ZT 12"},
     {"--section \"ZT 12\" is not known", "\"UC 5/600\""}},
    {"ambiguous_grade", {"check", "--grade", "NVMarin"}, {"--grade \"NVMarin\" is ambiguous"}},
    {"unknown_family",
     {"check", "--family", "Omega"},
     {"--family \"Omega\" is not known", "\"Zeta Max\""}},
    {"moment_above_its_limit",
     {"check", "--moment", "99999"},
     {"--moment 99999 is out of range", "admissible:", "Bending moment =<"}},
    {"negative_load", {"check", "--load", "-5"}, {"--load \"-5\" is not a number"}},
    {"nan_deflection", {"check", "--deflection", "nan"}, {"--deflection \"nan\" is not a number"}},
    {"decimal_comma", {"check", "--moment", "2,5"}, {"--moment \"2,5\" is not a number"}},
    {"wall_beyond_the_catalogue",
     {"check", "--wall-length", "5000"},
     {"--wall-length 5000 is out of range", "=< 1000"}},
    {"rate_above_the_catalogue",
     {"check", "--rates", "0.1,0.9"},
     {"--rates 0.9 is out of range", "0.50 mm / year"}},
    // The running loss summary and the section's length that the chain
    // writes into the status bar are no reasons for a refusal.
    {"rate_refused_without_the_loss_summary",
     {"check", "--life", "50", "--rates", "0.6,0"},
     {"--rates 0.6 is out of range (admissible: Max. corrosion rate"}},
    {"band_refused_without_the_section_length",
     {"search", "--moment", "100", "--sfmax", "1.64"},
     {"--sfmax 1.64 is out of range: Please complete: SfMax >= 1.1*SfMin (admissible:"}},
    {"value_longer_than_the_field",
     {"check", "--life", "50", "--rates", "0.00000000000001,0"},
     {"--rates \"0.00000000000001\" is longer than the 15 characters the field holds"}},
    {"life_not_in_the_list", {"check", "--life", "7"}, {"--life \"7\" is not offered", "25, 30"}},
    {"detail_out_of_range", {"check", "--front", "soil:9"}, {"--front soil:9", "from 0 to"}},
    {"factor_without_its_grade", {"check", "--cip", "3"}, {"--cip does not apply"}},
    {"sfmin_above_five",
     {"search", "--sfmin", "7"},
     {"--sfmin 7 is out of range", "1 =< Sfmin =< 5"}},
    {"sfmax_below_the_band",
     {"search", "--sfmin", "2", "--sfmax", "2.1"},
     {"--sfmax 2.1 is out of range", "2.20 =< Sfmax"}},
    {"summary_without_actions", {"summary"}, {"no safety factor to summarise"}},
    {"units_unknown", {"check", "--units", "si"}, {"--units \"si\" is not known"}},
    {"format_unknown", {"check", "--format", "xml"}, {"--format \"xml\" is not known"}},
    {"control_character_in_a_name",
     {"check", "--section", "ZT\x1b[31m"},
     {"--section \"ZT\\x1B[31m\" is not known"}},
    {"section_in_a_search",
     {"search", "--section", "ZT 12"},
     {"--section does not apply: the search lists the sections"}},
    {"option_twice",
     {"check", "--moment", "1", "--moment", "2"},
     {"--moment is given more than once"}},
    {"section_not_made_in_the_grade",
     {"check", "--section", "UC 13/700", "--grade", "ASTM A690", "--moment", "40"},
     {"--section \"UC 13/700\" is not offered in grade \"ASTM A690\""}},
    {"section_not_made_in_the_first_grade",
     {"check", "--section", "UC 31/800", "--moment", "40"},
     {"--section \"UC 31/800\" is not offered in grade \"S 240 GP\"", "name a --grade"}},
    {"empty_catalogue_name", {"check", "--catalogue", ""}, {"--catalogue needs a file name"}},
    {"empty_design_name", {"summary", "--design", ""}, {"--design needs a file name"}},
    {"empty_output_name", {"life", "--output", ""}, {"--output needs a file name"}},
};

void PrintTo(const RefusedCase &c, std::ostream *os)
{
    *os << c.name;
}

class Refused : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(Refused, IsAnErrorNamingTheOptionAndWritesNothing)
{
    const RefusedCase &c = GetParam();
    const CliRun r = cli(c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    for (const char *s : c.said)
        EXPECT_NE(r.err.toStdString().find(s), std::string::npos)
            << "missing: " << s << "\nin: " << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, Refused, ::testing::ValuesIn(RefusedCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- batch ----------------------------------------------------------------

// ---- design files and the service life curve ------------------------------

// A section made only in some grades is found in the grade named with it,
// whatever the grade listed first, and the report is of that pair.
TEST(DesignCommands, ASectionIsLookedForInTheGradeNamedWithIt)
{
    const CliRun r = cli({"check", "--format", "json", "--section", "UC 31/800", "--grade",
                          "S 355 GP", "--moment", "100"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_NE(r.out.indexOf("\"value\": \"UC 31/800"), -1) << r.out.toStdString();
    EXPECT_NE(r.out.indexOf("\"value\": \"S 355 GP\""), -1) << r.out.toStdString();
}

TEST(DesignFile, ARefusedDesignIsAFileErrorNamingTheKey)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("design.json"));
    ASSERT_TRUE(writeFile(path, "{\"format\": 1, \"units\": \"furlongs\"}"));
    for (const QString &command : {QStringLiteral("check"), QStringLiteral("life")}) {
        SCOPED_TRACE(command.toStdString());
        const CliRun r = cli({command, QStringLiteral("--design"), path});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("--design \"" + path.toUtf8() + "\" is refused: "))
            << r.err.toStdString();
    }
    const CliRun missing =
        cli({QStringLiteral("check"), QStringLiteral("--design"), dir.filePath("none.json")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("none.json")) << missing.err.toStdString();
}

// Every row of the curve is the design with that year picked as the service
// life: the losses and factors of check --life Y, in both unit systems.
TEST(Life, TheRowOfAYearIsTheCheckOfThatServiceLife)
{
    struct Case
    {
        const char *name;
        QStringList options;
        QStringList years;
    };
    const Case cases[] = {
        {"metric_tables",
         {"--family", "Zeta", "--section", "ZT 19", "--front", "water:3", "--back", "soil:2",
          "--moment", "300", "--load", "50", "--deflection", "8"},
         {"25", "50", "100"}},
        {"imperial_project_rates",
         {"--units", "imperial", "--family", "Zeta", "--section", "ZT 12", "--rates", "2,1",
          "--moment", "60"},
         {"25", "50"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun life = cli(QStringList{QStringLiteral("life"), QStringLiteral("--sfmin"),
                                            QStringLiteral("1.2"), QStringLiteral("--format"),
                                            QStringLiteral("json")} +
                                c.options);
        ASSERT_EQ(life.exitCode, 0) << life.err.toStdString();
        const auto curve = nlohmann::json::parse(life.out.toStdString());
        const auto &rows = curve.at("rows");
        for (const QString &year : c.years) {
            SCOPED_TRACE(year.toStdString());
            const CliRun check =
                cli(QStringList{QStringLiteral("check"), QStringLiteral("--life"), year,
                                QStringLiteral("--format"), QStringLiteral("json")} +
                    c.options);
            ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
            const auto checked = nlohmann::json::parse(check.out.toStdString());
            const auto &v = checked.at("values");
            const auto &row = rows.at(static_cast<size_t>(year.toInt()));
            ASSERT_EQ(row.at("year").get<int>(), year.toInt());
            EXPECT_EQ(row.at("sfIni"), v.at("sf_ini").at("value"));
            EXPECT_EQ(row.at("sfRed"), v.at("sf_red").at("value"));
            EXPECT_EQ(row.at("lossTotal"), v.at("loss_total").at("value"));
        }
        // The first failing year is the first row below the required factor.
        int firstFailing = -1;
        for (const auto &row : rows)
            if (firstFailing < 0 && !row.at("passes").get<bool>())
                firstFailing = row.at("year").get<int>();
        const auto &given = curve.at("firstFailingYear");
        EXPECT_EQ(given.is_null() ? -1 : given.get<int>(), firstFailing);
    }
}

TEST(Batch, ReportsABadRowByItsLineAndRunsTheOthers)
{
    const QByteArray csv = "section,moment\n"
                           "ZT 12,100\n"
                           "ZT 99,100\n"
                           "\n"
                           "\"UC 13\",\"5000000\"\n"
                           "UC 13,100,7\n"
                           "UC 13,100\n";
    const CliRun r = cli({QStringLiteral("batch"), QStringLiteral("-")}, QStringLiteral("C"), csv);
    EXPECT_EQ(r.exitCode, 3);
    const QList<QByteArray> rows = r.out.split('\n');
    ASSERT_EQ(rows.size(), 7); // header, five cases, the final line end
    EXPECT_TRUE(rows[1].startsWith("2,ok,metric,ZT 12-700,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith("3,error,")) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].startsWith("5,error,")) << rows[3].toStdString();
    EXPECT_TRUE(rows[4].startsWith("6,error,")) << rows[4].toStdString();
    EXPECT_TRUE(rows[5].startsWith("7,ok,metric,UC 13/700,")) << rows[5].toStdString();
    const std::string err = r.err.toStdString();
    EXPECT_NE(err.find("line 3: --section \"ZT 99\" is not known"), std::string::npos) << err;
    EXPECT_NE(err.find("line 5: --moment 5000000 is out of range"), std::string::npos) << err;
    EXPECT_NE(err.find("line 6: 3 cells where the header names 2"), std::string::npos) << err;
    EXPECT_EQ(err.find("line 2"), std::string::npos) << err;
    EXPECT_EQ(err.find("line 7"), std::string::npos) << err;
}

TEST(Batch, ThreadsChangeNeitherTheRowsNorTheirOrder)
{
    QByteArray csv = "family,section,moment,life,front,units\n";
    const char *sections[] = {"ZT 11", "ZT 19", "ZM 33", "UC 9", "UC 21", "ZT 32"};
    for (int i = 0; i < 24; ++i)
        csv += QStringLiteral("%1,%2,%3,%4,water:%5,%6\n")
                   .arg(QLatin1String(sections[i % 6]).startsWith(QLatin1String("ZT"))
                            ? QStringLiteral("Zeta")
                        : QLatin1String(sections[i % 6]).startsWith(QLatin1String("ZM"))
                            ? QStringLiteral("Zeta Max")
                            : QStringLiteral("Ucon"))
                   .arg(QLatin1String(sections[i % 6]))
                   .arg(50 + 10 * i)
                   .arg(i % 2 ? 25 : 50)
                   .arg(i % 4)
                   .arg(i % 3 ? QStringLiteral("metric") : QStringLiteral("imperial"))
                   .toUtf8();
    const CliRun one = cli({"batch", "-", "--jobs", "1"}, QStringLiteral("C"), csv);
    const CliRun two = cli({"batch", "-", "--jobs", "2"}, QStringLiteral("C"), csv);
    const CliRun four = cli({"batch", "-", "--jobs", "4"}, QStringLiteral("C"), csv);
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(one.out.count('\n'), 25);
    EXPECT_EQ(one.out.count(",ok,"), 24);
    EXPECT_EQ(two.out, one.out);
    EXPECT_EQ(four.out, one.out);
    // Nothing on standard error: it is no terminal here.
    EXPECT_TRUE(one.err.isEmpty() && two.err.isEmpty()) << two.err.toStdString();
}

// A batch row gives the numbers check gives for the same options.
TEST(Batch, RowHoldsTheNumbersOfCheck)
{
    const CliRun row = cli({"batch", "-"}, QStringLiteral("C"),
                           "units,section,life,front,back,moment,wall-length,pile-length\n"
                           "imperial,UC 19,75,water:0,soil:1,50,200,30\n");
    const CliRun check = cli({"check", "--units", "imperial", "--section", "UC 19", "--life", "75",
                              "--front", "water:0", "--back", "soil:1", "--moment", "50",
                              "--wall-length", "200", "--pile-length", "30", "--format", "json"});
    ASSERT_EQ(row.exitCode, 0) << row.err.toStdString();
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    const QList<QByteArray> lines = row.out.split('\n');
    const QList<QByteArray> header = lines[0].split(',');
    const QList<QByteArray> cells = lines[1].split(',');
    ASSERT_GE(cells.size(), header.size());
    const auto v = nlohmann::json::parse(check.out.toStdString()).at("values");
    const char *shared[] = {"loss_front", "loss_back", "loss_total", "wel_red",
                            "i_red",      "a_red",     "sf_ini",     "sf_red",
                            "pairs",      "weight",    "mass_total"};
    for (const char *name : shared) {
        const int col = static_cast<int>(header.indexOf(name));
        ASSERT_GE(col, 0) << name;
        EXPECT_DOUBLE_EQ(cells[col].toDouble(), v.at(name).at("value").get<double>()) << name;
    }
}

// A row may name a design file the window saved; the row's other cells
// change it as the same options would.
TEST(Batch, ARowMayNameADesignFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString design = dir.filePath(QStringLiteral("wall.json"));
    const QString script = dir.filePath(QStringLiteral("save.script"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("select RG_SSP 1\nselect LB_SSP 3\nselect CB_ServiceLife 6\n"
                               "page 2\nselect RG_Front 2\nselect CB_Front_Detail 3\npage 0\n"
                               "replace Edit_Moment 280\nleave\nanswer-file %1\n"
                               "click MenuSaveDesign\n")
                    .arg(design)
                    .toUtf8());
    }
    const CliRun saved = cli({QStringLiteral("script"), script, QStringLiteral("--settings"),
                              dir.filePath(QStringLiteral("fresh.ini"))});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();

    const QByteArray rows = "design,moment\n" + design.toUtf8() + ",\n" + design.toUtf8() + ",90\n";
    const CliRun fromDesign = cli({"batch", "-"}, QStringLiteral("C"), rows);
    const CliRun fromOptions = cli({"batch", "-"}, QStringLiteral("C"),
                                   "family,section,life,front,moment\n"
                                   "Zeta,ZT 12,30,water:3,280\n"
                                   "Zeta,ZT 12,30,water:3,90\n");
    ASSERT_EQ(fromDesign.exitCode, 0) << fromDesign.err.toStdString();
    ASSERT_EQ(fromOptions.exitCode, 0) << fromOptions.err.toStdString();
    EXPECT_EQ(fromDesign.out, fromOptions.out);
    EXPECT_EQ(fromDesign.out.count('\n'), 3);
}

TEST(Batch, OutputFileIsWrittenWholeAndAFolderIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("results.csv"));
    const QByteArray csv = "section,moment\nZT 12,100\n";
    const CliRun r = cli({"batch", "-", "--output", out}, QStringLiteral("C"), csv);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(readFile(out).startsWith("line,status,units,section,"));
    const CliRun folder = cli({"batch", "-", "--output", dir.path()}, QStringLiteral("C"), csv);
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_NE(folder.err.toStdString().find("cannot be written"), std::string::npos);
}

// With no loss the three loss cells read as the window's summary shows a
// zero loss, in the row's units, the total like the faces.
TEST(Batch, NoLossIsWrittenAsTheWindowShowsIt)
{
    const CliRun r = cli({"batch", "-"}, QStringLiteral("C"),
                         "units,section,moment\nmetric,ZT 12,100\nimperial,ZT 12,20\n");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\n2,ok,metric,ZT 12-700,S 240 GP,0.00,0.00,0.00,"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\n3,ok,imperial,ZT 12-700,S 240 GP,0,0,0,")) << r.out.toStdString();
}

// --output naming the catalogue or the design the result is made from is
// refused before anything runs: the report once replaced the catalogue,
// and the next run could not start. Shown on copies in a folder of their own.
TEST(DesignCommands, TheOutputIsNeverTheCatalogueOrTheDesignInUse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString catalogue = dir.filePath(QStringLiteral("SSP Pilecorr.pkd"));
    ASSERT_TRUE(QFile::copy(QDir(Sample).filePath(QStringLiteral("SSP Pilecorr.pkd")), catalogue));
    const QByteArray before = readFile(catalogue);
    // The guard stands before the design is read: any file shows it.
    const QString design = dir.filePath(QStringLiteral("wall.json"));
    ASSERT_TRUE(writeFile(design, "{}"));
    const struct
    {
        QStringList args;
        const char *said;
    } cases[] = {
        {{"check", "--section", "ZT 12", "--output", "SSP Pilecorr.pkd"}, "is the catalogue"},
        {{"check", "--section", "ZT 12", "--catalogue", catalogue, "--output", catalogue},
         "is the catalogue"},
        {{"life", "--catalogue", dir.path(), "--section", "ZT 12", "--output",
          "./SSP Pilecorr.pkd"},
         "is the catalogue"},
        {{"summary", "--design", design, "--output", design}, "is the design"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun r = pc::test::runCli(c.args, dir.path(), QStringLiteral("C"));
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.indexOf(c.said), -1) << r.err.toStdString();
        EXPECT_EQ(readFile(catalogue), before);
    }
    EXPECT_EQ(readFile(design), QByteArray("{}"));
}

// "-" is standard output, as it is standard input for the cases: no file
// named "-" appears in the folder the command runs in.
TEST(Batch, OutputDashIsStandardOutput)
{
    const QByteArray csv = "section,moment\nZT 12,100\n";
    const CliRun plain = cli({"batch", "-"}, QStringLiteral("C"), csv);
    const CliRun dash = cli({"batch", "-", "--output", "-"}, QStringLiteral("C"), csv);
    ASSERT_EQ(dash.exitCode, 0) << dash.err.toStdString();
    EXPECT_EQ(dash.out, plain.out);
    EXPECT_FALSE(QFileInfo::exists(QDir(Sample).filePath(QStringLiteral("-"))));
    const CliRun check = cli({"check", "--section", "ZT 12", "--output", "-"});
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_EQ(check.out, cli({"check", "--section", "ZT 12"}).out);
}

TEST(Batch, TakesTheByteOrderMarkOfASpreadsheetAndQuotedCells)
{
    const CliRun r = cli({"batch", "-"}, QStringLiteral("C"),
                         "\xEF\xBB\xBF\"section\",moment\r\n\"UC 13\",\"100\"\r\n");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\n2,ok,metric,UC 13/700,")) << r.out.toStdString();
}

// A batch file that cannot be read says why, and the run does not start.
TEST(Batch, AFileThatCannotBeReadSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("cases.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        QString path;
        const char *why;
    } cases[] = {{dir.filePath(QStringLiteral("none.csv")), "there is no such file"},
                 {dir.path(), "it is a folder"},
                 {fifo, "it is not a regular file"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const CliRun r = cli({"batch", c.path});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(c.path + QStringLiteral(" cannot be read: ") +
                                                      QLatin1String(c.why)))
            << r.err.toStdString();
    }
}

// The results never replace the cases they came from, by any name.
TEST(Batch, TheResultsAreNotWrittenOverTheCases)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cases = dir.filePath(QStringLiteral("cases.csv"));
    const QByteArray text = "section,moment\nZT 12,100\n";
    ASSERT_TRUE(writeFile(cases, text));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(cases, link));
    for (const QString &output : {cases, link, dir.path() + QStringLiteral("/./cases.csv")}) {
        SCOPED_TRACE(output.toStdString());
        const CliRun r = cli({"batch", cases, "--output", output});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("is the batch file itself")) << r.err.toStdString();
        QFile f(cases);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), text);
    }
}

TEST(Batch, AHeaderThatNamesNoOptionStopsTheRun)
{
    const CliRun r = cli({"batch", "-"}, QStringLiteral("C"), "section,torque\nZT 12,1\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_NE(r.err.toStdString().find("column \"torque\" is not an option of check"),
              std::string::npos)
        << r.err.toStdString();
}

// The message names the file tried and what is wrong with it; the window's
// question about browsing for the file has no place in a command.
TEST(DesignCommands, AMissingCatalogueIsAFileError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString none = dir.filePath(QStringLiteral("none.pkd"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.pkd"));
    ASSERT_TRUE(writeFile(damaged, "{\"not\": \"a catalogue\"}"));
    const struct
    {
        QString given;
        QString said;
    } cases[] = {
        {none, none + QStringLiteral(": there is no such file")},
        {dir.path(), dir.filePath(QStringLiteral("SSP Pilecorr.pkd: there is no such file"))},
        {damaged, damaged + QStringLiteral(": FamilyName at byte 4")},
    };
    for (const auto &c : cases)
        for (const char *command : {"check", "search", "summary"}) {
            SCOPED_TRACE(std::string(command) + " " + c.given.toStdString());
            const CliRun r = cli({command, "--catalogue", c.given});
            EXPECT_EQ(r.exitCode, 1);
            const QString err = QString::fromUtf8(r.err);
            EXPECT_TRUE(err.contains(QStringLiteral("the catalogue cannot be read: ") + c.said))
                << err.toStdString();
            EXPECT_FALSE(err.contains(QStringLiteral("browse"))) << err.toStdString();
        }
    // Without --catalogue: the damaged file of the current folder is named,
    // and a folder without one says where the program looked.
    QTemporaryDir here;
    ASSERT_TRUE(here.isValid());
    const CliRun absent = pc::test::runCli({"check"}, here.path());
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_TRUE(
        QString::fromUtf8(absent.err)
            .contains(QStringLiteral("the catalogue cannot be read: no \"SSP Pilecorr.pkd\" in ") +
                      here.path()))
        << absent.err.toStdString();
    ASSERT_TRUE(QFile::copy(damaged, here.filePath(QStringLiteral("SSP Pilecorr.pkd"))));
    const CliRun bad = pc::test::runCli({"check"}, here.path());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(bad.err).contains(
        QStringLiteral("the catalogue cannot be read: ") +
        here.filePath(QStringLiteral("SSP Pilecorr.pkd: FamilyName at byte 4"))))
        << bad.err.toStdString();
}

// The design commands keep no settings: a copy of the program in a folder
// of its own leaves nothing beside itself after check, search, summary and
// batch, where a script run that closes the window writes its settings file
// there (which shows that the folder is where settings would go).
TEST(DesignCommands, WriteNoSettingsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("pilecorr-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PILECORR_CLI), program));
    const QString catalogue = Sample + QStringLiteral("/SSP Pilecorr.pkd");
    auto run = [&](const QStringList &args, const QByteArray &input = {}) {
        QProcess p;
        p.setWorkingDirectory(Sample);
        p.start(program, args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(120000));
        return p.exitCode();
    };
    const QStringList design = {"--catalogue", catalogue, "--family", "Zeta", "--moment", "200"};
    EXPECT_EQ(run(QStringList{"check"} + design), 0);
    EXPECT_EQ(run(QStringList{"search"} + design), 0);
    EXPECT_EQ(run(QStringList{"summary"} + design), 0);
    EXPECT_EQ(run({"batch", "-", "--catalogue", catalogue}, "section,moment\nZT 12,100\n"), 0);
    const QStringList entries = QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries, QStringList{QStringLiteral("pilecorr-cli")});

    EXPECT_EQ(run({"script", "-"}, "close\n"), 0);
    EXPECT_GT(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
}

} // namespace
