#include "form/typing.h"

#include <algorithm>

namespace pc::form {

namespace {

// The cursor inside the text: the caret in [0, size], the selection a range
// of the text (none when its length is not positive).
EditCursor clamped(const QString &text, EditCursor c)
{
    const int size = static_cast<int>(text.size());
    c.caret = std::clamp(c.caret, 0, size);
    c.selectionStart = std::clamp(c.selectionStart, 0, size);
    c.selectionLength = std::clamp(c.selectionLength, 0, size - c.selectionStart);
    return c;
}

EditOutcome replaced(const QString &text, int from, int removed, const QString &inserted)
{
    EditOutcome o;
    o.text = text;
    o.text.replace(from, removed, inserted);
    o.caret = from + static_cast<int>(inserted.size());
    o.from = from;
    o.removed = removed;
    o.inserted = inserted;
    return o;
}

EditOutcome unchanged(const QString &text, Typed typed, int caret)
{
    EditOutcome o;
    o.typed = typed;
    o.text = text;
    o.caret = caret;
    o.from = caret;
    return o;
}

bool isControl(QChar key)
{
    return key.unicode() < 0x20 || key.unicode() == 0x7f;
}

} // namespace

EditOutcome untouched(const QString &text, Typed typed, EditCursor cursor)
{
    return unchanged(text, typed, clamped(text, cursor).caret);
}

EditOutcome typeInto(const QString &text, int maxLength, QChar key, EditCursor cursor)
{
    const EditCursor c = clamped(text, cursor);
    const bool selection = c.selectionLength > 0;
    if (key == BackspaceKey) {
        if (selection)
            return replaced(text, c.selectionStart, c.selectionLength, QString());
        if (c.caret == 0)
            return unchanged(text, Typed::Edited, 0);
        return replaced(text, c.caret - 1, 1, QString());
    }
    // Enter, Tab, Escape and the like are no characters of a one-line edit.
    if (isControl(key))
        return unchanged(text, Typed::NotText, c.caret);
    if (!selection && maxLength > 0 && text.size() >= maxLength)
        return unchanged(text, Typed::Full, c.caret);
    if (selection)
        return replaced(text, c.selectionStart, c.selectionLength, QString(key));
    return replaced(text, c.caret, 0, QString(key));
}

EditOutcome pasteInto(const QString &text, int maxLength, const QString &pasted, EditCursor cursor)
{
    const EditCursor c = clamped(text, cursor);
    const bool selection = c.selectionLength > 0;
    const int from = selection ? c.selectionStart : c.caret;
    const int removed = selection ? c.selectionLength : 0;
    // A one-line field holds no control character: a tab or a line break
    // pasted from a spreadsheet or a document becomes a blank, so that a
    // description saved in a design file always opens again.
    QString inserted = pasted;
    for (QChar &ch : inserted)
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char(' ');
    if (maxLength > 0) {
        const int room = std::max(0, maxLength - static_cast<int>(text.size()) + removed);
        inserted.truncate(room);
    }
    return replaced(text, from, removed, inserted);
}

} // namespace pc::form
