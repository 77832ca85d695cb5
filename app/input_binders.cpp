// Binders of what the user types, picks and clicks: edits, list and combo
// boxes, radio groups, buttons and the tab control.

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

namespace pc::gui::detail {

namespace {

// ---- Edits ---------------------------------------------------------------------

// The model types: a key press or a paste goes to the form model with the
// widget's caret and selection, and the widget makes the change that comes
// back (as an edit of its own, so that its undo history holds it). The keys
// the model does not take as text (Enter, Escape, Delete, the arrows, the
// editing shortcuts) stay the toolkit's; an edit the toolkit makes on its own
// (cut, undo, a drop) goes to the model as the user's change of the text.
class EditBinder : public Binder
{
public:
    EditBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        edit()->installEventFilter(this);
        connect(edit(), &QLineEdit::textEdited, this,
                [this](const QString &text) { user([&] { form_.userReplace(control_, text); }); });
    }

protected:
    QLineEdit *edit() const { return qobject_cast<QLineEdit *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with(
            {P::MaxLength, P::Text, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor},
            Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Text:
            // The same text keeps the cursor where the user left it.
            if (edit()->text() != control_.text())
                edit()->setText(control_.text());
            break;
        case P::MaxLength: {
            // Setting the limit resets the widget's text, caret and undo
            // history: only a new limit is set.
            const int limit = control_.maxLength() > 0 ? control_.maxLength() : 32767;
            if (edit()->maxLength() != limit)
                edit()->setMaxLength(limit);
            break;
        }
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Text)
            return json(edit()->text());
        return shownCommon(p);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != object_ || e->type() != QEvent::KeyPress || !fromUser())
            return false;
        auto *ke = static_cast<QKeyEvent *>(e);
        if (ke->matches(QKeySequence::Paste)) {
            const QString pasted = QGuiApplication::clipboard()->text();
            return take(form_.paste(control_, pasted, cursor()));
        }
        QChar key;
        if (ke->key() == Qt::Key_Backspace &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            key = form::BackspaceKey;
        else if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab)
            return false; // moves the focus; it is no character of the field
        else if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false; // a shortcut or an editing command of the toolkit
        else if (ke->text().size() == 1)
            key = ke->text().at(0);
        else
            return false;
        return take(form_.typeKey(control_, key, cursor()));
    }

private:
    // The widget's caret and selection.
    form::EditCursor cursor() const
    {
        const QLineEdit *w = edit();
        if (!w->hasSelectedText())
            return {w->cursorPosition(), 0, 0};
        return {w->cursorPosition(), w->selectionStart(),
                static_cast<int>(w->selectedText().size())};
    }

    // Makes the widget show what the model made of the key; false when the
    // key is the toolkit's (it is no text the model takes).
    bool take(const form::EditAction &a)
    {
        if (a.result == form::ActionResult::Done && a.outcome.typed == form::Typed::NotText)
            return false;
        if (a.result == form::ActionResult::Done && a.outcome.typed == form::Typed::Edited)
            show(a.outcome);
        userActed(); // the model's own changes (onChange may rewrite the text) follow
        return true;
    }

    void show(const form::EditOutcome &o)
    {
        QLineEdit *w = edit();
        ProgramUpdate update;
        const QSignalBlocker block(w);
        if (o.removed > 0)
            w->setSelection(o.from, o.removed);
        else
            w->setCursorPosition(o.from);
        if (o.removed > 0 || !o.inserted.isEmpty())
            w->insert(o.inserted);
        if (w->text() != o.text)
            w->setText(o.text); // the widget held another text than the model
        w->setCursorPosition(o.caret);
    }
};

// ---- Combo boxes ----------------------------------------------------------

class ComboBoxBinder : public Binder
{
public:
    ComboBoxBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(combo(), &QComboBox::activated, this, [this](int index) {
            if (index >= 0)
                user([&] { form_.userSelect(control_, index); });
        });
        if (auto *dd = qobject_cast<DropDownList *>(combo()))
            dd->onDropDown = [this] {
                user([this] { form_.userDropDown(control_); });
                qobject_cast<DropDownList *>(combo())->droppedWidth = control_.droppedWidth();
            };
    }

    ~ComboBoxBinder() override
    {
        if (auto *dd = qobject_cast<DropDownList *>(combo()))
            dd->onDropDown = nullptr;
    }

protected:
    QComboBox *combo() const { return qobject_cast<QComboBox *>(object_.data()); }
    QStringList items() const
    {
        return texts(combo()->count(), [this](int i) { return combo()->itemText(i); });
    }

    std::vector<Property> properties() const override
    {
        return with(
            {P::Items, P::ItemIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor},
            Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Items: {
            if (items() != control_.items()) {
                combo()->clear();
                combo()->addItems(control_.items());
            }
            combo()->setMaxVisibleItems(control_.dropDownCount());
            combo()->setCurrentIndex(control_.itemIndex());
            break;
        }
        case P::ItemIndex:
            combo()->setCurrentIndex(control_.itemIndex());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Items:
            return json(items());
        case P::ItemIndex:
            return json(combo()->currentIndex());
        case P::Text:
            return json(combo()->currentText());
        default:
            return shownCommon(p);
        }
    }
};

// ---- Radio groups, radio buttons, check boxes, buttons ------------------------

class RadioGroupBinder : public Binder
{
public:
    RadioGroupBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(group(), &RadioGroupBox::itemClicked, this,
                [this](int index) { user([&] { form_.userSelect(control_, index); }); });
    }

protected:
    RadioGroupBox *group() const { return qobject_cast<RadioGroupBox *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Items, P::Columns, P::ItemIndex, P::ItemEnabled, P::Hint,
                     P::ShowHint, P::Enabled, P::Visible, P::FontColor, P::FontBold},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Caption:
            group()->setTitle(control_.caption());
            break;
        case P::Items:
            if (group()->items() != control_.items()) {
                group()->setItems(control_.items());
                apply(P::ItemEnabled);
                apply(P::FontBold);
                apply(P::Hint);
            }
            group()->setCheckedIndex(control_.itemIndex());
            break;
        case P::Columns:
            group()->setColumns(control_.columns());
            break;
        case P::ItemIndex:
            group()->setCheckedIndex(control_.itemIndex());
            break;
        case P::ItemEnabled: {
            const auto on = control_.itemEnabled();
            for (int i = 0; i < group()->count(); ++i)
                group()->setItemEnabled(i, i < static_cast<int>(on.size()) &&
                                               on[static_cast<size_t>(i)]);
            break;
        }
        case P::FontBold:
            for (int i = 0; i < group()->count(); ++i) {
                QFont f = group()->button(i)->font();
                f.setBold(control_.fontBold());
                group()->button(i)->setFont(f);
            }
            break;
        case P::Hint:
        case P::ShowHint:
            applyCommon(p);
            for (int i = 0; i < group()->count(); ++i)
                group()->button(i)->setToolTip(group()->toolTip());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Caption:
            return json(group()->title());
        case P::Items:
            return json(group()->items());
        case P::ItemIndex:
            return json(group()->checkedIndex());
        case P::FontBold:
            return json(group()->count() > 0 ? group()->button(0)->font().bold()
                                             : control_.fontBold());
        default:
            return shownCommon(p);
        }
    }
};

// Radio buttons, check boxes and buttons: a click is the user's click.
class ButtonBinder : public Binder
{
public:
    ButtonBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        if (auto *radio = qobject_cast<QRadioButton *>(o))
            radio->setAutoExclusive(false); // the model unchecks the others
        connect(button(), &QAbstractButton::clicked, this,
                [this] { user([this] { form_.userClick(control_); }); });
    }

protected:
    QAbstractButton *button() const { return qobject_cast<QAbstractButton *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Checked, P::Hint, P::ShowHint, P::Enabled, P::Visible,
                     P::FontColor, P::FontBold},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Caption:
            button()->setText(control_.caption());
            break;
        case P::Checked:
            if (button()->isCheckable())
                button()->setChecked(control_.checked());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Caption:
            return json(button()->text());
        case P::Checked:
            return json(button()->isChecked());
        default:
            return shownCommon(p);
        }
    }
};

// ---- Tab control -------------------------------------------------------------------

class TabControlBinder : public Binder
{
public:
    TabControlBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        connect(bar(), &QTabBar::tabBarClicked, this, [this](int index) {
            if (index >= 0)
                user([&] { form_.userSelect(control_, index); });
        });
        connect(bar(), &QTabBar::currentChanged, this, [this](int index) {
            if (index >= 0 && index != control_.tabIndex())
                user([&] { form_.userSelect(control_, index); });
        });
        new MouseForwarder(*this, bar(), [this] { userActed(); });
    }

protected:
    QTabBar *bar() const { return qobject_cast<QTabBar *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with({P::Items, P::TabIndex, P::Hint, P::ShowHint, P::Enabled, P::Visible},
                    Geometry);
    }

    void apply(Property p) override
    {
        QTabBar *b = bar();
        switch (p) {
        case P::Items: {
            const QStringList &items = control_.items();
            while (b->count() > items.size())
                b->removeTab(b->count() - 1);
            for (int i = 0; i < items.size(); ++i) {
                if (i < b->count())
                    b->setTabText(i, items[i]);
                else
                    b->addTab(items[i]);
            }
            b->setCurrentIndex(control_.tabIndex());
            break;
        }
        case P::TabIndex:
            b->setCurrentIndex(control_.tabIndex());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        switch (p) {
        case P::Items:
            return json(texts(bar()->count(), [this](int i) { return bar()->tabText(i); }));
        case P::TabIndex:
            return json(bar()->currentIndex());
        default:
            return shownCommon(p);
        }
    }
};

} // namespace

std::unique_ptr<Binder> makeInputBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::Edit:
        return std::make_unique<EditBinder>(s, f, c, o);
    case Kind::ComboBox:
        return std::make_unique<ComboBoxBinder>(s, f, c, o);
    case Kind::RadioGroup:
        return std::make_unique<RadioGroupBinder>(s, f, c, o);
    case Kind::RadioButton:
        return std::make_unique<ButtonBinder>(s, f, c, o);
    case Kind::CheckBox:
        return std::make_unique<ButtonBinder>(s, f, c, o);
    case Kind::Button:
        return std::make_unique<ButtonBinder>(s, f, c, o);
    case Kind::TabControl:
        return std::make_unique<TabControlBinder>(s, f, c, o);
    default:
        return nullptr;
    }
}

} // namespace pc::gui::detail
