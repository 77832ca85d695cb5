// Clicks and focus moves that run handlers on the way: the row or tab under
// the pointer when the button goes down is the one chosen, whatever leaving
// the focused field does to the list or the tabs, and the window's focus
// stays where the program put it while the window is not active.

#include "gui_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace pc;
using pc::test::GuiRun;

namespace {

// Runs `extra` after the handler the program bound to `slot`.
void after(std::function<void()> &slot, std::function<void()> extra)
{
    slot = [first = slot, extra = std::move(extra)] {
        if (first)
            first();
        extra();
    };
}

} // namespace

TEST(GuiClickFocus, ASectionClickedAfterAnEditIsTheRowUnderThePointerThoughLeavingScrollsTheList)
{
    GuiRun r;
    QStringList rows;
    for (int i = 0; i < 60; ++i)
        rows << QStringLiteral(" row %1").arg(i);
    r.f.LB_SSP.setItems(rows);
    r.f.LB_SSP.setItemIndex(0);
    r.session->afterUserAction();
    // Leaving the load selects a row far down, as a search refill selecting
    // the remembered section does; the list scrolls to it.
    after(r.f.Edit_Load.onExit, [&r] { r.f.LB_SSP.setItemIndex(50); });
    int picks = 0;
    r.f.LB_SSP.onClick = [&picks] { ++picks; };
    r.widget(r.f.Edit_Load)->setFocus();
    ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);

    auto *list = r.widget<QListView>(r.f.LB_SSP);
    const QPoint third = list->visualRect(list->model()->index(2, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);

    EXPECT_EQ(r.f.LB_SSP.itemIndex(), 2);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(r.f.focused(), &r.f.LB_SSP);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentIndex().row(), 2);
}

TEST(GuiClickFocus, ATabClickedWhileLeavingAFieldHidesATabBeforeItOpensThePageOfTheTabClicked)
{
    GuiRun r;
    r.f.TabSheetSFTable.setTabVisible(true);
    r.f.TabSheetChart.setTabVisible(true);
    r.session->afterUserAction();
    after(r.f.Edit_Load.onExit, [&r] { r.f.TabSheetSFTable.setTabVisible(false); });
    r.widget(r.f.Edit_Load)->setFocus();
    ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);

    QTabBar *bar = r.widget<QTabWidget>(r.f.PageControl1)->tabBar();
    const QPoint rates = bar->tabRect(form::MainForm::PageRates).center();
    QTest::mouseClick(bar, Qt::LeftButton, {}, rates);

    EXPECT_FALSE(r.f.TabSheetSFTable.tabVisible());
    EXPECT_EQ(r.f.PageControl1.activePageIndex(), form::MainForm::PageRates);
    EXPECT_EQ(r.widget<QTabWidget>(r.f.PageControl1)->currentIndex(), form::MainForm::PageRates);
    // The tab that slid under the pointer is not opened afterwards either.
    QCoreApplication::processEvents();
    EXPECT_EQ(r.f.PageControl1.activePageIndex(), form::MainForm::PageRates);
}

TEST(GuiClickFocus, WhileTheWindowIsInactiveTheFocusTheProgramMovesIsTheOneItGetsBack)
{
    struct Case
    {
        const char *name;
        bool disableTheFieldLeft; // the toolkit would move its focus on by itself
    };
    const Case cases[] = {{"moved", false}, {"moved from a field then disabled", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GuiRun r;
        r.widget(r.f.Edit_Load)->setFocus();
        ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);
        int loadEnters = 0, momentExits = 0, momentEnters = 0;
        after(r.f.Edit_Load.onEnter, [&] { ++loadEnters; });
        after(r.f.Edit_Moment.onExit, [&] { ++momentExits; });
        after(r.f.Edit_Moment.onEnter, [&] { ++momentEnters; });

        // Another window is active (a message box, a window clicked).
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 2000));
        ASSERT_FALSE(r.window().isActiveWindow());

        // Meanwhile the program moves its focus, as a handler may.
        if (c.disableTheFieldLeft)
            r.f.Edit_Load.setEnabled(false);
        r.f.setFocus(&r.f.Edit_Moment);
        r.session->afterUserAction();
        ASSERT_EQ(momentEnters, 1);

        other.hide();
        r.activate();
        ASSERT_TRUE(r.window().isActiveWindow());
        QCoreApplication::processEvents();

        EXPECT_EQ(r.f.focused(), &r.f.Edit_Moment);
        EXPECT_TRUE(r.widget(r.f.Edit_Moment)->hasFocus());
        EXPECT_EQ(momentEnters, 1);
        EXPECT_EQ(momentExits, 0);
        EXPECT_EQ(loadEnters, 0);
    }
}

TEST(GuiClickFocus, AClickOnTheShownPagesTabTakesTheFocusFromTheFieldOnThatPage)
{
    GuiRun r;
    auto *load = r.widget<QLineEdit>(r.f.Edit_Load);
    load->setFocus();
    ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);
    int loadEnters = 0;
    after(r.f.Edit_Load.onEnter, [&] { ++loadEnters; });

    QTabBar *bar = r.widget<QTabWidget>(r.f.PageControl1)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(bar->currentIndex()).center());
    ASSERT_EQ(r.f.focused(), &r.f.PageControl1);
    // The field lies inside the page control's widget, yet it no longer has
    // the focus: the tab bar has it.
    EXPECT_FALSE(load->hasFocus());
    EXPECT_TRUE(bar->hasFocus());

    // Nor does it get it back when the window is activated again.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 2000));
    other.hide();
    r.activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.f.focused(), &r.f.PageControl1);
    EXPECT_EQ(loadEnters, 0);
}

TEST(GuiClickFocus, TheFocusInAWindowOwnedByTheMainWindowIsNotTheMainWindowsFocus)
{
    GuiRun r;
    r.widget(r.f.Edit_Load)->setFocus();
    ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);
    int loadExits = 0;
    after(r.f.Edit_Load.onExit, [&] { ++loadExits; });

    // The about box belongs to the main window; its button takes the focus.
    r.f.userClick(r.f.MenuAbout);
    r.session->afterUserAction();
    QWidget &about = r.session->aboutWindow();
    ASSERT_FALSE(about.isHidden());
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about, 2000));
    QTRY_VERIFY_WITH_TIMEOUT(
        QApplication::focusWidget() && QApplication::focusWidget()->window() == &about, 2000);

    EXPECT_EQ(r.f.focused(), &r.f.Edit_Load);
    EXPECT_EQ(loadExits, 0);
}

TEST(GuiClickFocus, TheWidgetAWindowFocusesWhenItIsActivatedAgainIsNoMoveOfTheUser)
{
    GuiRun r;
    r.widget(r.f.Edit_Load)->setFocus();
    ASSERT_EQ(r.f.focused(), &r.f.Edit_Load);
    int loadExits = 0, otherEnters = 0;
    after(r.f.Edit_Load.onExit, [&] { ++loadExits; });
    for (form::Control *c : r.f.controls())
        if (c != &r.f.Edit_Load && c->kind() != form::Kind::Window)
            after(c->onEnter, [&] { ++otherEnters; });

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 2000));
    // Behind the program's back the field can no longer take the focus, so
    // the window, activated again, gives it to another widget of its own
    // choosing.
    r.widget(r.f.Edit_Load)->setEnabled(false);
    other.hide();
    r.activate();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() != nullptr, 2000);
    ASSERT_NE(QApplication::focusWidget(), r.widget(r.f.Edit_Load));

    EXPECT_EQ(r.f.focused(), &r.f.Edit_Load);
    EXPECT_EQ(loadExits, 0);
    EXPECT_EQ(otherEnters, 0);
}
