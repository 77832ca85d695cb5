#pragma once
// The binding of one window: every control of a form finds the widget (or
// action, or timer) of its name in the window's .ui tree and gets the binder
// of its kind. What could not be bound is listed, so that a test can insist
// that nothing is missing, mistyped or bound twice.

#include "form/form.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QObject;
class QWidget;

namespace pc::gui {

class Binder;
class Session;

class WindowBinding
{
public:
    WindowBinding(Session &session, form::Form &form, QWidget *window);
    ~WindowBinding();

    form::Form &form() const { return form_; }
    QWidget *window() const { return window_; }

    // "NAME: ..." for every control without exactly one object of its name
    // and kind in the window, and for every object claimed twice.
    const QStringList &problems() const { return problems_; }
    const std::vector<std::unique_ptr<Binder>> &binders() const { return binders_; }
    Binder *binderFor(const form::Control &c) const;
    // The control shown by `w` or by the nearest of its parents that shows
    // one (nullptr when none does).
    form::Control *controlOf(const QWidget *w) const;

    void applyAll();
    void flush();

    // The objects of this window named `name`: the window itself and its
    // children, but not those of other windows it owns.
    std::vector<QObject *> objectsNamed(const QString &name) const;

private:
    form::Form &form_;
    QWidget *window_;
    QStringList problems_;
    std::vector<std::unique_ptr<Binder>> binders_;
    QHash<const form::Control *, Binder *> byControl_;
    QHash<const QObject *, form::Control *> byObject_;
};

} // namespace pc::gui
