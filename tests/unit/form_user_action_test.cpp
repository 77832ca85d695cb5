// User actions through the form: focus moves with their exit and enter
// handlers, key filter before change, pick before its event, pages.

#include "form/form.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pc::form;

namespace {

// A window with two pages: page 0 holds a group box with two edits, a combo,
// a list, a radio group, a check box and a button; page 1 holds an edit; a
// menu entry sits on the window.
class TestForm : public Form
{
public:
    TestForm() : Form(QString())
    {
        add(W, nullptr);
        add(PC, &W);
        setPageControl(PC);
        add(P0, &PC);
        add(P1, &PC);
        add(G, &P0);
        for (Control *c : {&A, &B, &CB, &LB, &RG, &ChB, &Btn})
            add(*c, &G);
        add(C, &P1);
        add(Menu, &W);
        add(MI, &Menu);
        W.setVisible(true);
        CB.setItems({QStringLiteral(" 0"), QStringLiteral(" 25")});
        LB.setItems({QStringLiteral("s1"), QStringLiteral("s2")});
        RG.setItems({QStringLiteral(" a"), QStringLiteral(" b")});
        for (Control *c : controls()) {
            const QString n = c->name();
            c->onEnter = [this, n] { log << n + QLatin1String(".enter"); };
            c->onExit = [this, n] { log << n + QLatin1String(".exit"); };
            c->onChange = [this, n, c] { log << n + QLatin1String(".change:") + c->text(); };
            c->onClick = [this, n] { log << n + QLatin1String(".click"); };
            c->onShow = [this, n] { log << n + QLatin1String(".show"); };
            c->onDropDown = [this, n] { log << n + QLatin1String(".dropdown"); };
        }
    }

    Control W{QStringLiteral("W"), Kind::Window};
    Control PC{QStringLiteral("PC"), Kind::PageControl};
    Control P0{QStringLiteral("P0"), Kind::Page};
    Control P1{QStringLiteral("P1"), Kind::Page};
    Control G{QStringLiteral("G"), Kind::GroupBox};
    Control A{QStringLiteral("A"), Kind::Edit};
    Control B{QStringLiteral("B"), Kind::Edit};
    Control CB{QStringLiteral("CB"), Kind::ComboBox};
    Control LB{QStringLiteral("LB"), Kind::ListBox};
    Control RG{QStringLiteral("RG"), Kind::RadioGroup};
    Control ChB{QStringLiteral("ChB"), Kind::CheckBox};
    Control Btn{QStringLiteral("Btn"), Kind::Button};
    Control C{QStringLiteral("C"), Kind::Edit};
    Control Menu{QStringLiteral("Menu"), Kind::Menu};
    Control MI{QStringLiteral("MI"), Kind::MenuItem};

    QStringList log;
};

QStringList L(std::initializer_list<const char *> items)
{
    QStringList l;
    for (const char *s : items)
        l << QString::fromUtf8(s);
    return l;
}

} // namespace

TEST(FormUserAction, FocusMovesRunExitsInnermostFirstThenEntersOutermostFirst)
{
    TestForm f;
    f.setFocus(&f.A);
    EXPECT_EQ(f.log, L({"W.enter", "PC.enter", "P0.enter", "G.enter", "A.enter"}));
    f.log.clear();
    f.setFocus(&f.B); // within the group: only the two edits
    EXPECT_EQ(f.log, L({"A.exit", "B.enter"}));
    f.log.clear();
    f.setFocus(&f.PC); // to a container of the focused control: no enter
    EXPECT_EQ(f.log, L({"B.exit", "G.exit", "P0.exit"}));
    f.log.clear();
    f.setFocus(&f.A); // down again from the page control
    EXPECT_EQ(f.log, L({"P0.enter", "G.enter", "A.enter"}));
    f.log.clear();
    f.setFocus(&f.A); // already there
    EXPECT_TRUE(f.log.isEmpty());
}

TEST(FormUserAction, TypingRunsTheKeyFilterBeforeEachChange)
{
    TestForm f;
    f.A.onKeyPress = [&](QChar &key) {
        f.log << QStringLiteral("A.key:") + key;
        if (key == QLatin1Char('x'))
            key = QChar(); // dropped
        else if (key == QLatin1Char(','))
            key = QLatin1Char('.'); // replaced
    };
    f.setFocus(&f.B);
    f.log.clear();
    EXPECT_EQ(f.userType(f.A, QStringLiteral("1x,5")), ActionResult::Done);
    EXPECT_EQ(f.log, L({"B.exit", "A.enter", "A.key:1", "A.change:1", "A.key:x", "A.key:,",
                        "A.change:1.", "A.key:5", "A.change:1.5"}));
    f.log.clear();
    f.userKey(f.A, QChar(8)); // backspace
    EXPECT_EQ(f.log, L({"A.key:\b", "A.change:1."}));
}

TEST(FormUserAction, TypingStopsAtTheMaximumLengthAndIgnoresControlKeys)
{
    TestForm f;
    f.A.setMaxLength(3);
    f.userType(f.A, QStringLiteral("12\r345"));
    EXPECT_EQ(f.A.text(), QStringLiteral("123"));
    f.userReplace(f.A, QStringLiteral("abcdef")); // a paste is cut too
    EXPECT_EQ(f.A.text(), QStringLiteral("abc"));
}

TEST(FormUserAction, ReplaceSkipsTheKeyFilterAndChangesOnce)
{
    TestForm f;
    int keys = 0;
    f.A.onKeyPress = [&](QChar &) { ++keys; };
    f.A.setText(QStringLiteral("7"));
    f.setFocus(&f.A);
    f.log.clear();
    f.userReplace(f.A, QStringLiteral("120"));
    f.userReplace(f.A, QStringLiteral("120"));
    f.userReplace(f.A, QString());
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(f.log, L({"A.change:120", "A.change:"}));
}

TEST(FormUserAction, PickingItemsRunsTheUserEventOfEachKind)
{
    struct Case
    {
        const char *control;
        int index;
        QStringList expected; // after the focus has moved there
    };
    const Case cases[] = {
        {"CB", 1, L({"CB.change: 25"})},
        {"CB", 0, L({"CB.change: 0"})}, // the same item: the list still reports the pick
        {"LB", 1, L({"LB.click"})},
        {"RG", 1, L({"RG.click"})},
        {"RG", 0, L({})}, // the item already selected: nothing
    };
    for (const Case &c : cases) {
        TestForm f;
        Control &ctl = *f.find(QString::fromUtf8(c.control));
        ctl.onClick = nullptr;
        ctl.setItemIndex(0);
        ctl.onClick = [&f, &ctl] { f.log << ctl.name() + QLatin1String(".click"); };
        f.setFocus(&ctl);
        f.log.clear();
        EXPECT_EQ(f.userSelect(ctl, c.index), ActionResult::Done);
        EXPECT_EQ(f.log, c.expected) << c.control << " " << c.index;
        EXPECT_EQ(ctl.itemIndex(), c.index);
    }
}

TEST(FormUserAction, AnItemThatTheFocusMoveTookAwayIsNotPicked)
{
    // The exit of the field left refills or disables the control before the
    // pick; the click then lands on nothing.
    struct Case
    {
        const char *name;
        const char *control;
        int index;
        std::function<void(TestForm &)> onExitOfA;
        int indexAfter; // a refill leaves no item selected
        bool picked;
    };
    const Case cases[] = {
        {"list shortened", "LB", 1, [](TestForm &f) { f.LB.setItems({QStringLiteral("s1")}); }, -1,
         false},
        {"list disabled", "LB", 1, [](TestForm &f) { f.LB.setEnabled(false); }, 0, false},
        {"combo shortened", "CB", 1, [](TestForm &f) { f.CB.setItems({QStringLiteral(" 0")}); }, -1,
         false},
        {"radio item disabled", "RG", 1, [](TestForm &f) { f.RG.setItemEnabled(1, false); }, 0,
         false},
        {"list kept", "LB", 1, [](TestForm &) {}, 1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestForm f;
        Control &ctl = *f.find(QString::fromUtf8(c.control));
        ctl.onClick = nullptr;
        ctl.setItemIndex(0);
        ctl.onClick = [&f, &ctl] { f.log << ctl.name() + QLatin1String(".click"); };
        f.setFocus(&f.A);
        f.A.onExit = [&f, &c] { c.onExitOfA(f); };
        f.log.clear();
        EXPECT_EQ(f.userSelect(ctl, c.index), ActionResult::Done);
        EXPECT_EQ(ctl.itemIndex(), c.indexAfter);
        const QStringList events = f.log.filter(ctl.name() + QLatin1String(".c"));
        EXPECT_EQ(!events.isEmpty(), c.picked) << events.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(FormUserAction, DisabledHiddenOffPageAndMisdirectedActions)
{
    TestForm f;
    EXPECT_EQ(f.userType(f.C, QStringLiteral("1")), ActionResult::OffPage);
    EXPECT_EQ(f.userSelect(f.CB, 2), ActionResult::BadIndex);
    EXPECT_EQ(f.userSelect(f.A, 0), ActionResult::WrongKind);
    EXPECT_EQ(f.userType(f.CB, QStringLiteral("1")), ActionResult::WrongKind);
    EXPECT_EQ(f.userDropDown(f.A), ActionResult::WrongKind);
    EXPECT_EQ(f.userEnter(f.G), ActionResult::WrongKind);
    f.G.setEnabled(false); // disables everything inside it
    EXPECT_EQ(f.userClick(f.Btn), ActionResult::Ignored);
    EXPECT_EQ(f.userType(f.A, QStringLiteral("1")), ActionResult::Ignored);
    f.G.setEnabled(true);
    f.B.setVisible(false);
    EXPECT_EQ(f.userEnter(f.B), ActionResult::Ignored);
    f.RG.setItemEnabled(1, false);
    EXPECT_EQ(f.userSelect(f.RG, 1), ActionResult::Ignored);
    EXPECT_TRUE(f.log.isEmpty());
    EXPECT_EQ(f.A.text(), QString());
}

TEST(FormUserAction, ClickingButtonsBoxesAndMenuEntries)
{
    TestForm f;
    f.setFocus(&f.A);
    f.log.clear();
    f.userClick(f.MI); // a menu entry does not take the focus
    EXPECT_EQ(f.log, L({"MI.click"}));
    EXPECT_EQ(f.focused(), &f.A);
    f.MI.setEnabled(false);
    f.log.clear();
    f.userClick(f.MI);
    EXPECT_TRUE(f.log.isEmpty());
    f.userClick(f.ChB);
    EXPECT_EQ(f.log, L({"A.exit", "ChB.enter", "ChB.click"}));
    EXPECT_TRUE(f.ChB.checked());
    f.log.clear();
    f.userClick(f.Btn);
    EXPECT_EQ(f.log, L({"ChB.exit", "Btn.enter", "Btn.click"}));
}

TEST(FormUserAction, PageClickMovesTheFocusThenShowsThePageThenReportsTheChange)
{
    TestForm f;
    f.setFocus(&f.A);
    f.log.clear();
    EXPECT_EQ(f.userPage(1), ActionResult::Done);
    EXPECT_EQ(f.log, L({"A.exit", "G.exit", "P0.exit", "P1.show", "PC.change:"}));
    EXPECT_EQ(f.PC.activePageIndex(), 1);
    EXPECT_EQ(f.focused(), &f.PC);
    f.log.clear();
    EXPECT_EQ(f.userPage(1), ActionResult::Done); // the active page: no change
    EXPECT_TRUE(f.log.isEmpty());
    f.P0.setTabVisible(false);
    EXPECT_EQ(f.userPage(0), ActionResult::Ignored);
    EXPECT_EQ(f.userPage(2), ActionResult::BadIndex);
    // A programmatic page change shows the page but reports no change.
    f.P0.setTabVisible(true);
    f.showPage(0);
    EXPECT_EQ(f.log, L({"P0.show"}));
}

TEST(FormUserAction, LeaveRunsTheExitAndKeepsTheFocusOnThePage)
{
    TestForm f;
    f.setFocus(&f.A);
    f.log.clear();
    f.userLeave();
    EXPECT_EQ(f.log, L({"A.exit", "G.exit"}));
    EXPECT_EQ(f.focused(), &f.P0);
}

TEST(FormUserAction, MouseEntersLeavesAndMoves)
{
    TestForm f;
    QStringList log;
    for (Control *c : {&f.A, &f.B}) {
        c->onMouseEnter = [&log, c] { log << c->name() + QLatin1String(".in"); };
        c->onMouseLeave = [&log, c] { log << c->name() + QLatin1String(".out"); };
        c->onMouseMove = [&log, c](int x, int y) {
            log << c->name() + QStringLiteral(".move %1 %2").arg(x).arg(y);
        };
    }
    f.userMouse(f.A, 1, 2);
    f.userMouse(f.A, 3, 4);
    f.userMouse(f.B, 5, 6);
    f.userMouseOut();
    EXPECT_EQ(log, L({"A.in", "A.move 1 2", "A.move 3 4", "A.out", "B.in", "B.move 5 6", "B.out"}));
}
