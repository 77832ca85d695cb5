// The menus as the window draws them: radio entries look like radio entries,
// and entries whose function the program lacks are greyed out.

#include "gui_fixture.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace pc;
using pc::test::GuiRun;

namespace {

QAction *actionOf(const GuiRun &r, const form::Control &c)
{
    const gui::Binder *b = r.session->binderFor(c);
    return b ? qobject_cast<QAction *>(b->object()) : nullptr;
}

// How the style is asked to draw an entry in a menu: a menu of our own holds
// the entry beside the window's menu, so that the protected question can be
// asked of an object that really is of the class that asks it.
struct StyledMenu : QMenu
{
    using QMenu::initStyleOption;
};

QStyleOptionMenuItem::CheckType checkTypeOf(QAction *a)
{
    StyledMenu probe;
    probe.addAction(a);
    QStyleOptionMenuItem option;
    probe.initStyleOption(&option, a);
    probe.removeAction(a);
    return option.checkType;
}

} // namespace

TEST(GuiMenus, RadioEntriesAreExclusiveGroupsDrawnAsRadioItems)
{
    GuiRun r;
    struct Row
    {
        const char *name;
        std::vector<const form::Control *> entries;
    };
    const Row rows[] = {
        {"units", {&r.f.MenuMetric, &r.f.MenuImperial}},
        {"search mode", {&r.f.MenuSelectSection, &r.f.MenuSelectSfmin}},
        {"rate source", {&r.f.MenuEC3Rates, &r.f.MenuProjectRates}},
    };
    std::set<const QActionGroup *> groups;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QActionGroup *group = nullptr;
        for (const form::Control *c : row.entries) {
            QAction *a = actionOf(r, *c);
            ASSERT_NE(a, nullptr) << c->name().toStdString();
            EXPECT_TRUE(a->isCheckable()) << c->name().toStdString();
            ASSERT_NE(a->actionGroup(), nullptr) << c->name().toStdString();
            EXPECT_TRUE(a->actionGroup()->isExclusive()) << c->name().toStdString();
            EXPECT_EQ(checkTypeOf(a), QStyleOptionMenuItem::Exclusive) << c->name().toStdString();
            EXPECT_EQ(a->isChecked(), c->checked()) << c->name().toStdString();
            if (!group)
                group = a->actionGroup();
            EXPECT_EQ(a->actionGroup(), group) << c->name().toStdString() << " in another group";
        }
        EXPECT_TRUE(groups.insert(group).second) << "shares its group with another row";
    }
    // Plain entries stay plain.
    for (const form::Control *c : {&r.f.MenuToggleFontQuality, &r.f.MenuAbout, &r.f.MenuClose}) {
        QAction *a = actionOf(r, *c);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->actionGroup(), nullptr) << c->name().toStdString();
        EXPECT_EQ(checkTypeOf(a), QStyleOptionMenuItem::NotCheckable) << c->name().toStdString();
    }
}

TEST(GuiMenus, TheCheckedUnitEntryFollowsTheProgramInItsGroup)
{
    GuiRun r;
    QAction *metric = actionOf(r, r.f.MenuMetric);
    QAction *imperial = actionOf(r, r.f.MenuImperial);
    ASSERT_TRUE(metric && imperial && metric->actionGroup());
    const struct
    {
        const char *name;
        QAction *pick;
        bool unitsMetric;
    } steps[] = {
        {"imperial", imperial, false},
        {"imperial again", imperial, false},
        {"metric", metric, true},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        step.pick->trigger();
        EXPECT_EQ(r.a.s.UnitsMetric, step.unitsMetric);
        EXPECT_EQ(r.f.MenuMetric.checked(), step.unitsMetric);
        EXPECT_EQ(metric->isChecked(), step.unitsMetric);
        EXPECT_EQ(imperial->isChecked(), !step.unitsMetric);
        EXPECT_EQ(metric->actionGroup()->checkedAction(), step.pick);
    }
}

TEST(GuiMenus, EntriesWithoutTheirFunctionAreGreyedOutOnEveryPage)
{
    GuiRun r;
    // Every entry of today's window has its function: take two away, as an
    // entry that later work adds would be before its handler exists.
    form::Control *unbuilt[] = {&r.f.MenuPrint, &r.f.PopUpExportEmf};
    for (form::Control *c : unbuilt) {
        c->onClick = nullptr;
        ASSERT_TRUE(actionOf(r, *c)->isEnabled()) << c->name().toStdString();
    }
    r.f.holdBackUnhandledEntries();
    // The input page last: its rules would enable the print entries.
    for (int page : {form::MainForm::PageRates, form::MainForm::PageInput}) {
        SCOPED_TRACE(page);
        ASSERT_EQ(r.f.userPage(page), form::ActionResult::Done);
        r.session->afterUserAction();
        for (const form::Control *c : unbuilt) {
            QAction *a = actionOf(r, *c);
            ASSERT_NE(a, nullptr) << c->name().toStdString();
            EXPECT_FALSE(a->isEnabled()) << c->name().toStdString();
        }
        EXPECT_TRUE(actionOf(r, r.f.MenuClose)->isEnabled());
        EXPECT_TRUE(actionOf(r, r.f.MenuAbout)->isEnabled());
    }
    EXPECT_TRUE(actionOf(r, r.f.MenuPrintToFile)->isEnabled());
}

// The design entries stand first in the File menu with their shortcuts, the
// entries that were there keep theirs, and triggering them in the window
// saves a design and opens it again through the file dialogs.
TEST(GuiMenus, DesignEntriesOpenAndSaveThroughTheFileMenu)
{
    GuiRun r;
    QAction *open = actionOf(r, r.f.MenuOpenDesign);
    QAction *save = actionOf(r, r.f.MenuSaveDesign);
    ASSERT_TRUE(open && save);
    const struct
    {
        const form::Control *entry;
        const char *shortcut;
    } rows[] = {{&r.f.MenuOpenDesign, "Ctrl+O"},
                {&r.f.MenuSaveDesign, "Ctrl+S"},
                {&r.f.MenuPrint, "Ctrl+P"},
                {&r.f.MenuCopy, "Ctrl+B"},
                {&r.f.MenuMetric, "Ctrl+M"},
                {&r.f.MenuImperial, "Ctrl+I"},
                {&r.f.MenuToggleFontQuality, "Ctrl+F"}};
    for (const auto &row : rows) {
        QAction *a = actionOf(r, *row.entry);
        ASSERT_TRUE(a) << row.entry->name().toStdString();
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(row.shortcut)))
            << row.entry->name().toStdString();
    }
    auto *fileMenu = r.window().findChild<QMenu *>(QStringLiteral("MenuFile"));
    ASSERT_TRUE(fileMenu);
    const QList<QAction *> entries = fileMenu->actions();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[0], open);
    EXPECT_EQ(entries[1], save);
    EXPECT_LT(entries.indexOf(save), entries.indexOf(actionOf(r, r.f.MenuPrint)));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gui.json"));
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("150"));
    r.f.userLeave();
    r.p.queuePath(path);
    save->trigger();
    ASSERT_TRUE(QFileInfo::exists(path));
    r.f.userReplace(r.f.Edit_Moment, QStringLiteral("5"));
    r.f.userLeave();
    r.p.queuePath(path);
    open->trigger();
    EXPECT_TRUE(r.p.messages().empty());
    EXPECT_EQ(r.f.Edit_Moment.text(), QStringLiteral("150"));
    auto *edit = r.window().findChild<QLineEdit *>(QStringLiteral("Edit_Moment"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), QStringLiteral("150"));
}
