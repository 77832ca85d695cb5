#include "case_row.h"
#include "engine/summary_grid.h"

#include "units/format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using pc::Extended;

TEST(SummaryGrid, CellTextsInBothSearchModes)
{
    struct Case
    {
        bool sfmin;
        Extended sf;
        const char *expected;
    };
    // Section mode: a number from 1 to 20; Sfmin mode: a number within the
    // band 1.50 .. 2.60, both bounds included.
    const Case cases[] = {
        {false, 0, "  ---- "},
        {false, pc::roundToHundredths(0.95L), "  ---- "},
        {false, pc::roundToHundredths(0.994L), "  ---- "},
        {false, pc::roundToHundredths(1.0L), "  1.00"},
        {false, pc::roundToHundredths(1.625L), "  1.62"},
        {false, pc::roundToHundredths(20.0L), " 20.00"},
        {false, pc::roundToHundredths(20.01L), " > 20"},
        {true, pc::roundToHundredths(1.49L), "  ---- "},
        {true, pc::roundToHundredths(1.50L), "  1.50"},
        {true, pc::roundToHundredths(2.60L), "  2.60"},
        {true, pc::roundToHundredths(2.61L), "  ---- "},
        {true, pc::roundToHundredths(23.4L), "  ---- "},
        {true, 0, "  ---- "},
    };
    for (const Case &c : cases) {
        pc::SummaryCellTexts texts('.', c.sfmin, pc::roundToHundredths(1.5L),
                                   pc::roundToHundredths(2.6L));
        EXPECT_EQ(texts.text(c.sf), QString::fromLatin1(c.expected))
            << (c.sfmin ? "Sfmin mode, " : "section mode, ") << static_cast<double>(c.sf);
    }
}

// The texts are made once per hundredth; every factor must still read as
// "%6.2f" writes it, in the user's notation, also one that is not a whole
// number of hundredths.
TEST(SummaryGrid, CachedTextsReadAsFormatted)
{
    for (QChar decimal : {QLatin1Char('.'), QLatin1Char(',')}) {
        pc::SummaryCellTexts texts(decimal, true, 0, 1e6L);
        for (int n = 0; n < 5000; n += 7) {
            const Extended sf = pc::roundToHundredths(n / 100.0L);
            ASSERT_EQ(texts.text(sf), pc::format(decimal, "%6.2f", {sf})) << n;
            ASSERT_EQ(texts.text(sf), pc::format(decimal, "%6.2f", {sf})) << n << " again";
        }
        EXPECT_EQ(texts.text(1.234L), pc::format(decimal, "%6.2f", {1.234L}));
        EXPECT_EQ(texts.text(1.236L), pc::format(decimal, "%6.2f", {1.236L}));
        EXPECT_EQ(texts.text(123456.78L), pc::format(decimal, "%6.2f", {123456.78L}));
    }
}

// A cell's text found by its hundredths is the text of the factor computed
// on its own, for every stress a grid meets: within and beyond the kept
// hundredths, on the band's bounds, without a stress and on damaged numbers,
// one writer serving cell after cell as a fill does.
TEST(SummaryGrid, TextOfAStressIsTheTextOfItsFactor)
{
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    struct Mode
    {
        const char *name;
        QChar decimal;
        bool sfmin;
        Extended sfMin, sfMax;
    };
    const Mode modes[] = {
        {"section mode", '.', false, 0, 0},
        {"section mode, comma", ',', false, 0, 0},
        {"Sfmin band 1.50 .. 2.60", '.', true, pc::roundToHundredths(1.5L),
         pc::roundToHundredths(2.6L)},
        {"Sfmin band up to far beyond the kept hundredths", ',', true, 0, 1e9L},
    };
    struct Cell
    {
        const char *name;
        double fy;
        Extended stress;
    };
    const Cell cells[] = {
        {"factor 1.00", 355, 355},
        {"factor on the lower bound", 355, 355 / 1.5L},
        {"factor on the upper bound", 260, 100},
        {"factor just above the upper bound", 261, 100},
        {"tie of hundredths", 1.625, 1},
        {"factor above 20", 355, 10},
        {"factor beyond the kept hundredths", 355, 0.01L},
        {"a kept factor after one beyond them", 355, 100},
        {"no stress", 355, 0},
        {"negative stress", 355, -3},
        {"infinite stress", 355, inf},
        {"stress not a number", 355, nan},
        {"strength not a number", std::numeric_limits<double>::quiet_NaN(), 100},
        {"infinite strength", std::numeric_limits<double>::infinity(), 100},
        {"zero strength", 0, 100},
        {"negative strength", -355, 100},
    };
    for (const Mode &m : modes) {
        pc::SummaryCellTexts byHundredths(m.decimal, m.sfmin, m.sfMin, m.sfMax);
        pc::SummaryCellTexts byFactor(m.decimal, m.sfmin, m.sfMin, m.sfMax);
        // Twice over, so that the second round reads what the first kept.
        for (int round = 0; round < 2; ++round) {
            for (const Cell &c : cells)
                EXPECT_EQ(byHundredths.textOfStress(c.fy, c.stress),
                          byFactor.text(pc::factorOfStress(c.fy, c.stress)))
                    << m.name << ", " << c.name << ", round " << round;
            // A sweep over the stresses of a grid's factors up to 40.
            for (int i = 1; i <= 4000; ++i) {
                const Extended stress = 355.0L / (i / 100.0L + 0.003L * (i % 3));
                ASSERT_EQ(byHundredths.textOfStress(355, stress),
                          byFactor.text(pc::factorOfStress(355, stress)))
                    << m.name << ", stress " << static_cast<double>(stress);
            }
        }
    }
}

TEST(SummaryGrid, GradeHeaders)
{
    EXPECT_EQ(pc::summaryGradeHeader(QStringLiteral("S 355 GP")), QStringLiteral(" S 355 GP "));
    EXPECT_EQ(pc::summaryGradeHeader(QStringLiteral("  S 430 GP  ")), QStringLiteral(" S 430 GP "));
    EXPECT_EQ(pc::summaryGradeHeader(QStringLiteral("NVMarin S 390 GP")),
              QStringLiteral(" S 390 GP "));
    EXPECT_EQ(pc::summaryGradeHeader(QStringLiteral("NVMarin NVMarin X")), QStringLiteral(" X "));
}

TEST(SummaryGrid, ColumnsAreEveryGradeForAllAndTheGradeListOtherwise)
{
    pc::Catalogue c;
    c.GradeName = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                   QStringLiteral("D")};
    const std::vector<int8_t> map = {1, 3, 0, 0};
    EXPECT_EQ(pc::summaryGradeColumns(c, 0, map, 2), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(pc::summaryGradeColumns(c, 1, map, 2), (std::vector<int>{1, 3}));
    EXPECT_EQ(pc::summaryGradeColumns(c, 2, map, 0), (std::vector<int>{}));
}

TEST(SummaryGrid, MarksOfGradesThatAreNotPlainlyAvailable)
{
    const QString cell = QStringLiteral("  1.50");
    EXPECT_EQ(pc::summaryCellMark(0, cell)->text, QStringLiteral("  (*)"));
    EXPECT_EQ(pc::summaryCellMark(2, cell)->text, QStringLiteral("  1.50**"));
    EXPECT_EQ(pc::summaryCellMark(3, cell)->text, QStringLiteral("  1.50***"));
    EXPECT_FALSE(pc::summaryCellMark(1, cell));
}

TEST(SummaryGrid, LegendListsTheMarksThatOccurAndSetsTheMaximumHeight)
{
    pc::Catalogue c;
    c.Availability = {{1, 2, 1}, {1, 1, 3}, {0, 1, 1}};
    const QString lack = QStringLiteral("(*)  steel grade not available for this section\r\n");
    const QString request =
        QStringLiteral("(**)  steel grade available on request. Restrictions apply \r\n");
    const QString contact = QStringLiteral("(***)  please contact the technical department \r\n");
    struct Case
    {
        int first, last;
        std::vector<int> grades;
        QString legend;
    };
    const Case cases[] = {
        {0, 2, {0, 1, 2}, lack + request + contact},
        {0, 1, {0, 1, 2}, request + contact},
        {0, 1, {0, 2}, contact},   // the column rule decides which codes are seen
        {1, 1, {0, 1}, QString()}, // code 1 adds nothing
        {2, 2, {0}, lack},
        {3, 2, {0, 1, 2}, QString()}, // no rows
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, k));
        const QString legend = pc::summaryLegend(c, k.first, k.last, k.grades);
        EXPECT_EQ(legend, k.legend) << k.first << ".." << k.last;
        EXPECT_EQ(pc::summaryMaxHeight(legend), k.legend.isEmpty() ? 390 : 330);
    }
}

TEST(SummaryGrid, Captions)
{
    const QString lo = QStringLiteral("1.50");
    const QString hi = QStringLiteral("10.00");
    EXPECT_EQ(pc::summaryCaption(false, true, lo, hi), QStringLiteral(" Sf,ini >=  1.00 "));
    EXPECT_EQ(pc::summaryCaption(false, false, lo, hi), QStringLiteral(" Sf,red >=  1.00 "));
    EXPECT_EQ(pc::summaryCaption(true, true, lo, hi), QStringLiteral("1.50  =< Sf,ini =<  10.00"));
    EXPECT_EQ(pc::summaryCaption(true, false, lo, hi), QStringLiteral("1.50  =< Sf,red =<  10.00"));
}

TEST(SummaryGrid, SfRedOnlyForALossThatChangesTheSectionWithinTheTables)
{
    EXPECT_TRUE(pc::summarySfRedAvailable(1000, 950, 1.5, 4));
    EXPECT_TRUE(pc::summarySfRedAvailable(1000, 800, 4, 4));     // at the largest step
    EXPECT_FALSE(pc::summarySfRedAvailable(1000, 0, 4.01, 4));   // beyond the tables
    EXPECT_FALSE(pc::summarySfRedAvailable(1000, 1000, 0, 4));   // no loss
    EXPECT_FALSE(pc::summarySfRedAvailable(1000, 1000, 0.2, 4)); // the loss changes nothing
    EXPECT_TRUE(pc::summarySfRedAvailable(1000, 0, 3, 4));       // no reduced section
}

int sevenPerCharacter(const QString &text)
{
    return 7 * static_cast<int>(text.size());
}

TEST(SummaryGrid, LayoutAtTwoScreenScales)
{
    const std::vector<QString> names = {QStringLiteral("QZ 12"), QStringLiteral("QZ 26-700**")};
    const std::vector<QString> headers = {QStringLiteral(" S 240 GP "), QStringLiteral(" B ")};

    // 96 pixels per inch: rows max(19, 9 + 10); header 19 + 5; the longer
    // name 77 + 15 = 92; a header 70 x 1.1 = 77, a short one at least 60.
    // 3 rows x 1 pen + 2 x 19 + 24 + 1 (the columns end well inside 616).
    pc::SummaryGridLayout l =
        pc::summaryGridLayout(1.0L, 9, names, headers, 616, sevenPerCharacter);
    EXPECT_EQ(l.rowHeight, 19);
    EXPECT_EQ(l.headerHeight, 24);
    EXPECT_EQ(l.nameColumnWidth, 92);
    EXPECT_EQ(l.gradeColumnWidths, (std::vector<int>{77, 60}));
    EXPECT_EQ(l.height, 3 + 38 + 24 + 1);

    // 120 pixels per inch: rows max(round(23.75), round(9 + 12.5)) = 24;
    // header 24 + round(6.25); names at least round(62.5) = 62 (ties to even).
    l = pc::summaryGridLayout(1.25L, 9, {QStringLiteral("A")}, headers, 616, sevenPerCharacter);
    EXPECT_EQ(l.rowHeight, 24);
    EXPECT_EQ(l.headerHeight, 30);
    EXPECT_EQ(l.nameColumnWidth, 62);
    EXPECT_EQ(l.gradeColumnWidths, (std::vector<int>{77, 75}));
    EXPECT_EQ(l.height, 2 + 24 + 30 + 1);

    // Columns that do not end 20 pixels inside the grid leave room for a
    // horizontal scroll bar: 1 + 92 + 78 + 61 = 232 is not left of 250 - 20.
    l = pc::summaryGridLayout(1.0L, 9, names, headers, 250, sevenPerCharacter);
    EXPECT_EQ(l.height, 3 + 38 + 24 + 20);
    l = pc::summaryGridLayout(1.0L, 9, names, headers, 253, sevenPerCharacter);
    EXPECT_EQ(l.height, 3 + 38 + 24 + 1);
}

TEST(SummaryGrid, DescriptionsCentredBelowTheirCaptions)
{
    // round(((22 + 15) + 137 - 13) / 2 - 30 / 2) = round(65.5) = 66.
    EXPECT_EQ(pc::centredDescriptionTop(22, 15, 137, 30, 1.0L), 66);
    // At 120 pixels per inch: round((37 + 137 - 16.25) / 2 - 7.5) = round(71.375) = 71.
    EXPECT_EQ(pc::centredDescriptionTop(22, 15, 137, 15, 1.25L), 71);
}

TEST(SummaryGrid, WrappedLabelHeight)
{
    // 7 pixels a character, lines of 15 pixels, at most 90 pixels wide.
    auto h = [](const QString &text, int maxHeight = 90) {
        return pc::wrappedTextHeight(text, 70, 15, maxHeight, sevenPerCharacter);
    };
    EXPECT_EQ(h(QString()), 15);
    EXPECT_EQ(h(QStringLiteral("ten chars")), 15);
    EXPECT_EQ(h(QStringLiteral("ten chars ten chars")), 30);
    EXPECT_EQ(h(QStringLiteral("averyveryverylongword")), 15); // a word keeps its line
    EXPECT_EQ(h(QStringLiteral("a\nb\nc")), 45);
    EXPECT_EQ(h(QStringLiteral("a b c d e f g h i j k l m n o p q r s t u v w x y z a b c"), 30),
              30);
}

} // namespace
