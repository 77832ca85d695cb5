#pragma once
// Where the user actions of a script go and what `get` reads. The headless
// driver plays them on the named controls through the Form's user actions;
// the Qt program plays them on its real widgets through the toolkit and reads
// back what the widgets show.

#include "form/form.h"

#include <optional>
#include <string>

namespace pc {
class App;
} // namespace pc

namespace pc::driver {

class ScriptTarget
{
public:
    virtual ~ScriptTarget() = default;

    // The program exists and has not started: a target with windows builds
    // and binds them here. `detach` comes before the program is destroyed.
    virtual void attach(App &) {}
    virtual void detach(App &) {}

    virtual form::ActionResult enter(form::Form &form, form::Control &c)
    {
        return form.userEnter(c);
    }
    virtual form::ActionResult leave(form::Form &form) { return form.userLeave(); }
    virtual form::ActionResult type(form::Form &form, form::Control &c, const QString &text)
    {
        return form.userType(c, text);
    }
    virtual form::ActionResult key(form::Form &form, form::Control &c, QChar key)
    {
        return form.userKey(c, key);
    }
    virtual form::ActionResult replace(form::Form &form, form::Control &c, const QString &text)
    {
        return form.userReplace(c, text);
    }
    virtual form::ActionResult select(form::Form &form, form::Control &c, int index)
    {
        return form.userSelect(c, index);
    }
    virtual form::ActionResult dropDown(form::Form &form, form::Control &c)
    {
        return form.userDropDown(c);
    }
    virtual form::ActionResult click(form::Form &form, form::Control &c)
    {
        return form.userClick(c);
    }
    virtual form::ActionResult page(form::Form &form, int index) { return form.userPage(index); }
    virtual form::ActionResult mouse(form::Form &form, form::Control &c, int x, int y)
    {
        return form.userMouse(c, x, y);
    }
    // The user closes the main window with its close button.
    virtual void close(App &app);

    // The JSON value of a property as the user sees it; nothing = the
    // control's own value.
    virtual std::optional<std::string> shown(const form::Control &, form::Property) const
    {
        return std::nullopt;
    }
};

} // namespace pc::driver
