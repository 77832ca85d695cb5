// Typing into the real line edit with the caret inside the text and with a
// selection: the model's typing rules decide, and the widget shows the very
// text and caret the model made.

#include "gui_fixture.h"

#include "engine/design_input.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace pc;
using pc::test::GuiRun;

namespace {

struct KeyCase
{
    const char *name;
    const char *before;
    int selectionStart; // -1: no selection, the caret at `caret`
    int selectionLength;
    int caret;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *after;
    int caretAfter;
};

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The moment field holds `text`, the caret and selection as the case says.
QLineEdit *prepare(GuiRun &r, const KeyCase &c)
{
    QLineEdit *edit = r.retype(r.f.Edit_Moment, U(c.before));
    EXPECT_EQ(edit->text(), U(c.before));
    EXPECT_EQ(r.f.Edit_Moment.text(), U(c.before));
    if (c.selectionStart >= 0)
        edit->setSelection(c.selectionStart, c.selectionLength);
    else
        edit->setCursorPosition(c.caret);
    return edit;
}

} // namespace

TEST(GuiTyping, TheWidgetShowsWhatTheModelMadeOfTheKey)
{
    const KeyCase cases[] = {
        {"digit at the caret inside", "12", -1, 0, 1, Qt::Key_5, Qt::NoModifier, "152", 2},
        {"digit at the start", "12", -1, 0, 0, Qt::Key_3, Qt::NoModifier, "312", 1},
        {"decimal point inside", "125", -1, 0, 2, Qt::Key_Period, Qt::NoModifier, "12.5", 3},
        {"letter dropped by the key filter", "12", -1, 0, 1, Qt::Key_X, Qt::NoModifier, "12", 1},
        {"minus dropped by the key filter", "12", -1, 0, 0, Qt::Key_Minus, Qt::NoModifier, "12", 0},
        {"backspace at the caret inside", "152", -1, 0, 2, Qt::Key_Backspace, Qt::NoModifier, "12",
         1},
        {"backspace at the start", "152", -1, 0, 0, Qt::Key_Backspace, Qt::NoModifier, "152", 0},
        {"backspace over a selection", "1523", 1, 2, 0, Qt::Key_Backspace, Qt::NoModifier, "13", 1},
        {"digit over a selection", "1523", 0, 3, 0, Qt::Key_0, Qt::NoModifier, "03", 1},
        // Keys that are no text stay the toolkit's.
        {"left arrow moves the caret", "152", -1, 0, 2, Qt::Key_Left, Qt::NoModifier, "152", 1},
        {"delete removes the character after the caret", "152", -1, 0, 1, Qt::Key_Delete,
         Qt::NoModifier, "12", 1},
    };
    GuiRun r;
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit *edit = prepare(r, c);
        QTest::keyClick(edit, c.key, c.modifiers);
        r.session->flush();
        EXPECT_EQ(edit->text(), U(c.after));
        EXPECT_EQ(r.f.Edit_Moment.text(), U(c.after));
        EXPECT_EQ(edit->cursorPosition(), c.caretAfter);
        EXPECT_FALSE(edit->hasSelectedText());
        EXPECT_DOUBLE_EQ(r.a.s.actions.moment, U(c.after).toDouble());
        EXPECT_EQ(r.f.focused(), &r.f.Edit_Moment);
    }
}

TEST(GuiTyping, ARefusedKeyIsReportedOnceAndLeavesTheCaret)
{
    GuiRun r;
    QLineEdit *edit = prepare(r, {"", "1.5", -1, 0, 1, Qt::Key_Period, Qt::NoModifier, "", 0});
    const int beeps = r.p.exclamationBeeps();
    QTest::keyClick(edit, Qt::Key_Period);
    EXPECT_EQ(edit->text(), QStringLiteral("1.5"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(r.p.exclamationBeeps(), beeps + 1);
    EXPECT_EQ(r.panel(1), WrongInputPrefix + QLatin1Char('.'));
}

TEST(GuiTyping, APasteGoesThroughTheModelAtTheSelection)
{
    struct Case
    {
        const char *name;
        const char *clipboard;
        KeyCase at;
    };
    const Case cases[] = {
        {"ctrl+v over a selection",
         "77",
         {"", "1523", 1, 2, 0, Qt::Key_V, Qt::ControlModifier, "1773", 3}},
        {"ctrl+v at the caret",
         "9",
         {"", "15", -1, 0, 1, Qt::Key_V, Qt::ControlModifier, "195", 2}},
        {"shift+insert at the start",
         "4",
         {"", "15", -1, 0, 0, Qt::Key_Insert, Qt::ShiftModifier, "415", 1}},
    };
    GuiRun r;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QGuiApplication::clipboard()->setText(U(c.clipboard));
        ASSERT_EQ(QGuiApplication::clipboard()->text(), U(c.clipboard));
        QLineEdit *edit = prepare(r, c.at);
        QTest::keyClick(edit, c.at.key, c.at.modifiers);
        r.session->flush();
        EXPECT_EQ(edit->text(), U(c.at.after));
        EXPECT_EQ(r.f.Edit_Moment.text(), U(c.at.after));
        EXPECT_EQ(edit->cursorPosition(), c.at.caretAfter);
        EXPECT_DOUBLE_EQ(r.a.s.actions.moment, U(c.at.after).toDouble());
    }
}

TEST(GuiTyping, TheWidgetsUndoTakesBackATypedKeyAndTheModelFollows)
{
    GuiRun r;
    QLineEdit *edit = prepare(r, {"", "12", -1, 0, 1, Qt::Key_5, Qt::NoModifier, "", 0});
    QTest::keyClick(edit, Qt::Key_5);
    ASSERT_EQ(r.f.Edit_Moment.text(), QStringLiteral("152"));
    ASSERT_TRUE(edit->isUndoAvailable());
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    r.session->flush();
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_EQ(r.f.Edit_Moment.text(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(r.a.s.actions.moment, 12.0);
}
