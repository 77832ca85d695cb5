// The real widgets of the main window against the model: what the user types
// and clicks goes through the model's user events, what the model writes
// shows in the widgets, and the program's own widget updates never come back
// as user events.

#include "gui_fixture.h"

#include "engine/design_input.h"
#include "window/settings_file.h"
#include "window_binding.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using namespace pc;
using pc::test::GuiRun;

QString pc::test::GuiRun::panel(int i) const
{
    const auto *bar = widget<QStatusBar>(f.SB1);
    const auto *l = bar ? bar->findChild<QLabel *>(QStringLiteral("SB1_panel%1").arg(i)) : nullptr;
    return l ? l->text() : QStringLiteral("<no panel>");
}

TEST(GuiInventory, EveryControlHasExactlyOneWidgetOfItsKindAndNoneIsBoundTwice)
{
    GuiRun r;
    std::set<const QObject *> bound;
    for (const auto &binding : r.session->bindings()) {
        EXPECT_TRUE(binding->problems().isEmpty())
            << binding->form().prefix().toStdString() << ": "
            << binding->problems().join(QStringLiteral("; ")).toStdString();
        for (form::Control *c : binding->form().controls()) {
            const std::string name = binding->form().qualifiedName(*c).toStdString();
            const auto objects = binding->objectsNamed(c->name());
            ASSERT_EQ(objects.size(), 1u) << name;
            EXPECT_TRUE(gui::objectFitsKind(objects.front(), c->kind())) << name;
            const gui::Binder *b = binding->binderFor(*c);
            ASSERT_NE(b, nullptr) << name;
            EXPECT_EQ(b->object(), objects.front()) << name;
            EXPECT_TRUE(bound.insert(b->object()).second) << name << " shares its widget";
        }
    }
}

TEST(GuiBinding, TypingAMomentShowsSfIniInTheLabelWidget)
{
    GuiRun r;
    QLineEdit *edit = r.retype(r.f.Edit_Moment, QStringLiteral("100"));
    // 100 kNm/m on 1000 cm³/m in S 240 GP: 100 N/mm², Sf 2.40.
    EXPECT_EQ(edit->text(), QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(r.a.s.actions.moment, 100.0);
    EXPECT_EQ(r.widget<QLabel>(r.f.Lbl_Sf_Result)->text(), QString::fromUtf8("2.40 ≥ 1.50"));
    EXPECT_EQ(r.f.focused(), &r.f.Edit_Moment);
}

TEST(GuiBinding, ARejectedKeyLeavesTheFieldAndReportsItInTheStatusBar)
{
    GuiRun r;
    auto *edit = r.widget<QLineEdit>(r.f.Edit_Moment);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("12"));
    const int beeps = r.p.exclamationBeeps();
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), QStringLiteral("012"));
    EXPECT_EQ(r.f.Edit_Moment.text(), QStringLiteral("012"));
    EXPECT_EQ(r.panel(1), WrongInputPrefix + QLatin1Char('x'));
    EXPECT_EQ(r.p.exclamationBeeps(), beeps + 1);
}

TEST(GuiBinding, LeavingAFieldThroughTheToolkitRunsItsExitAndTheNextFieldsEnter)
{
    GuiRun r;
    QLineEdit *moment = r.retype(r.f.Edit_Moment, QStringLiteral("12.6"));
    ASSERT_EQ(moment->text(), QStringLiteral("12.6"));
    r.widget<QLineEdit>(r.f.Edit_Load)->setFocus();
    // The exit rewrites the moment with no decimals; the load's enter shows
    // its range in panel 0.
    EXPECT_EQ(moment->text(), QStringLiteral("13"));
    EXPECT_EQ(r.f.focused(), &r.f.Edit_Load);
    EXPECT_TRUE(r.panel(0).contains(QStringLiteral("ompression"))) << r.panel(0).toStdString();
}

TEST(GuiBinding, ProgramChangesUpdateTheWidgetsWithoutRaisingUserEvents)
{
    GuiRun r;
    int changes = 0, clicks = 0, enters = 0;
    r.f.Edit_Load.onChange = [&changes] { ++changes; };
    r.f.LB_SSP.onClick = [&clicks] { ++clicks; };
    r.f.Edit_Load.onEnter = [&enters] { ++enters; };
    r.f.Edit_Load.setText(QStringLiteral("55"));
    r.f.LB_SSP.setItemIndex(1);
    r.f.CB_SteelGrades.setItemIndex(2);
    r.f.setFocus(&r.f.Edit_Load);
    r.session->afterUserAction();
    EXPECT_EQ(r.widget<QLineEdit>(r.f.Edit_Load)->text(), QStringLiteral("55"));
    EXPECT_EQ(r.widget<QListView>(r.f.LB_SSP)->currentIndex().row(), 1);
    EXPECT_EQ(r.widget<QComboBox>(r.f.CB_SteelGrades)->currentIndex(), 2);
    // The toolkit's focus follows the program's, and nothing more runs.
    EXPECT_TRUE(r.widget(r.f.Edit_Load)->hasFocus());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(enters, 1);
}

TEST(GuiBinding, ClickingASectionPicksItAndAPageTabShowsThePage)
{
    GuiRun r;
    auto *list = r.widget<QListView>(r.f.LB_SSP);
    ASSERT_GE(list->model()->rowCount(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(r.f.LB_SSP.itemIndex(), 1);
    EXPECT_EQ(r.a.s.CurrentSectionName, QStringLiteral("AA 18*"));
    EXPECT_EQ(r.widget<QLabel>(r.f.Lbl_SSP)->text(), QStringLiteral("* Superseded section!"));
    EXPECT_EQ(r.f.focused(), &r.f.LB_SSP);

    auto *tabs = r.widget<QTabWidget>(r.f.PageControl1);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
    EXPECT_EQ(r.f.PageControl1.activePageIndex(), form::MainForm::PageRates);
    EXPECT_EQ(tabs->currentIndex(), form::MainForm::PageRates);
}

TEST(GuiBinding, ThePointerOverAPropertyGridRowExplainsItInPanelOne)
{
    GuiRun r;
    auto *grid = r.widget<QTableWidget>(r.f.StGr_RedProp);
    ASSERT_NE(grid, nullptr);
    // The widget's rows are the model's: row 3 starts 3 x (18 + 1) down.
    EXPECT_EQ(grid->rowViewportPosition(3), 57);
    EXPECT_EQ(grid->height(), 117);
    QTest::mouseMove(grid->viewport(), QPoint(20, 60));
    EXPECT_EQ(r.panel(1), QStringLiteral(" A = steel area of cross section "));
    // The tooltip is the short part of the hint; the long part is in panel 1.
    EXPECT_EQ(grid->toolTip(),
              QStringLiteral(" Section properties: see explanation in bottom statusbar "));
    QTest::mouseMove(r.widget(r.f.GB_Red_Properties), QPoint(3, 5));
    EXPECT_EQ(r.panel(1), QString());
}

TEST(GuiBinding, TheUnitsMenuSwitchesTheFieldsTheirUnitsAndTheMenuChecks)
{
    GuiRun r;
    QLineEdit *moment = r.retype(r.f.Edit_Moment, QStringLiteral("100"));
    // Ctrl+I is "&Imperial" of the Units menu.
    QTest::keyClick(&r.window(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(r.a.s.UnitsMetric);
    auto action = [&r](const form::Control &c) {
        return qobject_cast<QAction *>(r.session->binderFor(c)->object());
    };
    EXPECT_TRUE(action(r.f.MenuImperial)->isChecked());
    EXPECT_FALSE(action(r.f.MenuMetric)->isChecked());
    EXPECT_EQ(r.widget<QLabel>(r.f.Lbl_MomentUnit)->text(), r.f.Lbl_MomentUnit.caption());
    EXPECT_EQ(r.f.Lbl_MomentUnit.caption(), QStringLiteral("kips*ft/ft"));
    // 100 kNm/m is written again in kips*ft/ft, and shown so.
    EXPECT_EQ(moment->text(), r.f.Edit_Moment.text());
    EXPECT_NE(moment->text(), QStringLiteral("100"));
    auto *grid = r.widget<QTableWidget>(r.f.StGr_RedProp);
    EXPECT_EQ(grid->item(1, grid->columnCount() - 1)->text(), QString::fromUtf8(" in³/ft"));
    QTest::keyClick(&r.window(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(r.a.s.UnitsMetric);
    EXPECT_EQ(r.widget<QLabel>(r.f.Lbl_MomentUnit)->text(), QStringLiteral("kNm/m"));
}

TEST(GuiBinding, ClosingTheWindowWritesTheSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pilecorr.INI"));
    AppOptions o;
    o.settingsPath = path;
    {
        GuiRun r({}, pc::test::handlerCatalogue(), o);
        QTest::keyClick(&r.window(), Qt::Key_I, Qt::ControlModifier);
        r.window().close();
        ASSERT_TRUE(r.a.ended());
    }
    const StoredSettings stored = readSettingsFile(path);
    ASSERT_TRUE(stored.metric);
    EXPECT_EQ(*stored.metric, QStringLiteral("0"));
    EXPECT_EQ(stored.sfMin, QStringLiteral("1.50"));
    EXPECT_EQ(stored.sfMax, QStringLiteral("10.00"));
}

TEST(GuiBinding, ClosingTheWindowRunsTheCloseHandlingAndEndsTheRun)
{
    GuiRun r;
    int endedWith = -1;
    QObject::connect(r.session.get(), &gui::Session::ended,
                     [&endedWith](int code) { endedWith = code; });
    r.window().close();
    EXPECT_TRUE(r.a.ended());
    EXPECT_EQ(endedWith, 0);
    EXPECT_TRUE(r.window().isHidden());
}

TEST(GuiBinding, OwnerDrawnCellsPaintWhatTheProgramDecides)
{
    GuiRun r;
    form::Control &g = r.a.tableWindow.SG_EC3Table;
    g.setColCount(3);
    g.setRowCount(3);
    g.setDefaultColWidth(60);
    g.setDefaultRowHeight(20);
    g.setCell(0, 1, QStringLiteral("  ****  Soil  ****"));
    g.setCell(1, 2, QStringLiteral("  0.25"));
    g.onDrawCell = [](int col, int row) -> std::optional<form::CellDrawing> {
        if (row == 1)
            return form::CellDrawing{col == 0 ? QStringLiteral("  ****  Soil  ****") : QString(),
                                     false, true, false};
        if (col > 0 && row > 1)
            return form::CellDrawing{QStringLiteral("  0.25"), false, false, true};
        return std::nullopt;
    };
    r.a.tableWindow.show();
    r.session->flush();
    auto *grid = r.widget<QTableWidget>(g);
    const QImage image = grid->grab().toImage();
    // A header row is silver across the grid.
    EXPECT_EQ(image.pixelColor(100, 21 + 18).rgb(), QColor(192, 192, 192).rgb());
    // A value cell keeps its window colour at its left edge.
    EXPECT_EQ(image.pixelColor(63, 42 + 10).rgb(), grid->palette().color(QPalette::Base).rgb());
}

TEST(GuiSplash, TheTimerFadesTheWindowAndAClickClosesIt)
{
    GuiRun r;
    // The start has closed the splash; shown again with its timer running.
    r.a.splash.show();
    r.a.splash.Timer1.setEnabled(true);
    r.session->flush();
    auto &splash = r.session->splashWindow();
    ASSERT_FALSE(splash.isHidden());
    EXPECT_TRUE(splash.timer->isActive());
    EXPECT_EQ(splash.timer->interval(), 500);
    QTRY_COMPARE_WITH_TIMEOUT(r.a.splash.tickCount, 1, 2000);
    EXPECT_NEAR(splash.windowOpacity(), 235 / 255.0, 0.01);
    QTest::mouseClick(r.widget(r.a.splash.Image1), Qt::LeftButton);
    EXPECT_TRUE(splash.isHidden());
    EXPECT_FALSE(splash.timer->isActive());
}

TEST(GuiAboutBox, ShowsWithADrawnTransparencyAndHidesOnOkOrWhenLeft)
{
    GuiRun r;
    auto *about = qobject_cast<QAction *>(r.session->binderFor(r.f.MenuAbout)->object());
    ASSERT_NE(about, nullptr);
    about->trigger();
    auto &box = r.session->aboutWindow();
    ASSERT_FALSE(box.isHidden());
    EXPECT_GE(box.windowOpacity(), 205 / 255.0 - 0.01);
    EXPECT_LE(box.windowOpacity(), 244 / 255.0 + 0.01);
    EXPECT_EQ(r.widget<QLabel>(r.a.about.LblEmail)->y(), r.widget(r.a.about.OKButton)->y() - 25);
    QTest::mouseClick(r.widget(r.a.about.OKButton), Qt::LeftButton);
    EXPECT_TRUE(box.isHidden());
    EXPECT_FALSE(r.a.about.shown());

    // Shown again, it goes when the main window becomes active.
    about->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box, 5000)) << "the about box did not become active";
    r.activate();
    QTRY_VERIFY_WITH_TIMEOUT(box.isHidden(), 2000);
    EXPECT_FALSE(r.a.about.shown());
}

TEST(GuiTableWindow, ShowTableOpensTheTableSizedByTheProgramAndLeavingItClosesIt)
{
    Catalogue c = pc::test::handlerCatalogue();
    Annex x;
    x.AnnexName = QStringLiteral("EN 1993-5:2007");
    x.AnnexYear = {5, 25};
    x.AtmosColName = {QStringLiteral("Normal atmosphere")};
    x.AtmosLoss = {{0.05}, {0.25}};
    x.SoilColName = {QStringLiteral("Undisturbed natural soil")};
    x.SoilLoss = x.AtmosLoss;
    x.WaterColName = {QStringLiteral("Fresh water")};
    x.WaterLoss = x.AtmosLoss;
    c.Annexes = {x};
    GuiRun r({}, c);
    auto *tabs = r.widget<QTabWidget>(r.f.PageControl1);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                      tabs->tabBar()->tabRect(form::MainForm::PageRates).center());
    QTest::mouseClick(r.widget(r.f.B_EC3Tables), Qt::LeftButton);
    auto &table = r.session->tableWindow();
    ASSERT_FALSE(table.isHidden());
    EXPECT_EQ(table.windowTitle(), r.a.tableWindow.TForm2.caption());
    EXPECT_EQ(table.width(), r.a.tableWindow.TForm2.width());
    auto *grid = r.widget<QTableWidget>(r.a.tableWindow.SG_EC3Table);
    EXPECT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(grid->item(1, 0)->text(), r.a.tableWindow.SG_EC3Table.cell(0, 1));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table, 5000))
        << "the table window did not become active";
    r.activate();
    QTRY_VERIFY_WITH_TIMEOUT(table.isHidden(), 2000);
    EXPECT_FALSE(r.a.tableWindow.shown());
}

TEST(GuiBinding, ArrowKeysInTheSectionListPickTheNextSection)
{
    GuiRun r;
    auto *list = r.widget<QListView>(r.f.LB_SSP);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    ASSERT_EQ(r.f.LB_SSP.itemIndex(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTRY_COMPARE(r.f.LB_SSP.itemIndex(), 1);
    EXPECT_EQ(r.a.s.CurrentSectionName, QStringLiteral("AA 18*"));
    EXPECT_EQ(list->currentIndex().row(), 1);
}

// The group boxes draw their frames from a kept picture: each page looks the
// same, pixel for pixel, as when the style draws every frame in place.
TEST(GuiStyle, KeptGroupBoxFramesLookAsTheStyleDrawsThem)
{
    pc::test::GuiRun r;
    for (int page : {pc::form::MainForm::PageInput, pc::form::MainForm::PageRates,
                     pc::form::MainForm::PageSFTable}) {
        r.f.userPage(page);
        r.session->afterUserAction();
        r.session->flush();
        const QImage kept = r.window().grab().toImage();
        qputenv("PILECORR_PLAIN_GROUPBOX_FRAMES", "1");
        const QImage plain = r.window().grab().toImage();
        qunsetenv("PILECORR_PLAIN_GROUPBOX_FRAMES");
        ASSERT_EQ(kept.size(), plain.size()) << "page " << page;
        EXPECT_TRUE(kept == plain) << "page " << page << " differs where a frame is drawn";
        // The page has frames to compare.
        EXPECT_FALSE(r.window().findChildren<QGroupBox *>().isEmpty());
    }
}
