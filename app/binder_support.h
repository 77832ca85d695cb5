#pragma once
// What the binders of every kind share: the JSON texts of what a widget
// shows, the geometry properties, the pointer's moves, and one factory per
// family of binders (makeBinder picks by kind).

#include "binders.h"
#include "driver/json_text.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;
class QWidget;

namespace pc::gui::detail {

using form::Control;
using form::Kind;
using form::Property;
using P = form::Property;

inline std::string json(const QString &s)
{
    return driver::jsonString(s);
}

inline std::string json(bool b)
{
    return driver::jsonBool(b);
}

inline std::string json(int v)
{
    return driver::jsonInt(v);
}

inline std::string json(const QStringList &l)
{
    return driver::jsonStrings(l);
}

// The texts of `count` items, item i given by text(i).
template <typename Text> QStringList texts(int count, Text text)
{
    QStringList out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out << text(i);
    return out;
}

// Runs a model event handler if one is bound (copied first: it may rebind
// itself).
inline void run(const std::function<void()> &handler)
{
    if (handler) {
        auto h = handler;
        h();
    }
}

// The tab widget a page lies in, and the page's index in it.
QTabWidget *tabWidgetOf(const QWidget *page, int *index);

// A line of a Qt grid is drawn inside the cell before it, so a Qt section is
// the model's cell size plus the line.
inline constexpr int GridLine = 1;

// The geometry a program may set, in the order it is applied.
inline const std::vector<form::Property> Geometry = {form::Property::MaxHeight,
                                                     form::Property::Left, form::Property::Top,
                                                     form::Property::Width, form::Property::Height};

inline std::vector<form::Property> with(std::vector<form::Property> a,
                                        const std::vector<form::Property> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Forwards the pointer's moves over a widget (and its leaving) and, for
// labels and pictures, clicks to the model. It belongs to its binder and
// goes with it, so a widget that outlives the binding forwards nothing.
class MouseForwarder : public QObject
{
public:
    MouseForwarder(Binder &binder, QWidget *surface, std::function<void()> acted);

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    Binder &binder_;
    std::function<void()> acted_;
};

// Families of binders; nothing when the control is of another kind.
std::unique_ptr<Binder> makeWindowBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeDisplayBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeInputBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeListBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeMenuBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeGridBinder(Session &s, form::Form &f, form::Control &c, QObject *o);
std::unique_ptr<Binder> makeChartBinder(Session &s, form::Form &f, form::Control &c, QObject *o);

} // namespace pc::gui::detail
