// The report table, its text file and its printed page.

#include "output/report.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

namespace {

using pc::ReportInput;
using pc::ReportRow;
using pc::ReportTable;

// A metric design with every part of the report present: a reduced
// section, quantities, a service life with protection and the reduction
// factor.
ReportInput fullDesign()
{
    ReportInput in;
    in.metric = true;
    in.decimal = QLatin1Char('.');
    in.sectionLabel = QStringLiteral(" QZ 18 ");
    in.welIni = 1800;
    in.aIni = 150.04;
    in.welRed = 1700.4;
    in.aRed = 140.26;
    in.iRed = 30000;
    in.tfRed = 8.456;
    in.twRed = 7.5;
    in.steelGradeText = QStringLiteral("S 355 GP (standard)");
    in.fy = 355;
    in.moment = 250;
    in.load = 100;
    in.deflection = 2.5;
    in.sfIni = 1.52L;
    in.sfRed = 1.43L;
    in.mass = 100;
    in.width = 1.2;
    in.pairCount = 12;
    in.sspLength = 15;
    in.coveredLength = 14.4;
    in.steelMassTotal = 21600;
    in.lossTotal = 2.5;
    in.lossTotalMils = 98;
    in.serviceLifeEnabled = true;
    in.serviceLifeText = QStringLiteral(" 50");
    in.protectionFrontText = QStringLiteral(" 10");
    in.protectionBackText = QStringLiteral(" 0");
    in.lossFrontText = QStringLiteral("1.25");
    in.lossBackText = QStringLiteral("1.25");
    in.environmentFront = QStringLiteral(" normal atmosphere");
    in.environmentBack = QStringLiteral(" marine atmosphere");
    in.projectRates = false;
    in.descriptionFront = QStringLiteral("describe_environment_front ");
    in.descriptionBack = QStringLiteral("describe_environment_back");
    in.reductionFactorEnabled = true;
    in.reductionFactorItem = QStringLiteral(" 0.8");
    return in;
}

ReportTable tableOf(const ReportInput &in)
{
    const pc::ReportBuild b = pc::buildReportTable(in);
    EXPECT_TRUE(b.table.has_value()) << b.error.toStdString();
    EXPECT_TRUE(b.error.isEmpty());
    return b.table.value_or(ReportTable{});
}

// "label|value|unit" of every row that is output.
QStringList outputLines(const ReportTable &t)
{
    QStringList out;
    for (const ReportRow &r : pc::reportOutputRows(t))
        out << r.label + QLatin1Char('|') + r.value + QLatin1Char('|') + r.unit;
    return out;
}

// The numbers (from 1) of the rows that are output.
std::vector<int> outputRowNumbers(const ReportTable &t)
{
    std::vector<int> rows;
    for (size_t i = 0; i < t.size(); ++i)
        if (!t[i].value.isEmpty())
            rows.push_back(static_cast<int>(i) + 1);
    return rows;
}

std::vector<int> range(int first, int last, std::vector<int> without = {})
{
    std::vector<int> out;
    for (int r = first; r <= last; ++r)
        if (std::find(without.begin(), without.end(), r) == without.end())
            out.push_back(r);
    return out;
}

std::vector<int> join(std::vector<int> a, const std::vector<int> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Report, AFullMetricDesign)
{
    const QStringList expected = {
        QStringLiteral(" Section : |     QZ 18|"),
        QStringLiteral(" Section modulus Wel,ini  : |    1800|cm³/m"),
        QStringLiteral(" Steel area A_ini : |   150.0|cm²/m"),
        QStringLiteral(" Reduced section modulus Wel,red  : |    1700|cm³/m"),
        QStringLiteral(" Reduced steel area A_red : |   140.3|cm²/m"),
        QStringLiteral(" Reduced moment of inertia I_red : |   30000|cm4/m"),
        QStringLiteral(" Reduced flange thickness tf,red : |    8.46|mm"),
        QStringLiteral(" Reduced web thickness tw,red : |    7.50|mm"),
        QStringLiteral(" Steel grade : |S 355 GP (s|"),
        QStringLiteral(" Yield strength: |     355|MPa"),
        QStringLiteral(" Bending moment M: |   250.0|kNm/m"),
        QStringLiteral(" Compression load N: |   100.0|kN/m"),
        QStringLiteral(" Deflection f: |     2.5|cm"),
        QStringLiteral(" Safety factor Sf,ini: |    1.52|"),
        QStringLiteral(" Safety factor Sf,red: |    1.43|"),
        QStringLiteral(" Weight: |    83.3|kg/m²"),
        QStringLiteral(" Number of pairs of ssp: |      12|"),
        QStringLiteral(" Length of ssp: |   15.00|m"),
        QStringLiteral(" Total wall length: |    14.4|m"),
        QStringLiteral(" Total ssp quantities: |    21.6|metric t"),
        QStringLiteral("NOTES :| |"),
        QStringLiteral(" Service life : |      50|years"),
        QStringLiteral(" Front : | |"),
        QStringLiteral("     environment : | normal atmosphere|"),
        QStringLiteral("     surface protected for : |      10|years"),
        QStringLiteral("     loss of steel : |    1.25|mm"),
        QStringLiteral(" Back : | |"),
        QStringLiteral("     environment : | marine atmosphere|"),
        QStringLiteral("     surface protected for : |       0|years"),
        QStringLiteral("     loss of steel : |    1.25|mm"),
        QStringLiteral(" Total loss of steel thickness: |    2.50|mm"),
        QStringLiteral("      A 690 / NVMarin: reduction factor for corrosion loss on front face "
                       "=  0.8| |"),
        QStringLiteral(
            " Results not valid for 'class 4' sections according to EN 1993 - Part 5| |"),
    };
    EXPECT_EQ(outputLines(tableOf(fullDesign())), expected);
}

struct RowsCase
{
    const char *name;
    std::function<void(ReportInput &)> change;
    std::vector<int> rows;
};

TEST(Report, WhichRowsAreOutput)
{
    const std::vector<int> all = range(1, 33);
    const RowsCase cases[] = {
        {"everything", [](ReportInput &) {}, all},
        {"no loss: no reduced rows, no Sf,red, no notes",
         [](ReportInput &in) {
             in.lossTotal = 0;
             in.welRed = in.welIni;
         },
         join(range(1, 3), join(range(9, 14), range(16, 20)))},
        {"Sf,ini 0: no loads and no factors", [](ReportInput &in) { in.sfIni = 0; },
         range(1, 33, {11, 12, 13, 14, 15})},
        {"no reduced section", [](ReportInput &in) { in.welRed = 0; },
         range(1, 33, {4, 5, 6, 7, 8})},
        {"no reduced section and Sf,ini 0: the reason stays",
         [](ReportInput &in) {
             in.welRed = 0;
             in.sfIni = 0;
         },
         range(1, 33, {4, 5, 6, 7, 8, 11, 12, 13, 14})},
        {"no quantities", [](ReportInput &in) { in.steelMassTotal = 0; },
         range(1, 33, {17, 18, 19, 20})},
        {"no protection on either face",
         [](ReportInput &in) { in.protectionFrontText = QStringLiteral(" 0"); },
         range(1, 33, {25, 29})},
        {"protection on the back only gives both rows",
         [](ReportInput &in) {
             in.protectionFrontText = QStringLiteral(" 0");
             in.protectionBackText = QStringLiteral(" 25");
         },
         all},
        {"reduction factor disabled", [](ReportInput &in) { in.reductionFactorEnabled = false; },
         range(1, 33, {32})},
        {"project rates: no service life, no protection",
         [](ReportInput &in) {
             in.serviceLifeEnabled = false;
             in.projectRates = true;
         },
         range(1, 33, {22, 25, 29})},
        {"neither service life nor project rates: no environments",
         [](ReportInput &in) { in.serviceLifeEnabled = false; },
         range(1, 33, {22, 24, 25, 28, 29})},
        {"a section without width has no weight", [](ReportInput &in) { in.width = 0; },
         range(1, 33, {16})},
    };
    for (const RowsCase &c : cases) {
        ReportInput in = fullDesign();
        c.change(in);
        EXPECT_EQ(outputRowNumbers(tableOf(in)), c.rows) << c.name;
    }
}

TEST(Report, NoReducedSectionNamesTheReasonInTheSfRedRow)
{
    for (const long double sfIni : {1.52L, 0.0L}) {
        ReportInput in = fullDesign();
        in.welRed = 0;
        in.sfIni = sfIni;
        const ReportTable t = tableOf(in);
        EXPECT_EQ(t[14].value, pc::ReportNoReducedSectionText) << double(sfIni);
        EXPECT_EQ(t[14].label, QStringLiteral(" Safety factor Sf,red: ")) << double(sfIni);
    }
}

struct ValueCase
{
    const char *name;
    std::function<void(ReportInput &)> change;
    int row;
    const char *value;
    const char *unit;
};

TEST(Report, ImperialValues)
{
    const ValueCase cases[] = {
        {"50 ksi grade", [](ReportInput &in) { in.fy = 344.857; }, 10, "    50.0", "ksi"},
        {"Wel", [](ReportInput &in) { in.welIni = 1000; }, 2, "   18.60", "in³/ft"},
        {"A", [](ReportInput &in) { in.aIni = 100; }, 3, "    4.72", "in²/ft"},
        {"I", [](ReportInput &in) { in.iRed = 20000; }, 6, "   146.5", "in4/ft"},
        {"tf", [](ReportInput &in) { in.tfRed = 10; }, 7, "   0.394", "in"},
        {"moment", [](ReportInput &in) { in.moment = 100; }, 11, "    22.5", "kips*ft/ft"},
        {"load", [](ReportInput &in) { in.load = 100; }, 12, "     6.8", "kips/ft"},
        {"deflection", [](ReportInput &in) { in.deflection = 2.54; }, 13, "     1.0", "in"},
        {"weight",
         [](ReportInput &in) {
             in.mass = 100;
             in.width = 1;
         },
         16, "    20.5", "lb/ft²"},
        {"length", [](ReportInput &in) { in.sspLength = 0.304799 * 40; }, 18, "   40.00", "ft"},
        {"quantity in net tons", [](ReportInput &in) { in.steelMassTotal = 10000; }, 20, "    11.0",
         "net t"},
        {"front loss in whole mils",
         [](ReportInput &in) { in.lossFrontText = QStringLiteral("39"); }, 26, "      39", "mils"},
        {"total loss from the mils", [](ReportInput &in) { in.lossTotalMils = 79; }, 31, "      79",
         "mils"},
        {"service life keeps its years", [](ReportInput &in) { (void)in; }, 22, "      50",
         "years"},
    };
    for (const ValueCase &c : cases) {
        ReportInput in = fullDesign();
        in.metric = false;
        in.lossFrontText = QStringLiteral("49");
        in.lossBackText = QStringLiteral("49");
        c.change(in);
        const ReportTable t = tableOf(in);
        const ReportRow &r = t[static_cast<size_t>(c.row - 1)];
        EXPECT_EQ(r.value, QString::fromUtf8(c.value)) << c.name;
        EXPECT_EQ(r.unit, QString::fromUtf8(c.unit)) << c.name;
    }
}

TEST(Report, NumbersUseTheUsersDecimalSeparator)
{
    ReportInput in = fullDesign();
    in.decimal = QLatin1Char(',');
    in.lossFrontText = QStringLiteral("1,25");
    in.lossBackText = QStringLiteral("0,5");
    const ReportTable t = tableOf(in);
    EXPECT_EQ(t[2].value, QStringLiteral("   150,0"));
    EXPECT_EQ(t[25].value, QStringLiteral("    1,25"));
    EXPECT_EQ(t[29].value, QStringLiteral("    0,50"));
}

struct EnvironmentCase
{
    const char *name;
    const char *front, *back;
    const char *frontShown, *backShown;
};

TEST(Report, ProjectRateDescriptions)
{
    const EnvironmentCase cases[] = {
        {"untouched", "describe_environment_front ", "describe_environment_back", "user defined ",
         "user defined "},
        {"emptied", "", "", "user defined ", "user defined "},
        {"written", "Harbour basin", "Backfill sand", "Harbour basin", "Backfill sand"},
        {"the initial text inside", "x describe_environment_front y", "describe_environment_backs",
         "user defined ", "user defined "},
        // Each face is matched with its own initial text only.
        {"the other face's text", "describe_environment_back", "describe_environment_front",
         "describe_environment_back", "describe_environment_front"},
    };
    for (const EnvironmentCase &c : cases) {
        ReportInput in = fullDesign();
        in.serviceLifeEnabled = false;
        in.projectRates = true;
        in.descriptionFront = QString::fromUtf8(c.front);
        in.descriptionBack = QString::fromUtf8(c.back);
        const ReportTable t = tableOf(in);
        EXPECT_EQ(t[23].value, QString::fromUtf8(c.frontShown)) << c.name;
        EXPECT_EQ(t[27].value, QString::fromUtf8(c.backShown)) << c.name;
    }
}

struct ErrorCase
{
    const char *name;
    std::function<void(ReportInput &)> change;
    const char *error; // empty: the table is built
};

TEST(Report, TextsThatAreNotNumbersStopTheReport)
{
    const ErrorCase cases[] = {
        {"front loss N/A", [](ReportInput &in) { in.lossFrontText = QStringLiteral(" N/A "); },
         "' N/A ' is not a valid floating point value"},
        {"back loss N/A", [](ReportInput &in) { in.lossBackText = QStringLiteral(" N/A "); },
         "' N/A ' is not a valid floating point value"},
        {"back loss N/A without any loss",
         [](ReportInput &in) {
             in.lossTotal = 0;
             in.lossBackText = QStringLiteral(" N/A ");
         },
         "' N/A ' is not a valid floating point value"},
        {"service life", [](ReportInput &in) { in.serviceLifeText = QStringLiteral("x"); },
         "'x' is not a valid integer value"},
        {"protection", [](ReportInput &in) { in.protectionBackText = QStringLiteral("2.5"); },
         "'2.5' is not a valid integer value"},
        {"service life unused with project rates",
         [](ReportInput &in) {
             in.serviceLifeEnabled = false;
             in.projectRates = true;
             in.serviceLifeText = QStringLiteral("x");
         },
         ""},
        {"service life unused without loss",
         [](ReportInput &in) {
             in.lossTotal = 0;
             in.serviceLifeText = QStringLiteral("x");
         },
         ""},
    };
    for (const ErrorCase &c : cases) {
        ReportInput in = fullDesign();
        c.change(in);
        const pc::ReportBuild b = pc::buildReportTable(in);
        EXPECT_EQ(b.error, QString::fromUtf8(c.error)) << c.name;
        EXPECT_EQ(b.table.has_value(), b.error.isEmpty()) << c.name;
    }
}

TEST(Report, CellsHoldAtMost255Characters)
{
    ReportInput in = fullDesign();
    in.serviceLifeEnabled = false;
    in.projectRates = true;
    in.descriptionFront = QString(300, QLatin1Char('d'));
    in.reductionFactorItem = QString(300, QLatin1Char('r'));
    const ReportTable t = tableOf(in);
    EXPECT_EQ(t[23].value, QString(255, QLatin1Char('d')));
    EXPECT_EQ(t[31].label.size(), 255);
}

TEST(Report, TheTextFile)
{
    ReportInput in = fullDesign();
    in.lossTotal = 0;
    in.welRed = in.welIni;
    in.steelMassTotal = 0;
    in.width = 0;
    in.sfIni = 0;
    const QByteArray bytes =
        pc::reportFileBytes(tableOf(in), QStringLiteral(" Version 2.5.0 - September 2013 "),
                            QStringLiteral("2013-09-30"));
    const QByteArray expected =
        " Pilecorr.    Version 2.5.0 - September 2013      \r\n"
        "\r\n"
        " Results to be checked by a qualified engineer before use.          2013-09-30\r\n"
        "_________________________________________________________________________\r\n"
        "\r\n"
        "\r\n"
        " Section :                                 QZ 18 \r\n"
        "\r\n"
        " Section modulus Wel,ini  :                 1800 cm\xb3/m\r\n"
        "\r\n"
        " Steel area A_ini :                        150.0 cm\xb2/m\r\n"
        "\r\n"
        " Steel grade :                        S 355 GP (s \r\n"
        "\r\n"
        " Yield strength:                             355 MPa\r\n"
        "\r\n";
    EXPECT_EQ(bytes.toStdString(), expected.toStdString());
}

TEST(Report, LongValuesAreNotCutInTheFile)
{
    ReportInput in = fullDesign();
    in.welRed = 0;
    const QByteArray bytes = pc::reportFileBytes(tableOf(in), QString(40, QLatin1Char('v')),
                                                 QStringLiteral("30.09.2013"));
    // The version is cut at 31 characters and the line filled to 50.
    EXPECT_TRUE(bytes.startsWith(" Pilecorr.   " + QByteArray(31, 'v') + "      \r\n"));
    EXPECT_TRUE(bytes.contains(
        "\r\n Safety factor Sf,red:                N/A (no reduced section properties for this "
        "loss of thickness) \r\n"));
}

TEST(Report, Windows1252)
{
    EXPECT_EQ(pc::windows1252(QStringLiteral("cm³ ² € é \u0100 \u2014")),
              QByteArray("cm\xb3 \xb2 \x80 \xe9 ? \x97"));
}

// Text metrics of the layout tests: a blank is 4 pixels, any other
// character 18, at 9 points; scaled by the point size; 4 pixels per point
// high.
pc::PageMetrics testPage(int dpi, int width, int height)
{
    pc::PageMetrics m;
    m.dpi = dpi;
    m.width = width;
    m.height = height;
    m.textWidth = [](const QString &t, const pc::ReportFont &f) {
        int units = 0;
        for (const QChar c : t)
            units += c == QLatin1Char(' ') ? 4 : 18;
        return static_cast<int>(units * f.pointSize / 9);
    };
    m.textHeight = [](const QString &, const pc::ReportFont &f) {
        return static_cast<int>(4 * f.pointSize);
    };
    return m;
}

const pc::PageText *findText(const pc::PageLayout &page, const QString &text)
{
    for (const pc::PageText &t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

struct PlacedText
{
    const char *name;
    QString text;
    int x, y;
    double size;
    bool bold;
};

TEST(Report, ThePrintedPageAt300Dpi)
{
    ReportInput in = fullDesign();
    in.welRed = 0;
    const pc::PageLayout page = pc::reportPageLayout(
        tableOf(in), testPage(300, 2480, 3508), QStringLiteral(" Version 2.5.0 - September 2013 "),
        QStringLiteral("2013-09-30 , 12:00:00"));
    // mx 207, my 155, right 2273, bottom 3353, g 31.
    ASSERT_EQ(page.rules.size(), 2u);
    EXPECT_EQ(page.rules[0].x1, 207);
    EXPECT_EQ(page.rules[0].y1, 155);
    EXPECT_EQ(page.rules[0].x2, 2273);
    EXPECT_EQ(page.rules[0].y2, 155);
    EXPECT_EQ(page.rules[1].y1, 3384);
    EXPECT_EQ(page.rules[1].y2, 3384);
    EXPECT_EQ(page.rules[1].penWidth, 5);
    // Body: line height 61 from y 421; value column ends at 207 + 550 + 144.
    const PlacedText placed[] = {
        {"notice", pc::ReportNoticeLine, 227, 93, 10, false},
        {"version right-aligned", QStringLiteral(" Version 2.5.0 - September 2013 "), 1724, 3415,
         10, false},
        {"date and time", QStringLiteral("2013-09-30 , 12:00:00"), 227, 3415, 10, false},
        {"title centred", QStringLiteral("PILECORR"), 1144, 299, 12, true},
        {"first label", QStringLiteral(" Section : "), 207, 421, 9, false},
        {"short value right-aligned", QStringLiteral("     QZ 18"), 805, 421, 9, false},
        {"unit column", QStringLiteral("cm³/m"), 931, 482, 9, false},
        {"long value from the column minus eight w", pc::ReportNoReducedSectionText, 757,
         421 + 61 * 9, 9, false},
    };
    for (const PlacedText &p : placed) {
        const pc::PageText *t = findText(page, p.text);
        ASSERT_NE(t, nullptr) << p.name;
        EXPECT_EQ(t->x, p.x) << p.name;
        EXPECT_EQ(t->y, p.y) << p.name;
        EXPECT_EQ(t->font.pointSize, p.size) << p.name;
        EXPECT_EQ(t->font.bold, p.bold) << p.name;
    }
    // 28 rows are output (rows 4 to 8 are not), each with its label.
    int labels = 0;
    for (const pc::PageText &t : page.texts)
        labels += t.x == 207 ? 1 : 0;
    EXPECT_EQ(labels, 28);
}

TEST(Report, ThePageScalesWithTheResolution)
{
    const pc::PageLayout page = pc::reportPageLayout(
        tableOf(fullDesign()), testPage(600, 4960, 7016), QStringLiteral("v"), QStringLiteral("d"));
    // mx 413, my 310, g 62; the pen and the insets double.
    ASSERT_EQ(page.rules.size(), 2u);
    EXPECT_EQ(page.rules[0].penWidth, 10);
    EXPECT_EQ(page.rules[0].x1, 413);
    EXPECT_EQ(page.rules[0].y1, 310);
    const pc::PageText *notice = findText(page, pc::ReportNoticeLine);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->x, 453);
    EXPECT_EQ(notice->y, 186);
    const pc::PageText *version = findText(page, QStringLiteral("v"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->x, 4960 - 413 - 6 - 18 * 10 / 9);
}

} // namespace
