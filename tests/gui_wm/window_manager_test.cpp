// The windows on a real X server under a real window manager: which window is
// above which, which one is active and has the keyboard, and where Tab goes.
// Keys and the clicks that move activation are real input through the X
// server (xdotool), so they reach the window that the window manager gave the
// focus to, as a person's would; stacking and activation are read back from
// the window manager's own properties on the root window.

#include "gui_fixture.h"

#include "qt_platform.h"
#include "widgets.h"
#include "window/catalogue_locator.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pc;
using pc::test::GuiRun;

namespace {

// Runs an X tool to its end (at most 10 s); a failure is the test's.
QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    const bool finished = p.waitForFinished(10000);
    EXPECT_TRUE(finished) << program.toStdString() << " did not finish";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << " " << args.join(' ').toStdString()
                               << ": " << p.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Keys go to the window that has the X keyboard focus.
void pressKeys(const QString &keys)
{
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

// A click goes to the window under the pointer, and the window manager moves
// the activation as it does for a person's click. (No --sync: it would wait
// for ever when the pointer is there already; the server handles the move
// before the click anyway.)
void clickAt(const QPoint &global)
{
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

// The windows listed by a window property of the root window.
std::vector<WId> rootWindows(const QString &property)
{
    const QString out = runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), property});
    std::vector<WId> ids;
    const int hash = out.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return ids;
    for (const QString &part : out.mid(hash + 1).split(QLatin1Char(','))) {
        bool ok = false;
        const WId id = part.trimmed().toULongLong(&ok, 16);
        if (ok)
            ids.push_back(id);
    }
    return ids;
}

// The window manager's stacking order, bottom to top.
int stackingIndex(const QWidget *w)
{
    const auto order = rootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] == w->winId())
            return static_cast<int>(i);
    return -1;
}

bool above(const QWidget *upper, const QWidget *lower)
{
    const int u = stackingIndex(upper);
    const int l = stackingIndex(lower);
    return u >= 0 && l >= 0 && u > l;
}

// Active for the window manager and for Qt (which learns it from the X focus).
bool activeEverywhere(const QWidget *w)
{
    const auto active = rootWindows(QStringLiteral("_NET_ACTIVE_WINDOW"));
    return QApplication::activeWindow() == w && active.size() == 1 && active[0] == w->winId();
}

bool waitActive(QWidget *w)
{
    return QTest::qWaitFor([w] { return activeEverywhere(w); }, 5000);
}

// The splash stays on top while it fades; the tests of the working windows
// close it first with a click, as a person may.
void dismissSplash(GuiRun &r)
{
    auto &splash = r.session->splashWindow();
    if (!splash.isHidden())
        QTest::mouseClick(r.widget(r.a.splash.Image1), Qt::LeftButton);
    ASSERT_TRUE(splash.isHidden());
    r.window().activateWindow();
    ASSERT_TRUE(waitActive(&r.window())) << "the main window did not become active";
}

// A point of the main window where a click changes nothing but the
// activation (the left end of the status bar), outside `other`.
QPoint neutralPointOfMainWindow(GuiRun &r, const QWidget &other)
{
    QWidget *bar = r.widget(r.f.SB1);
    const QPoint p = bar->mapToGlobal(QPoint(6, bar->height() / 2));
    EXPECT_FALSE(other.frameGeometry().contains(p)) << "the other window covers the point";
    return p;
}

std::string nameOf(const QWidget *w)
{
    if (!w)
        return "nothing";
    const QString name = w->objectName();
    return name.isEmpty() ? w->metaObject()->className() : name.toStdString();
}

} // namespace

TEST(WindowManager, AMissingCatalogueAsksAboveTheSplashAndTheOpenDialogComesAboveItToo)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(empty.path()));
    QtPlatform platform;
    App app(platform, {});
    gui::Session session(app, {});
    const QWidget *splash = &session.splashWindow();

    // What the user met, step by step: the question, then the open dialog.
    struct Step
    {
        bool shown = false;
        bool splashShown = false;
        bool active = false;
        bool aboveSplash = false;
        QString text;
    };
    Step question;
    Step browse;
    int stage = 0;
    int ticks = 0;
    int stageStart = 0;
    // Up to 10 s for each window to come up active and above the splash;
    // then the test answers it itself, so that the run goes on and ends.
    const int patience = 200;
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        QWidget *modal = QApplication::activeModalWidget();
        if (stage == 0) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box || !box->isVisible())
                return;
            question.shown = true;
            question.text = box->text();
            question.splashShown = splash->isVisible();
            question.active = activeEverywhere(box);
            question.aboveSplash = above(box, splash);
            if (question.active && question.aboveSplash) {
                stage = 1;
                stageStart = ticks;
                pressKeys(QStringLiteral("Return")); // the default button, Yes
            } else if (ticks > patience) {
                stage = 1;
                stageStart = ticks;
                box->button(QMessageBox::Yes)->click();
            }
        } else if (stage == 1) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog || !dialog->isVisible())
                return;
            browse.shown = true;
            browse.splashShown = splash->isVisible();
            browse.active = activeEverywhere(dialog);
            browse.aboveSplash = above(dialog, splash);
            if (browse.active && browse.aboveSplash) {
                stage = 2;
                pressKeys(QStringLiteral("Escape"));
            } else if (ticks - stageStart > patience) {
                stage = 2;
                dialog->reject();
            }
        } else if (ticks > 4 * patience) {
            // Whatever else came up: answered, so that the test ends.
            if (auto *d = qobject_cast<QDialog *>(modal))
                d->reject();
        }
    });
    watch.start();
    app.start();
    watch.stop();
    QDir::setCurrent(previous);

    EXPECT_TRUE(question.shown);
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("Unable to find the file")))
        << question.text.toStdString();
    EXPECT_TRUE(question.splashShown) << "the splash should still show behind the question";
    EXPECT_TRUE(question.active) << "the question is not the active window";
    EXPECT_TRUE(question.aboveSplash) << "the question lies under the splash";
    EXPECT_TRUE(browse.shown) << "Yes did not open the open dialog";
    EXPECT_TRUE(browse.splashShown);
    EXPECT_TRUE(browse.active) << "the open dialog is not the active window";
    EXPECT_TRUE(browse.aboveSplash) << "the open dialog lies under the splash";
    // Cancelling the dialog ends the run.
    EXPECT_TRUE(app.ended());
}

TEST(WindowManager, TheTableWindowClosesOnAClickIntoTheMainWindowAndOnEscape)
{
    GuiRun r;
    dismissSplash(r);
    auto *tabs = r.widget<QTabWidget>(r.f.PageControl1);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                      tabs->tabBar()->tabRect(form::MainForm::PageRates).center());
    ASSERT_EQ(r.f.PageControl1.activePageIndex(), form::MainForm::PageRates);
    auto &table = r.session->tableWindow();
    struct Way
    {
        const char *name;
        std::function<void()> close;
    };
    const Way ways[] = {
        {"a click into the main window", [&] { clickAt(neutralPointOfMainWindow(r, table)); }},
        {"Escape", [] { pressKeys(QStringLiteral("Escape")); }},
        {"a second click into the main window",
         [&] { clickAt(neutralPointOfMainWindow(r, table)); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        QTest::mouseClick(r.widget(r.f.B_EC3Tables), Qt::LeftButton);
        ASSERT_TRUE(r.a.tableWindow.shown());
        ASSERT_TRUE(waitActive(&table)) << "the table window did not become active";
        way.close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return table.isHidden(); }, 5000))
            << "the table window stayed open";
        EXPECT_FALSE(r.a.tableWindow.shown());
        EXPECT_TRUE(waitActive(&r.window())) << "the main window is not active again";
    }
}

TEST(WindowManager, TheAboutBoxShowsAgainAfterEveryWayOfClosingIt)
{
    GuiRun r;
    dismissSplash(r);
    auto *about = qobject_cast<QAction *>(r.session->binderFor(r.f.MenuAbout)->object());
    ASSERT_NE(about, nullptr);
    auto &box = r.session->aboutWindow();
    struct Way
    {
        const char *name;
        std::function<void()> close;
    };
    const Way ways[] = {
        {"Escape", [] { pressKeys(QStringLiteral("Escape")); }},
        {"Alt+F4", [] { pressKeys(QStringLiteral("alt+F4")); }},
        {"Return on OK", [] { pressKeys(QStringLiteral("Return")); }},
        {"a click into the main window", [&] { clickAt(neutralPointOfMainWindow(r, box)); }},
        {"Escape once more", [] { pressKeys(QStringLiteral("Escape")); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        about->trigger();
        ASSERT_TRUE(r.a.about.shown());
        ASSERT_TRUE(QTest::qWaitFor([&] { return box.isVisible(); }, 5000))
            << "\"About\" did not show the box";
        ASSERT_TRUE(waitActive(&box)) << "the about box did not become active";
        way.close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return box.isHidden(); }, 5000))
            << "the about box stayed open";
        EXPECT_FALSE(r.a.about.shown()) << "the program still takes the box for shown";
        EXPECT_TRUE(waitActive(&r.window())) << "the main window is not active again";
    }
}

TEST(WindowManager, TabAndShiftTabGoThroughTheInputPageInTheOrderOfItsInventory)
{
    GuiRun r;
    dismissSplash(r);
    // The controls of the input page a person can reach with Tab, in the
    // order of the window's inventory: the family group is one stop, its
    // checked item (the arrows move inside it); the display grid of the
    // section properties takes no stop, the disabled reduction-factor group
    // and the hidden safety factor limits none either; then the page tabs.
    std::vector<QWidget *> order;
    for (const form::Control *c : {&r.f.Edit_Moment, &r.f.Edit_Load, &r.f.Edit_Deflection})
        order.push_back(r.widget(*c));
    auto *families = r.widget<gui::RadioGroupBox>(r.f.RG_SSP);
    ASSERT_NE(families, nullptr);
    ASSERT_GT(families->count(), 1);
    ASSERT_NE(families->button(r.f.RG_SSP.itemIndex()), nullptr);
    order.push_back(families->button(r.f.RG_SSP.itemIndex()));
    for (const form::Control *c :
         {&r.f.LB_SSP, &r.f.CB_SteelGrades, &r.f.ChB_SteelGradesAll, &r.f.CB_ServiceLife,
          &r.f.CB_Protection_Front, &r.f.CB_Protection_Back, &r.f.Edit_WallLength,
          &r.f.Edit_SSPLength})
        order.push_back(r.widget(*c));
    order.push_back(r.widget<QTabWidget>(r.f.PageControl1)->tabBar());
    for (const QWidget *w : order)
        ASSERT_NE(w, nullptr);

    auto *moment = r.widget<QLineEdit>(r.f.Edit_Moment);
    clickAt(moment->mapToGlobal(moment->rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == moment; }, 5000))
        << "a click into the moment field left the focus on "
        << nameOf(QApplication::focusWidget());

    const size_t n = order.size();
    struct Direction
    {
        const char *keys;
        int step;
    };
    for (const Direction &d : {Direction{"Tab", 1}, Direction{"shift+Tab", -1}}) {
        SCOPED_TRACE(d.keys);
        size_t at = 0;
        // Once round the whole chain, back to the moment field.
        for (size_t k = 0; k < n; ++k) {
            const size_t next =
                static_cast<size_t>(static_cast<int>(at) + static_cast<int>(n) + d.step) % n;
            pressKeys(QString::fromLatin1(d.keys));
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return QApplication::focusWidget() == order[next]; }, 3000))
                << d.keys << " from " << nameOf(order[at]) << " went to "
                << nameOf(QApplication::focusWidget()) << " instead of " << nameOf(order[next]);
            if (QApplication::focusWidget() != order[next])
                return; // the rest of the chain would only repeat the fault
            at = next;
        }
    }
}
