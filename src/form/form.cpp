#include "form/form.h"

#include "form/program_error.h"

#include <algorithm>

namespace pc::form {

namespace {

void run(const std::function<void()> &handler)
{
    if (handler) {
        auto h = handler;
        h();
    }
}

bool isAncestorOrSelf(const Control *ancestor, const Control *c)
{
    for (; c; c = c->parent())
        if (c == ancestor)
            return true;
    return false;
}

} // namespace

// Kinds a person can put the keyboard focus on.
bool Form::focusableKind(Kind k)
{
    switch (k) {
    case Kind::PageControl:
    case Kind::Edit:
    case Kind::ListBox:
    case Kind::ComboBox:
    case Kind::RadioGroup:
    case Kind::RadioButton:
    case Kind::CheckBox:
    case Kind::Button:
    case Kind::Grid:
    case Kind::TabControl:
    case Kind::Chart:
        return true;
    default:
        return false;
    }
}

Form::Form(QString prefix) : prefix_(std::move(prefix)) {}

QString Form::qualifiedName(const Control &c) const
{
    return prefix_.isEmpty() ? c.name() : prefix_ + QLatin1Char('.') + c.name();
}

void Form::add(Control &c, Control *parent)
{
    if (!window_)
        window_ = &c;
    c.setParent(parent);
    controls_.push_back(&c);
    byName_[c.name()] = &c;
}

void Form::holdBackUnhandledEntries()
{
    for (Control *c : controls_)
        if (c->kind() == Kind::MenuItem && c->children().empty() && !c->onClick)
            c->holdBackUntilHandled();
}

Control *Form::find(const QString &name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

std::vector<Control *> Form::controlsSortedByName() const
{
    std::vector<Control *> out;
    out.reserve(byName_.size());
    for (const auto &entry : byName_) // std::map: ordered by name
        out.push_back(entry.second);
    return out;
}

Control *Form::pageOf(const Control &c) const
{
    for (Control *p = c.parent(); p; p = p->parent())
        if (p->kind() == Kind::Page)
            return p;
    return nullptr;
}

std::vector<Control *> Form::pages() const
{
    std::vector<Control *> out;
    if (!pageControl_)
        return out;
    for (Control *child : pageControl_->children())
        if (child->kind() == Kind::Page)
            out.push_back(child);
    return out;
}

Control *Form::activePage() const
{
    const auto all = pages();
    const int i = pageControl_ ? pageControl_->activePageIndex() : -1;
    return i >= 0 && i < static_cast<int>(all.size()) ? all[static_cast<size_t>(i)] : nullptr;
}

bool Form::onActivePage(const Control &c) const
{
    // A page itself lies on its page control; its own contents lie on it.
    const Control *page = c.kind() == Kind::Page ? &c : pageOf(c);
    return !page || page == activePage();
}

bool Form::reachable(const Control &c) const
{
    for (const Control *p = &c; p; p = p->parent())
        if (!p->enabled() || !p->visible())
            return false;
    return true;
}

void Form::setFocus(Control *c)
{
    if (c == focus_)
        return;
    Control *old = focus_;
    // Exit handlers: the old control and its containers that do not contain
    // the new one, innermost first.
    for (Control *x = old; x && !isAncestorOrSelf(x, c); x = x->parent())
        run(x->onExit);
    focus_ = c;
    if (!c)
        return;
    // Enter handlers: the new control's containers that did not contain the
    // old one, outermost first, then the control itself.
    std::vector<Control *> chain;
    for (Control *x = c; x && !(old && isAncestorOrSelf(x, old)); x = x->parent())
        chain.push_back(x);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (focus_ != c)
            return; // a handler moved the focus elsewhere; its own move ran the rest
        run((*it)->onEnter);
    }
}

void Form::show()
{
    if (window_->visible())
        return;
    window_->setVisible(true);
    if (Control *page = activePage())
        run(page->onShow);
}

void Form::showPage(int index)
{
    const auto all = pages();
    PC_FORM_EXPECT(pageControl_ && index >= 0 && index < static_cast<int>(all.size()),
                   qualifiedName(*window_), "showPage: no such page");
    if (!pageControl_ || index < 0 || index >= static_cast<int>(all.size()) ||
        index == pageControl_->activePageIndex())
        return;
    pageControl_->setActivePageIndex(index);
    if (shown())
        run(all[static_cast<size_t>(index)]->onShow);
}

ActionResult Form::check(const Control &c) const
{
    if (!onActivePage(c))
        return ActionResult::OffPage;
    if (!reachable(c))
        return ActionResult::Ignored;
    return ActionResult::Done;
}

bool Form::canTakeFocus(const Control &c) const
{
    return focusableKind(c.kind()) && c.focusable();
}

void Form::focusForUser(Control &c)
{
    if (focus_ != &c && canTakeFocus(c))
        setFocus(&c);
}

ActionResult Form::focusCheck(const Control &c) const
{
    const ActionResult r = check(c);
    if (r != ActionResult::Done)
        return r;
    return c.focusable() ? ActionResult::Done : ActionResult::Ignored;
}

ActionResult Form::enterCheck(const Control &c) const
{
    return focusableKind(c.kind()) ? focusCheck(c) : ActionResult::WrongKind;
}

ActionResult Form::editCheck(const Control &c) const
{
    return c.kind() == Kind::Edit ? focusCheck(c) : ActionResult::WrongKind;
}

ActionResult Form::selectCheck(const Control &c, int index) const
{
    if (&c == pageControl_)
        return pageCheck(index);
    switch (c.kind()) {
    case Kind::ListBox:
    case Kind::ComboBox:
    case Kind::RadioGroup:
    case Kind::TabControl:
        if (index < 0 || index >= c.itemCount())
            return ActionResult::BadIndex;
        break;
    default:
        return ActionResult::WrongKind;
    }
    const ActionResult r = check(c);
    if (r != ActionResult::Done)
        return r;
    if (c.kind() == Kind::RadioGroup && !c.itemEnabled()[static_cast<size_t>(index)])
        return ActionResult::Ignored;
    return ActionResult::Done;
}

ActionResult Form::dropDownCheck(const Control &c) const
{
    return c.kind() == Kind::ComboBox ? check(c) : ActionResult::WrongKind;
}

ActionResult Form::clickCheck(const Control &c) const
{
    switch (c.kind()) {
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
    case Kind::MenuItem:
    case Kind::Label:
    case Kind::Image:
        return check(c);
    default:
        return ActionResult::WrongKind;
    }
}

ActionResult Form::pageCheck(int index) const
{
    if (!pageControl_)
        return ActionResult::WrongKind;
    const auto all = pages();
    if (index < 0 || index >= static_cast<int>(all.size()))
        return ActionResult::BadIndex;
    if (!reachable(*pageControl_) || !all[static_cast<size_t>(index)]->tabVisible())
        return ActionResult::Ignored;
    return ActionResult::Done;
}

ActionResult Form::userEnter(Control &c)
{
    const ActionResult r = enterCheck(c);
    if (r == ActionResult::Done)
        focusForUser(c);
    return r;
}

ActionResult Form::userLeave()
{
    if (!focus_)
        return ActionResult::Done;
    // The focus goes to the page (or window) the control lies on, so that the
    // control's exit handler runs and its page still holds the focus.
    Control *to = pageOf(*focus_);
    if (!to)
        to = focus_ == window_ ? nullptr : window_;
    setFocus(to);
    return ActionResult::Done;
}

EditOutcome Form::pressKey(Control &c, QChar key, EditCursor cursor)
{
    if (c.onKeyPress) {
        auto filter = c.onKeyPress;
        filter(key);
    }
    if (key.isNull())
        return untouched(c.text(), Typed::Dropped, cursor);
    EditOutcome o = typeInto(c.text(), c.maxLength(), key, cursor);
    if (o.typed == Typed::Edited)
        c.setText(o.text); // the same text runs nothing
    return o;
}

EditAction Form::typeKey(Control &c, QChar key, EditCursor cursor)
{
    EditAction a;
    a.result = editCheck(c);
    a.outcome = untouched(c.text(), Typed::Dropped, cursor);
    if (a.result != ActionResult::Done)
        return a;
    focusForUser(c);
    if (takesKeys(c))
        a.outcome = pressKey(c, key, cursor);
    else
        a.outcome = untouched(c.text(), Typed::Dropped, cursor);
    return a;
}

EditAction Form::paste(Control &c, const QString &text, EditCursor cursor)
{
    EditAction a;
    a.result = editCheck(c);
    a.outcome = untouched(c.text(), Typed::Dropped, cursor);
    if (a.result != ActionResult::Done)
        return a;
    focusForUser(c);
    if (!takesKeys(c)) {
        a.outcome = untouched(c.text(), Typed::Dropped, cursor);
        return a;
    }
    a.outcome = pasteInto(c.text(), c.maxLength(), text, cursor);
    c.setText(a.outcome.text);
    return a;
}

ActionResult Form::userType(Control &c, const QString &text)
{
    if (const ActionResult r = editCheck(c); r != ActionResult::Done)
        return r;
    focusForUser(c);
    for (QChar ch : text) {
        // A handler may have moved the focus away or disabled the field: the
        // rest of the keys then go nowhere.
        if (!takesKeys(c))
            break;
        pressKey(c, ch, EditCursor::atEnd());
    }
    return ActionResult::Done;
}

ActionResult Form::userKey(Control &c, QChar key)
{
    return typeKey(c, key, EditCursor::atEnd()).result;
}

ActionResult Form::userReplace(Control &c, const QString &text)
{
    return paste(c, text, EditCursor::all()).result;
}

ActionResult Form::userSelect(Control &c, int index)
{
    if (&c == pageControl_)
        return userPage(index);
    if (const ActionResult r = selectCheck(c, index); r != ActionResult::Done)
        return r;
    focusForUser(c);
    // The handlers of the focus move may have refilled or disabled the
    // control: an item that is gone, or no longer enabled, is not picked,
    // as a click lands on nothing there.
    if (selectCheck(c, index) != ActionResult::Done)
        return ActionResult::Done;
    switch (c.kind()) {
    case Kind::ListBox:
        c.setItemIndex(index);
        run(c.onClick);
        break;
    case Kind::ComboBox:
        c.setItemIndex(index);
        run(c.onChange);
        break;
    case Kind::RadioGroup:
        c.setItemIndex(index); // runs the click when the item changes
        break;
    case Kind::TabControl:
        if (c.tabIndex() != index) {
            c.setTabIndex(index);
            run(c.onChange);
        }
        break;
    default:
        break;
    }
    return ActionResult::Done;
}

ActionResult Form::userDropDown(Control &c)
{
    if (const ActionResult r = dropDownCheck(c); r != ActionResult::Done)
        return r;
    focusForUser(c);
    if (reachable(c))
        run(c.onDropDown);
    return ActionResult::Done;
}

ActionResult Form::userClick(Control &c)
{
    if (const ActionResult r = clickCheck(c); r != ActionResult::Done)
        return r;
    if (c.kind() == Kind::MenuItem || c.kind() == Kind::Label || c.kind() == Kind::Image) {
        run(c.onClick); // the focus stays where it is
        return ActionResult::Done;
    }
    focusForUser(c);
    if (!reachable(c))
        return ActionResult::Done;
    switch (c.kind()) {
    case Kind::CheckBox:
        c.setChecked(!c.checked()); // runs the click
        break;
    case Kind::RadioButton:
        c.setChecked(true); // runs the click only when it was unchecked
        break;
    default:
        run(c.onClick);
        break;
    }
    return ActionResult::Done;
}

ActionResult Form::userPage(int index)
{
    if (const ActionResult r = pageCheck(index); r != ActionResult::Done)
        return r;
    const auto all = pages();
    setFocus(pageControl_);
    if (index == pageControl_->activePageIndex())
        return ActionResult::Done;
    pageControl_->setActivePageIndex(index);
    run(all[static_cast<size_t>(index)]->onShow);
    run(pageControl_->onChange);
    return ActionResult::Done;
}

ActionResult Form::userMouse(Control &c, int x, int y)
{
    const ActionResult r = check(c);
    if (r != ActionResult::Done)
        return r;
    if (mouseOver_ != &c) {
        if (mouseOver_)
            run(mouseOver_->onMouseLeave);
        mouseOver_ = &c;
        run(c.onMouseEnter);
    }
    if (c.onMouseMove) {
        auto h = c.onMouseMove;
        h(x, y);
    }
    return ActionResult::Done;
}

void Form::userMouseOut()
{
    if (mouseOver_) {
        Control *was = mouseOver_;
        mouseOver_ = nullptr;
        run(was->onMouseLeave);
    }
}

} // namespace pc::form
