// The main window on screens of any size: where the screen holds it, it has
// the size the model gives it; where it does not (a small laptop screen at
// 150 %, which ctest also plays with QT_SCALE_FACTOR), the window stays
// within the screen's available area with its menus and status bar, and the
// pages scroll inside it.

#include "gui_fixture.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace {

using pc::test::GuiRun;

TEST(GuiScreen, TheMainWindowFitsTheScreenAndItsPagesScrollWhenItMust)
{
    GuiRun run;
    pc::gui::MainWindow &w = run.window();
    ASSERT_NE(w.screen(), nullptr);
    const QRect area = w.screen()->availableGeometry();
    const pc::form::Control &model = run.f.window();
    const QSize natural(model.width(), model.height() + w.menuBar()->sizeHint().height());
    auto *scroll = qobject_cast<QScrollArea *>(w.centralWidget());
    SCOPED_TRACE(QStringLiteral("screen %1x%2, window %3x%4")
                     .arg(area.width())
                     .arg(area.height())
                     .arg(natural.width())
                     .arg(natural.height())
                     .toStdString());
    if (natural.width() + 16 <= area.width() && natural.height() + 40 <= area.height()) {
        EXPECT_EQ(scroll, nullptr);
        EXPECT_EQ(w.size(), natural);
        return;
    }
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(w.frameGeometry().width(), area.width());
    EXPECT_LE(w.frameGeometry().height(), area.height());
    EXPECT_GE(w.frameGeometry().top(), area.top());
    EXPECT_GE(w.frameGeometry().left(), area.left());
    // Every part of the pages can be scrolled into view.
    QWidget *pages = w.ui.PageControl1;
    EXPECT_EQ(pages->parentWidget(), scroll->widget());
    const QRect shown = scroll->viewport()->rect();
    EXPECT_GE(scroll->verticalScrollBar()->maximum() + shown.height(),
              pages->geometry().bottom() + 1);
    EXPECT_GE(scroll->horizontalScrollBar()->maximum() + shown.width(),
              pages->geometry().right() + 1);
    EXPECT_TRUE(w.statusBar()->isVisible());
}

} // namespace
