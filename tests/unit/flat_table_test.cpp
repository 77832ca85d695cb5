#include "catalogue/flat_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using pc::FlatTable;

TEST(FlatTable, RowsAfterRowsInOneBlock)
{
    FlatTable<double> t{{1, 2, 3}, {4, 5, 6}};
    ASSERT_EQ(t.size(), 2u);
    ASSERT_EQ(t.columns(), 3u);
    EXPECT_EQ(t[1][0], 4);
    EXPECT_EQ(t.data()[4], 5);
    t[0][2] = 9;
    EXPECT_EQ(t.data()[2], 9);
    double sum = 0;
    for (const auto row : t)
        for (double v : row)
            sum += v;
    EXPECT_EQ(sum, 1 + 2 + 9 + 4 + 5 + 6);
}

TEST(FlatTable, RowOfAnotherLengthIsRefusedAndTheTableKept)
{
    FlatTable<double> t{{1, 2}};
    EXPECT_THROW(t.push_back({3.0}), std::length_error);
    EXPECT_THROW(t.assignRows({{1, 2}, {3}}), std::length_error);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0][1], 2);
}

TEST(FlatTable, CopiesAreIndependent)
{
    FlatTable<int> a{{1, 2}, {3, 4}};
    FlatTable<int> b = a;
    b[1][1] = 40;
    EXPECT_EQ(a[1][1], 4);
    b.resizeForOverwrite(3, 1);
    EXPECT_EQ(b.size(), 3u);
    EXPECT_EQ(b.columns(), 1u);
    EXPECT_EQ(a.size(), 2u);
}

} // namespace
