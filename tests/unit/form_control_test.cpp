// Programmatic changes of single controls: which of them run a handler.

#include "form/control.h"

#include <gtest/gtest.h>

#include <memory>

using namespace pc::form;

namespace {

struct Counted
{
    int change = 0;
    int click = 0;
};

std::unique_ptr<Control> counted(Kind kind, Counted &n)
{
    auto c = std::make_unique<Control>(QStringLiteral("C"), kind);
    c->onChange = [&n] { ++n.change; };
    c->onClick = [&n] { ++n.click; };
    return c;
}

} // namespace

TEST(FormControl, EditRunsChangeOnlyForADifferentTextAndBeforeTheSetterReturns)
{
    Control e(QStringLiteral("Edit_Moment"), Kind::Edit);
    e.setText(QStringLiteral("0"));
    QStringList seen;
    e.onChange = [&] { seen << e.text(); };
    e.setText(QStringLiteral("12"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("12")});
    e.setText(QStringLiteral("12"));
    EXPECT_EQ(seen.size(), 1);
}

TEST(FormControl, EditChangeHandlerMayRewriteItsOwnFieldAndRunsAgain)
{
    // An out-of-range value emptied by its own change handler stores the
    // empty text through a second run of the same handler.
    Control e(QStringLiteral("Edit_Load"), Kind::Edit);
    QStringList seen;
    e.onChange = [&] {
        seen << e.text();
        if (e.text() == QLatin1String("99999"))
            e.setText(QString());
    };
    e.setText(QStringLiteral("99999"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("99999"), QString()}));
    EXPECT_EQ(e.text(), QString());
}

TEST(FormControl, RadioGroupItemIndexByProgram)
{
    struct Case
    {
        const char *what;
        int from;
        int to;
        int expectedIndex;
        int expectedClicks;
    };
    const Case cases[] = {
        {"another item", 0, 2, 2, 1},
        {"the same item", 1, 1, 1, 0},
        {"no item", 1, -1, -1, 0},
        {"past the end clamps to the last", 0, 7, 2, 1},
        {"past the end when the last is selected", 2, 9, 2, 0},
        {"below -1 means none", 0, -5, -1, 0},
    };
    for (const Case &c : cases) {
        Counted n;
        auto rg = counted(Kind::RadioGroup, n);
        rg->setItems({QStringLiteral(" a"), QStringLiteral(" b"), QStringLiteral(" c")});
        const auto handler = rg->onClick;
        rg->onClick = nullptr;
        rg->setItemIndex(c.from);
        rg->onClick = handler;
        rg->setItemIndex(c.to);
        EXPECT_EQ(rg->itemIndex(), c.expectedIndex) << c.what;
        EXPECT_EQ(n.click, c.expectedClicks) << c.what;
    }
}

TEST(FormControl, RadioGroupClickSeesTheNewIndex)
{
    Control rg(QStringLiteral("RG_SSP"), Kind::RadioGroup);
    rg.setItems({QStringLiteral(" ALL"), QStringLiteral(" F1")});
    int seen = -2;
    rg.onClick = [&] { seen = rg.itemIndex(); };
    rg.setItemIndex(1);
    EXPECT_EQ(seen, 1);
}

TEST(FormControl, ClearingARadioGroupLeavesNoItemAndRunsNothing)
{
    Counted n;
    auto rg = counted(Kind::RadioGroup, n);
    rg->setItems({QStringLiteral(" a"), QStringLiteral(" b")});
    rg->setItemIndex(1);
    n = {};
    rg->clearItems();
    EXPECT_EQ(rg->itemIndex(), -1);
    EXPECT_EQ(rg->itemCount(), 0);
    rg->addItem(QStringLiteral(" ALL"));
    EXPECT_EQ(rg->itemIndex(), -1);
    EXPECT_EQ(n.click + n.change, 0);
    // Selecting item 0 afterwards is a change, so the click runs.
    rg->setItemIndex(0);
    EXPECT_EQ(n.click, 1);
}

TEST(FormControl, ListAndComboSelectionByProgramRunsNothing)
{
    for (Kind kind : {Kind::ListBox, Kind::ComboBox}) {
        Counted n;
        auto c = counted(kind, n);
        c->setItems({QStringLiteral(" 0"), QStringLiteral(" 25"), QStringLiteral(" 50")});
        c->setItemIndex(2);
        EXPECT_EQ(c->itemIndex(), 2);
        c->setItemIndex(5); // no such item: nothing selected
        EXPECT_EQ(c->itemIndex(), -1);
        EXPECT_EQ(n.change + n.click, 0);
    }
}

TEST(FormControl, ComboTextIsTheSelectedItem)
{
    Control c(QStringLiteral("CB_ServiceLife"), Kind::ComboBox);
    c.setItems({QStringLiteral(" 0"), QStringLiteral(" 25")});
    EXPECT_EQ(c.text(), QString());
    c.setItemIndex(1);
    EXPECT_EQ(c.text(), QStringLiteral(" 25"));
}

TEST(FormControl, DeletingItemsKeepsOrDropsTheSelection)
{
    struct Case
    {
        Kind kind;
        int selected;
        int deleted;
        int expected;
    };
    const Case cases[] = {
        {Kind::ComboBox, 2, 2, -1}, // the selected item is gone
        {Kind::ComboBox, 2, 0, 1},  // the same item stays selected
        {Kind::ComboBox, 1, 3, 1},   {Kind::ListBox, 3, 3, -1},
        {Kind::RadioGroup, 3, 3, 2}, // a radio group clamps to its last item
        {Kind::RadioGroup, 1, 0, 1}, // and keeps its index otherwise
    };
    for (const Case &c : cases) {
        Counted n;
        auto ctl = counted(c.kind, n);
        ctl->setItems(
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        const auto handler = ctl->onClick;
        ctl->onClick = nullptr;
        ctl->setItemIndex(c.selected);
        ctl->onClick = handler;
        ctl->deleteItem(c.deleted);
        EXPECT_EQ(ctl->itemIndex(), c.expected)
            << int(c.kind) << " " << c.selected << " " << c.deleted;
        EXPECT_EQ(ctl->itemCount(), 3);
        EXPECT_EQ(n.click + n.change, 0);
    }
}

TEST(FormControl, CheckingARadioButtonRunsItsClickAndUnchecksItsSiblings)
{
    Control box(QStringLiteral("GB_Summary_Sf"), Kind::GroupBox);
    Counted ni, nr;
    auto ini = counted(Kind::RadioButton, ni);
    auto red = counted(Kind::RadioButton, nr);
    ini->setParent(&box);
    red->setParent(&box);
    ini->setChecked(true);
    EXPECT_EQ(ni.click, 1);
    red->setChecked(true);
    EXPECT_EQ(nr.click, 1);
    EXPECT_FALSE(ini->checked());
    EXPECT_EQ(ni.click, 1); // being unchecked by a sibling runs nothing
    red->setChecked(true);  // already checked
    EXPECT_EQ(nr.click, 1);
    red->setChecked(false); // unchecking by program runs nothing
    EXPECT_EQ(nr.click, 1);
    EXPECT_FALSE(red->checked());
}

TEST(FormControl, CheckBoxRunsItsClickWhenTheStateChanges)
{
    Counted n;
    auto cb = counted(Kind::CheckBox, n);
    cb->setChecked(true);
    cb->setChecked(true);
    cb->setChecked(false);
    EXPECT_EQ(n.click, 2);
}

TEST(FormControl, MenuEntriesCheckSilentlyAndUncheckTheirRadioGroup)
{
    Control menu(QStringLiteral("MenuSearchOption"), Kind::MenuItem);
    Counted a, b, c;
    auto section = counted(Kind::MenuItem, a);
    auto sfmin = counted(Kind::MenuItem, b);
    auto rates = counted(Kind::MenuItem, c);
    for (auto *m : {section.get(), sfmin.get(), rates.get()})
        m->setParent(&menu);
    section->setRadioGroup(2);
    sfmin->setRadioGroup(2);
    rates->setRadioGroup(3);
    section->setChecked(true);
    rates->setChecked(true);
    sfmin->setChecked(true);
    EXPECT_FALSE(section->checked());
    EXPECT_TRUE(sfmin->checked());
    EXPECT_TRUE(rates->checked()); // another group
    EXPECT_EQ(a.click + b.click + c.click, 0);
}

TEST(FormControl, MenuClickByProgramRunsOnlyWhenEnabled)
{
    Counted n;
    auto m = counted(Kind::MenuItem, n);
    m->click();
    EXPECT_EQ(n.click, 1);
    m->setEnabled(false);
    m->click();
    EXPECT_EQ(n.click, 1);
}

TEST(FormControl, AHeldBackMenuEntryStaysDisabledUntilItHasAHandler)
{
    Control m(QStringLiteral("MenuPrint"), Kind::MenuItem);
    m.holdBackUntilHandled();
    std::vector<Property> heard;
    m.addObserver([&](Control &, Property p) { heard.push_back(p); });
    m.setEnabled(false);
    m.setEnabled(true);
    EXPECT_FALSE(m.enabled());
    EXPECT_TRUE(heard.empty()) << "nothing a person could see has changed";

    int clicks = 0;
    m.onClick = [&] { ++clicks; };
    EXPECT_TRUE(m.enabled()) << "the program enabled it last";
    m.click();
    EXPECT_EQ(clicks, 1);
    m.setEnabled(false);
    EXPECT_FALSE(m.enabled());
    m.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(heard.size(), 1u);
}

TEST(FormControl, ObserversHearEveryChangeAndNothingElse)
{
    Control l(QStringLiteral("Lbl_SSP"), Kind::Label);
    std::vector<Property> heard;
    l.addObserver([&](Control &, Property p) { heard.push_back(p); });
    l.setCaption(QStringLiteral("x"));
    l.setCaption(QStringLiteral("x"));
    l.setFontColor(clRed);
    l.setVisible(false);
    l.setVisible(false);
    EXPECT_EQ(heard,
              (std::vector<Property>{Property::Caption, Property::FontColor, Property::Visible}));
}

TEST(FormControl, GridAndStatusBarIgnoreCellsOutsideThem)
{
    Control g(QStringLiteral("SFList"), Kind::Grid);
    g.setColCount(2);
    g.setRowCount(2);
    g.setCell(1, 1, QStringLiteral("x"));
    g.setCell(2, 0, QStringLiteral("lost"));
    g.setCell(-1, 0, QStringLiteral("lost"));
    EXPECT_EQ(g.cell(1, 1), QStringLiteral("x"));
    EXPECT_EQ(g.cell(5, 5), QString());
    g.setRowCount(3); // keeps what was there
    EXPECT_EQ(g.cells()[1][1], QStringLiteral("x"));
    EXPECT_EQ(g.cells()[2].size(), 2u);

    Control sb(QStringLiteral("SB1"), Kind::StatusBar);
    sb.setPanel(1, QStringLiteral(" Error"));
    sb.setPanel(2, QStringLiteral("lost"));
    EXPECT_EQ(sb.panels(), (QStringList{QString(), QStringLiteral(" Error")}));
}

TEST(FormControl, GridSizesFollowTheDefaultsAsTheToolkitDoes)
{
    Control g(QStringLiteral("SFList"), Kind::Grid);
    g.setDefaultColWidth(65);
    g.setDefaultRowHeight(24);
    g.setColCount(3);
    g.setRowCount(2);
    EXPECT_EQ(g.colWidths(), (std::vector<int>{65, 65, 65}));
    g.setColWidth(0, 50);
    g.setColWidth(7, 99); // no such column: nothing
    g.setRowHeight(0, 29);
    EXPECT_EQ(g.colWidths(), (std::vector<int>{50, 65, 65}));
    EXPECT_EQ(g.rowHeights(), (std::vector<int>{29, 24}));
    EXPECT_EQ(g.colWidth(7), 0);
    g.setColCount(4); // a new column takes the default width
    EXPECT_EQ(g.colWidth(3), 65);
    g.setDefaultColWidth(52); // a new default resizes every column
    EXPECT_EQ(g.colWidths(), (std::vector<int>{52, 52, 52, 52}));
    g.setDefaultRowHeight(18);
    EXPECT_EQ(g.rowHeights(), (std::vector<int>{18, 18}));
}

TEST(FormControl, AlphaTransparencyStaysBetweenInvisibleAndOpaque)
{
    Control w(QStringLiteral("W"), Kind::Window);
    int notified = 0;
    w.addObserver([&notified](Control &, Property p) { notified += p == Property::AlphaBlend; });
    EXPECT_EQ(w.alphaBlend(), 255);
    w.setAlphaBlend(300);
    EXPECT_EQ(notified, 0);
    w.setAlphaBlend(-5);
    EXPECT_EQ(w.alphaBlend(), 0);
    EXPECT_EQ(notified, 1);
}
