#pragma once
// The editing rules of a one-line edit, in one place: what a typed key or a
// pasted text does to the text, given where the caret stands and what is
// selected. The form model runs them for the headless driver (caret at the
// end, nothing selected) and for the Qt program (the caret and selection of
// the real widget), so that both programs type alike. The key filter of a
// field is a handler and runs before these rules (Form::typeKey).

#include <QChar>
#include <QString>

#include <limits>

namespace pc::form {

// The backspace key as a typed character.
inline constexpr QChar BackspaceKey{8};

// Where the caret of an edit stands and what is selected; positions count
// characters from the start of the text, a selection of length 0 is none.
// Positions from outside may be anything: the rules clamp them to the text,
// so a position past its end stands for the end of whatever text the field
// holds when the key arrives.
struct EditCursor
{
    static constexpr int End = std::numeric_limits<int>::max();

    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;

    // The caret after the last character, nothing selected.
    static constexpr EditCursor atEnd() { return {End, 0, 0}; }
    // The whole text selected, the caret at its end.
    static constexpr EditCursor all() { return {End, 0, End}; }
};

// What the edit made of a key or a paste.
enum class Typed {
    Edited,  // the text is the one returned (it may be the same: backspace at the start)
    Dropped, // the key went nowhere (the key filter dropped it, or the focus left the field)
    NotText, // a control character (Enter, Tab, Escape, ...): no edit takes it as text
    Full,    // the text is at its maximum length and nothing is selected: refused
};

// The edit after a key or a paste: the text, the caret, and the one change
// that led there (the characters [from, from + removed) of the old text gave
// way to `inserted`), so that a widget can make the same change itself and
// keep its own undo history.
struct EditOutcome
{
    Typed typed = Typed::Edited;
    QString text;
    int caret = 0;
    int from = 0;
    int removed = 0;
    QString inserted;
};

// The text as it was: nothing typed into it.
EditOutcome untouched(const QString &text, Typed typed, EditCursor cursor);

// A key typed into `text` (maxLength <= 0: no limit). Backspace deletes the
// selection, or else the character before the caret; a printable character
// replaces the selection or is inserted at the caret, unless the text is at
// its maximum length with nothing selected.
EditOutcome typeInto(const QString &text, int maxLength, QChar key, EditCursor cursor);

// A text pasted into `text`: it replaces the selection, cut to what the
// maximum length leaves room for, each control character (a tab, a line
// break) pasted as a blank. Pasting nothing over a selection deletes it.
EditOutcome pasteInto(const QString &text, int maxLength, const QString &pasted, EditCursor cursor);

} // namespace pc::form
