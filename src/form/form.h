#pragma once
// A window of named controls: the registry (find by name, all controls sorted
// by name), the structure (which page a control lies on), the keyboard focus,
// and the user-action entry points that the Qt binders and the headless
// driver call. Programmatic changes go straight to the controls; user actions
// go through here so that focus moves, key filters, change, click, enter and
// exit handlers run in the order a person would cause them:
//
//  - the focus moves from A to B: the exit handlers of A and of each of its
//    containers that does not also contain B run, innermost first; then the
//    enter handlers of each container of B that did not contain A and of B
//    itself, outermost first;
//  - a key press: focus first, then the key filter (onKeyPress, which may
//    replace or drop the character), then the change of the text;
//  - picking an item: focus first, then the pick and its user event;
//  - clicking a button, check box or radio button: focus first, then the
//    state change and the click; a menu item does not take the focus.

#include "form/control.h"

#include <QString>

#include <map>
#include <vector>

namespace pc::form {

// What became of a user action. The driver turns the last three into script
// errors; a person simply could not do them.
enum class ActionResult {
    Done,
    Ignored,   // disabled or hidden control, disabled item, hidden tab
    OffPage,   // the control lies on a page other than the active page
    WrongKind, // the action does not apply to this kind of control
    BadIndex,  // no such item, tab or page
};

class Form
{
public:
    // `prefix` qualifies the names of this window's controls for the driver
    // ("" for the main window, "TableWindow" for the corrosion table window).
    explicit Form(QString prefix);
    virtual ~Form() = default;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const QString &prefix() const { return prefix_; }
    // "TableWindow.SG_EC3Table" or, in the main window, the plain name.
    QString qualifiedName(const Control &c) const;

    // The window itself (the first control registered).
    Control &window() const { return *window_; }

    // Registry.
    Control *find(const QString &name) const;
    const std::vector<Control *> &controls() const { return controls_; } // registration order
    std::vector<Control *> controlsSortedByName() const;

    // Structure.
    Control *pageOf(const Control &c) const; // nearest page ancestor, or nullptr
    Control *pageControl() const { return pageControl_; }
    std::vector<Control *> pages() const; // the pages of the page control, in tab order
    Control *activePage() const;
    bool onActivePage(const Control &c) const;
    // Enabled and visible itself and in every container up to the window.
    bool reachable(const Control &c) const;

    // Menu entries whose function is not built yet must not look alive: each
    // entry that opens no submenu and has no click handler when this runs
    // reads as disabled from then on, until a click handler is defined.
    void holdBackUnhandledEntries();

    // Focus. setFocus runs the exit and enter handlers as described above
    // (the program's own focus moves do the same as a person's).
    Control *focused() const { return focus_; }
    void setFocus(Control *c);
    void dropFocus() { focus_ = nullptr; } // the focus is removed; nothing runs

    // The window is shown (on screen for the first time): the active page's
    // show handler runs. Hiding it runs nothing.
    bool shown() const { return window_->visible(); }
    void show();
    void hide() { window_->setVisible(false); }

    // Programmatic page change: the new page's show handler runs when the
    // window is on screen; the page-change handler does not run.
    void showPage(int index);

    // User actions.
    ActionResult userEnter(Control &c);
    ActionResult userLeave();
    ActionResult userType(Control &c, const QString &text);
    ActionResult userKey(Control &c, QChar key);
    ActionResult userReplace(Control &c, const QString &text);
    ActionResult userSelect(Control &c, int index);
    ActionResult userDropDown(Control &c);
    ActionResult userClick(Control &c);
    ActionResult userPage(int index);
    ActionResult userMouse(Control &c, int x, int y);
    // The pointer leaves the window.
    void userMouseOut();

    // What would become of a user action, checked before anything runs (Done:
    // it goes ahead). Every action on c first checks that it lies on the
    // active page, then that it is reachable; the others add the kind of
    // control, the item, whether c takes the focus. The Qt program checks
    // them before it plays a script's action on a widget, so that a script
    // error is the same error on both.
    ActionResult check(const Control &c) const;
    ActionResult enterCheck(const Control &c) const;             // enter
    ActionResult editCheck(const Control &c) const;              // type, key, replace
    ActionResult selectCheck(const Control &c, int index) const; // select
    ActionResult dropDownCheck(const Control &c) const;
    ActionResult clickCheck(const Control &c) const;
    ActionResult pageCheck(int index) const;
    // Whether a person can put the focus on a kind of control.
    static bool focusableKind(Kind k);

protected:
    // Registers c under `parent` (nullptr for the window itself).
    void add(Control &c, Control *parent);
    void setPageControl(Control &pageControl) { pageControl_ = &pageControl; }

private:
    bool canTakeFocus(const Control &c) const;
    void focusForUser(Control &c);
    // The checks of an action that moves the focus: check(), then focusable.
    ActionResult focusCheck(const Control &c) const;
    void pressKey(Control &c, QChar key);

    QString prefix_;
    Control *window_ = nullptr;
    Control *pageControl_ = nullptr;
    Control *focus_ = nullptr;
    Control *mouseOver_ = nullptr;
    std::vector<Control *> controls_;
    std::map<QString, Control *> byName_;
};

} // namespace pc::form
