// The lists of years: protection offered for a service life, the selection
// that follows the position, and the service-life list after an annex change.

#include "corrosion/service_life.h"

#include <gtest/gtest.h>

namespace {

QStringList items(std::initializer_list<int> years)
{
    QStringList out;
    for (int y : years)
        out.append(pc::yearsItem(y));
    return out;
}

TEST(ServiceLifeLists, ItemsAndTheirYears)
{
    EXPECT_EQ(pc::yearsItem(100), QStringLiteral(" 100"));
    EXPECT_EQ(pc::yearsOfItem(QStringLiteral(" 120")), 120);
    EXPECT_EQ(pc::yearsOfItem(QString()), 0); // no selection, no years
}

TEST(ServiceLifeLists, ProtectionOffersNoMoreYearsThanTheServiceLife)
{
    const std::vector<int16_t> protection = {5, 10, 15, 20, 25, 30};
    EXPECT_EQ(pc::protectionItems(protection, 0), items({0}));
    EXPECT_EQ(pc::protectionItems(protection, 12), items({0, 5, 10}));
    EXPECT_EQ(pc::protectionItems(protection, 25), items({0, 5, 10, 15, 20, 25}));
}

TEST(ServiceLifeLists, ProtectionSelectionFollowsThePosition)
{
    EXPECT_EQ(pc::followPosition(3, 2), 1); // the list got shorter: its last item
    EXPECT_EQ(pc::followPosition(1, 2), 1);
    EXPECT_EQ(pc::followPosition(1, 6), 1); // longer again: the same position
    EXPECT_EQ(pc::followPosition(-1, 3), -1);
}

TEST(ServiceLifeLists, AnnexChange)
{
    struct Case
    {
        QStringList before;
        int selected;
        std::vector<int16_t> years;
        QStringList after;
        int selectedAfter;
    };
    const QStringList base = items({0, 25, 50, 100});
    const QStringList longer = items({0, 25, 50, 100, 120, 150});
    const Case cases[] = {
        // Years above 100 are appended in table order.
        {base, 3, {0, 5, 25, 50, 100, 120, 150}, longer, 3},
        // An annex ending at 100 removes them, and the selected one with them.
        {longer, 2, {0, 25, 50, 100}, base, 2},
        {longer, 4, {0, 25, 50, 100}, base, -1},
        // A life beyond the last year is removed; one up to it stays.
        {base, 3, {0, 10, 40}, items({0, 25}), -1},
        {base, 1, {0, 10, 40}, items({0, 25}), 1},
        // A year listed already is not appended again.
        {items({0, 25, 120}), 0, {0, 120}, items({0, 25, 120}), 0},
        // Removing an item above the selection keeps the selected item.
        {items({0, 150, 50}), 2, {0, 100}, items({0, 50}), 1},
        // Years up to 100 are never added.
        {items({0, 50}), 0, {0, 25, 75, 100}, items({0, 50}), 0},
    };
    int n = 0;
    for (const Case &c : cases) {
        const pc::ServiceLifeList l = pc::serviceLifeListForAnnex(c.before, c.selected, c.years);
        EXPECT_EQ(l.items, c.after) << "case " << n;
        EXPECT_EQ(l.selected, c.selectedAfter) << "case " << n;
        ++n;
    }
}

} // namespace
