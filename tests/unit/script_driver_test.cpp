// The headless driver: output format, script errors, and any bytes at all.

#include "driver/script_runner.h"
#include "form/main_form.h"
#include "form/table_window_form.h"
#include "platform/scripted_platform.h"
#include "small_catalogue.h"
#include "window/app.h"
#include "window/catalogue_locator.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

using namespace pc;
using pc::driver::runScript;
using pc::driver::ScriptOptions;

namespace {

struct Result
{
    int status;
    std::string out;
    std::string err;
};

Result run(const std::string &script,
           std::optional<Catalogue> cat = test_support::smallCatalogue(1), ScriptOptions o = {})
{
    std::ostringstream out, err;
    const int status = runScript(QByteArray::fromStdString(script), o, out, err, [cat](App &a) {
        a.catalogueLoader = [cat](Platform &) { return cat; };
    });
    return {status, out.str(), err.str()};
}

} // namespace

TEST(ScriptDriver, GetPrintsJsonValues)
{
    const Result r = run("get RG_SSP.Items\n"
                         "get RG_SSP.ItemIndex\n"
                         "get Edit1.Text\n"
                         "get SB1.PanelWidths\n"
                         "get TabSheetSFTable.TabVisible\n"
                         "get GB_SSP.Caption\n"
                         "get $UnitsMetric\n"
                         "get $DesignMoment\n"
                         "get $Messages\n"
                         "get $Clipboard\n"
                         "get TableWindow.TForm2.Visible\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "RG_SSP.Items=[\" ALL\",\"FAM-A\",\"FAM-B\"]\n"
                     "RG_SSP.ItemIndex=0\n"
                     "Edit1.Text=\" Beta version 2.5.0. Double-check the results  \"\n"
                     "SB1.PanelWidths=[300,50]\n"
                     "TabSheetSFTable.TabVisible=false\n"
                     "GB_SSP.Caption=\"  SSP:     3           Wel,ini (cm³/m)  \"\n"
                     "$UnitsMetric=true\n"
                     "$DesignMoment=0\n"
                     "$Messages=[]\n"
                     "$Clipboard=null\n"
                     "TableWindow.TForm2.Visible=false\n");
}

TEST(ScriptDriver, TextEscapesAndJsonEscapes)
{
    const Result r = run("page 2\n"
                         "answer-file x\n"
                         "page 0\n"
                         "type Edit_Moment \\s1\\t\"\\\\\\b2\\s \n"
                         "get Edit_Moment.Text\n"
                         "replace Edit_Load \\sa\\tb\\nc\n"
                         "get Edit_Load.Text\n");
    EXPECT_EQ(r.status, 0) << r.err;
    // Typed after the design text "0": the numeric key filter drops the
    // blank, the tab, the quote and the backslash; 1 goes in, the backspace
    // removes it, then 2 goes in. A paste turns the control characters its
    // escapes stand for into blanks.
    EXPECT_EQ(r.out, "Edit_Moment.Text=\"02\"\n"
                     "Edit_Load.Text=\" a b c\"\n");
}

TEST(ScriptDriver, ScriptErrorsStopWithStatusTwoAndNameTheLine)
{
    struct Case
    {
        const char *line;
        const char *errorPart;
    };
    const Case cases[] = {
        {"frobnicate", "unknown command 'frobnicate'"},
        {"click NoSuchButton", "unknown control 'NoSuchButton'"},
        {"get Edit_Moment.Colour", "unknown property 'Colour'"},
        {"get Edit_Moment.Cells", "Edit_Moment has no property Cells"},
        {"get Edit_Moment", "get needs NAME.PROP"},
        {"get $NoSuchVariable", "unknown variable '$NoSuchVariable'"},
        {"select RG_SSP one", "item index 'one' is not a whole number"},
        {"select RG_SSP 7", "RG_SSP has no item 7"},
        {"select RG_SSP 99999999999", "is not a whole number"},
        {"page 9", "PageControl1 has no item 9"},
        {"type SFList 1", "type does not apply to SFList"},
        {"type Edit_Front 1", "Edit_Front lies on a page that is not the active page"},
        {"click CB_EC3NAD", "click does not apply to CB_EC3NAD"},
        {"key Edit_Moment 12", "key takes exactly one character"},
        {"type Edit_Moment a\\q", "unknown escape \\q"},
        {"type Edit_Moment a\\", "a backslash ends the text"},
        {"answer maybe", "answer takes yes, no, ok or cancel"},
        {"dump now", "dump takes no more"},
        {"mouse TC_Chart 1", "y is missing"},
    };
    for (const Case &c : cases) {
        const Result r = run(std::string("get $Ended\n# comment\n\n") + c.line + "\nget $Ended\n");
        EXPECT_EQ(r.status, 2) << c.line;
        EXPECT_EQ(r.out, "$Ended=false\n") << c.line;
        EXPECT_NE(r.err.find("line 4: "), std::string::npos) << c.line << ": " << r.err;
        EXPECT_NE(r.err.find(c.errorPart), std::string::npos) << c.line << ": " << r.err;
    }
}
TEST(ScriptDriver, CrLfAndCrAloneEndLinesAsLfDoes)
{
    struct Case
    {
        const char *name;
        const char *end;
    } const cases[] = {{"LF", "\n"}, {"CR LF", "\r\n"}, {"CR", "\r"}};
    for (const Case &c : cases) {
        const std::string e = c.end;
        // The error on the fourth line names line 4 whatever the line end.
        const Result r = run("get $Ended" + e + "# comment" + e + "replace Edit_Moment 12" + e +
                             "frobnicate" + e + "get $Ended" + e);
        EXPECT_EQ(r.status, 2) << c.name;
        EXPECT_EQ(r.out, "$Ended=false\n") << c.name;
        EXPECT_NE(r.err.find("line 4: unknown command 'frobnicate'"), std::string::npos)
            << c.name << ": " << r.err;
        const Result ok = run("replace Edit_Moment 12" + e + "get Edit_Moment.Text" + e + e +
                              "get $DesignMoment" + e);
        EXPECT_EQ(ok.status, 0) << c.name << ": " << ok.err;
        EXPECT_EQ(ok.out, "Edit_Moment.Text=\"12\"\n$DesignMoment=12\n") << c.name;
    }
    // A CR in the middle of a line ends it; one at the end of the script too.
    const Result mixed = run("get $Ended\r\rget $DesignMoment\n\r\nget $UnitsMetric\r");
    EXPECT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_EQ(mixed.out, "$Ended=false\n$DesignMoment=0\n$UnitsMetric=true\n");
}

TEST(ScriptDriver, ControlCharactersInAnErrorAreEscaped)
{
    struct Case
    {
        std::string line;
        const char *error;
    } const cases[] = {
        {std::string("fro\0b", 5), "unknown command 'fro\\x00b'"},
        {"click Edit\x1b[2J", "unknown control 'Edit\\x1B[2J'"},
        {"get $X\x7fY", "unknown variable '$X\\x7FY'"},
        {"frob\xc2\x85nicate", "unknown command 'frob\\x85nicate'"}, // U+0085 in UTF-8
        {"type Edit_Moment a\\\x01", "unknown escape \\\\x01"},
    };
    for (const Case &c : cases) {
        const Result r = run(c.line + "\n");
        EXPECT_EQ(r.status, 2) << c.error;
        EXPECT_NE(r.err.find(std::string("line 1: ") + c.error + "\n"), std::string::npos)
            << c.error << ": " << r.err;
        for (const char ch : r.err)
            EXPECT_TRUE(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20) << c.error;
        EXPECT_EQ(r.err.find('\x7f'), std::string::npos) << c.error;
    }
    EXPECT_EQ(pc::driver::printableText(QStringLiteral("a\tb\nc\rd")),
              QStringLiteral("a\\tb\\nc\\rd"));
    QString error;
    ScriptOptions o;
    QString path;
    EXPECT_FALSE(pc::driver::parseScriptArguments(
        {QStringLiteral("s.txt"), QStringLiteral("--c\x07wd")}, o, path, error));
    EXPECT_EQ(error, QStringLiteral("unknown option --c\\x07wd"));
}

// The separators a user's system could have: a digit, a sign or a blank
// would make typed numbers read as other numbers.
TEST(ScriptDriver, DecimalSeparatorsAreOneCharacterThatNoNumberUses)
{
    const struct
    {
        QString separator;
        bool taken;
    } cases[] = {{QStringLiteral(","), true},      {QStringLiteral("."), true},
                 {QStringLiteral("\u066B"), true}, // the Arabic decimal separator
                 {QStringLiteral("0"), false},     {QStringLiteral("7"), false},
                 {QStringLiteral(" "), false},     {QStringLiteral("\t"), false},
                 {QStringLiteral("-"), false},     {QStringLiteral("+"), false},
                 {QStringLiteral(",,"), false},    {QString(), false}};
    for (const auto &c : cases)
        for (const char *option : {"--decimal-separator", "--system-decimal-separator"}) {
            SCOPED_TRACE(std::string(option) + " '" + c.separator.toStdString() + "'");
            QString error;
            ScriptOptions o;
            QString path;
            EXPECT_EQ(
                pc::driver::parseScriptArguments(
                    {QStringLiteral("s.txt"), QLatin1String(option), c.separator}, o, path, error),
                c.taken)
                << error.toStdString();
        }
}

TEST(ScriptDriver, ActionsOnDisabledOrHiddenControlsDoNothing)
{
    const Result r = run("type Edit_Sfmin 3\n"  // hidden
                         "click MenuEC3Rates\n" // disabled menu entry
                         "select RG_A690 0\n"   // disabled group
                         "get Edit_Sfmin.Text\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Edit_Sfmin.Text=\"1.50\"\n");
}

TEST(ScriptDriver, AMissingCatalogueAnsweredNoEndsAtOnce)
{
    const Result r = run("answer no\nget $Ended\nfrobnicate\n", std::nullopt);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ended 0\n");
}

TEST(ScriptDriver, TopAnswersReachTheDisclaimerAndCloseEndsTheRun)
{
    ScriptOptions o;
    o.askDisclaimer = true;
    Result declined = run("answer no\nget $Ended\n", test_support::smallCatalogue(1), o);
    EXPECT_EQ(declined.out, "ended 0\n");
    Result accepted = run("answer yes\nget $Ended\nclose\nthis is never read\n",
                          test_support::smallCatalogue(1), o);
    EXPECT_EQ(accepted.status, 0) << accepted.err;
    EXPECT_EQ(accepted.out, "$Ended=false\nended 0\n");
}

TEST(ScriptDriver, DumpIsSortedAndCoversEveryControl)
{
    const Result r = run("dump\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line, previous;
    std::set<std::string> controls;
    while (std::getline(lines, line)) {
        const std::string key = line.substr(0, line.find('='));
        EXPECT_LT(previous, key);
        previous = key;
        controls.insert(key.substr(0, key.rfind('.')));
    }
    form::MainForm main;
    form::TableWindowForm table;
    EXPECT_EQ(controls.size(), main.controls().size() + table.controls().size());
    EXPECT_EQ(controls.count("Edit_Moment"), 1u);
    EXPECT_EQ(controls.count("TableWindow.SG_EC3Table"), 1u);
    EXPECT_NE(r.out.find("\nLbl_SSP.FontColor=\"#FF0000\"\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nMenuMetric.Checked=true\n"), std::string::npos);
}

TEST(ScriptDriver, AnyBytesEndInAStatusNeverInACrash)
{
    std::mt19937 gen(4);
    const std::string words[] = {
        "type ",   "select ", "get ", "click ", "page ", "key ", "mouse ", "Edit_Moment",
        "RG_SSP ", "\\",      "\\s",  "\n",     "$",     ".",    "-1 ",    "99999999999999999999",
        "\xff",    "\0"};
    for (int n = 0; n < 300; ++n) {
        std::string script;
        const int len = static_cast<int>(gen() % 80);
        for (int i = 0; i < len; ++i) {
            if (gen() % 3 == 0)
                script += words[gen() % std::size(words)];
            else
                script += static_cast<char>(gen() % 256);
        }
        const Result r = run(script);
        EXPECT_TRUE(r.status == 0 || r.status == 2) << n;
        if (r.status == 2) {
            EXPECT_NE(r.err.find("line "), std::string::npos) << n;
        }
    }
}

TEST(ScriptDriver, ADamagedCatalogueShowsTheCorruptionMessageAndEndsTheRun)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("SSP Pilecorr.pkd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This text stands where a catalogue file should be.\n");
    file.close();

    ScriptOptions o;
    o.workingDirectory = dir.path();
    QStringList shown;
    std::ostringstream out, err;
    const int status = runScript("get $Ended\n", o, out, err, [&shown](App &a) {
        a.catalogueLoader = [&shown](Platform &p) {
            auto result = loadCatalogue(p);
            shown = dynamic_cast<ScriptedPlatform &>(p).messageTexts();
            return result;
        };
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.str(), "ended 0\n");
    EXPECT_EQ(shown,
              QStringList{QStringLiteral(
                  "\"SSP Pilecorr.pkd\" file seems to be corrupted. Reinstall original file.")});
}
