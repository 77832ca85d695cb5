#pragma once
// Binders keep one widget equal to the model control of the same name and
// turn the user's signals on it into the model's user events. There is one
// binder class per kind of control (binders.cpp); `makeBinder` picks it.
//
// Model changes mark the properties as changed; the session applies them in
// one pass at the end of the user's action (or soon after a change that no
// action caused), so that a list refilled item by item is rebuilt once.
// Widget updates made by the program never come back as user events: they
// run under ProgramUpdate and with the widget's signals blocked.

#include "form/form.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QWidget;

namespace pc::gui {

class Session;

// Marks the program's own widget updates.
class ProgramUpdate
{
public:
    ProgramUpdate() { ++depth_; }
    ~ProgramUpdate() { --depth_; }
    ProgramUpdate(const ProgramUpdate &) = delete;
    ProgramUpdate &operator=(const ProgramUpdate &) = delete;
    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

class Binder : public QObject
{
    Q_OBJECT
public:
    Binder(Session &session, form::Form &form, form::Control &control, QObject *object);
    ~Binder() override;

    form::Control &control() const { return control_; }
    form::Form &form() const { return form_; }
    QObject *object() const { return object_; }
    // The widget the control is shown by (nullptr for menu entries and timers).
    QWidget *widget() const;

    // Applies every property now; applies the changed ones.
    void applyAll();
    void flush();

    // What the widget shows, as the driver prints it; nothing when no
    // widget shows the property (the model's value stands).
    virtual std::optional<std::string> shown(form::Property p) const;

protected:
    // Applies one property to the widget (under ProgramUpdate, signals blocked).
    virtual void apply(form::Property p);
    // The properties the binder applies, in the order they must be applied.
    virtual std::vector<form::Property> properties() const;
    // The user acted on the widget and the model ran its events: the widget
    // is made equal to the model again and the session finishes the action.
    void userActed();
    // Whether the user's signal may go to the model (not a program update).
    static bool fromUser();
    // The user's signal: `action` runs the model's user event, then the
    // widget follows the model (nothing for a program update's signal).
    template <typename Action> void user(Action action)
    {
        if (!fromUser())
            return;
        action();
        userActed();
    }
    // Whether a change of p shows at once rather than at the next flush.
    virtual bool immediate(form::Property) const { return false; }

    // Helpers of the common properties.
    void applyCommon(form::Property p);
    std::optional<std::string> shownCommon(form::Property p) const;

    Session &session_;
    form::Form &form_;
    form::Control &control_;
    QPointer<QObject> object_;
    // The palette the window gave the widget before binding.
    QPalette basePalette_;

private:
    void changed(form::Property p);
    // Applies the properties in `only` (every one for nothing), in order.
    void apply(const std::set<form::Property> *only);

    std::set<form::Property> dirty_;
    std::shared_ptr<bool> alive_;
};

// The binder for a control of the given kind shown by `object`, or nothing
// when the object is not of the kind's class.
std::unique_ptr<Binder> makeBinder(Session &session, form::Form &form, form::Control &control,
                                   QObject *object);

// Whether `object` is of the class that shows controls of kind `k`.
bool objectFitsKind(const QObject *object, form::Kind k);

// The tooltip of a hint: its part before the first bar; nothing when that
// is blank.
QString tooltipOf(const QString &hint);

// "#RRGGBB" or "clWindowText" to a colour; nothing for the system colour.
std::optional<QColor> modelColor(const QString &name);

} // namespace pc::gui
