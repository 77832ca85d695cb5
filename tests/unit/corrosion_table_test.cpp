// The corrosion table of an annex as one grid: its shape, texts, imperial
// cells, the look of its cells and its size in pixels.

#include "corrosion/corrosion_table.h"

#include <gtest/gtest.h>

namespace {

const QChar Dot = QLatin1Char('.');

std::vector<QString> names(const char *prefix, int n)
{
    std::vector<QString> out;
    for (int i = 0; i < n; ++i)
        out.push_back(QStringLiteral(" %1 %2").arg(QLatin1String(prefix)).arg(i));
    return out;
}

std::vector<std::vector<double>> losses(int years, int columns, double perYear)
{
    std::vector<std::vector<double>> out(static_cast<size_t>(years));
    for (int y = 0; y < years; ++y)
        for (int c = 0; c < columns; ++c)
            out[static_cast<size_t>(y)].push_back(perYear * y * (c + 1));
    return out;
}

// Six years and 3 atmospheric, 7 soil and 4 water details.
pc::Catalogue sixYears()
{
    pc::Catalogue c;
    pc::Annex a;
    a.AnnexName = QStringLiteral("Annex 6");
    a.AnnexYear = {0, 5, 25, 50, 75, 100};
    a.AtmosColName = names("air", 3);
    a.AtmosLoss = losses(6, 3, 0.125);
    a.SoilColName = names("soil", 7);
    a.SoilLoss = losses(6, 7, 0.05);
    a.WaterColName = names("water", 4);
    a.WaterLoss = losses(6, 4, 0.25);
    c.Annexes = {a};
    return c;
}

TEST(CorrosionTable, ShapeAndHeaderRows)
{
    const pc::Catalogue c = sixYears();
    const pc::CorrosionTable t = pc::corrosionTable(c, 0, QStringLiteral("Annex 6"), true, Dot);
    EXPECT_EQ(t.colCount, 7);
    EXPECT_EQ(t.rowCount, 18);
    EXPECT_EQ(t.headerRows, (std::array<int, 3>{1, 5, 13}));
    EXPECT_EQ(pc::corrosionHeaderRows(c, 0), t.headerRows);
    EXPECT_EQ(t.caption, QStringLiteral(" Annex 6 . Loss of steel thickness [mm]"));
    EXPECT_EQ(t.cell(0, 0), QStringLiteral(" Years "));
    EXPECT_EQ(t.cell(1, 0), QStringLiteral("  0"));
    EXPECT_EQ(t.cell(6, 0), QStringLiteral("  100"));
    EXPECT_EQ(t.cell(0, 1), QStringLiteral("  ****  Atmospheric  **** "));
    EXPECT_EQ(t.cell(0, 5), QStringLiteral("  ****  Soil  ****"));
    EXPECT_EQ(t.cell(0, 13), QStringLiteral("  ****  Water  ****"));
    for (int col = 1; col < 7; ++col)
        for (int row : t.headerRows)
            EXPECT_EQ(t.cell(col, row), QString()) << col << ' ' << row;
    EXPECT_EQ(t.cell(0, 2), QStringLiteral("  air 0"));
    EXPECT_EQ(t.cell(0, 12), QStringLiteral("  soil 6"));
    EXPECT_EQ(t.cell(0, 17), QStringLiteral("  water 3"));
    // Water detail 3 after 5 years (year row 1): 0.25 x 1 x 4 mm.
    EXPECT_EQ(t.cell(2, 17), QStringLiteral("  1.00"));
    EXPECT_EQ(t.cell(3, 2), QStringLiteral("  0.25"));
}

TEST(CorrosionTable, ImperialCellsInMilsFromTheMetricValues)
{
    const pc::Catalogue c = sixYears();
    const pc::CorrosionTable t =
        pc::corrosionTable(c, 0, QStringLiteral("Annex 6"), false, QLatin1Char(','));
    EXPECT_EQ(t.caption,
              QStringLiteral(" Annex 6 . Loss of steel thickness [mils] (converted from [mm])"));
    // 0.25 mm / 0.025399956 = 9.84 mils: 10.
    EXPECT_EQ(t.cell(3, 2), QStringLiteral("  10"));
    EXPECT_EQ(t.cell(2, 17), QStringLiteral("  39"));
    // The years keep their numbers, the texts theirs.
    EXPECT_EQ(t.cell(3, 0), QStringLiteral("  25"));
    EXPECT_EQ(t.cell(0, 2), QStringLiteral("  air 0"));
    EXPECT_EQ(t.cell(2, 1), QString());
}

TEST(CorrosionTable, WithoutTheAnnexOnlyTheCaptionsRemain)
{
    const pc::CorrosionTable t = pc::corrosionTable(pc::Catalogue{}, 0, QString(), true, Dot);
    EXPECT_EQ(t.caption, QStringLiteral("  . Loss of steel thickness [mm]"));
    EXPECT_EQ(t.colCount, 1);
    EXPECT_EQ(t.rowCount, 4);
    EXPECT_EQ(t.headerRows, (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(t.cell(0, 3), QStringLiteral("  ****  Water  ****"));
    EXPECT_EQ(t.cell(5, 5), QString());
}

TEST(CorrosionTable, LookOfTheCells)
{
    const std::array<int, 3> headers = {1, 5, 13};
    using L = pc::CorrosionCellLook;
    struct Case
    {
        int col, row;
        L look;
    };
    const Case cases[] = {
        {0, 0, L::Plain},        {3, 0, L::Plain},         {0, 1, L::Header}, {4, 1, L::Header},
        {0, 13, L::Header},      {6, 5, L::Header},        {0, 2, L::Plain},  {0, 17, L::Plain},
        {1, 2, L::RightAligned}, {6, 17, L::RightAligned},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pc::corrosionCellLook(headers, c.col, c.row), c.look) << c.col << ' ' << c.row;
}

TEST(CorrosionTable, LayoutFromTheTextMetrics)
{
    const pc::Catalogue c = sixYears();
    pc::CorrosionTable t = pc::corrosionTable(c, 0, QString(), true, Dot);
    const auto sevenPerChar = [](const QString &s) { return 7 * static_cast<int>(s.size()); };
    pc::CorrosionTableLayout l = pc::corrosionTableLayout(t, sevenPerChar, 15);
    EXPECT_EQ(l.defaultColWidth, 44); // "XXXXXX" + 2
    // The widest text measured is the Water header (19 characters): the
    // wider Atmospheric header of row 1 is not measured.
    EXPECT_EQ(l.firstColWidth, 7 * 19);
    EXPECT_EQ(l.gridWidth, 405);       // (133 + 6 x 44) x 1.02 = 404.94
    EXPECT_EQ(l.defaultRowHeight, 19); // 1.25 x 15 = 18.75
    EXPECT_EQ(l.gridHeight, 366);      // 18 x 19 x 1.07 = 365.94
    EXPECT_EQ(l.clientWidth, 415);
    EXPECT_EQ(l.clientHeight, 376);

    // A detail wider than 400 pixels is cut to 400; the window stays within
    // 800 x 500 pixels.
    t.cells[3][0] = QString(100, QLatin1Char('x'));
    l = pc::corrosionTableLayout(t, sevenPerChar, 30);
    EXPECT_EQ(l.firstColWidth, 400);
    EXPECT_EQ(l.gridHeight, 732); // 18 x 38 x 1.07 = 731.88
    EXPECT_EQ(l.clientWidth, 687);
    EXPECT_EQ(l.clientHeight, 500);
}

TEST(CorrosionTable, CellUnderThePointer)
{
    const std::vector<int> sizes = {10, 20};
    EXPECT_EQ(pc::gridCellAt(sizes, 1, 0), 0);
    EXPECT_EQ(pc::gridCellAt(sizes, 1, 10), 0); // the line after a cell
    EXPECT_EQ(pc::gridCellAt(sizes, 1, 11), 1);
    EXPECT_EQ(pc::gridCellAt(sizes, 1, 31), 1);
    EXPECT_EQ(pc::gridCellAt(sizes, 1, 32), -1);
    EXPECT_EQ(pc::gridCellAt(sizes, 1, -1), -1);
    EXPECT_EQ(pc::gridCellAt({}, 1, 0), -1);
}

} // namespace
