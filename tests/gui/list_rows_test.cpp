// The section list's model tells its view only what a refill changed, and
// the list in the window follows the program's items and selection through it.

#include "gui_fixture.h"
#include "list_rows.h"

#include <QListView>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using pc::gui::ListRows;
using pc::test::GuiRun;

// Every change the model reported, in order, as "changed 2-3",
// "inserted 4-5", "removed 1-1" or "reset".
class ChangeLog
{
public:
    explicit ChangeLog(ListRows &m)
    {
        QObject::connect(&m, &ListRows::dataChanged,
                         [this](const QModelIndex &a, const QModelIndex &b) {
                             add("changed", a.row(), b.row());
                         });
        QObject::connect(&m, &ListRows::rowsInserted,
                         [this](const QModelIndex &, int a, int b) { add("inserted", a, b); });
        QObject::connect(&m, &ListRows::rowsRemoved,
                         [this](const QModelIndex &, int a, int b) { add("removed", a, b); });
        QObject::connect(&m, &ListRows::modelReset, [this] { entries.push_back("reset"); });
    }
    std::vector<std::string> entries;

private:
    void add(const char *what, int a, int b)
    {
        entries.push_back(std::string(what) + ' ' + std::to_string(a) + '-' + std::to_string(b));
    }
};

QStringList shown(const ListRows &m)
{
    QStringList out;
    for (int i = 0; i < m.rowCount(); ++i)
        out << m.data(m.index(i), Qt::DisplayRole).toString();
    return out;
}

TEST(ListRows, ARefillTellsOnlyTheRowsThatChanged)
{
    struct Case
    {
        const char *name;
        QStringList before;
        QStringList after;
        std::vector<std::string> changes;
    };
    const QStringList abcd = {"a", "b", "c", "d"};
    const Case cases[] = {
        {"the same rows again", abcd, abcd, {}},
        {"one row in the middle", abcd, {"a", "x", "c", "d"}, {"changed 1-1"}},
        {"two runs of changed rows", abcd, {"x", "y", "c", "z"}, {"changed 0-1", "changed 3-3"}},
        {"rows added at the end", {"a", "b"}, abcd, {"inserted 2-3"}},
        {"rows taken from the end", abcd, {"a"}, {"removed 1-3"}},
        {"a changed row and fewer rows", abcd, {"a", "x"}, {"changed 1-1", "removed 2-3"}},
        {"a changed row and more rows",
         {"a", "b"},
         {"x", "b", "c"},
         {"changed 0-0", "inserted 2-2"}},
        {"the first rows into an empty list", {}, {"a", "b"}, {"inserted 0-1"}},
        {"every row taken away", abcd, {}, {"removed 0-3"}},
        {"an empty list stays empty", {}, {}, {}},
        {"a row only blank at its end", {"a", "b"}, {"a", "b "}, {"changed 1-1"}},
    };
    for (const Case &c : cases) {
        ListRows m;
        m.setRows(c.before);
        ChangeLog log(m);
        m.setRows(c.after);
        EXPECT_EQ(log.entries, c.changes) << c.name;
        EXPECT_EQ(m.rows(), c.after) << c.name;
        EXPECT_EQ(shown(m), c.after) << c.name;
    }
}

// In the window: a refill that changes one row of sixty redraws that row
// only, the selected row stays selected and in sight, and fewer rows with
// nothing selected leave the view with those rows and no selection.
TEST(ListRows, TheSectionListFollowsTheProgramsRowsAndSelection)
{
    GuiRun r;
    auto *list = r.widget<QListView>(r.f.LB_SSP);
    ASSERT_NE(list, nullptr);
    auto *rows = qobject_cast<ListRows *>(list->model());
    ASSERT_NE(rows, nullptr);

    QStringList sixty;
    for (int i = 0; i < 60; ++i)
        sixty << QStringLiteral(" row %1\t%2").arg(i).arg(i * 10);
    r.f.LB_SSP.setItems(sixty);
    r.f.LB_SSP.setItemIndex(50);
    r.session->afterUserAction();
    ASSERT_EQ(rows->rows(), sixty);

    QStringList changed = sixty;
    changed[10] = QStringLiteral(" row ten\t100");
    ChangeLog log(*rows);
    // As a refill does it: cleared first, then the new rows and selection.
    r.f.LB_SSP.clearItems();
    r.f.LB_SSP.setItems(changed);
    r.f.LB_SSP.setItemIndex(50);
    r.session->afterUserAction();
    EXPECT_EQ(log.entries, std::vector<std::string>{"changed 10-10"});
    EXPECT_EQ(shown(*rows), changed);
    EXPECT_EQ(list->currentIndex().row(), 50);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(50));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(rows->index(50))));

    const QStringList three = {" a", " b", " c"};
    r.f.LB_SSP.setItems(three);
    r.session->afterUserAction();
    EXPECT_EQ(shown(*rows), three);
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    EXPECT_FALSE(list->currentIndex().isValid());
}

} // namespace
