// The typing rules of an edit (one path for both programs): a key or a paste
// at a caret and a selection, alone and through the form with the key filter
// of a real numeric field.

#include "app_fixture.h"
#include "engine/design_input.h"
#include "form/typing.h"

#include <gtest/gtest.h>

using namespace pc;
using form::EditCursor;
using form::Typed;

namespace {

const char *typedName(Typed t)
{
    switch (t) {
    case Typed::Edited:
        return "Edited";
    case Typed::Dropped:
        return "Dropped";
    case Typed::NotText:
        return "NotText";
    case Typed::Full:
        return "Full";
    }
    return "?";
}

EditCursor at(int caret)
{
    return {caret, 0, 0};
}

// Selects `length` characters from `start`, the caret at the selection's end.
EditCursor sel(int start, int length)
{
    return {start + length, start, length};
}

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The one change an outcome reports leads from the old text to the new one.
void expectChangeLeadsThere(const QString &before, const form::EditOutcome &o)
{
    QString replayed = before;
    replayed.replace(o.from, o.removed, o.inserted);
    EXPECT_EQ(replayed, o.text) << "from " << o.from << " removed " << o.removed;
}

} // namespace

TEST(TypingRules, AKeyAtTheCaretAndTheSelection)
{
    struct Case
    {
        const char *name;
        const char *text;
        int maxLength;
        QChar key;
        EditCursor cursor;
        Typed typed;
        const char *after;
        int caret;
    };
    const QChar bs = form::BackspaceKey;
    const Case cases[] = {
        {"digit at the end", "12", 0, QLatin1Char('3'), at(2), Typed::Edited, "123", 3},
        {"digit at the caret inside", "12", 0, QLatin1Char('5'), at(1), Typed::Edited, "152", 2},
        {"digit at the start", "12", 0, QLatin1Char('5'), at(0), Typed::Edited, "512", 1},
        {"decimal point inside", "125", 0, QLatin1Char('.'), at(1), Typed::Edited, "1.25", 2},
        {"decimal comma inside", "125", 0, QLatin1Char(','), at(2), Typed::Edited, "12,5", 3},
        {"minus at the start", "5", 0, QLatin1Char('-'), at(0), Typed::Edited, "-5", 1},
        {"non-latin character", "a", 0, QChar(0x00B3), at(1), Typed::Edited, "a³", 2},
        {"backspace at the end", "123", 0, bs, at(3), Typed::Edited, "12", 2},
        {"backspace at the caret inside", "123", 0, bs, at(2), Typed::Edited, "13", 1},
        {"backspace at the start", "123", 0, bs, at(0), Typed::Edited, "123", 0},
        {"backspace in an empty field", "", 0, bs, at(0), Typed::Edited, "", 0},
        {"backspace over a selection", "12345", 0, bs, sel(1, 3), Typed::Edited, "15", 1},
        {"digit over a selection", "12345", 0, QLatin1Char('9'), sel(1, 3), Typed::Edited, "195",
         2},
        {"digit over the whole text", "12345", 0, QLatin1Char('9'), sel(0, 5), Typed::Edited, "9",
         1},
        {"enter", "12", 0, QLatin1Char('\r'), at(1), Typed::NotText, "12", 1},
        {"line feed", "12", 0, QLatin1Char('\n'), at(2), Typed::NotText, "12", 2},
        {"tab", "12", 0, QLatin1Char('\t'), at(0), Typed::NotText, "12", 0},
        {"escape", "12", 0, QChar(27), sel(0, 2), Typed::NotText, "12", 2},
        {"delete character", "12", 0, QChar(0x7f), at(1), Typed::NotText, "12", 1},
        {"room for one more", "12", 3, QLatin1Char('3'), at(1), Typed::Edited, "132", 2},
        {"at the maximum length", "123", 3, QLatin1Char('4'), at(1), Typed::Full, "123", 1},
        {"over the maximum length already", "1234", 3, QLatin1Char('5'), at(4), Typed::Full, "1234",
         4},
        {"at the maximum length over a selection", "123", 3, QLatin1Char('9'), sel(0, 1),
         Typed::Edited, "923", 1},
        {"backspace at the maximum length", "123", 3, bs, at(3), Typed::Edited, "12", 2},
        {"caret past the end stands at the end", "12", 0, QLatin1Char('3'), at(99), Typed::Edited,
         "123", 3},
        {"caret at the end of any text", "12", 0, QLatin1Char('3'), EditCursor::atEnd(),
         Typed::Edited, "123", 3},
        {"negative caret stands at the start", "12", 0, QLatin1Char('3'), at(-5), Typed::Edited,
         "312", 1},
        {"selection beyond the text ends with it", "12", 0, QLatin1Char('9'), sel(1, 99),
         Typed::Edited, "19", 2},
        {"selection from before the start",
         "12",
         0,
         QLatin1Char('9'),
         {0, -3, 4},
         Typed::Edited,
         "9",
         1},
        {"whole text selected", "12", 0, bs, EditCursor::all(), Typed::Edited, "", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString before = U(c.text);
        const form::EditOutcome o = form::typeInto(before, c.maxLength, c.key, c.cursor);
        EXPECT_STREQ(typedName(o.typed), typedName(c.typed));
        EXPECT_EQ(o.text, U(c.after));
        EXPECT_EQ(o.caret, c.caret);
        expectChangeLeadsThere(before, o);
    }
}

TEST(TypingRules, APasteReplacesTheSelectionWithinTheMaximumLength)
{
    struct Case
    {
        const char *name;
        const char *text;
        int maxLength;
        const char *pasted;
        EditCursor cursor;
        const char *after;
        int caret;
    };
    const Case cases[] = {
        {"at the caret inside", "15", 0, "23", at(1), "1235", 3},
        {"over a selection", "12345", 0, "x", sel(1, 3), "1x5", 2},
        {"over the whole text", "old", 0, "new", EditCursor::all(), "new", 3},
        {"cut to the room left", "12", 4, "abcdef", at(2), "12ab", 4},
        {"cut to the room a selection makes", "1234", 4, "abc", sel(1, 2), "1ab4", 3},
        {"whole text cut to the maximum", "1", 3, "abcdef", EditCursor::all(), "abc", 3},
        {"nothing over a selection deletes it", "1234", 0, "", sel(0, 2), "34", 0},
        {"into a full field nothing goes", "1234", 4, "9", at(4), "1234", 4},
        {"control characters are pasted as blanks", "", 0, "1\t2\r\n3\x7f\u0085", at(0), "1 2  3  ",
         8},
        {"caret past the end", "1", 0, "2", at(40), "12", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString before = U(c.text);
        const form::EditOutcome o = form::pasteInto(before, c.maxLength, U(c.pasted), c.cursor);
        EXPECT_STREQ(typedName(o.typed), typedName(Typed::Edited));
        EXPECT_EQ(o.text, U(c.after));
        EXPECT_EQ(o.caret, c.caret);
        expectChangeLeadsThere(before, o);
    }
}

// The form runs the field's key filter before the rules and the change
// after them: on the moment field, whose filter lets digits, backspace and
// one decimal separator through.
TEST(TypingThroughTheForm, TheKeyFilterThenTheRulesThenTheChange)
{
    struct Case
    {
        const char *name;
        const char *before;
        QChar key;
        EditCursor cursor;
        Typed typed;
        const char *after;
        int caret;
        double moment; // the design moment after the key
        bool rejected; // the field reported a wrong key and beeped
    };
    const QChar bs = form::BackspaceKey;
    const Case cases[] = {
        {"digit inside", "12", QLatin1Char('5'), at(1), Typed::Edited, "152", 2, 152.0, false},
        {"digit at the start", "12", QLatin1Char('3'), at(0), Typed::Edited, "312", 1, 312.0,
         false},
        {"decimal separator inside", "125", QLatin1Char('.'), at(2), Typed::Edited, "12.5", 3, 12.5,
         false},
        {"a second decimal separator", "1.5", QLatin1Char('.'), at(0), Typed::Dropped, "1.5", 0,
         1.5, true},
        {"minus", "12", QLatin1Char('-'), at(0), Typed::Dropped, "12", 0, 12.0, true},
        {"letter", "12", QLatin1Char('x'), at(1), Typed::Dropped, "12", 1, 12.0, true},
        {"enter", "12", QLatin1Char('\r'), at(2), Typed::Dropped, "12", 2, 12.0, true},
        {"backspace inside", "152", bs, at(2), Typed::Edited, "12", 1, 12.0, false},
        {"backspace at the start", "152", bs, at(0), Typed::Edited, "152", 0, 152.0, false},
        {"backspace over a selection", "1523", bs, sel(1, 2), Typed::Edited, "13", 1, 13.0, false},
        {"digit over a selection", "1523", QLatin1Char('0'), sel(0, 3), Typed::Edited, "03", 1, 3.0,
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::RunningApp r;
        auto &f = r.f;
        ASSERT_EQ(f.userReplace(f.Edit_Moment, U(c.before)), form::ActionResult::Done);
        ASSERT_EQ(f.Edit_Moment.text(), U(c.before));
        const int beeps = r.p.exclamationBeeps();
        f.SB1.setPanel(1, QString());
        const form::EditAction a = f.typeKey(f.Edit_Moment, c.key, c.cursor);
        EXPECT_EQ(a.result, form::ActionResult::Done);
        EXPECT_STREQ(typedName(a.outcome.typed), typedName(c.typed));
        EXPECT_EQ(a.outcome.text, U(c.after));
        EXPECT_EQ(a.outcome.caret, c.caret);
        EXPECT_EQ(f.Edit_Moment.text(), U(c.after));
        EXPECT_DOUBLE_EQ(r.a.s.actions.moment, c.moment);
        EXPECT_EQ(r.p.exclamationBeeps(), beeps + (c.rejected ? 1 : 0));
        EXPECT_EQ(f.SB1.panel(1), c.rejected ? WrongInputPrefix + c.key : QString());
    }
}

// The headless driver types at the end of whatever text the field holds,
// and its replace is a paste over the whole text: both are the one path.
TEST(TypingThroughTheForm, TheDriversKeysAreTheOnePathAtTheEnd)
{
    struct Case
    {
        const char *name;
        const char *before;
        const char *keys;
    };
    const Case cases[] = {
        {"digits", "1", "23"},
        {"backspaces", "123", "\b\b"},
        {"separator and a refused one", "4", ".5.6"},
        {"letters among digits", "7", "8x9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::RunningApp driver;
        test::RunningApp oneKey;
        driver.f.userReplace(driver.f.Edit_Moment, U(c.before));
        oneKey.f.userReplace(oneKey.f.Edit_Moment, U(c.before));
        driver.f.userType(driver.f.Edit_Moment, U(c.keys));
        for (QChar k : U(c.keys)) {
            const int end = static_cast<int>(oneKey.f.Edit_Moment.text().size());
            oneKey.f.typeKey(oneKey.f.Edit_Moment, k, at(end));
        }
        EXPECT_EQ(driver.f.Edit_Moment.text(), oneKey.f.Edit_Moment.text());
        EXPECT_DOUBLE_EQ(driver.a.s.actions.moment, oneKey.a.s.actions.moment);
        EXPECT_EQ(driver.f.SB1.panel(1), oneKey.f.SB1.panel(1));
        EXPECT_EQ(driver.p.exclamationBeeps(), oneKey.p.exclamationBeeps());
    }
}

namespace {

// A window with one edit whose key filter drops every key it sees.
class OneEditForm : public form::Form
{
public:
    OneEditForm() : Form(QString())
    {
        add(W, nullptr);
        add(E, &W);
        W.setVisible(true);
        E.onKeyPress = [this](QChar &key) {
            ++filtered;
            key = QChar();
        };
        E.onChange = [this] { changes << E.text(); };
    }
    form::Control W{QStringLiteral("W"), form::Kind::Window};
    form::Control E{QStringLiteral("E"), form::Kind::Edit};
    int filtered = 0;
    QStringList changes;
};

} // namespace

TEST(TypingThroughTheForm, APasteRunsNoKeyFilterAndKeepsToTheMaximumLength)
{
    struct Case
    {
        const char *name;
        int maxLength;
        const char *before;
        const char *pasted;
        EditCursor cursor;
        const char *after;
        int caret;
    };
    const Case cases[] = {
        {"at the caret", 0, "15", "x2", at(1), "1x25", 3},
        {"over a selection, cut to the maximum", 4, "1234", "abc", sel(1, 2), "1ab4", 3},
        {"into a full field", 4, "1234", "5", at(4), "1234", 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        OneEditForm f;
        f.E.setMaxLength(c.maxLength);
        f.E.setText(U(c.before));
        f.changes.clear();
        const form::EditAction a = f.paste(f.E, U(c.pasted), c.cursor);
        EXPECT_EQ(a.result, form::ActionResult::Done);
        EXPECT_EQ(a.outcome.text, U(c.after));
        EXPECT_EQ(a.outcome.caret, c.caret);
        EXPECT_EQ(f.E.text(), U(c.after));
        EXPECT_EQ(f.filtered, 0);
        EXPECT_EQ(f.focused(), &f.E);
        // The change runs once, and only when the text differs.
        EXPECT_EQ(f.changes, U(c.after) == U(c.before) ? QStringList() : QStringList{U(c.after)});
    }
}

TEST(TypingThroughTheForm, AKeyTheFilterDropsOrAControlThatTakesNoKeysChangesNothing)
{
    OneEditForm f;
    f.E.setText(QStringLiteral("12"));
    f.changes.clear();
    const form::EditAction dropped = f.typeKey(f.E, QLatin1Char('3'), at(1));
    EXPECT_EQ(dropped.result, form::ActionResult::Done);
    EXPECT_STREQ(typedName(dropped.outcome.typed), "Dropped");
    EXPECT_EQ(dropped.outcome.text, QStringLiteral("12"));
    EXPECT_EQ(dropped.outcome.caret, 1);
    EXPECT_EQ(f.filtered, 1);

    f.E.setEnabled(false);
    const form::EditAction disabled = f.typeKey(f.E, QLatin1Char('3'), at(1));
    EXPECT_EQ(disabled.result, form::ActionResult::Ignored);
    EXPECT_EQ(f.paste(f.E, QStringLiteral("9"), at(0)).result, form::ActionResult::Ignored);
    EXPECT_EQ(f.typeKey(f.W, QLatin1Char('3'), at(0)).result, form::ActionResult::WrongKind);
    EXPECT_EQ(f.filtered, 1);
    EXPECT_EQ(f.E.text(), QStringLiteral("12"));
    EXPECT_TRUE(f.changes.isEmpty());
}
